#include "layout/CardGeometry.h"
#include "layout/Deck.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "pictures/PictureCache.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using ferlo::TFerloMainForm;
using ferlo::test::eventLoopQuitsWithin;
using ferlo::test::FormView;

namespace {

// Where a line control lies for a cut line of the model.
QRect lineRect(const ferlo::CutLineSegment& line) {
    const ferlo::CardPoint a = line.First;
    const ferlo::CardPoint b = line.Second;
    if (a.X == b.X)
        return QRect(a.X, qMin(a.Y, b.Y), 1, qAbs(b.Y - a.Y) + 1);
    return QRect(qMin(a.X, b.X), a.Y, qAbs(b.X - a.X) + 1, 1);
}

// Everything the card shows, by place.
QList<QRect> cardGeometry(const TFerloMainForm& form) {
    QList<QRect> places{form.findChild<QWidget*>("PACard")->geometry()};
    for (const QWidget* child : form.findChild<QWidget*>("PACard")->findChildren<QWidget*>()) {
        if (child->isVisibleTo(&form))
            places << child->geometry();
    }
    return places;
}

} // namespace

// Start-up on a screen of the width the run was given (FERLO_TEST_SCREEN_WIDTH): the window's
// place and size, the screen scale, and the card's size and place in the card base.
class TestStartup : public QObject {
    Q_OBJECT

    int screenWidth() const { return qEnvironmentVariableIntValue("FERLO_TEST_SCREEN_WIDTH"); }
    QSize designedWindow(const TFerloMainForm& form) const {
        return screenWidth() == 800 ? QSize(792, 554 + form.menuBar()->sizeHint().height())
                                    : QSize(1024, 768);
    }

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
        // The window never asks for more than the screen's room, and it opens at its designed
        // size where that fits.
        const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
        const QSize designed = designedWindow(form);
        QCOMPARE(form.size(), designed.boundedTo(room));
        QCOMPARE(form.minimumSize(), form.size());
        const QSize base = ui.PACardBase->size();
        if (form.size() != designed) {
            // A small screen, or a large scale: the whole card shows in the base, keeping the
            // designed margins in the direction that is short of room.
            QVERIFY(QRect(QPoint(0, 0), base).contains(ui.PACard->geometry()));
            QVERIFY(ui.Card.ScreenScale < (designed.width() == 1024 ? 1.28 : 1.0));
            QCOMPARE(ui.PACard->pos(), QPoint((base.width() - ui.PACard->width()) / 2,
                                              (base.height() - ui.PACard->height()) / 2));
        } else if (screenWidth() == 800) {
            QCOMPARE(form.size(), QSize(792, 554 + menuHeight));
            QCOMPARE(ui.Card.ScreenScale, 1.0);
            QCOMPARE(ui.PACardBase->size(), QSize(623, 507));
            QCOMPARE(ui.PACardBase->pos(), QPoint(169, 29));
            QCOMPARE(ui.PACard->geometry(), QRect(14, 41, 595, 425));
        } else {
            QCOMPARE(ui.Card.ScreenScale, 1.28);
            QCOMPARE(ui.PACard->size(), QSize(762, 544));
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
        if (form.size() != designedWindow(form)) {
            // Opened smaller than designed: the card is whole and centred all the same.
            QVERIFY(QRect(QPoint(0, 0), base).contains(ui.PACard->geometry()));
            QCOMPARE(ui.PACard->pos(), QPoint((base.width() - ui.PACard->width()) / 2,
                                              (base.height() - ui.PACard->height()) / 2));
        } else if (screenWidth() == 800) {
            QCOMPARE(ui.PACard->geometry(), QRect(136, 8, 350, 490));
        } else {
            QCOMPARE(ui.PACard->size(), QSize(448, 627));
            QCOMPARE(ui.PACard->pos(), QPoint((base.width() - 448) / 2, (base.height() - 627) / 2));
        }
        QVERIFY(messages.texts().isEmpty());
    }

    // The user resizes the window: the card takes the largest size that the card base holds
    // with the opening's margins, and cells, pictures, labels and cut lines are where the model
    // puts them for that size; back at the opening size everything is where it was, and no
    // picture is decoded again on the way back.
    void cardFollowsTheWindow_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("grows");
        QTest::newRow("maximized 1920x1080, 4 landscape")
            << QSize(1920, 1080) << false << 4 << true;
        QTest::newRow("tall, 6 portrait") << QSize(1100, 1500) << true << 6 << true;
        QTest::newRow("wider only, 8 landscape") << QSize(1900, 0) << false << 8 << false;
        QTest::newRow("smaller than the opening, 2 portrait")
            << QSize(600, 400) << true << 2 << false;
    }
    void cardFollowsTheWindow() {
        QFETCH(QSize, window);
        QFETCH(bool, portrait);
        QFETCH(int, count);
        QFETCH(bool, grows);
        if (screenWidth() < 800)
            QSKIP("the window is not used on a narrow screen");
        ferlo::test::MessageRecorder messages;
        ferlo::test::PictureFolder folder;
        folder.addJpeg("lion1.jpg", 2400, 1800);
        folder.addJpeg("giraffe.jpg", 300, 900);
        folder.addJpeg("hippopotamuses.jpg", 800, 500);
        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.findChild<QAction*>(QStringLiteral("TB%1PerPage").arg(count))->trigger();
        form.findChild<QAction*>(portrait ? "TBPortrait" : "TBLandScape")->trigger();
        QVERIFY(form.browseTo(folder.path()));
        for (const char* name : {"lion1.jpg", "giraffe.jpg", "hippopotamuses.jpg"}) {
            if (form.pictureCount() < form.card().PicturesPerPage)
                ferlo::test::clickFile(form, name);
        }
        const QWidget* base = form.findChild<QWidget*>("PACardBase");
        const QWidget* card = form.findChild<QWidget*>("PACard");
        const QSize openingWindow = form.size();
        const QSize openingBase = base->size();
        const QList<QRect> opening = cardGeometry(form);
        const double openingScale = form.card().ScreenScale;

        // A height of 0: the window keeps its opening height.
        const QSize asked(window.width(),
                          window.height() > 0 ? window.height() : openingWindow.height());
        form.resize(asked);
        QCOMPARE(form.size(), asked.expandedTo(openingWindow));
        ferlo::TCard model;
        model.PicturesPerPage = count;
        model.LabelsOn = true;
        model.ScreenScale =
            ferlo::ScreenScaleForBase(portrait, openingScale, openingBase.width(),
                                      openingBase.height(), base->width(), base->height());
        model.SetCardSize(portrait);
        model.LayoutCells();
        QCOMPARE(form.card().ScreenScale, model.ScreenScale);
        QCOMPARE(card->size(), QSize(model.CardWidth, model.CardHeight));
        QCOMPARE(card->pos(), QPoint((base->width() - card->width()) / 2,
                                     (base->height() - card->height()) / 2));
        // (Opened smaller than designed, the card may grow in either direction.)
        if (openingWindow == designedWindow(form) || grows)
            QCOMPARE(card->width() > opening.first().width(), grows);
        // The opening's margins stay around the card, and it is as large as they allow.
        const QSize margins = openingBase - opening.first().size();
        const QSize room = base->size() - card->size();
        QVERIFY(room.width() >= margins.width() && room.height() >= margins.height());
        if (grows)
            QVERIFY(room.width() - margins.width() <= 1 || room.height() - margins.height() <= 1);

        for (int i = 0; i < form.pictureCount(); ++i) {
            const ferlo::TCell& shown = form.cells()[size_t(i)];
            const auto* image = form.findChild<QWidget*>(QStringLiteral("Cell%1").arg(i));
            const auto* label = form.findChild<QLabel*>(QStringLiteral("CellLabel%1").arg(i));
            const QSize ownSize = QImageReader(QString::fromStdString(shown.FileName)).size();
            const ferlo::FittedSize fitted =
                ferlo::FitPictureToArea(ownSize.width(), ownSize.height(), model.PictureWidth,
                                        model.PictureHeight, model.PictureAspect);
            const ferlo::CardPoint at =
                ferlo::PicturePosition(model, model.CellOrigin(i).X, model.CellOrigin(i).Y, fitted);
            QCOMPARE(image->geometry(), QRect(at.X, at.Y, fitted.Width, fitted.Height));
            const ferlo::TRect band =
                ferlo::LabelBand(model, model.CellOrigin(i).X, model.CellOrigin(i).Y);
            QCOMPARE(label->geometry(), QRect(band.Left, band.Top, band.width(), band.height()));
            QVERIFY(label->isVisible());
            QVERIFY(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= band.width());
        }
        const auto lines = ferlo::ScreenCutLines(count, portrait, card->width(), card->height());
        QList<QRect> wanted;
        for (const auto& line : lines)
            wanted << lineRect(line);
        QList<QRect> shownLines;
        for (const ferlo::TLine* line : card->findChildren<ferlo::TLine*>()) {
            if (line->isVisible())
                shownLines << line->geometry();
        }
        QCOMPARE(shownLines, wanted);

        const qint64 decodes = ferlo::PictureCache::shared().decodeCount();
        form.resize(openingWindow);
        QCOMPARE(cardGeometry(form), opening);
        QCOMPARE(form.card().ScreenScale, openingScale);
        QCOMPARE(ferlo::PictureCache::shared().decodeCount(), decodes);
        QVERIFY(messages.texts().isEmpty());
    }

    // With the card strip under it the card base is lower than the window opened with. A card
    // that no longer fits it is shown smaller, whole, centred and clear of the strip; one that
    // fits keeps the geometry it has without the strip, to the pixel. A grid's page likewise.
    // In the smallest window the screen allows, and in a taller one.
    void wholeCardAboveTheStrip_data() {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<int>("taller"); // pixels over the smallest window's height
        for (const int taller : {0, 150}) {
            for (const bool grid : {false, true}) {
                for (const bool portrait : {true, false})
                    QTest::addRow("%s %s, window +%d px", portrait ? "portrait" : "landscape",
                                  grid ? "grid" : "card", taller)
                        << portrait << grid << taller;
            }
        }
    }
    void wholeCardAboveTheStrip() {
        QFETCH(bool, portrait);
        QFETCH(bool, grid);
        QFETCH(int, taller);
        if (screenWidth() < 800)
            QSKIP("the window is not used on a narrow screen");
        ferlo::test::MessageRecorder messages;
        ferlo::test::PictureFolder folder;
        const QString picture = folder.addJpeg("owl.jpg", 300, 400);
        ferlo::DeckCard stored;
        stored.portrait = portrait;
        if (grid) {
            stored.layout.kind = ferlo::CardLayout::Kind::Grid;
            stored.layout.Grid.Columns = 2;
            stored.layout.Grid.Rows = 3;
            stored.layout.Grid.Landscape = !portrait;
            stored.layout.setCells(6);
        }
        stored.cells = {ferlo::DeckCell{ferlo::modelPath(picture), {}, {}}};
        ferlo::Deck deck;
        deck.cards = {stored, stored};
        ferlo::writeDeck(folder.file("two.ferlo"), deck);

        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(form.minimumSize() + QSize(0, taller));
        QVERIFY(form.openDeck(folder.file("two.ferlo")));
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        auto* strip = form.findChild<QWidget*>(QStringLiteral("CardStrip"));
        QAction* stripShown = form.findChild<QAction*>(QStringLiteral("mnCardStrip"));
        QVERIFY(strip && stripShown);
        QWidget* shown = grid ? form.findChild<QWidget*>(QStringLiteral("LayoutPanel")) : ui.PACard;
        QVERIFY(shown && shown->isVisible());

        // Without the strip: the card as the window lays it out without one.
        stripShown->trigger();
        QVERIFY(!strip->isVisible());
        const QRect alone = shown->geometry();
        const QSize baseAlone = ui.PACardBase->size();
        stripShown->trigger();
        QVERIFY(strip->isVisible());
        const QSize base = ui.PACardBase->size();
        QVERIFY(base.height() < baseAlone.height());
        QVERIFY(!ui.PACardBase->geometry().intersects(strip->geometry()));
        const QRect card = shown->geometry();
        QVERIFY2(QRect(QPoint(), base).contains(card),
                 qPrintable(QStringLiteral("a card at %1,%2 %3x%4 in a base of %5x%6")
                                .arg(card.x())
                                .arg(card.y())
                                .arg(card.width())
                                .arg(card.height())
                                .arg(base.width())
                                .arg(base.height())));
        QCOMPARE(card.topLeft(),
                 QPoint((base.width() - card.width()) / 2, (base.height() - card.height()) / 2));
        if (!grid) {
            QCOMPARE(form.card().CardWidth, card.width());
            QCOMPARE(form.card().CardHeight, card.height());
            if (alone.height() <= base.height()) {
                QCOMPARE(card.size(), alone.size()); // the designed geometry where it fits
            } else {
                QVERIFY(card.height() < alone.height());
                QVERIFY(card.top() >= ferlo::kShrunkCardMargin);
            }
            // The cells' pictures and labels lie on the card.
            for (int i = 0; i < int(form.cells().size()); ++i) {
                for (const QWidget* part : {static_cast<QWidget*>(ui.CellImages[size_t(i)]),
                                            static_cast<QWidget*>(ui.CellLabels[size_t(i)])}) {
                    if (part->isVisible())
                        QVERIFY(QRect(QPoint(), card.size()).contains(part->geometry()));
                }
            }
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
