// The printed page's geometry: cells, picture areas, fitted pictures, label bands, cut lines.
#include "layout/Card.h"
#include "layout/CountPlan.h"
#include "layout/PrinterCells.h"

#include <QtTest>

using namespace ferlo;

Q_DECLARE_METATYPE(ferlo::TRect)
Q_DECLARE_METATYPE(std::vector<ferlo::CutLine>)

namespace {

TRect rectOf(const TPrinterCell& cell) {
    return {cell.Left, cell.Top, cell.Right, cell.Bottom};
}

QString describe(const std::vector<CutLine>& lines) {
    QStringList parts;
    for (const CutLine& line : lines)
        parts << QStringLiteral("%1%2").arg(line.Horizontal ? 'y' : 'x').arg(line.Position);
    return parts.join(QLatin1Char(' '));
}

} // namespace

namespace QTest {
template <> char* toString(const TRect& rect) {
    return qstrdup(QStringLiteral("(%1, %2, %3, %4)")
                       .arg(rect.Left)
                       .arg(rect.Top)
                       .arg(rect.Right)
                       .arg(rect.Bottom)
                       .toUtf8()
                       .constData());
}
} // namespace QTest

class TestPrinterCells : public QObject {
    Q_OBJECT

private slots:
    void portraitFourPerPageWorkedExample() {
        const TPrinterCellArray cells = LayoutPrinterCells(600, 825, 4, true, true);
        QCOMPARE(cells.size(), size_t(4));
        const TPrinterCell& cell = cells[0];
        QCOMPARE(rectOf(cell), (TRect{0, 0, 300, 412}));
        QCOMPARE(cell.Width, 301);
        QCOMPARE(cell.Height, 413);
        QCOMPARE(cell.BottomMargin, 14);
        QCOMPARE(cell.PictureArea(), (TRect{6, 12, 294, 354}));
        QCOMPARE(cell.PictureAreaWidth(), 288);
        QCOMPARE(cell.PictureAreaHeight(), 342);
        QCOMPARE(cell.PictureAreaAspect(), 1.1875);

        const TRect band = LabelBand(cell);
        QCOMPARE(band, (TRect{6, 361, 294, 405}));
        QCOMPARE(LabelBandHeight(band), 45);
        QCOMPARE(LabelBandWidth(band), 289);

        const TPrinterCellArray unlabelled = LayoutPrinterCells(600, 825, 4, true, false);
        QCOMPARE(unlabelled[0].BottomMargin, 2);
        QCOMPARE(unlabelled[0].PictureArea().Bottom, 404);
        // The rest of the cell does not move when labels are switched.
        QCOMPARE(rectOf(unlabelled[0]), rectOf(cell));
        QCOMPARE(unlabelled[0].PictureArea().Top, 12);
    }

    void fitPicture_data() {
        QTest::addColumn<int>("pictureWidth");
        QTest::addColumn<int>("pictureHeight");
        QTest::addColumn<TRect>("expected");
        // The cell of the worked example: picture area (6, 12, 294, 354), 288 x 342.
        QTest::newRow("640x480 fits the width") << 640 << 480 << TRect{6, 75, 294, 291};
        QTest::newRow("640x482 centres half to even") << 640 << 482 << TRect{6, 74, 294, 291};
        QTest::newRow("aspect equal to the area fills it") << 288 << 342 << TRect{6, 12, 294, 354};
        QTest::newRow("same aspect, larger picture") << 576 << 684 << TRect{6, 12, 294, 354};
        QTest::newRow("tall picture fits the height") << 100 << 400 << TRect{107, 12, 193, 354};
        QTest::newRow("small picture is enlarged") << 32 << 24 << TRect{6, 75, 294, 291};
        QTest::newRow("10000x10 is a line, not nothing") << 10000 << 10 << TRect{6, 182, 294, 183};
        QTest::newRow("10x10000 is a line, not nothing") << 10 << 10000 << TRect{150, 12, 151, 354};
        QTest::newRow("no width") << 0 << 480 << TRect{};
        QTest::newRow("no height") << 640 << 0 << TRect{};
    }

    void fitPicture() {
        QFETCH(int, pictureWidth);
        QFETCH(int, pictureHeight);
        QFETCH(TRect, expected);
        const TPrinterCellArray cells = LayoutPrinterCells(600, 825, 4, true, true);
        QCOMPARE(FitPictureRect(cells[0], pictureWidth, pictureHeight), expected);
    }

    void fitPictureStaysInsideTheArea() {
        // Whatever the proportions, the fitted rectangle lies inside the picture area and
        // touches two opposite sides of it.
        for (int count : {1, 2, 4, 6, 8}) {
            for (bool portrait : {true, false}) {
                const TPrinterCellArray cells = LayoutPrinterCells(
                    portrait ? 4760 : 6814, portrait ? 6814 : 4760, count, portrait, true);
                for (const TPrinterCell& cell : cells) {
                    const TRect area = cell.PictureArea();
                    for (QSize size : {QSize(6000, 4000), QSize(4000, 6000), QSize(1, 1000),
                                       QSize(1000, 1), QSize(640, 481)}) {
                        const TRect fit = FitPictureRect(cell, size.width(), size.height());
                        QVERIFY(!fit.isEmpty());
                        QVERIFY(fit.Left >= area.Left && fit.Right <= area.Right);
                        QVERIFY(fit.Top >= area.Top && fit.Bottom <= area.Bottom);
                        QVERIFY((fit.Left == area.Left && fit.Right == area.Right) ||
                                (fit.Top == area.Top && fit.Bottom == area.Bottom));
                    }
                }
            }
        }
    }

    void degenerateAreaDrawsNothing() {
        // A page too small for any picture area: nothing to fit into, and no division by zero.
        const TPrinterCellArray cells = LayoutPrinterCells(3, 3, 8, false, true);
        QCOMPARE(cells.size(), size_t(8));
        QCOMPARE(cells[0].PictureAreaAspect(), 0.0);
        QCOMPARE(FitPictureRect(cells[0], 640, 480), TRect());
    }

    void cellsTileThePage_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<int>("columns");
        for (int count : {1, 2, 4, 6, 8}) {
            for (bool portrait : {true, false}) {
                const int columns = count == 1   ? 1
                                    : count == 2 ? (portrait ? 1 : 2)
                                    : count == 4 ? 2
                                    : count == 6 ? (portrait ? 2 : 3)
                                                 : (portrait ? 2 : 4);
                const QByteArray name =
                    QByteArray::number(count) + (portrait ? " portrait" : " landscape");
                QTest::newRow(name + " A4 600 dpi") << count << portrait << (portrait ? 4760 : 6814)
                                                    << (portrait ? 6814 : 4760) << columns;
                QTest::newRow(name + " odd sizes") << count << portrait << (portrait ? 997 : 1399)
                                                   << (portrait ? 1399 : 997) << columns;
            }
        }
    }

    void cellsTileThePage() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(int, columns);
        const TPrinterCellArray cells = LayoutPrinterCells(W, H, count, portrait, false);
        QCOMPARE(int(cells.size()), count);
        QCOMPARE(CountPlan(count, portrait).columns() * CountPlan(count, portrait).rows(), count);
        QCOMPARE(CountPlan(count, portrait).columns(), columns);

        long long area = 0;
        for (int k = 0; k < count; ++k) {
            const TPrinterCell& cell = cells[size_t(k)];
            area += (long long)(cell.Right - cell.Left) * (cell.Bottom - cell.Top);
            QCOMPARE(cell.Width, cell.Right - cell.Left + 1);
            QCOMPARE(cell.Height, cell.Bottom - cell.Top + 1);
            // Row by row, left to right: the next cell in a row starts where this one ends.
            if ((k + 1) % columns != 0) {
                QCOMPARE(cells[size_t(k + 1)].Left, cell.Right);
                QCOMPARE(cells[size_t(k + 1)].Top, cell.Top);
            } else {
                QCOMPARE(cell.Right, W);
            }
            if (k + columns < count)
                QCOMPARE(cells[size_t(k + columns)].Top, cell.Bottom);
            else
                QCOMPARE(cell.Bottom, H);
            if (k % columns == 0)
                QCOMPARE(cell.Left, 0);
            if (k < columns)
                QCOMPARE(cell.Top, 0);
        }
        QCOMPARE(area, (long long)W * H);

        // Every cut line lies on a shared edge of two cells.
        for (const CutLine& line : CutLines(W, H, count, portrait)) {
            bool onEdge = false;
            for (const TPrinterCell& cell : cells)
                onEdge |= line.Horizontal ? (cell.Top == line.Position && cell.Top > 0)
                                          : (cell.Left == line.Position && cell.Left > 0);
            QVERIFY2(onEdge, qPrintable(describe({line})));
        }
        QCOMPARE(int(CutLines(W, H, count, portrait).size()),
                 CountPlan(count, portrait).columns() + CountPlan(count, portrait).rows() - 2);
    }

    void cutLines_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("W");
        QTest::addColumn<int>("H");
        QTest::addColumn<QString>("expected"); // in drawing order
        QTest::newRow("1 per page: frame only") << 1 << false << 998 << 700 << "";
        QTest::newRow("2 portrait") << 2 << true << 600 << 825 << "y412";
        QTest::newRow("2 landscape") << 2 << false << 825 << 600 << "x412";
        QTest::newRow("4 portrait") << 4 << true << 600 << 825 << "y412 x300";
        QTest::newRow("4 landscape") << 4 << false << 825 << 600 << "x412 y300";
        QTest::newRow("6 portrait 350 high") << 6 << true << 251 << 350 << "y116 y232 x125";
        QTest::newRow("6 landscape") << 6 << false << 998 << 701 << "x332 x664 y350";
        QTest::newRow("8 portrait") << 8 << true << 701 << 998 << "y499 x350 y249 y747";
        QTest::newRow("8 landscape 998 wide") << 8 << false << 998 << 701 << "x499 y350 x249 x747";
        QTest::newRow("invalid count") << 3 << false << 998 << 701 << "";
    }

    void cutLines() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        QFETCH(int, W);
        QFETCH(int, H);
        QFETCH(QString, expected);
        QCOMPARE(describe(CutLines(W, H, count, portrait)), expected);
    }

    void invalidCountHasNoCells() {
        for (int count : {0, 3, 5, 7, 9, -4})
            QVERIFY(LayoutPrinterCells(600, 825, count, true, true).empty());
    }
};

QTEST_APPLESS_MAIN(TestPrinterCells)
#include "tst_printercells.moc"
