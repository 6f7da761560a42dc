#include "dialogs/AboutBox.h"
#include "dialogs/Options.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/PictureControl.h"
#include "printing/CardPage.h"
#include "storage/PrintOption.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// Runs the action and closes the modal dialog it opens; returns the dialog's class name.
QString closeModalOpenedBy(QAction* action) {
    QString opened;
    QTimer::singleShot(0, qApp, [&opened] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal) {
            opened = QString::fromLatin1(modal->metaObject()->className());
            QTest::keyClick(modal, Qt::Key_Escape);
        }
    });
    action->trigger();
    return opened;
}

} // namespace

class TestMenus : public QObject {
    Q_OBJECT

private slots:
    void menusHoldTheCommands() {
        MessageRecorder messages;
        TFerloMainForm form;
        const FormView ui(form);
        QCOMPARE(ui.File1->title(), QStringLiteral("&File"));
        QStringList fileItems;
        for (QAction* action : ui.File1->actions()) {
            if (!action->isSeparator())
                fileItems << action->text();
        }
        QCOMPARE(
            fileItems,
            (QStringList{"&New deck", "&Open deck ...", "&Save", "Save &as ...", "Recent Dec&ks",
                         "Print se&tup ...", "&Print ...", "Print Pre&view ...", "&Export PDF ...",
                         "Print Word &Backs", "&Double-Sided Printing ...",
                         "Print &Calibration Sheet ...", "Deck P&roperties ...", "e&xit"}));
        QVERIFY(!ui.Printsetup1->isVisible());
        // The word-backs command shows the stored option and stores each change; a new window
        // shows it as stored.
        auto* backs = form.findChild<QAction*>(QStringLiteral("mnWordBacks"));
        QVERIFY(backs && backs->isCheckable());
        const bool before = get_PrintWordBacks();
        QCOMPARE(backs->isChecked(), before);
        backs->trigger();
        QCOMPARE(get_PrintWordBacks(), !before);
        {
            TFerloMainForm again;
            QCOMPARE(again.findChild<QAction*>(QStringLiteral("mnWordBacks"))->isChecked(),
                     !before);
        }
        backs->trigger();
        QCOMPARE(get_PrintWordBacks(), before);
        QCOMPARE(form.menuBar()->actions().at(3), ui.mnOptions); // a command on the bar itself
    }

    // The standard keys reach their commands from anywhere in the window.
    void keysRunTheCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Print") << "&Print ..." << QKeySequence(QKeySequence::Print);
        QTest::newRow("Export PDF") << "&Export PDF ..." << QKeySequence("Ctrl+E");
        QTest::newRow("exit") << "e&xit" << QKeySequence("Ctrl+Q");
        QTest::newRow("Help") << "&Help ..." << QKeySequence("F1");
        QTest::newRow("Clear") << "Clear all pictures" << QKeySequence("Ctrl+Del");
        QTest::newRow("New deck") << "&New deck" << QKeySequence(QKeySequence::New);
        QTest::newRow("Open deck") << "&Open deck ..." << QKeySequence(QKeySequence::Open);
        QTest::newRow("Save") << "&Save" << QKeySequence(QKeySequence::Save);
        QTest::newRow("Save as") << "Save &as ..." << QKeySequence("Ctrl+Shift+S");
        QTest::newRow("Next card") << "&Next card" << QKeySequence("Ctrl+PgDown");
        QTest::newRow("Previous card") << "&Previous card" << QKeySequence("Ctrl+PgUp");
        QTest::newRow("New card") << "N&ew card" << QKeySequence("Ctrl+Shift+N");
        QTest::newRow("Undo") << "&Undo" << QKeySequence(QKeySequence::Undo);
        QTest::newRow("Redo") << "&Redo" << QKeySequence("Ctrl+Shift+Z");
        QTest::newRow("Move card later") << "Move card la&ter" << QKeySequence("Ctrl+Shift+PgDown");
    }
    void keysRunTheCommands() {
        QFETCH(QString, command);
        QFETCH(QKeySequence, keys);
        MessageRecorder messages;
        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QAction* action = nullptr;
        for (QAction* candidate : form.findChildren<QAction*>()) {
            if (candidate->text() == command)
                action = candidate;
        }
        QVERIFY(action);
        QCOMPARE(action->shortcut(), keys);
        // The command itself is not run here (it would open dialogs or end the test): only
        // that the keys trigger it.
        QObject::disconnect(action, &QAction::triggered, &form, nullptr);
        action->setEnabled(true); // Previous and Next card wait for a deck of several cards
        QSignalSpy triggered(action, &QAction::triggered);
        QTest::keySequence(form.windowHandle(), keys);
        QCOMPARE(triggered.count(), 1);
    }

    void optionsAndAboutOpenModally() {
        MessageRecorder messages;
        TFerloMainForm form;
        const FormView ui(form);
        TAboutBox about(&form);
        TdlgOptions options(&form);
        form.setDialogs(&about, &options);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(closeModalOpenedBy(ui.mnOptions), QStringLiteral("ferlo::TdlgOptions"));
        QCOMPARE(closeModalOpenedBy(ui.mnAbout), QStringLiteral("ferlo::TAboutBox"));
        QVERIFY(messages.texts().isEmpty());
    }

    void exitEndsTheMessageLoop() {
        MessageRecorder messages;
        TFerloMainForm form;
        const FormView ui(form);
        QTimer::singleShot(0, &form, [&ui] { ui.mnExit->trigger(); });
        QVERIFY(eventLoopQuitsWithin(5000));
    }

    // What Print hands to the page painter is what the card shows.
    void printedPageIsTheCard() {
        MessageRecorder messages;
        PictureFolder folder;
        folder.addJpeg("lion4.jpg");
        folder.addJpeg("zebra.jpg");
        writeFile(folder.file("broken.jpg"), "not a picture");
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(folder.path()));
        ui.TB6PerPage->trigger();
        ui.TBPortrait->trigger();
        clickFile(form, "lion4.jpg");
        clickFile(form, "broken.jpg");
        clickFile(form, "zebra.jpg");
        ui.TBLowerLabels->trigger();
        ui.TBCutLines->trigger();
        QCOMPARE(messages.texts().size(), 1); // the broken picture

        const CardPage page = form.currentPage();
        QCOMPARE(page.Arrangement.cells(), 6);
        QCOMPARE(page.Portrait, true);
        QCOMPARE(page.CutLinesOn, false);
        QCOMPARE(page.LabelsOn, true);
        QCOMPARE(page.FileNames, (QStringList{folder.file("lion4.jpg"), folder.file("broken.jpg"),
                                              folder.file("zebra.jpg"), "", "", ""}));
        QCOMPARE(page.PictureLoaded, (QList<bool>{true, false, true, false, false, false}));
        // The case buttons label every cell that holds a path, the broken picture's too.
        QCOMPARE(page.LabelTexts, (QStringList{"lion", "broken", "zebra", "", "", ""}));
        QCOMPARE(page.LabelFont.family(), QStringLiteral("Arial"));
        QVERIFY(page.LabelFont.bold());

        ui.PBToggleLabels->click();
        QCOMPARE(form.currentPage().LabelsOn, false);
    }

    void newJpegKindsShowCorrectly_data() {
        QTest::addColumn<int>("components");
        QTest::addColumn<bool>("progressive");
        QTest::newRow("CMYK") << 4 << false;
        QTest::newRow("progressive") << 3 << true;
        QTest::newRow("grey") << 1 << false;
    }
    void newJpegKindsShowCorrectly() {
        QFETCH(int, components);
        QFETCH(bool, progressive);
        MessageRecorder messages;
        PictureFolder folder;
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(components == 1 ? qRgb(90, 90, 90) : qRgb(200, 40, 30));
        writeJpeg(folder.file("kind.jpg"), image, 95, progressive, components);
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(folder.path()));
        clickFile(form, "kind.jpg");
        QVERIFY(messages.texts().isEmpty());
        // 400 x 300 fitted to the 4-count area's width: its own proportions were read.
        QCOMPARE(ui.CellImages[0]->size(), QSize(213, 160));
        const QImage shown = ui.CellImages[0]->grab().toImage();
        const QRgb centre = shown.pixel(shown.width() / 2, shown.height() / 2);
        const QRgb wanted = image.pixel(0, 0);
        QVERIFY2(qAbs(qRed(centre) - qRed(wanted)) < 12 &&
                     qAbs(qGreen(centre) - qGreen(wanted)) < 12 &&
                     qAbs(qBlue(centre) - qBlue(wanted)) < 12,
                 qPrintable(QStringLiteral("shown %1").arg(centre, 8, 16)));
    }
    // Tab walks through every control that takes a click, the toolbar's buttons from left to
    // right (the push buttons among them), then the browser's tabs, drive box and lists, and
    // comes round again.
    void tabReachesEveryControlInOrder() {
        MessageRecorder messages;
        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        auto* toolBar = form.findChild<QToolBar*>(QStringLiteral("ToolBar1"));
        QList<QWidget*> wanted;
        for (QAbstractButton* button : toolBar->findChildren<QAbstractButton*>()) {
            if (button->isVisible() && button->isEnabled())
                wanted << button;
        }
        std::sort(wanted.begin(), wanted.end(),
                  [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
        QVERIFY(wanted.contains(form.findChild<QWidget*>(QStringLiteral("PBToggleLabels"))));
        QVERIFY(wanted.contains(form.findChild<QWidget*>(QStringLiteral("PBClear"))));
        for (const char* name :
             {"BrowserTabs", "DriveComboBox1", "DirectoryListBox1", "FileListBox1"})
            wanted << form.findChild<QWidget*>(QLatin1String(name));

        wanted.first()->setFocus(Qt::TabFocusReason);
        QList<QWidget*> reached{QApplication::focusWidget()};
        for (int i = 0; i < 100; ++i) {
            QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
            if (QApplication::focusWidget() == reached.first())
                break;
            reached << QApplication::focusWidget();
        }
        QCOMPARE(reached, wanted);
        QVERIFY(messages.texts().isEmpty());
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
