#include "support_mainwindow.h"

#include "mainwindow/FileBrowser.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "sound/SoundPlayer.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

namespace ferlo::test {

namespace {

template <typename T> T* child(const QObject& form, const QString& name) {
    T* found = form.findChild<T*>(name);
    if (!found)
        qFatal("the main window has no %s named %s", T::staticMetaObject.className(),
               qPrintable(name));
    return found;
}

FileListBox* fileList(const TFerloMainForm& form) {
    return child<FileListBox>(form, QStringLiteral("FileListBox1"));
}

} // namespace

bool MainWindowFixture::open(const QString& folder) {
    form = std::make_unique<TFerloMainForm>();
    view.emplace(*form);
    form->show();
    return QTest::qWaitForWindowExposed(form.get()) && form->browseTo(folder);
}

FormView::FormView(const TFerloMainForm& form)
    : Form(form)
    , Card(form.card())
    , Cells(form.cells())
    , LABSelect(child<QLabel>(form, QStringLiteral("LABSelect")))
    , DirectoryListBox1(child<DirectoryListBox>(form, QStringLiteral("DirectoryListBox1")))
    , FileListBox1(fileList(form))
    , Panel5(child<QFrame>(form, QStringLiteral("Panel5")))
    , PACardBase(child<QFrame>(form, QStringLiteral("PACardBase")))
    , PACard(child<QFrame>(form, QStringLiteral("PACard")))
    , TestLabel(child<QLabel>(form, QStringLiteral("TestLabel")))
    , MediaPlayer1(child<SoundPlayer>(form, QStringLiteral("MediaPlayer1")))
    , TB1PerPage(child<QAction>(form, QStringLiteral("TB1PerPage")))
    , TB2PerPage(child<QAction>(form, QStringLiteral("TB2PerPage")))
    , TB4PerPage(child<QAction>(form, QStringLiteral("TB4PerPage")))
    , TB6PerPage(child<QAction>(form, QStringLiteral("TB6PerPage")))
    , TB8PerPage(child<QAction>(form, QStringLiteral("TB8PerPage")))
    , TBPortrait(child<QAction>(form, QStringLiteral("TBPortrait")))
    , TBLandScape(child<QAction>(form, QStringLiteral("TBLandScape")))
    , TBCutLines(child<QAction>(form, QStringLiteral("TBCutLines")))
    , PBToggleLabels(child<QPushButton>(form, QStringLiteral("PBToggleLabels")))
    , TBUpperLabels(child<QAction>(form, QStringLiteral("TBUpperLabels")))
    , TBLowerLabels(child<QAction>(form, QStringLiteral("TBLowerLabels")))
    , PBClear(child<QPushButton>(form, QStringLiteral("PBClear")))
    , TBPrint(child<QAction>(form, QStringLiteral("TBPrint")))
    , File1(child<QMenu>(form, QStringLiteral("File1")))
    , Printsetup1(child<QAction>(form, QStringLiteral("Printsetup1")))
    , mnExit(child<QAction>(form, QStringLiteral("mnExit")))
    , mnOptions(child<QAction>(form, QStringLiteral("mnOptions")))
    , mnHelp(child<QMenu>(form, QStringLiteral("mnHelp")))
    , mnReadMe(child<QAction>(form, QStringLiteral("mnReadMe")))
    , mnAbout(child<QAction>(form, QStringLiteral("mnAbout"))) {
    for (size_t i = 0; i < CellImages.size(); ++i) {
        CellImages[i] = child<PictureControl>(form, QStringLiteral("Cell%1").arg(i));
        CellLabels[i] = child<QLabel>(form, QStringLiteral("CellLabel%1").arg(i));
    }
    for (size_t k = 0; k < CutLines.size(); ++k)
        CutLines[k] = child<TLine>(form, QStringLiteral("CutLine%1").arg(k));
}

PictureFolder::PictureFolder() {
    if (!m_dir.isValid())
        qFatal("no temporary folder");
}

QString PictureFolder::addJpeg(const QString& name, int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = file(name);
    writeJpeg(path, image, 90);
    return path;
}

QString PictureFolder::addBmp(const QString& name, int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const QString path = file(name);
    writeBmp(path, image);
    return path;
}

QString PictureFolder::addSubfolder(const QString& name) {
    QDir(m_dir.path()).mkpath(name);
    return file(name);
}

void clickFile(TFerloMainForm& form, const QString& name, Qt::MouseButton button) {
    QListWidget* list = fileList(form);
    const auto items = list->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no item %s in the file list", qPrintable(name));
    list->scrollToItem(items.first());
    const QRect rect = list->visualItemRect(items.first());
    QTest::mouseClick(list->viewport(), button, Qt::NoModifier, rect.center());
}

QAction* action(const QObject& owner, const QString& name) {
    auto* found = owner.findChild<QAction*>(name);
    if (!found)
        qFatal("no action %s", qPrintable(name));
    return found;
}

QStringList selectedFiles(const TFerloMainForm& form) {
    const QListWidget* list = fileList(form);
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            names << list->item(i)->text();
    }
    return names;
}

bool eventLoopQuitsWithin(int milliseconds) {
    bool timedOut = false;
    QTimer::singleShot(milliseconds, qApp, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    return QCoreApplication::exec() == 0 && !timedOut;
}

QStringList cellFiles(const TFerloMainForm& form) {
    QStringList files;
    for (const TCell& cell : form.cells())
        files << QString::fromStdString(cell.FileName);
    return files;
}

QString shownText(const QLabel* label) {
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich)
        return label->text();
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

QRect inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

void dropCell(QWidget* target, QPoint at, int cell) {
    QMimeData data;
    data.setData(QStringLiteral("application/x-ferlo-cell"), QByteArray::number(cell));
    QDragEnterEvent enter(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(at, Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents(); // the drop is handled after the drag
}

} // namespace ferlo::test
