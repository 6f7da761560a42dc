#include "mainwindow/FerloMainForm.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using ferlo::TFerloMainForm;
using ferlo::test::eventLoopQuitsWithin;
using ferlo::test::FormView;

// Start-up on a screen of the width the run was given (FERLO_TEST_SCREEN_WIDTH): the window's
// place and size, the screen scale, and the card's size and place in the card base.
class TestStartup : public QObject {
    Q_OBJECT

    int screenWidth() const { return qEnvironmentVariableIntValue("FERLO_TEST_SCREEN_WIDTH"); }

private slots:
    void initTestCase() {
        if (screenWidth() == 0)
            QSKIP("run through CTest, which gives each run a screen width");
        QCOMPARE(QGuiApplication::primaryScreen()->geometry().width(), screenWidth());
    }

    void windowAndCardAtStart() {
        if (screenWidth() < 800)
            QSKIP("the window is not used on a narrow screen");
        ferlo::test::MessageRecorder messages;
        TFerloMainForm form;
        const FormView ui(form);
        QVERIFY(messages.texts().isEmpty());
        QVERIFY(!form.terminateRequested());
        QCOMPARE(form.pos(), QPoint(0, 0));
        QCOMPARE(ui.Card.Portrait, false);
        QCOMPARE(ui.Card.PicturesPerPage, 4);
        QCOMPARE(ui.LABSelect->text(), QStringLiteral("Select up to 4 Pictures"));

        const int menuHeight = form.menuBar()->sizeHint().height();
        if (screenWidth() == 800) {
            QCOMPARE(form.size(), QSize(792, 554 + menuHeight));
            QCOMPARE(ui.Card.ScreenScale, 1.0);
            QCOMPARE(ui.PACardBase->size(), QSize(623, 507));
            QCOMPARE(ui.PACardBase->pos(), QPoint(169, 29));
            QCOMPARE(ui.PACard->geometry(), QRect(14, 41, 595, 425));
        } else {
            QCOMPARE(form.size(), QSize(1024, 768));
            QCOMPARE(ui.Card.ScreenScale, 1.28);
            QCOMPARE(ui.PACard->size(), QSize(762, 544));
            const QSize base = ui.PACardBase->size();
            QCOMPARE(base, QSize(1024 - 169, 768 - menuHeight - 29 - 18));
            QCOMPARE(ui.PACard->pos(), QPoint((base.width() - 762) / 2, (base.height() - 544) / 2));
        }
        QCOMPARE(ui.Card.CardWidth, ui.PACard->width());
        QCOMPARE(ui.Card.CardHeight, ui.PACard->height());

        // The client area survives showing the window: nothing is laid out again differently.
        const QRect cardBefore = ui.PACard->geometry();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(ui.PACard->geometry(), cardBefore);

        // The browser's lists: folder rows 16 pixels high, file rows 13, and the file list
        // shows whole lines only, as many as its panel holds.
        ferlo::test::PictureFolder folder;
        for (int i = 0; i < 80; ++i)
            ferlo::test::writeFile(folder.file(QStringLiteral("p%1.jpg").arg(i)), "");
        QVERIFY(form.browseTo(folder.path()));
        QListWidget* folders = ui.DirectoryListBox1;
        QCOMPARE(folders->visualItemRect(folders->item(0)).height(), 16);
        QListWidget* files = ui.FileListBox1;
        const QRect view = files->viewport()->rect();
        int shown = 0;
        for (int i = 0; i < files->count(); ++i) {
            const QRect line = files->visualItemRect(files->item(i));
            QCOMPARE(line.height(), 13);
            if (line.intersects(view)) {
                QVERIFY2(view.contains(line), qPrintable(QStringLiteral("line %1 is cut").arg(i)));
                ++shown;
            }
        }
        QVERIFY(shown >= 20);
        QVERIFY(files->geometry().bottom() <= ui.Panel5->rect().bottom());
        QVERIFY(ui.Panel5->height() - files->height() < 13);
    }

    void portraitCardIsCentredToo() {
        if (screenWidth() < 800)
            QSKIP("the window is not used on a narrow screen");
        ferlo::test::MessageRecorder messages;
        TFerloMainForm form;
        const FormView ui(form);
        ui.TBPortrait->trigger();
        QCOMPARE(ui.Card.Portrait, true);
        const QSize base = ui.PACardBase->size();
        if (screenWidth() == 800) {
            QCOMPARE(ui.PACard->geometry(), QRect(136, 8, 350, 490));
        } else {
            QCOMPARE(ui.PACard->size(), QSize(448, 627));
            QCOMPARE(ui.PACard->pos(), QPoint((base.width() - 448) / 2, (base.height() - 627) / 2));
        }
        QVERIFY(messages.texts().isEmpty());
    }

    void narrowScreenShowsTheMessageAndEnds() {
        if (screenWidth() >= 800)
            QSKIP("only a narrow screen ends the program");
        ferlo::test::MessageRecorder messages;
        TFerloMainForm form;
        const FormView ui(form);
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral(
                     "This application requires a screen resolution of 800x600 or higher.")});
        QVERIFY(form.terminateRequested());
        // Creation still completes: the card is laid out like on any screen.
        QCOMPARE(ui.Card.PicturesPerPage, 4);
        QCOMPARE(ui.Card.ScreenScale, 1.0);

        // The message loop ends at its first turn, without further input.
        QVERIFY(eventLoopQuitsWithin(5000));
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
