#include "layout/Card.h"
#include "layout/CountPlan.h"
#include "layout/Rounding.h"

#include <QtTest>

using ferlo::TCard;

namespace {

using Origins = QList<QPair<int, int>>; // (Top, Left)

TCard layoutCard(int count, bool portrait, double scale, bool labelsOn) {
    TCard card;
    card.ScreenScale = scale;
    card.LabelsOn = labelsOn;
    card.PicturesPerPage = count;
    card.SetCardSize(portrait);
    card.LayoutCells();
    return card;
}

Origins originsOf(const TCard& card) {
    Origins result;
    for (const auto& origin : card.CellOrigins)
        result.append({origin.Y, origin.X});
    return result;
}

} // namespace

class TestCard : public QObject {
    Q_OBJECT

private slots:
    void roundsHalvesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("627.2") << 627.2 << 627;
        QTest::newRow("761.6") << 761.6 << 762;
        QTest::newRow("62.5") << 62.5 << 62;
        QTest::newRow("63.5") << 63.5 << 64;
        QTest::newRow("0.5") << 0.5 << 0;
        QTest::newRow("1.5") << 1.5 << 2;
        QTest::newRow("-0.5") << -0.5 << 0;
        QTest::newRow("-1.5") << -1.5 << -2;
        QTest::newRow("-2.6") << -2.6 << -3;
        QTest::newRow("213.33") << 640.0 / 3.0 << 213;
    }
    void roundsHalvesToEven() {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(ferlo::Round(value), expected);
    }

    void cardSize_data() {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("portrait 1.0") << true << 1.0 << 350 << 490;
        QTest::newRow("landscape 1.0") << false << 1.0 << 595 << 425;
        QTest::newRow("portrait 1.28") << true << 1.28 << 448 << 627;
        QTest::newRow("landscape 1.28") << false << 1.28 << 762 << 544;
    }
    void cardSize() {
        QFETCH(bool, portrait);
        QFETCH(double, scale);
        QFETCH(int, width);
        QFETCH(int, height);
        TCard card;
        card.ScreenScale = scale;
        card.SetCardSize(portrait);
        QCOMPARE(card.Portrait, portrait);
        QCOMPARE(card.CardWidth, width);
        QCOMPARE(card.CardHeight, height);
    }

    // Every count in both orientations, both scales, labels on and off: the cell size and
    // grid, the origins by the row/column rule, and the picture-area invariants.
    void layoutInvariants_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("labelsOn");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("fontSize");
        const int counts[] = {1, 2, 4, 6, 8};
        const int fonts[] = {24, 20, 18, 16, 14};
        const int portraitColumns[] = {1, 1, 2, 2, 2};
        const int landscapeColumns[] = {1, 2, 2, 3, 4};
        for (int i = 0; i < 5; ++i)
            for (bool portrait : {true, false})
                for (double scale : {1.0, 1.28})
                    for (bool labels : {true, false}) {
                        const int columns = portrait ? portraitColumns[i] : landscapeColumns[i];
                        QTest::addRow("%d %s %.2f labels %s", counts[i],
                                      portrait ? "portrait" : "landscape", scale,
                                      labels ? "on" : "off")
                            << counts[i] << portrait << scale << labels << columns
                            << counts[i] / columns << fonts[i];
                    }
    }
    void layoutInvariants() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        QFETCH(double, scale);
        QFETCH(bool, labelsOn);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, fontSize);

        const TCard card = layoutCard(count, portrait, scale, labelsOn);
        QCOMPARE(int(card.CellOrigins.size()), count);
        QCOMPARE(card.LabelFontSize, fontSize);
        QCOMPARE(card.CellWidth, card.CardWidth / columns);
        QCOMPARE(card.CellHeight, card.CardHeight / rows);
        QCOMPARE(card.PictureWidth, card.CellWidth - 32);
        QCOMPARE(card.PictureHeight,
                 labelsOn ? card.CellHeight - 2 * fontSize - 16 : card.CellHeight - 16);
        QCOMPARE(card.PictureAspect, double(card.PictureHeight) / double(card.PictureWidth));
        QCOMPARE(ferlo::CountPlan(card.PicturesPerPage, card.Portrait).columns(), columns);
        QCOMPARE(ferlo::CountPlan(card.PicturesPerPage, card.Portrait).rows(), rows);

        const bool oddSecondCell = count == 4 || (count == 6 && portrait);
        for (int k = 0; k < count; ++k) {
            const int row = k / columns;
            const int column = k % columns;
            const int top = row == 0 ? 1 : row * card.CellHeight;
            int left = column == 0 ? 1 : column * card.CellWidth + 1;
            if (k == 1 && oddSecondCell)
                left = card.CellWidth;
            QCOMPARE(card.CellOrigin(k).Y, top);
            QCOMPARE(card.CellOrigin(k).X, left);
        }
    }

    void workedValues_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<int>("cellHeight");
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<int>("pictureHeightLabelsOff");
        QTest::addColumn<Origins>("origins");
        QTest::newRow("4 landscape") << 4 << false << 1.0 << 297 << 212 << 265 << 160 << 196
                                     << Origins{{1, 1}, {1, 297}, {212, 1}, {212, 298}};
        QTest::newRow("6 portrait")
            << 6 << true << 1.0 << 175 << 163 << 143 << 115 << 147
            << Origins{{1, 1}, {1, 175}, {163, 1}, {163, 176}, {326, 1}, {326, 176}};
        QTest::newRow("8 landscape") << 8 << false << 1.0 << 148 << 212 << 116 << 168 << 196
                                     << Origins{{1, 1},   {1, 149},   {1, 297},   {1, 445},
                                                {212, 1}, {212, 149}, {212, 297}, {212, 445}};
        QTest::newRow("2 portrait")
            << 2 << true << 1.0 << 350 << 245 << 318 << 189 << 229 << Origins{{1, 1}, {245, 1}};
        QTest::newRow("2 landscape")
            << 2 << false << 1.0 << 297 << 425 << 265 << 369 << 409 << Origins{{1, 1}, {1, 298}};
        QTest::newRow("8 portrait 1.28") << 8 << true << 1.28 << 224 << 156 << 192 << 112 << 140
                                         << Origins{{1, 1},   {1, 225},   {156, 1}, {156, 225},
                                                    {312, 1}, {312, 225}, {468, 1}, {468, 225}};
    }
    void workedValues() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        QFETCH(double, scale);
        QFETCH(int, cellWidth);
        QFETCH(int, cellHeight);
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        QFETCH(int, pictureHeightLabelsOff);
        QFETCH(Origins, origins);

        TCard card = layoutCard(count, portrait, scale, true);
        QCOMPARE(card.CellWidth, cellWidth);
        QCOMPARE(card.CellHeight, cellHeight);
        QCOMPARE(card.PictureWidth, pictureWidth);
        QCOMPARE(card.PictureHeight, pictureHeight);
        QCOMPARE(originsOf(card), origins);

        // Labels off changes only the picture height and aspect.
        card.LabelsOn = false;
        card.LayoutCells();
        QCOMPARE(card.PictureHeight, pictureHeightLabelsOff);
        QCOMPARE(card.PictureHeight - pictureHeight, 2 * card.LabelFontSize);
        QCOMPARE(card.CellWidth, cellWidth);
        QCOMPARE(originsOf(card), origins);
    }

    void invalidCountRecomputesOnlyThePictureArea() {
        TCard card = layoutCard(6, false, 1.0, true);
        const int cellWidth = card.CellWidth;
        for (int invalid : {0, 3, 5, 9, -4}) {
            card.PicturesPerPage = invalid;
            card.LabelsOn = !card.LabelsOn;
            card.LayoutCells();
            QCOMPARE(card.CellWidth, cellWidth);
            QCOMPARE(card.LabelFontSize, 16);
            // A grid or a sheet places its cards by its own plan: the card has no origins.
            QVERIFY(card.CellOrigins.empty());
            QCOMPARE(card.PictureHeight,
                     card.LabelsOn ? card.CellHeight - 48 : card.CellHeight - 16);
        }
    }

    void layoutBeforeTheCardHasASizeIsDegenerate() {
        TCard card;
        card.ScreenScale = 1.0;
        card.LabelsOn = true;
        card.PicturesPerPage = 4;
        card.LayoutCells();
        QCOMPARE(card.PictureWidth, -32);
        QCOMPARE(card.PictureHeight, -52);
    }

    // The card keeps its scale wherever it fits its base, to the pixel; a base that does not
    // hold it (in either direction, by a pixel too) shows it whole, with the margin around it,
    // as large as that allows.
    void scaleInBase_data() {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("baseWidth");
        QTest::addColumn<int>("baseHeight");
        QTest::addColumn<bool>("kept");
        // At 1.28 the portrait card is 448 x 627 and the landscape one 762 x 544.
        QTest::newRow("portrait, room to spare") << true << 1.28 << 855 << 700 << true;
        QTest::newRow("portrait, exactly its size") << true << 1.28 << 448 << 627 << true;
        QTest::newRow("portrait, a pixel short in height") << true << 1.28 << 855 << 626 << false;
        QTest::newRow("portrait, a pixel short in width") << true << 1.28 << 447 << 700 << false;
        QTest::newRow("portrait above a strip") << true << 1.28 << 855 << 588 << false;
        QTest::newRow("landscape above a strip") << false << 1.28 << 855 << 588 << true;
        QTest::newRow("landscape, short screen") << false << 1.28 << 855 << 418 << false;
        QTest::newRow("no room at all") << true << 1.0 << 10 << 10 << false;
    }
    void scaleInBase() {
        QFETCH(bool, portrait);
        QFETCH(double, scale);
        QFETCH(int, baseWidth);
        QFETCH(int, baseHeight);
        QFETCH(bool, kept);
        const double shown = ferlo::ScreenScaleInBase(portrait, scale, baseWidth, baseHeight);
        QVERIFY(shown >= 0.0);
        if (kept) {
            QCOMPARE(shown, scale);
            return;
        }
        QVERIFY(shown < scale);
        const ferlo::CardSize card = ferlo::CardSizeFor(portrait, shown);
        const int margin = ferlo::kShrunkCardMargin;
        QVERIFY(card.Width <= std::max(0, baseWidth - 2 * margin));
        QVERIFY(card.Height <= std::max(0, baseHeight - 2 * margin));
        // As large as the margins allow: a little larger no longer fits.
        if (baseWidth > 2 * margin && baseHeight > 2 * margin) {
            const ferlo::CardSize larger = ferlo::CardSizeFor(portrait, shown * 1.01);
            QVERIFY(larger.Width > baseWidth - 2 * margin ||
                    larger.Height > baseHeight - 2 * margin);
        }
    }
};

QTEST_APPLESS_MAIN(TestCard)
#include "tst_card.moc"
