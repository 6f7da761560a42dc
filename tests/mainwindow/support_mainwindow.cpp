#include "support_mainwindow.h"

#include "mainwindow/FileBrowser.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

namespace ferlo::test {

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
    QListWidget* list = form.FileListBox1;
    const auto items = list->findItems(name, Qt::MatchExactly);
    if (items.isEmpty())
        qFatal("no item %s in the file list", qPrintable(name));
    list->scrollToItem(items.first());
    const QRect rect = list->visualItemRect(items.first());
    QTest::mouseClick(list->viewport(), button, Qt::NoModifier, rect.center());
}

QStringList selectedFiles(const TFerloMainForm& form) {
    QStringList names;
    for (int i = 0; i < form.FileListBox1->count(); ++i) {
        if (form.FileListBox1->item(i)->isSelected())
            names << form.FileListBox1->item(i)->text();
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
    for (const TCell& cell : form.Cells)
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

} // namespace ferlo::test
