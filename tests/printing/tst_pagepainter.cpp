// The one page painter, checked pixel by pixel on a white image of the printable area, and the
// PDF document written with it.
#include "support_printing.h"

#include "printing/PagePainter.h"
#include "printing/PdfExport.h"
#include "printing/job/PrintJob.h"
#include "storage/Errors.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace ferlo;
using namespace ferlo::test;

Q_DECLARE_METATYPE(ferlo::TRect)

namespace {

PaintOptions fixedOption(bool printAsDib) {
    return dibOptions([printAsDib] { return printAsDib; });
}

bool isRed(QColor c) {
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
bool isBlue(QColor c) {
    return c.blue() > 200 && c.red() < 60 && c.green() < 60;
}
// A 32-bit bitmap with an alpha mask (BITMAPV4HEADER, BI_BITFIELDS), every pixel transparent
// black; Qt's own writer drops the alpha channel.
QByteArray transparentBmp(int width, int height) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const quint32 pixels = quint32(width * height * 4);
    out << quint8('B') << quint8('M') << quint32(14 + 108 + pixels) << quint32(0)
        << quint32(14 + 108);
    out << quint32(108) << qint32(width) << qint32(height) << quint16(1) << quint16(32)
        << quint32(3) << pixels << qint32(2835) << qint32(2835) << quint32(0) << quint32(0);
    out << quint32(0x00FF0000) << quint32(0x0000FF00) << quint32(0x000000FF) << quint32(0xFF000000)
        << quint32(0x73524742); // 'sRGB'
    for (int i = 0; i < 12; ++i)
        out << quint32(0); // endpoints and gamma
    for (quint32 i = 0; i < pixels; ++i)
        out << quint8(0);
    return bytes;
}

bool isWhite(QColor c) {
    return c.red() > 245 && c.green() > 245 && c.blue() > 245;
}

// Paints a page onto a white image that reports the given resolution as its own.
QImage renderPageAt(const CardPage& page, QSize printableArea, int dpi,
                    const PaintOptions& options) {
    QImage image(printableArea, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    paintCardPage(painter, printableArea, page, options);
    return image;
}

// The columns (or rows) that are dark along more than a fifth of their length.
QList<int> darkColumns(const QImage& image) {
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        if (darkInColumn(image, x, 0, image.height() - 1) > image.height() / 5)
            columns << x;
    return columns;
}
QList<int> darkRows(const QImage& image) {
    QList<int> rows;
    for (int y = 0; y < image.height(); ++y)
        if (darkInRow(image, y, 0, image.width() - 1) > image.width() / 5)
            rows << y;
    return rows;
}
// The lengths of the dark runs along a row, from its start.
QList<int> darkRuns(const QImage& image, int y, int x0, int x1) {
    QList<int> runs;
    int run = 0;
    for (int x = x0; x <= x1; ++x) {
        if (isDark(image.pixel(x, y))) {
            ++run;
        } else if (run > 0) {
            runs << run;
            run = 0;
        }
    }
    return runs;
}

} // namespace

class TestPagePainter : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_red;   // 640 x 480
    QString m_blue;  // 640 x 482
    QString m_thin;  // 10000 x 10
    QString m_small; // 64 x 48

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        m_red = writeSolidJpeg(m_dir.filePath("red.jpg"), 640, 480, Qt::red);
        m_blue = writeSolidJpeg(m_dir.filePath("blue.jpg"), 640, 482, Qt::blue);
        m_thin = writeSolidJpeg(m_dir.filePath("thin.jpg"), 10000, 10, Qt::blue);
        m_small = writeSolidJpeg(m_dir.filePath("small.jpg"), 64, 48, Qt::red);
    }

    void emptyCardPaintsItsFrame() {
        const QImage image = renderPage(emptyPage(1, true), QSize(600, 825), fixedOption(true));
        // Dotted: one pixel in three along each side of the printable area.
        QVERIFY(darkInColumn(image, 0, 0, 824) > 825 / 4);
        QVERIFY(darkInColumn(image, 599, 0, 824) > 825 / 4);
        QVERIFY(darkInRow(image, 0, 0, 599) > 600 / 4);
        QVERIFY(darkInRow(image, 824, 0, 599) > 600 / 4);
        // Nothing else: one picture per page has no cut line, and empty labels draw nothing.
        QCOMPARE(darkBounds(image, QRect(1, 1, 598, 823)), QRect());
        // The dots are one pixel wide.
        QCOMPARE(darkInColumn(image, 1, 1, 823), 0);
    }

    void cutLinesOffPaintsNothing_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        for (int count : {1, 2, 4, 6, 8})
            for (bool portrait : {true, false})
                QTest::addRow("%d %s", count, portrait ? "portrait" : "landscape")
                    << count << portrait;
    }

    void cutLinesOffPaintsNothing() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        const QSize size = portrait ? QSize(400, 560) : QSize(560, 400);
        const QImage image = renderPage(emptyPage(count, portrait, false), size, fixedOption(true));
        QCOMPARE(darkBounds(image, image.rect()), QRect());
    }

    void cutLinesLieOnTheCellEdges_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QList<int>>("columns"); // x of the vertical lines
        QTest::addColumn<QList<int>>("rows");    // y of the horizontal lines
        QTest::newRow("8 landscape, 998 wide")
            << 8 << false << QSize(998, 701) << QList<int>{249, 499, 747} << QList<int>{350};
        QTest::newRow("6 portrait, 350 high")
            << 6 << true << QSize(251, 350) << QList<int>{125} << QList<int>{116, 232};
        QTest::newRow("4 landscape")
            << 4 << false << QSize(825, 600) << QList<int>{412} << QList<int>{300};
        QTest::newRow("2 portrait")
            << 2 << true << QSize(600, 825) << QList<int>{} << QList<int>{412};
    }

    void cutLinesLieOnTheCellEdges() {
        QFETCH(int, count);
        QFETCH(bool, portrait);
        QFETCH(QSize, size);
        QFETCH(QList<int>, columns);
        QFETCH(QList<int>, rows);
        const QImage image = renderPage(emptyPage(count, portrait), size, fixedOption(true));
        const int W = size.width();
        const int H = size.height();
        // Scanning inside the frame, every dark column or row is one of the lines.
        QList<int> darkColumns;
        for (int x = 1; x < W - 1; ++x)
            if (darkInColumn(image, x, 1, H - 2) > H / 4)
                darkColumns << x;
        QList<int> darkRows;
        for (int y = 1; y < H - 1; ++y)
            if (darkInRow(image, y, 1, W - 2) > W / 4)
                darkRows << y;
        QCOMPARE(darkColumns, columns);
        QCOMPARE(darkRows, rows);
    }

    void cutLinesKeepTheirWidthOnPaper_data() {
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QList<int>>("columns"); // the frame's sides and the line at x = 412
        QTest::addColumn<QList<int>>("rows");    // the frame's sides and the line at y = 300
        QTest::addColumn<int>("dot");
        // Up to 300 dpi one pixel, as on screen.
        QTest::newRow("96 dpi") << 96 << QList<int>{0, 412, 824} << QList<int>{0, 300, 599} << 1;
        QTest::newRow("300 dpi") << 300 << QList<int>{0, 412, 824} << QList<int>{0, 300, 599} << 1;
        // Above it, 1/300 inch: the frame inside the page, the lines on their boundaries.
        QTest::newRow("600 dpi") << 600 << QList<int>{0, 1, 411, 412, 823, 824}
                                 << QList<int>{0, 1, 299, 300, 598, 599} << 2;
        QTest::newRow("1200 dpi") << 1200
                                  << QList<int>{0, 1, 2, 3, 410, 411, 412, 413, 821, 822, 823, 824}
                                  << QList<int>{0, 1, 2, 3, 298, 299, 300, 301, 596, 597, 598, 599}
                                  << 4;
    }

    void cutLinesKeepTheirWidthOnPaper() {
        QFETCH(int, dpi);
        QFETCH(QList<int>, columns);
        QFETCH(QList<int>, rows);
        QFETCH(int, dot);
        const QImage image =
            renderPageAt(emptyPage(4, false), QSize(825, 600), dpi, fixedOption(true));
        QCOMPARE(darkColumns(image), columns);
        QCOMPARE(darkRows(image), rows);
        // The dots, along the frame and along a cut line, are as long as the line is wide.
        for (int y : {0, rows.at(rows.size() / 2)}) {
            const QList<int> runs = darkRuns(image, y, 20, 200).mid(1, 10);
            QCOMPARE(runs, QList<int>(runs.size(), dot));
            QVERIFY(runs.size() >= 10);
        }
    }

    void picturesFillTheirTargetRectangles_data() {
        QTest::addColumn<bool>("printAsDib");
        QTest::addColumn<int>("dpi");
        QTest::newRow("device-independent form") << true << 96;
        QTest::newRow("as decoded") << false << 96;
        // Fewer pixels than the rectangles have, scaled into exactly the same rectangles.
        QTest::newRow("device-independent form, 1200 dpi") << true << 1200;
        QTest::newRow("as decoded, 1200 dpi") << false << 1200;
    }

    void picturesFillTheirTargetRectangles() {
        QFETCH(bool, printAsDib);
        QFETCH(int, dpi);
        CardPage page = emptyPage(4, true, false, false);
        page.LabelsOn = true; // bands under the pictures, but the labels are empty
        placePicture(page, 0, m_red);
        placePicture(page, 2, m_thin);
        placePicture(page, 3, m_blue);
        const QImage image = renderPageAt(page, QSize(600, 825), dpi, fixedOption(printAsDib));

        // Cell 0: (6, 75, 294, 291), the last pixel row and column inside are 290 and 293.
        QVERIFY(isRed(meanColour(image, QRect(QPoint(6, 75), QPoint(293, 290)))));
        for (QPoint inside : {QPoint(6, 75), QPoint(293, 75), QPoint(6, 290), QPoint(293, 290)})
            QVERIFY2(isRed(image.pixelColor(inside)), qPrintable(QString::number(inside.y())));
        for (QPoint outside : {QPoint(5, 150), QPoint(294, 150), QPoint(150, 74), QPoint(150, 291)})
            QVERIFY2(isWhite(image.pixelColor(outside)),
                     qPrintable(QStringLiteral("%1,%2").arg(outside.x()).arg(outside.y())));

        // Cell 3 is (300, 412, 600, 825): its picture area and the 640 x 482 fit inside it.
        const TPrinterCell cell = LayoutPrinterCells(600, 825, 4, true, true)[3];
        const TRect target = FitPictureRect(cell, 640, 482);
        QVERIFY(isBlue(meanColour(image, QRect(QPoint(target.Left, target.Top),
                                               QPoint(target.Right - 1, target.Bottom - 1)))));
        QVERIFY(isWhite(image.pixelColor(target.Left - 1, (target.Top + target.Bottom) / 2)));
        QVERIFY(isWhite(image.pixelColor((target.Left + target.Right) / 2, target.Bottom)));
        // Cell 2's picture area is (6, 424, 294, 767): 10000 x 10 fits to 0.288 pixels high,
        // and is printed as a line one pixel high across the middle, not as nothing.
        QVERIFY(isBlue(meanColour(image, QRect(6, 595, 288, 1))));
        QCOMPARE(darkBounds(image, QRect(0, 412, 300, 413)), QRect(6, 595, 288, 1));

        // The free cells stay white.
        QCOMPARE(darkBounds(image, QRect(300, 0, 300, 412)), QRect());
    }

    void optionIsReadOncePerPictureDrawn() {
        CardPage page = emptyPage(4, false, false, false);
        placePicture(page, 0, m_red);
        // Cell 1 is free; cell 2 failed to load on screen and is passed over, file or no file.
        page.FileNames[2] = m_dir.filePath("gone.jpg");
        page.PictureLoaded[2] = false;
        placePicture(page, 3, m_blue);
        int reads = 0;
        PaintOptions options = dibOptions([&reads] { return ++reads % 2 == 0; });
        const QImage image = renderPage(page, QSize(825, 600), options);
        QCOMPARE(reads, 2);
        // Each way drew its picture.
        const TPrinterCellArray cells = LayoutPrinterCells(825, 600, 4, false, false);
        const TRect red = FitPictureRect(cells[0], 640, 480);
        const TRect blue = FitPictureRect(cells[3], 640, 482);
        QVERIFY(isRed(image.pixelColor((red.Left + red.Right) / 2, (red.Top + red.Bottom) / 2)));
        QVERIFY(
            isBlue(image.pixelColor((blue.Left + blue.Right) / 2, (blue.Top + blue.Bottom) / 2)));
        QCOMPARE(darkBounds(image, QRect(0, 300, 412, 300)), QRect());
    }

    void pictureGoneSinceItWasShownIsAnError() {
        CardPage page = emptyPage(4, false);
        placePicture(page, 0, m_red);
        const QString gone = m_dir.filePath("gone-since.jpg");
        placePicture(page, 1, gone);
        int reads = 0;
        try {
            renderPage(page, QSize(825, 600), dibOptions([&reads] {
                           ++reads;
                           return true;
                       }));
            QFAIL("no error for a missing picture");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(gone), qPrintable(error.message()));
        }
        QCOMPARE(reads, 1); // cell 0 was drawn before cell 1 failed
    }

    void optionErrorEndsThePage() {
        CardPage page = emptyPage(2, false);
        placePicture(page, 0, m_red);
        placePicture(page, 1, m_blue);
        PaintOptions failing =
            dibOptions([]() -> bool { throw Error("Invalid data type for 'PrintAsDIB'"); });
        QVERIFY_THROWS_EXCEPTION(Error, renderPage(page, QSize(825, 600), failing));
    }

    void invalidCountIsAnError() {
        CardPage page = emptyPage(3, false);
        QVERIFY_THROWS_EXCEPTION(Error, renderPage(page, QSize(825, 600), fixedOption(true)));
    }

    void printedPictureHasNoMorePixelsThanNeeded_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("count"); // per page, on a portrait page of 600 x 825 pixels
        QTest::addColumn<int>("dpi");
        QTest::addColumn<TRect>("target");
        QTest::addColumn<QSize>("pixels");
        // The rectangle's device pixels, the least of the three up to 300 dpi.
        QTest::newRow("640 x 482, 4 per page, 96 dpi")
            << "blue" << 4 << 96 << TRect{6, 74, 294, 291} << QSize(288, 217);
        QTest::newRow("640 x 482, 4 per page, 300 dpi")
            << "blue" << 4 << 300 << TRect{6, 74, 294, 291} << QSize(288, 217);
        // Above 300 dpi, 300 pixels per inch of paper: a quarter of the pixels at 1200 dpi.
        QTest::newRow("640 x 482, 4 per page, 1200 dpi")
            << "blue" << 4 << 1200 << TRect{6, 74, 294, 291} << QSize(72, 54);
        QTest::newRow("640 x 482, 4 per page, 400 dpi")
            << "blue" << 4 << 400 << TRect{6, 74, 294, 291} << QSize(216, 162);
        // Never more than the picture's own pixels, however large the rectangle.
        QTest::newRow("64 x 48, 1 per page, 96 dpi")
            << "small" << 1 << 96 << TRect{12, 151, 588, 583} << QSize(64, 48);
        QTest::newRow("10000 x 10, 1 per page, 1200 dpi")
            << "thin" << 1 << 1200 << TRect{12, 367, 588, 368} << QSize(144, 1);
    }

    void printedPictureHasNoMorePixelsThanNeeded() {
        QFETCH(QString, file);
        QFETCH(int, count);
        QFETCH(int, dpi);
        QFETCH(TRect, target);
        QFETCH(QSize, pixels);
        const QString path = file == "blue" ? m_blue : file == "thin" ? m_thin : m_small;
        const TPrinterCell cell = LayoutPrinterCells(600, 825, count, true, true)[0];
        const PrintedPicture picture = preparePrintedPicture(path, cell, dpi);
        QCOMPARE(picture.target, target);
        QCOMPARE(picture.image.size(), pixels);
        QCOMPARE(picture.image.format(), QImage::Format_RGB32);
    }

    void transparentPartsPrintWhite() {
        const TPrinterCell cell = LayoutPrinterCells(600, 825, 4, true, true)[0];
        // A bitmap with transparent parts prints white there, not black.
        const QString path = m_dir.filePath("clear.bmp");
        writeFile(path, transparentBmp(64, 48));
        const PrintedPicture white = preparePrintedPicture(path, cell, 96);
        QCOMPARE(white.image.format(), QImage::Format_RGB32);
        QVERIFY(isWhite(white.image.pixelColor(10, 10)));
    }

    void labelsAreCentredInTheirBand() {
        CardPage page = emptyPage(4, true, false, true);
        page.LabelTexts[0] = QStringLiteral("DOG");
        page.LabelTexts[3] = QStringLiteral("HIPPOPOTAMUS HIPPOPOTAMUS");
        const QImage image = renderPage(page, QSize(600, 825), fixedOption(true));

        // Cell 0: band (6, 361, 294, 405), 289 x 45.
        const QRect dog = darkBounds(image, QRect(0, 0, 300, 412));
        QVERIFY(!dog.isNull());
        QVERIFY2(qAbs((dog.left() + dog.right()) / 2.0 - (6 + 294) / 2.0) <= 3,
                 qPrintable(QStringLiteral("%1..%2").arg(dog.left()).arg(dog.right())));
        QVERIFY(dog.top() > 354 && dog.bottom() <= 412);
        // Capitals at the full band height are well over half of it tall.
        QVERIFY2(dog.height() > 25, qPrintable(QString::number(dog.height())));

        // The long label is shrunk until it fits the band's width, and stays centred.
        const TPrinterCell cell = LayoutPrinterCells(600, 825, 4, true, true)[3];
        const TRect band = LabelBand(cell);
        const QRect hippo = darkBounds(image, QRect(300, 412, 300, 413));
        QVERIFY(!hippo.isNull());
        QVERIFY(hippo.left() >= band.Left && hippo.right() <= band.Right);
        QVERIFY(hippo.height() < dog.height());
        QVERIFY(qAbs((hippo.left() + hippo.right()) / 2.0 - (band.Left + band.Right) / 2.0) <= 3);

        // The free cells with no text print nothing.
        QCOMPARE(darkBounds(image, QRect(300, 0, 300, 412)), QRect());
    }

    void labelLineIsTheBandHeight_data() {
        QTest::addColumn<QSize>("printableArea");
        QTest::addColumn<int>("bandHeight");
        QTest::newRow("600 x 825") << QSize(600, 825) << 45;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(600);
        printer.setPageSize(QPageSize(QPageSize::A4));
        QTest::newRow("A4 at 600 dpi") << printer.pageLayout().paintRectPixels(600).size() << 367;
    }

    void labelLineIsTheBandHeight() {
        // The band is as high as the label's whole line (ascent + descent), not as its em: in
        // bold Liberation Sans capitals are then about 62 % of the band, not 69 %.
        QFETCH(QSize, printableArea);
        QFETCH(int, bandHeight);
        CardPage page = emptyPage(4, true, false, true);
        page.LabelTexts[0] = QStringLiteral("DOG");
        const TPrinterCell cell =
            LayoutPrinterCells(printableArea.width(), printableArea.height(), 4, true, true)[0];
        const TRect band = LabelBand(cell);
        QCOMPARE(LabelBandHeight(band), bandHeight);
        const QImage image = renderPage(page, printableArea, fixedOption(true));
        const QRect dog = darkBounds(image, QRect(0, 0, cell.Right, cell.Bottom));
        const double share = double(dog.height()) / bandHeight;
        QVERIFY2(share > 0.58 && share < 0.65,
                 qPrintable(QStringLiteral("capitals %1 pixels high in a band of %2")
                                .arg(dog.height())
                                .arg(bandHeight)));
        QVERIFY(dog.top() >= band.Top && dog.bottom() <= band.Bottom);
    }

    void labelsOffPrintNoLabel() {
        CardPage page = emptyPage(4, true, false, false);
        page.LabelTexts = {"DOG", "CAT", "COW", "HEN"};
        const QImage image = renderPage(page, QSize(600, 825), fixedOption(true));
        QCOMPARE(darkBounds(image, image.rect()), QRect());
    }

    void labelFaceAndStyleComeFromTheCard() {
        CardPage page = emptyPage(1, false, false, true);
        page.LabelTexts[0] = QStringLiteral("ii");
        page.LabelFont.setBold(false);
        const QImage plain = renderPage(page, QSize(825, 600), fixedOption(true));
        page.LabelFont.setBold(true);
        page.LabelFont.setUnderline(true);
        const QImage boldUnderlined = renderPage(page, QSize(825, 600), fixedOption(true));
        const QRect a = darkBounds(plain, plain.rect());
        const QRect b = darkBounds(boldUnderlined, boldUnderlined.rect());
        QVERIFY(!a.isNull() && !b.isNull());
        // The underline reaches below the letters and spans the whole advance.
        QVERIFY(b.bottom() > a.bottom());
        QVERIFY(b.width() > a.width());
    }

    void pdfHasOnePagePerCardPage() {
        CardPage first = emptyPage(2, false);
        placePicture(first, 0, m_red, "RED");
        placePicture(first, 1, m_blue, "BLUE");
        CardPage second = emptyPage(2, false);
        placePicture(second, 0, m_red, "RED");
        const QString path = m_dir.filePath("two.pdf");
        writeCardPdf(path, {first, second}, QPageSize(QPageSize::A4), 150, fixedOption(true));
        QCOMPARE(pdfPageCount(path), 2);
        QCOMPARE(pdfInfoValue(path, "Title"), QStringLiteral("Ferlo"));
        // Landscape A4: 842 x 595 points.
        QVERIFY2(pdfInfoValue(path, "Page size").startsWith("842 x 595"),
                 qPrintable(pdfInfoValue(path, "Page size")));

        // What the PDF shows is what the painter painted: the first picture in its rectangle.
        const QImage page1 = renderPdfPage(path, 1, 150);
        QVERIFY(!page1.isNull());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setResolution(150);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageOrientation(QPageLayout::Landscape);
        const QRect paper = printer.pageLayout().paintRectPixels(150);
        const TPrinterCellArray cells =
            LayoutPrinterCells(paper.width(), paper.height(), 2, false, true);
        const TRect red = FitPictureRect(cells[0], 640, 480);
        const QPoint centre(paper.left() + (red.Left + red.Right) / 2,
                            paper.top() + (red.Top + red.Bottom) / 2);
        QVERIFY(isRed(page1.pixelColor(centre)));
    }

    void failedPdfLeavesNothingBehind() {
        QTemporaryDir dir;
        const QString path = dir.filePath("card.pdf");
        writeFile(path, "old contents");
        CardPage page = emptyPage(2, false);
        placePicture(page, 0, m_red);
        placePicture(page, 1, dir.filePath("missing.jpg"));
        // While the document is being written the folder shows nothing new either, so a program
        // killed at that moment leaves nothing behind.
        QStringList whileWriting;
        const PaintOptions looking = dibOptions([&] {
            whileWriting = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
            return true;
        });
        QVERIFY_THROWS_EXCEPTION(
            Error, writeCardPdf(path, {page}, QPageSize(QPageSize::A4), 150, looking));
        QCOMPARE(whileWriting, QStringList{"card.pdf"});
        // The old file is untouched and no partial document lies beside it.
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old contents"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"card.pdf"});
    }

    void pdfThatCannotBeWrittenNamesIt_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("missing folder") << "no/such/folder/card.pdf";
        QTest::newRow("a pipe stays a pipe") << "pipe.pdf";
    }
    void pdfThatCannotBeWrittenNamesIt() {
        QFETCH(QString, name);
        const QString path = m_dir.filePath(name);
        if (name == "pipe.pdf")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        try {
            writeCardPdf(path, {emptyPage(1, true)}, QPageSize(QPageSize::A4), 150);
            QFAIL("no error");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        }
        if (name == "pipe.pdf")
            QCOMPARE(QFileInfo(path).isFile(), false);
    }

    void printJobAbortsOnError() {
        // A job on a PDF printer: the job's document name and orientation, and nothing of a
        // failed page reaches the output.
        const QString path = m_dir.filePath("job.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(150);
        CardPage page = emptyPage(4, true);
        placePicture(page, 0, m_red, "RED");
        runPrintJob(printer, {page}, fixedOption(false));
        QCOMPARE(pdfInfoValue(path, "Title"), QStringLiteral("Ferlo"));
        QCOMPARE(pdfPageCount(path), 1);
        QVERIFY(pdfInfoValue(path, "Page size").startsWith("595 x 842"));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);

        page.Portrait = false;
        runPrintJob(printer, {page}, fixedOption(true));
        QVERIFY(pdfInfoValue(path, "Page size").startsWith("842 x 595"));

        placePicture(page, 1, m_dir.filePath("gone.jpg"));
        QVERIFY_THROWS_EXCEPTION(Error, runPrintJob(printer, {page}, fixedOption(true)));
        QVERIFY(printer.printerState() != QPrinter::Active);
        // A later card's missing picture stops the job before it begins: the last document stays.
        CardPage later = emptyPage(1, true);
        placePicture(later, 0, m_dir.filePath("gone.jpg"));
        try {
            runPrintJob(printer, {emptyPage(2, false), later}, fixedOption(true));
            QFAIL("a missing picture printed");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(m_dir.filePath("gone.jpg")),
                     qPrintable(error.message()));
        }
        QCOMPARE(pdfPageCount(path), 1);
        QVERIFY(pdfInfoValue(path, "Page size").startsWith("842 x 595"));
        // The printer is free for the next job.
        page.FileNames[1].clear();
        runPrintJob(printer, {page}, fixedOption(true));
        QCOMPARE(pdfPageCount(path), 1);
    }

    void labelSize_data() {
        QTest::addColumn<int>("bandHeight");
        QTest::addColumn<int>("bandWidth");
        QTest::addColumn<int>("textWidthAt10"); // the text's width grows linearly with size
        QTest::addColumn<int>("expected");
        // The line height of the model font below is about 9/8 of its pixel size, rounded up to
        // an even number: 39 -> 44, 40 and 41 -> 46, 42 -> 48.
        QTest::newRow("short text: the line is as high as the band") << 46 << 289 << 40 << 41;
        QTest::newRow("line heights skip the band's: the size below") << 45 << 289 << 40 << 39;
        QTest::newRow("exactly as wide needs no smaller font") << 46 << 289 << 0 << 41;
        QTest::newRow("long text shrinks to the largest that fits") << 46 << 289 << 100 << 28;
        QTest::newRow("text that never fits stops at 1") << 46 << 5 << 100 << 1;
        QTest::newRow("a word far too long stops at 1") << 46 << 289 << 100000 << 1;
        QTest::newRow("band of no height still measures at 1") << 0 << 289 << 40 << 1;
        QTest::newRow("band lower than any line stops at 1") << 1 << 289 << 40 << 1;
    }

    void labelSize() {
        QFETCH(int, bandHeight);
        QFETCH(int, bandWidth);
        QFETCH(int, textWidthAt10);
        QFETCH(int, expected);
        const auto lineHeight = [](int size) {
            return (size + size / 8 + 1) / 2 * 2;
        };
        int measured = 0;
        const auto textWidth = [&](int size) {
            ++measured;
            // 0 stands for a text exactly as wide as the band at the size expected.
            return textWidthAt10 == 0 ? (size == expected ? bandWidth : bandWidth + 1)
                                      : textWidthAt10 * size / 10;
        };
        QCOMPARE(FitLabelPixelSize(bandHeight, bandWidth, lineHeight, textWidth), expected);
        // Measuring a long word is costly: the sizes are halved, not tried one by one.
        QVERIFY2(measured <= 7, qPrintable(QString::number(measured)));
    }
};

QTEST_MAIN(TestPagePainter)
#include "tst_pagepainter.moc"
