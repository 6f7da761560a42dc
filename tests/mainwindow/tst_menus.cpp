#include "dialogs/AboutBox.h"
#include "dialogs/Options.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/PictureControl.h"
#include "printing/CardPage.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
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
        QCOMPARE(form.File1->title(), QStringLiteral("&File"));
        QStringList fileItems;
        for (QAction* action : form.File1->actions()) {
            if (!action->isSeparator())
                fileItems << action->text();
        }
        QCOMPARE(fileItems, (QStringList{"Print se&tup ...", "&Print ...", "Print Pre&view ...",
                                         "&Export PDF ...", "e&xit"}));
        QVERIFY(!form.Printsetup1->isVisible());
        QCOMPARE(form.mnOptions->text(), QStringLiteral("&Options ..."));
        QCOMPARE(form.menuBar()->actions().at(1), form.mnOptions); // a command on the bar itself
        QCOMPARE(form.mnHelp->title(), QStringLiteral("&Help"));
        QCOMPARE(form.mnReadMe->text(), QStringLiteral("&Help ..."));
        QCOMPARE(form.mnAbout->text(), QStringLiteral("&About ..."));
        QCOMPARE(form.TBPrint->toolTip(), QStringLiteral("Print Flashcard"));
        QCOMPARE(form.PBClear->toolTip(), QStringLiteral("Clear all pictures"));
        QCOMPARE(form.PBToggleLabels->size(), QSize(81, 22));
        QCOMPARE(form.PBClear->size(), QSize(53, 22));
    }

    void optionsAndAboutOpenModally() {
        MessageRecorder messages;
        TFerloMainForm form;
        TAboutBox about(&form);
        TdlgOptions options(&form);
        form.setDialogs(&about, &options);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(closeModalOpenedBy(form.mnOptions), QStringLiteral("ferlo::TdlgOptions"));
        QCOMPARE(closeModalOpenedBy(form.mnAbout), QStringLiteral("ferlo::TAboutBox"));
        QVERIFY(messages.texts().isEmpty());
    }

    void exitEndsTheMessageLoop() {
        MessageRecorder messages;
        TFerloMainForm form;
        QTimer::singleShot(0, &form, [&form] { form.mnExit->trigger(); });
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
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(folder.path()));
        form.TB6PerPage->trigger();
        form.TBPortrait->trigger();
        clickFile(form, "lion4.jpg");
        clickFile(form, "broken.jpg");
        clickFile(form, "zebra.jpg");
        form.TBLowerLabels->trigger();
        form.TBCutLines->trigger();
        QCOMPARE(messages.texts().size(), 1); // the broken picture

        const CardPage page = form.currentPage();
        QCOMPARE(page.PicturesPerPage, 6);
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

        form.PBToggleLabels->click();
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
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(folder.path()));
        clickFile(form, "kind.jpg");
        QVERIFY(messages.texts().isEmpty());
        QCOMPARE(form.Cells[0].ImageAspect, 0.75);
        const QImage shown = form.CellImages[0]->grab().toImage();
        const QRgb centre = shown.pixel(shown.width() / 2, shown.height() / 2);
        const QRgb wanted = image.pixel(0, 0);
        QVERIFY2(qAbs(qRed(centre) - qRed(wanted)) < 12 &&
                     qAbs(qGreen(centre) - qGreen(wanted)) < 12 &&
                     qAbs(qBlue(centre) - qBlue(wanted)) < 12,
                 qPrintable(QStringLiteral("shown %1").arg(centre, 8, 16)));
    }
};

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
