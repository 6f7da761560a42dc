// Label words in other scripts on paper: an exported page reads back, as text, each word as
// written (logical order, no presentation forms), and each label band shows the word as Qt
// draws it: shaped, and never a blank band or a row of missing-glyph boxes in place of letters.
#include "support_printing.h"

#include "layout/CardModel.h"
#include "layout/PrinterCells.h"
#include "printing/PdfExport.h"
#include "storage/Paths.h"

#include <QDir>
#include <QGlyphRun>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextLayout>
#include <QtTest>

#include <cmath>

using namespace ferlo;
using namespace ferlo::test;

namespace {

constexpr int kResolution = 300; // the export's device pixels per inch
constexpr int kRenderDpi = 100;  // the page rendered back by pdftoppm

// The label words, one per cell of an 8-per-page card; the last has a character that no font
// shows.
const QStringList kWords{QStringLiteral("عصفور"), QStringLiteral("שלום"),
                         QStringLiteral("कुत्ता"),  QStringLiteral("猫"),
                         QStringLiteral("개"),    QStringLiteral("ไก่"),
                         QStringLiteral("Ærø"),   QStringLiteral("z\U0010FFFD")};
// Words with characters beyond the first plane (a mathematical letter, emoji, a CJK ideograph
// of extension B that the installed fonts may lack), alone, among letters and in a right-to-left
// word, beside words of the first plane on the same page.
const QStringList kWideWords{QStringLiteral("\U0001D49C"),
                             QStringLiteral("\U0001F415"),
                             QStringLiteral("dog\U0001F415"),
                             QStringLiteral("\U00020000"),
                             QStringLiteral("عصفور\U0001F415"),
                             QStringLiteral("z\U0001D49Cz"),
                             QStringLiteral("Ærø"),
                             QStringLiteral("猫")};

// A word as text extraction gives it back, without the direction marks that pdftotext puts
// around right-to-left words, in composed form.
QString extracted(QString text) {
    static const QRegularExpression marks(
        QStringLiteral("[\u200E\u200F\u202A-\u202E\u2066-\u2069]"));
    return text.remove(marks).normalized(QString::NormalizationForm_C);
}

// The ink of an image, grey levels cropped to its dark pixels and scaled to a fixed grid, and
// the crop's aspect: two drawings of the same word at any size and place compare alike.
struct Ink {
    QImage grid;
    double aspect = 0;
};
Ink inkOf(const QImage& image) {
    const QRect bounds = darkBounds(image, image.rect());
    if (bounds.isNull())
        return {};
    return {image.copy(bounds)
                .convertToFormat(QImage::Format_Grayscale8)
                .scaled(64, 24, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            double(bounds.width()) / bounds.height()};
}

// Pearson correlation of the two grids' grey levels, 0 when either has no ink or their shapes
// differ in aspect by more than a third.
double similarity(const Ink& a, const Ink& b) {
    if (a.grid.isNull() || b.grid.isNull() || std::abs(std::log(a.aspect / b.aspect)) > 0.3)
        return 0;
    double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
    const int n = a.grid.width() * a.grid.height();
    for (int y = 0; y < a.grid.height(); ++y) {
        for (int x = 0; x < a.grid.width(); ++x) {
            const double u = a.grid.pixelColor(x, y).lightnessF();
            const double v = b.grid.pixelColor(x, y).lightnessF();
            sa += u;
            sb += v;
            saa += u * u;
            sbb += v * v;
            sab += u * v;
        }
    }
    const double cov = sab - sa * sb / n;
    const double var = (saa - sa * sa / n) * (sbb - sb * sb / n);
    return var > 0 ? cov / std::sqrt(var) : 0;
}

// The word drawn by Qt on a white image, large, in the label font.
QImage drawnByQt(const QFont& labelFont, const QString& word) {
    QFont font = labelFont;
    font.setPixelSize(64);
    QImage image(64 * (word.size() + 2), 128, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, word);
    return image;
}

// Whether the installed fonts show every character of the word (no glyph is the missing one).
bool fontsShow(const QFont& font, const QString& word) {
    QTextLayout layout(word, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0))
            return false;
    }
    return true;
}

QString tool(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

// The text that `pdftotext -layout` finds on the first page inside a rectangle, in points.
QString textIn(const QString& pdf, const QRectF& box) {
    QProcess process;
    const QRect area = box.toAlignedRect();
    process.start(QStringLiteral("pdftotext"),
                  {"-layout", "-f", "1", "-l", "1", "-x", QString::number(area.x()), "-y",
                   QString::number(area.y()), "-W", QString::number(area.width()), "-H",
                   QString::number(area.height()), pdf, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("(pdftotext failed)");
    return QString::fromUtf8(process.readAllStandardOutput());
}

// An exported page of an 8-per-page card whose pictures are named after the words, so that the
// labels are the words; the page as pdftoppm renders it, and the label bands.
struct ExportedWords {
    QStringList words;
    CardPage page;
    QString pdf;
    QImage rendered;         // the page, as pdftoppm renders it
    TPrinterCellArray cells; // in the export's device pixels, from the printable area's corner

    // The label band of a cell in points on the paper.
    QRectF bandPoints(int cell) const {
        const TRect band = LabelBand(cells[size_t(cell)]);
        return QRectF(10 + band.Left * 72.0 / kResolution, 10 + band.Top * 72.0 / kResolution,
                      LabelBandWidth(band) * 72.0 / kResolution,
                      LabelBandHeight(band) * 72.0 / kResolution);
    }
};

bool exportWords(const QTemporaryDir& dir, const QString& name, const QStringList& words,
                 ExportedWords& exported) {
    CardModel card;
    if (!card.setCount(8) || !QDir(dir.path()).mkpath(name))
        return false;
    for (const QString& word : words) {
        const QString picture =
            dir.filePath(name + QLatin1Char('/') + word + QStringLiteral("1.jpg"));
        writeSolidJpeg(picture, 40, 30, QColor(200, 220, 240));
        card.place(picture.toStdString());
    }
    exported.words = words;
    exported.page = makeCardPage(card);
    exported.pdf = dir.filePath(name + QStringLiteral(".pdf"));
    if (!writeCardPdf(exported.pdf, {exported.page}, QPageSize(QPageSize::A4), kResolution))
        return false;
    exported.rendered = renderPdfPage(exported.pdf, 1, kRenderDpi);
    // The export's printable area: the paper less Qt's margins of 10 points.
    const QPageLayout paper(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                            QMarginsF(10, 10, 10, 10), QPageLayout::Point);
    const QRect area = paper.paintRectPixels(kResolution);
    exported.cells = LayoutPrinterCells(area.width(), area.height(), 8, false, true);
    return !exported.rendered.isNull();
}

// Checks one cell's label of an exported page: text extraction gives the word back as written
// where its label stands (when `readable`), and the band shows the word as Qt draws it (for a
// character no font has, the label font's missing-glyph box), more like it than like any other
// word of the page (when `drawn`).
void checkLabel(const ExportedWords& exported, int cell, bool readable, bool drawn) {
    const QString label = exported.page.LabelTexts.value(cell);
    QCOMPARE(label, labelInCase(exported.words[cell], true));
    const QRectF points = exported.bandPoints(cell);
    const QRect shown =
        QRectF(points.topLeft() * kRenderDpi / 72.0, points.size() * kRenderDpi / 72.0)
            .toAlignedRect();

    if (readable)
        QCOMPARE(extracted(textIn(exported.pdf, points)).simplified(),
                 label.normalized(QString::NormalizationForm_C));

    const Ink ink = inkOf(exported.rendered.copy(shown));
    QVERIFY2(!ink.grid.isNull(), "the label band is blank");
    if (!drawn)
        return;
    const double own = similarity(ink, inkOf(drawnByQt(exported.page.LabelFont, label)));
    for (int other = 0; other < int(exported.words.size()); ++other) {
        if (other != cell)
            QVERIFY2(similarity(ink, inkOf(drawnByQt(exported.page.LabelFont,
                                                     labelInCase(exported.words[other], true)))) <
                         own,
                     qPrintable(exported.words[other]));
    }
    QVERIFY2(own > 0.7, qPrintable(QString::number(own)));
}

} // namespace

class TestLabelScripts : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    ExportedWords m_scripts; // words of the first plane in many scripts
    ExportedWords m_wide;    // words beyond the first plane

private slots:
    void initTestCase() {
        if (tool(QStringLiteral("pdftotext")).isEmpty() ||
            tool(QStringLiteral("pdftoppm")).isEmpty())
            QSKIP("poppler-utils (pdftotext, pdftoppm) is not installed");
        QVERIFY(exportWords(m_dir, QStringLiteral("scripts"), kWords, m_scripts));
        QVERIFY(exportWords(m_dir, QStringLiteral("wide"), kWideWords, m_wide));
    }

    void word_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("readable");
        const QStringList names{"Arabic", "Hebrew", "Devanagari", "Chinese",
                                "Korean", "Thai",   "Latin",      "no font has it"};
        for (int i = 0; i < int(kWords.size()); ++i)
            QTest::newRow(qPrintable(names[i])) << i << (i < 7);
    }
    void word() {
        QFETCH(int, cell);
        QFETCH(bool, readable);
        const QString label = m_scripts.page.LabelTexts.value(cell);
        if (readable)
            QVERIFY2(fontsShow(m_scripts.page.LabelFont, label),
                     qPrintable(QStringLiteral("no installed font shows %1 (scripts/setup "
                                               "installs fonts-noto-core and fonts-noto-cjk)")
                                    .arg(label)));
        checkLabel(m_scripts, cell, readable, true);
    }

    // A word with a character beyond the first plane comes back from the PDF's text as well, in
    // logical order, once, and still prints; the words of the first plane beside it come back
    // once too.
    void wordBeyondTheFirstPlane_data() {
        QTest::addColumn<int>("cell");
        const QStringList names{"mathematical letter", "emoji",
                                "letters and emoji",   "ideograph of extension B",
                                "Arabic and emoji",    "letter between letters",
                                "Latin beside them",   "Chinese beside them"};
        for (int i = 0; i < int(kWideWords.size()); ++i)
            QTest::newRow(qPrintable(names[i])) << i;
    }
    void wordBeyondTheFirstPlane() {
        QFETCH(int, cell);
        // Where no installed font shows the word, its band shows the missing-glyph box.
        checkLabel(m_wide, cell, true,
                   fontsShow(m_wide.page.LabelFont, m_wide.page.LabelTexts.value(cell)));
    }
};

QTEST_MAIN(TestLabelScripts)
#include "tst_labelscripts.moc"
