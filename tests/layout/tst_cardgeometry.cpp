#include "layout/Card.h"
#include "layout/CardGeometry.h"

#include <QtTest>

using namespace ferlo;

using Segments = QList<QList<int>>; // x1, y1, x2, y2 per line

class TestCardGeometry : public QObject {
    Q_OBJECT

private slots:
    void fitting_data() {
        QTest::addColumn<int>("ownWidth");
        QTest::addColumn<int>("ownHeight");
        QTest::addColumn<int>("areaWidth");
        QTest::addColumn<int>("areaHeight");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::newRow("640x480 in 265x160") << 640 << 480 << 265 << 160 << 213 << 160;
        QTest::newRow("wide picture") << 1000 << 200 << 265 << 160 << 265 << 53;
        QTest::newRow("equal aspect fills") << 530 << 320 << 265 << 160 << 265 << 160;
        QTest::newRow("small is enlarged")
            << 20 << 10 << 265 << 160 << 265 << 132; // 132.5, half to even
        QTest::newRow("tiny tall is enlarged") << 1 << 3 << 116 << 168 << 56 << 168;
        QTest::newRow("half rounds to even") << 5 << 2 << 2 << 1 << 2 << 1;
        QTest::newRow("48 MP in 8-up cell") << 8000 << 6000 << 116 << 168 << 116 << 87;
        // 0.116 and 0.16 pixels by the rule: a side is never less than 1 pixel.
        QTest::newRow("10000x10 is a line, not nothing") << 10000 << 10 << 116 << 168 << 116 << 1;
        QTest::newRow("10x10000 is a line, not nothing") << 10 << 10000 << 265 << 160 << 1 << 160;
    }
    void fitting() {
        QFETCH(int, ownWidth);
        QFETCH(int, ownHeight);
        QFETCH(int, areaWidth);
        QFETCH(int, areaHeight);
        QFETCH(int, width);
        QFETCH(int, height);
        const FittedSize fitted = FitPictureToArea(ownWidth, ownHeight, areaWidth, areaHeight,
                                                   double(areaHeight) / areaWidth);
        QCOMPARE(fitted.Width, width);
        QCOMPARE(fitted.Height, height);
    }

    void pictureIsCentredInItsArea() {
        TCard card;
        card.ScreenScale = 1.0;
        card.LabelsOn = true;
        card.PicturesPerPage = 4;
        card.SetCardSize(false);
        card.LayoutCells();
        const FittedSize fitted =
            FitPictureToArea(640, 480, card.PictureWidth, card.PictureHeight, card.PictureAspect);
        const CardPoint at =
            PicturePosition(card, card.CellOrigin(1).X, card.CellOrigin(1).Y, fitted);
        QCOMPARE(at.X, card.CellOrigin(1).X + 16 + 26);
        QCOMPARE(at.Y, card.CellOrigin(1).Y + 8);

        const TRect band = LabelBand(card, card.CellOrigin(3).X, card.CellOrigin(3).Y);
        QCOMPARE(band.Left, 298 + 8);
        QCOMPARE(band.width(), 297 - 16);
        QCOMPARE(band.height(), 36);
        QCOMPARE(band.Top, 212 + 212 - 36 - 1);
        // Seven pixels lie between the foot of the picture area and the band.
        QCOMPARE(band.Top - (card.CellOrigin(3).Y + 8 + card.PictureHeight), 7);
    }

    void cutLines_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<Segments>("lines");
        for (const auto& [W, H, scale] :
             {std::tuple{350, 490, "1.0"}, std::tuple{448, 627, "1.28"}}) {
            QTest::addRow("1 portrait %s", scale) << 1 << true << W << H << Segments{};
            QTest::addRow("2 portrait %s", scale)
                << 2 << true << W << H << Segments{{0, H / 2, W, H / 2}};
            QTest::addRow("4 portrait %s", scale)
                << 4 << true << W << H << Segments{{0, H / 2, W, H / 2}, {W / 2, 0, W / 2, H}};
            QTest::addRow("6 portrait %s", scale) << 6 << true << W << H
                                                  << Segments{{W / 2, 0, W / 2, H},
                                                              {0, H / 3, W, H / 3},
                                                              {0, 2 * (H / 3), W, 2 * (H / 3)}};
            QTest::addRow("8 portrait %s", scale) << 8 << true << W << H
                                                  << Segments{{0, H / 2, W, H / 2},
                                                              {W / 2, 0, W / 2, H},
                                                              {0, H / 4, W, H / 4},
                                                              {0, 3 * (H / 4), W, 3 * (H / 4)}};
        }
        for (const auto& [W, H, scale] :
             {std::tuple{595, 425, "1.0"}, std::tuple{762, 544, "1.28"}}) {
            QTest::addRow("1 landscape %s", scale) << 1 << false << W << H << Segments{};
            QTest::addRow("2 landscape %s", scale)
                << 2 << false << W << H << Segments{{W / 2, 0, W / 2, H}};
            QTest::addRow("4 landscape %s", scale)
                << 4 << false << W << H << Segments{{W / 2, 0, W / 2, H}, {0, H / 2, W, H / 2}};
            QTest::addRow("6 landscape %s", scale) << 6 << false << W << H
                                                   << Segments{{0, H / 2, W, H / 2},
                                                               {W / 3, 0, W / 3, H},
                                                               {2 * (W / 3), 0, 2 * (W / 3), H}};
            QTest::addRow("8 landscape %s", scale) << 8 << false << W << H
                                                   << Segments{{W / 2, 0, W / 2, H},
                                                               {0, H / 2, W, H / 2},
                                                               {W / 4, 0, W / 4, H},
                                                               {3 * (W / 4), 0, 3 * (W / 4), H}};
        }
    }
    void cutLines() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(Segments, lines);
        Segments actual;
        for (const CutLineSegment& s : ScreenCutLines(count, portrait, W, H))
            actual.append({s.First.X, s.First.Y, s.Second.X, s.Second.Y});
        QCOMPARE(actual, lines);
    }

    void cutLinesLieOnCellBoundaries() {
        // A 6-up landscape card of 595 pixels: the thirds at 198 and 396 are the columns'
        // edges within a pixel.
        TCard card;
        card.ScreenScale = 1.0;
        card.PicturesPerPage = 6;
        card.SetCardSize(false);
        card.LayoutCells();
        const auto lines = ScreenCutLines(6, false, card.CardWidth, card.CardHeight);
        QVERIFY(qAbs(lines[1].First.X - card.CellOrigin(1).X) <= 1);
        QVERIFY(qAbs(lines[2].First.X - card.CellOrigin(2).X) <= 1);
        QVERIFY(ScreenCutLines(3, false, 595, 425).empty());
    }
};

QTEST_APPLESS_MAIN(TestCardGeometry)
#include "tst_cardgeometry.moc"
