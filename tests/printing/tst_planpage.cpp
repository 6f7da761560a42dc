// Grids and sheets on paper: one shared cut per boundary, crop marks that never touch a card,
// filled pictures cropped to their area and run out by the bleed, round labels clipping the
// picture, and word backs on the mirror image of their cards.
#include "printing/support_printing.h"

#include "layout/CardModel.h"
#include "storage/NativePath.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

Q_DECLARE_METATYPE(ferlo::GridSpec)

namespace {

constexpr int kDpi = 100;
constexpr double kPerMm = kDpi / 25.4;

CardPage gridPage(const GridSpec& grid, bool fill, double bleed, const QStringList& pictures = {}) {
    CardLayout layout;
    layout.kind = CardLayout::Kind::Grid;
    layout.Grid = grid;
    layout.Fill = fill;
    layout.Bleed = bleed;
    CardModel card;
    card.setLabels(false);
    card.setLayout(layout);
    for (int i = 0; i < int(pictures.size()); ++i)
        card.setPicture(i, modelPath(pictures[i]));
    return makeCardPage(card);
}

QImage paint(const CardPage& page) {
    QImage image(int(page.Arrangement.plan()->PaperWidth * kPerMm),
                 int(page.Arrangement.plan()->PaperHeight * kPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(kDpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(int(kDpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintCardPage(painter, image.size(), page);
    return image;
}

QRect pixels(const MmRect& rect, double grow = 0) {
    return QRect(QPoint(int(std::ceil((rect.Left - grow) * kPerMm)),
                        int(std::ceil((rect.Top - grow) * kPerMm))),
                 QPoint(int(std::floor((rect.right() + grow) * kPerMm)) - 1,
                        int(std::floor((rect.bottom() + grow) * kPerMm)) - 1));
}

GridSpec grid(int columns, int rows, double w, double h, double gap) {
    return {columns, rows, {"A4", 210, 297}, false, w, h, gap, gap, 0};
}

} // namespace

class TestPlanPage : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void cutsAndMarks_data() {
        QTest::addColumn<GridSpec>("spec");
        QTest::addColumn<double>("bleed");
        QTest::addColumn<bool>("shared");
        QTest::newRow("touching cards: shared cuts") << grid(4, 5, 45, 50, 0) << 0.0 << true;
        QTest::newRow("gaps: crop marks") << grid(4, 5, 45, 50, 5) << 0.0 << false;
        QTest::newRow("gaps and bleed: marks stay off") << grid(2, 5, 85, 55, 2) << 3.0 << false;
    }
    void cutsAndMarks() {
        QFETCH(GridSpec, spec);
        QFETCH(double, bleed);
        QFETCH(bool, shared);
        const CardPage page = gridPage(spec, false, bleed);
        const QImage image = paint(page);
        const PagePlan& plan = *page.Arrangement.plan();
        const MmRect& first = plan.Cards.front().Trim;
        const MmRect& last = plan.Cards.back().Trim;
        // Each column boundary is one line: dark pixels 3 mm above the first row (the bleed
        // included) stand only on them. A few rows, so that a dotted line's gap does not hide it.
        const int above = int((plan.Cards.front().Bleed.Top - 3) * kPerMm);
        QList<int> lines;
        for (int x = 0; x < image.width(); ++x)
            if (darkInColumn(image, x, above - 3, above + 3) > 0 &&
                (lines.isEmpty() || lines.last() < x - 2))
                lines << x;
        if (shared) {
            QCOMPARE(lines.size(), spec.Columns + 1);
            for (int c = 0; c <= spec.Columns; ++c)
                QVERIFY(qAbs(lines[c] - (first.Left + c * spec.CardWidth) * kPerMm) <= 1.5);
            QVERIFY(darkInColumn(image, lines[1], 0, image.height() - 1) > image.height() / 3);
            return;
        }
        // A mark at each card edge across, in the top margin only, none inside a card or its
        // bleed.
        QCOMPARE(lines.size(), 2 * spec.Columns);
        for (const PageCard& card : plan.Cards) {
            const QRect inside = pixels(card.Bleed, 0.5);
            QVERIFY2(darkBounds(image, inside).isNull(),
                     qPrintable(QStringLiteral("a mark inside the card at %1, %2")
                                    .arg(card.Trim.Left)
                                    .arg(card.Trim.Top)));
        }
        QVERIFY(darkInColumn(image, lines.first(), int(last.bottom() * kPerMm) + 2,
                             image.height() - 1) > 0);
    }

    void fillsAndBleeds_data() {
        QTest::addColumn<double>("bleed");
        QTest::newRow("no bleed") << 0.0;
        QTest::newRow("3 mm") << 3.0;
    }
    void fillsAndBleeds() {
        QFETCH(double, bleed);
        // A wide red picture filling 60 x 60 mm cards with 10 mm gaps.
        const QString red = writeSolidJpeg(m_dir.filePath("red.jpg"), 400, 100, Qt::red);
        const CardPage page = gridPage(grid(2, 1, 60, 60, 10), true, bleed, {red, red});
        const QImage image = paint(page);
        const PageCard& card = page.Arrangement.plan()->Cards.front();
        const double inset = bleed > 0 ? -bleed + 0.5 : 3.0; // picture area: 2-3 % margins
        // The corners of the filled area are red: the picture was cropped, not fitted.
        const QRect filled = pixels(card.Trim, -inset);
        for (const QPoint corner :
             {filled.topLeft(), filled.topRight(), filled.bottomLeft(), filled.bottomRight()}) {
            const QColor colour = image.pixelColor(corner);
            QVERIFY2(colour.red() > 200 && colour.green() < 80,
                     qPrintable(QStringLiteral("%1 at %2, %3")
                                    .arg(colour.name())
                                    .arg(corner.x())
                                    .arg(corner.y())));
        }
        // Nothing beyond the bleed.
        const QPoint outside(int((card.Trim.Left - bleed - 1) * kPerMm),
                             int((card.Trim.Top + 30) * kPerMm));
        QCOMPARE(image.pixelColor(outside), QColor(Qt::white));
    }

    void roundLabelsClipThePicture() {
        QTemporaryDir templates;
        QFile paper(templates.filePath("paper-sizes.xml"));
        QVERIFY(paper.open(QIODevice::WriteOnly));
        paper.write(R"(<Glabels-paper-sizes><Paper-size id="A4" width="210mm" height="297mm"/>
                       </Glabels-paper-sizes>)");
        paper.close();
        // The catalogue is read once per run; this test is the only one here to read it.
        qputenv("FERLO_SHEET_TEMPLATES", templates.path().toUtf8());
        QFile file(templates.filePath("test-templates.xml"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(R"(<Glabels-templates><Template brand="T" part="R" size="A4">
            <Label-round id="0" radius="40mm"><Layout nx="1" ny="1" x0="20mm" y0="30mm"/>
            </Label-round></Template></Glabels-templates>)");
        file.close();
        const QString red = writeSolidJpeg(m_dir.filePath("red2.jpg"), 100, 100, Qt::red);
        CardLayout layout;
        layout.kind = CardLayout::Kind::Sheet;
        layout.Name = "T R";
        layout.Fill = true;
        layout.setCells(1);
        CardModel card;
        card.setLabels(false);
        card.setLayout(layout);
        card.setPicture(0, modelPath(red));
        const QImage image = paint(makeCardPage(card));
        // The circle's centre is red, the corner of its square is not.
        QVERIFY(image.pixelColor(int(60 * kPerMm), int(70 * kPerMm)).red() > 250);
        QCOMPARE(image.pixelColor(int(23 * kPerMm), int(33 * kPerMm)), QColor(Qt::white));
    }

    void wordBacksMirrorThePlan() {
        // Cards of an uneven row: 30 mm from the left edge, 50 mm from the right.
        CardPage front = gridPage({2, 1, {"", 200, 100}, false, 50, 40, 20, 0, 0}, false, 0);
        front.Arrangement.plan()->Cards[0].Trim.Left -= 10;
        front.Arrangement.plan()->Cards[1].Trim.Left -= 10;
        front.LabelTexts = QStringList{"ONE", "TWO"};
        const CardPage back = wordBack(front);
        QVERIFY(back.Back);
        QCOMPARE(back.LabelTexts, front.LabelTexts);
        QCOMPARE(back.Arrangement.plan()->Cards[0].Trim.Left,
                 200 - front.Arrangement.plan()->Cards[0].Trim.right());
        QCOMPARE(back.Arrangement.plan()->Cards[1].Trim.Left,
                 200 - front.Arrangement.plan()->Cards[1].Trim.right());
        QCOMPARE(back.Arrangement.plan()->Cards[0].Trim.Top,
                 front.Arrangement.plan()->Cards[0].Trim.Top);
    }
};

QTEST_MAIN(TestPlanPage)
#include "tst_planpage.moc"
