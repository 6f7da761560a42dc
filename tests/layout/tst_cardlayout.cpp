// Grids, presets, lengths and the fill of a picture: planned in millimetres on the paper.
#include "layout/CardLayout.h"

#include <QtTest>

using namespace ferlo;

Q_DECLARE_METATYPE(ferlo::GridSpec)
Q_DECLARE_METATYPE(ferlo::TRect)

namespace {

GridSpec grid(int columns, int rows, const char* paper, bool landscape, double w, double h,
              double gap, double margin = 0) {
    return {columns, rows, *NamedPaper(paper), landscape, w, h, gap, gap, margin};
}

} // namespace

class TestCardLayout : public QObject {
    Q_OBJECT

private slots:
    void plansGrids_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<int>("cards");
        QTest::addColumn<double>("paperWidth");
        QTest::addColumn<double>("firstLeft");
        QTest::addColumn<double>("firstTop");
        QTest::addColumn<double>("lastRight");
        QTest::addColumn<double>("cardWidth");
        QTest::addColumn<bool>("sharedCuts");
        // Cards of a given size stand centred; an even division fills the page inside the margin.
        QTest::newRow("2x2 in Letter") << "2 × 2 in picture cards (Letter)" << 20 << 215.9 << 6.35
                                       << 12.7 << 209.55 << 50.8 << true;
        QTest::newRow("2x2 in A4")
            << "2x2 in picture cards a4" << 20 << 210.0 << 3.4 << 21.5 << 206.6 << 50.8 << true;
        QTest::newRow("prefix names Letter")
            << "2 x 2 in picture cards" << 20 << 215.9 << 6.35 << 12.7 << 209.55 << 50.8 << true;
        QTest::newRow("index cards, landscape")
            << "3 × 5 in index cards" << 4 << 279.4 << 12.7 << 31.75 << 266.7 << 127.0 << true;
        QTest::newRow("business cards")
            << "Business Cards 85x55mm" << 10 << 210.0 << 20.0 << 11.0 << 190.0 << 85.0 << true;
        QTest::newRow("A6 divides A4")
            << "a6" << 4 << 210.0 << 0.0 << 0.0 << 210.0 << 105.0 << true;
        QTest::newRow("A7 divides A4 landscape")
            << "A7" << 8 << 297.0 << 0.0 << 0.0 << 297.0 << 74.25 << true;
    }
    void plansGrids() {
        QFETCH(QString, preset);
        const auto found = FindPreset(preset.toStdString());
        QVERIFY(found);
        const PlanResult result = PlanGrid(found->Grid);
        QCOMPARE(result.Error(), std::string());
        const PagePlan& plan = result.Plan;
        QFETCH(int, cards);
        QFETCH(double, paperWidth);
        QFETCH(double, firstLeft);
        QFETCH(double, firstTop);
        QFETCH(double, lastRight);
        QFETCH(double, cardWidth);
        QFETCH(bool, sharedCuts);
        QCOMPARE(int(plan.Cards.size()), cards);
        QCOMPARE(plan.PaperWidth, paperWidth);
        QCOMPARE(plan.Cards.front().Trim.Left, firstLeft);
        QCOMPARE(plan.Cards.front().Trim.Top, firstTop);
        QCOMPARE(plan.Cards.back().Trim.right(), lastRight);
        QCOMPARE(plan.Cards.front().Trim.Width, cardWidth);
        QCOMPARE(plan.SharedCuts, sharedCuts);
        // Row by row: the second card stands right of the first.
        if (plan.Cards.size() > 1)
            QCOMPARE(plan.Cards[1].Trim.Top, plan.Cards[0].Trim.Top);
    }

    void refusesGrids_data() {
        QTest::addColumn<GridSpec>("spec");
        QTest::addColumn<QString>("message");
        QTest::newRow("11 columns") << grid(11, 2, "A4", false, 0, 0, 0)
                                    << "A grid has 1 to 10 columns and 1 to 10 rows, not 11 × 2.";
        QTest::newRow("0 rows") << grid(2, 0, "A4", false, 0, 0, 0)
                                << "A grid has 1 to 10 columns and 1 to 10 rows, not 2 × 0.";
        QTest::newRow("too wide") << grid(5, 5, "Letter", false, 50.8, 50.8, 0)
                                  << "5 × 5 cards of 50.8 × 50.8 mm with their gaps need 254.0 × "
                                     "254.0 mm, more than the 209.9 × 273.4 mm that can be "
                                     "printed on Letter portrait.";
        QTest::newRow("gaps push it over")
            << grid(2, 5, "A4", false, 85, 55, 5)
            << "2 × 5 cards of 85.0 × 55.0 mm with their gaps need 175.0 × 295.0 mm, more than "
               "the 204.0 × 291.0 mm that can be printed on A4 portrait.";
        QTest::newRow("negative gap") << grid(2, 2, "A4", false, 50, 50, -1)
                                      << "A card needs a width and a height above 0 and gaps of "
                                         "0 or more.";
        QTest::newRow("margin eats the page")
            << grid(2, 2, "A5", true, 0, 0, 0, 80)
            << "A margin of 80.0 mm leaves no room on A5 landscape.";
        GridSpec huge = grid(1, 1, "A4", false, 0, 0, 0);
        huge.Paper = {"", 5000, 200};
        QTest::newRow("paper of 5 m")
            << huge
            << "The paper must be more than 0 and at most 1000 mm on either side, not 5000.0 × "
               "200.0 mm.";
    }
    void refusesGrids() {
        QFETCH(GridSpec, spec);
        const PlanResult result = PlanGrid(spec);
        QFETCH(QString, message);
        QCOMPARE(QString::fromStdString(result.Error()), message);
    }

    void bleedsWhereThereIsRoom_data() {
        QTest::addColumn<double>("gap");
        QTest::addColumn<double>("bleed");
        QTest::addColumn<double>("outer"); // towards the paper's edge
        QTest::addColumn<double>("inner"); // towards the neighbour
        QTest::newRow("touching cards") << 0.0 << 3.0 << 3.0 << 0.0;
        QTest::newRow("wide gap") << 10.0 << 3.0 << 3.0 << 3.0;
        QTest::newRow("narrow gap: half of it") << 4.0 << 3.0 << 3.0 << 2.0;
        QTest::newRow("above the largest") << 20.0 << 9.0 << 6.0 << 6.0;
    }
    void bleedsWhereThereIsRoom() {
        QFETCH(double, gap);
        QFETCH(double, bleed);
        PlanResult result = PlanGrid(grid(2, 1, "A4", false, 80, 80, gap));
        ApplyBleed(result.Plan, bleed);
        const PageCard& first = result.Plan.Cards.front();
        QFETCH(double, outer);
        QFETCH(double, inner);
        QCOMPARE(first.Trim.Left - first.Bleed.Left, outer);
        QCOMPARE(first.Bleed.right() - first.Trim.right(), inner);
    }

    void parsesLengths_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("millimetres"); // -1: refused
        QTest::newRow("inches") << "2in" << 50.8;
        QTest::newRow("mm with a blank") << "55 mm" << 55.0;
        QTest::newRow("cm") << "1.5cm" << 15.0;
        QTest::newRow("points") << "72pt" << 25.4;
        QTest::newRow("upper case unit") << "3MM" << 3.0;
        QTest::newRow("no unit") << "3" << -1.0;
        QTest::newRow("unknown unit") << "3furlongs" << -1.0;
        QTest::newRow("negative") << "-2mm" << -1.0;
        QTest::newRow("not a number") << "mm" << -1.0;
        QTest::newRow("infinite") << "inf mm" << -1.0;
    }
    void parsesLengths() {
        QFETCH(QString, text);
        QFETCH(double, millimetres);
        const auto length = ParseLength(text.toStdString());
        QCOMPARE(length.value_or(-1.0), millimetres);
    }

    void parsesSizes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("width"); // -1: refused
        QTest::addColumn<double>("height");
        QTest::newRow("both with units") << "2inx2in" << 50.8 << 50.8;
        QTest::newRow("unit after the second") << "85x55mm" << 85.0 << 55.0;
        QTest::newRow("times sign") << "3 in × 5 in" << 76.2 << 127.0;
        QTest::newRow("mixed units") << "1inx10mm" << 25.4 << 10.0;
        QTest::newRow("no unit") << "85x55" << -1.0 << -1.0;
        QTest::newRow("zero width") << "0x5mm" << -1.0 << -1.0;
        QTest::newRow("one side") << "85mm" << -1.0 << -1.0;
    }
    void parsesSizes() {
        QFETCH(QString, text);
        QFETCH(double, width);
        QFETCH(double, height);
        const auto size = ParseSize(text.toStdString());
        QCOMPARE(size ? size->first : -1.0, width);
        QCOMPARE(size ? size->second : -1.0, height);
    }

    void fillsPictures_data() {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<TRect>("expected");
        // A 100 x 50 area at (10, 20): the picture covers it, centred, the rest cropped.
        QTest::newRow("wide picture") << 400 << 100 << TRect{-40, 20, 160, 70};
        QTest::newRow("tall picture") << 100 << 400 << TRect{10, -155, 110, 245};
        QTest::newRow("same proportions") << 200 << 100 << TRect{10, 20, 110, 70};
        QTest::newRow("no picture") << 0 << 100 << TRect{};
    }
    void fillsPictures() {
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        QFETCH(TRect, expected);
        QCOMPARE(FillPictureRect({10, 20, 110, 70}, pictureWidth, pictureHeight), expected);
    }

    void cellsKeepTodaysProportionsInsideTheMarkup() {
        // A 2 in square card at 300 dpi with a 1/16 in markup margin: 600 pixels less 2 x 18.75,
        // the edges rounded and the right one counted in.
        PageCard card;
        card.Trim = {10, 10, 50.8, 50.8};
        card.Markup = MillimetresPerInch / 16;
        const double perMm = 300 / MillimetresPerInch;
        const TPrinterCell cell = PrinterCellFor(card, perMm, true);
        QCOMPARE(cell.Width, 562);
        QCOMPARE(cell.BottomMargin, 14);
        QCOMPARE(cell.Left, int(std::lround((10 + card.Markup) * perMm)));
    }
};

QTEST_APPLESS_MAIN(TestCardLayout)
#include "tst_cardlayout.moc"
