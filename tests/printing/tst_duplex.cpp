// Double-sided printing: where the backs land once the sheet is turned, the back offset, the
// calibration sheet, and the order and turn of backs printed by hand.
#include "support_dialogs.h"
#include "support_printing.h"

#include "layout/Card.h"
#include "layout/CountPlan.h"
#include "printing/Calibration.h"
#include "printing/PdfExport.h"
#include "printing/job/DuplexDialog.h"
#include "printing/job/PrintJob.h"
#include "storage/Errors.h"
#include "storage/PrintOption.h"
#include "storage/Registry.h"
#include "support/PhotoLike.h"
#include "support/TestSupport.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace ferlo;
using namespace ferlo::test;

namespace {

const QStringList kWords{"DOG", "CAT", "COW", "HEN", "PIG"};

// A card of `perPage` cells with the five words (and a picture each) in its first cells.
CardPage wordCard(const QString& picture, int perPage, bool portrait) {
    CardPage page = emptyPage(perPage, portrait);
    for (int i = 0; i < std::min<int>(perPage, int(kWords.size())); ++i)
        placePicture(page, i, picture, kWords[i]);
    return page;
}

const PdfWord* findWord(const PdfPage& page, const QString& text) {
    const auto found = std::find_if(page.words.begin(), page.words.end(),
                                    [&](const PdfWord& w) { return w.text == text; });
    return found == page.words.end() ? nullptr : &*found;
}

// The centre of mass of the ink on an image, in pixels.
QPointF inkCentre(const QImage& image) {
    double sum = 0, sumX = 0, sumY = 0;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double ink = 255 - qGray(line[x]);
            sum += ink;
            sumX += ink * x;
            sumY += ink * y;
        }
    }
    return sum > 0 ? QPointF(sumX / sum, sumY / sum) : QPointF();
}

// A settings store of its own, empty, while it lives.
class EmptyStore {
public:
    EmptyStore()
        : m_was(qgetenv("FERLO_REGISTRY_DIR")) {
        qputenv("FERLO_REGISTRY_DIR", m_dir.path().toUtf8());
    }
    ~EmptyStore() { qputenv("FERLO_REGISTRY_DIR", m_was); }
    EmptyStore(const EmptyStore&) = delete;
    EmptyStore& operator=(const EmptyStore&) = delete;

private:
    QTemporaryDir m_dir;
    QByteArray m_was;
};

} // namespace

class TestDuplex : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_picture;

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QImageReader::setAllocationLimit(1024); // pages rendered at 600 dpi
        m_picture = m_dir.filePath("photo.jpg");
        writeJpeg(m_picture, photoLikeImage(320, 240, 3));
    }

    // Each back word, once the page is turned over on the chosen edge, lies behind its own
    // picture: in the cell of the front label of the same word. The turn is the test's own: on
    // portrait paper the long edges are the left and right sides, on landscape paper the top and
    // bottom.
    void backsMeetTheirFronts_data() {
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("aboutVerticalAxis");
        for (const bool portrait : {true, false}) {
            const char* orientation = portrait ? "portrait" : "landscape";
            QTest::addRow("%s, standard", orientation)
                << portrait << int(SheetTurn::Standard) << true;
            QTest::addRow("%s, long edge", orientation)
                << portrait << int(SheetTurn::LongEdge) << portrait;
            QTest::addRow("%s, short edge", orientation)
                << portrait << int(SheetTurn::ShortEdge) << !portrait;
        }
    }
    void backsMeetTheirFronts() {
        QFETCH(bool, portrait);
        QFETCH(int, turn);
        QFETCH(bool, aboutVerticalAxis);
        const QString pdf = m_dir.filePath("turn.pdf");
        const CardPage front = wordCard(m_picture, 6, portrait);
        QVERIFY(writeCardPdf(pdf, withWordBacks({front}, {SheetTurn(turn), 0, 0}),
                             QPageSize(QPageSize::A4), 150));
        const QList<PdfPage> pages = pdfWords(pdf);
        QCOMPARE(pages.size(), 2);
        const QSizeF size = pages[1].size;
        const double cellHeight = size.height() / CountPlan(6, portrait).rows();
        for (const QString& text : kWords) {
            const PdfWord* label = findWord(pages[0], text);
            const PdfWord* back = findWord(pages[1], text);
            QVERIFY2(label && back, qPrintable(text));
            const QPointF centre = back->box.center();
            const QPointF turned = aboutVerticalAxis
                                       ? QPointF(size.width() - centre.x(), centre.y())
                                       : QPointF(centre.x(), size.height() - centre.y());
            // The label stands centred under its picture, at the foot of the cell.
            QVERIFY2(qAbs(turned.x() - label->box.center().x()) < 1.5, qPrintable(text));
            QVERIFY2(label->box.center().y() - turned.y() > 0 &&
                         label->box.center().y() - turned.y() < cellHeight / 2,
                     qPrintable(text));
        }
    }

    // A back offset moves every back page's content by exactly that much, and leaves the fronts
    // as they were.
    void backOffsetMovesOnlyTheBacks() {
        const int dpi = 600;
        const QString plain = m_dir.filePath("plain.pdf");
        const QString moved = m_dir.filePath("moved.pdf");
        const QList<CardPage> cards{wordCard(m_picture, 4, false)};
        QVERIFY(writeCardPdf(plain, withWordBacks(cards), QPageSize(QPageSize::A4), dpi));
        QVERIFY(writeCardPdf(moved, withWordBacks(cards, {SheetTurn::Standard, 1.5, -2.0}),
                             QPageSize(QPageSize::A4), dpi));
        QCOMPARE(renderPdfPage(moved, 1, 100), renderPdfPage(plain, 1, 100));
        const QPointF shift =
            inkCentre(renderPdfPage(moved, 2, dpi)) - inkCentre(renderPdfPage(plain, 2, dpi));
        const double mm = dpi / 25.4;
        qInfo("back pages moved by (%.3f, %.3f) mm", shift.x() / mm, shift.y() / mm);
        QVERIFY2(qAbs(shift.x() / mm - 1.5) < 0.05, qPrintable(QString::number(shift.x() / mm)));
        QVERIFY2(qAbs(shift.y() / mm + 2.0) < 0.05, qPrintable(QString::number(shift.y() / mm)));
    }

    // Held to the light, the front's top line crosses the back's top scale at the number to type
    // as X, and its left line the left scale at Y: for a printer that puts its backs off by d,
    // the numbers read are -d, the offset that brings them back.
    void calibrationSheetReadsTheOffset_data() {
        QTest::addColumn<double>("errorX"); // mm, the printer's own error on the back
        QTest::addColumn<double>("errorY");
        QTest::newRow("none") << 0.0 << 0.0;
        QTest::newRow("right and up") << 2.5 << -1.5;
        QTest::newRow("left and down") << -4.0 << 3.0;
    }
    void calibrationSheetReadsTheOffset() {
        QFETCH(double, errorX);
        QFETCH(double, errorY);
        const int dpi = 300;
        const QSize area(2300, 3300);
        const CardPage front = calibrationSheet();
        CardPage back = withWordBacks({front}, {SheetTurn::Standard, errorX, errorY}).last();
        const auto render = [&](const CardPage& page) {
            QImage image(area, QImage::Format_RGB32);
            image.setDotsPerMeterX(qRound(dpi / 0.0254));
            image.setDotsPerMeterY(qRound(dpi / 0.0254));
            image.fill(Qt::white);
            QPainter painter(&image);
            paintCardPage(painter, area, page);
            return image;
        };
        const QImage frontImage = render(front);
        const QImage backImage = render(back);
        const double mm = dpi / 25.4;
        // The front's lines from the top and left edges: dark runs along the edge's middle line.
        const QRect topStrip(0, 0, area.width(), int(2 * mm));
        const QRect leftStrip(0, 0, int(2 * mm), area.height());
        const QRect topLine = darkBounds(frontImage, topStrip);
        const QRect leftLine = darkBounds(frontImage, leftStrip);
        QVERIFY(!topLine.isNull() && !leftLine.isNull());
        // Behind the front's top line (the sheet turned about its vertical axis) on the back.
        const double lineX = area.width() - 1 - topLine.center().x();
        const double lineY = leftLine.center().y();
        // A scale's long ticks stand every 5 mm, at -10, -5, 0, +5 and +10: its zero is the middle
        // one of the runs of pixels that hold a long tick across the scale's band.
        const auto middleRun = [](const QList<int>& marked) {
            QList<double> runs;
            for (qsizetype i = 0; i < marked.size();) {
                qsizetype end = i;
                while (end + 1 < marked.size() && marked[end + 1] == marked[end] + 1)
                    ++end;
                runs << (marked[i] + marked[end]) / 2.0;
                i = end + 1;
            }
            return runs.size() == 5 ? runs[2] : -1.0;
        };
        const int top = qRound(4 * mm + errorY * mm);
        QList<int> columns;
        for (int x = 0; x < area.width(); ++x) {
            if (darkInColumn(backImage, x, top + 1, top + int(4.8 * mm)) >= int(4.2 * mm))
                columns << x;
        }
        const int left = qRound(4 * mm + errorX * mm);
        QList<int> rows;
        for (int y = 0; y < area.height(); ++y) {
            if (darkInRow(backImage, y, left + 1, left + int(4.8 * mm)) >= int(4.2 * mm))
                rows << y;
        }
        const double zeroX = middleRun(columns);
        const double zeroY = middleRun(rows);
        QVERIFY(zeroX >= 0 && zeroY >= 0);
        // Reading the scales: numbers grow to the right and down, as the back is printed.
        const double readX = (lineX - zeroX) / mm;
        const double readY = (lineY - zeroY) / mm;
        QVERIFY2(qAbs(readX + errorX) < 0.2, qPrintable(QString::number(readX)));
        QVERIFY2(qAbs(readY + errorY) < 0.2, qPrintable(QString::number(readY)));
    }

    // Backs printed by hand: the test follows the sheets through the printer as the feed case
    // says (its own model of the stack), and each sheet's back must carry its own card's words,
    // turned so that they stand upright once the sheet is turned as chosen.
    void byHandEachBackMeetsItsFront_data() {
        QTest::addColumn<int>("feed");
        QTest::addColumn<bool>("faceUp");
        QTest::addColumn<bool>("printerReverses");
        QTest::addColumn<int>("turn");
        QTest::addColumn<bool>("portrait");
        const struct {
            ManualFeed feed;
            bool faceUp, reverses;
            const char* name;
        } feeds[] = {{ManualFeed::FaceDown, false, false, "face down"},
                     {ManualFeed::FaceDownReversing, false, true, "face down, reversing"},
                     {ManualFeed::FaceUp, true, false, "face up"},
                     {ManualFeed::FaceUpReversing, true, true, "face up, reversing"}};
        for (const auto& f : feeds) {
            for (const SheetTurn turn : {SheetTurn::LongEdge, SheetTurn::ShortEdge}) {
                for (const bool portrait : {true, false}) {
                    QTest::addRow("%s, %s edge, %s", f.name,
                                  turn == SheetTurn::LongEdge ? "long" : "short",
                                  portrait ? "portrait" : "landscape")
                        << int(f.feed) << f.faceUp << f.reverses << int(turn) << portrait;
                }
            }
        }
    }
    void byHandEachBackMeetsItsFront() {
        QFETCH(int, feed);
        QFETCH(bool, faceUp);
        QFETCH(bool, printerReverses);
        QFETCH(int, turn);
        QFETCH(bool, portrait);
        QList<CardPage> cards;
        for (int i = 0; i < 3; ++i) {
            CardPage card = emptyPage(1, portrait);
            placePicture(card, 0, m_picture, QStringLiteral("card%1").arg(i));
            cards << card;
        }
        const QList<PrintJobPlan> jobs =
            planPrintJobs(cards, {}, true, false, {SheetTurn(turn), 0, 0}, ManualFeed(feed));
        QCOMPARE(jobs.size(), 2);
        QVERIFY(!jobs[0].afterStack && jobs[1].afterStack);
        QCOMPARE(jobs[0].duplex, QPrinter::DuplexNone);
        QCOMPARE(jobs[1].duplex, QPrinter::DuplexNone);

        // The printer takes the top sheet of the tray for each page it prints, in its order.
        const auto printOrder = [&](qsizetype count) {
            QList<qsizetype> order;
            for (qsizetype i = 0; i < count; ++i)
                order << (printerReverses ? count - 1 - i : i);
            return order;
        };
        // Fronts: sheets land on the output stack one on another; the stack lists top first.
        QList<QString> stack; // each sheet by its front's word
        for (const qsizetype page : printOrder(jobs[0].pages.size()))
            stack.prepend(jobs[0].pages.at(page).LabelTexts.first());
        // Face down, the user turns the stack over, which reverses it; face up it goes back as
        // it lies. Either way each sheet is turned about its long edge, the same edge first.
        if (!faceUp)
            std::reverse(stack.begin(), stack.end());
        for (const qsizetype page : printOrder(jobs[1].pages.size())) {
            const CardPage& back = jobs[1].pages.at(page);
            QVERIFY(back.Back);
            QCOMPARE(back.LabelTexts.first(), stack.takeFirst());
            // Its top lies behind the front's top as a long-edge turn reads it; turned about the
            // short edge the sheet shows it upside down, so it must be printed turned round.
            const bool longEdgeRead = SheetTurn(turn) == SheetTurn::LongEdge;
            QCOMPARE(back.BackTurnedRound, !longEdgeRead);
        }
    }

    // A back printed turned round is the same page turned by 180 degrees, to the pixel.
    void turnedRoundIsTheBackUpsideDown() {
        const QSize area(1200, 850);
        CardPage back = withWordBacks({wordCard(m_picture, 4, false)}).last();
        back.CutLinesOn = false; // dotted lines start their dots at the other end
        const QImage upright = renderPage(back, area);
        back.BackTurnedRound = true;
        const QImage turned = renderPage(back, area);
        const QImage expected = upright.transformed(QTransform().rotate(180));
        // Glyph edges are smoothed a little differently when turned: the same pixels, give or
        // take their shade.
        QCOMPARE(turned.size(), expected.size());
        int differing = 0;
        for (int y = 0; y < turned.height(); ++y) {
            for (int x = 0; x < turned.width(); ++x)
                differing += qAbs(qGray(turned.pixel(x, y)) - qGray(expected.pixel(x, y))) > 80;
        }
        QCOMPARE(differing, 0);
    }

    // Fold-over: the fronts before the fold, each word behind its front once folded, a fold
    // mark where the middle cut line would be, and as many sheets as the pictures need.
    void foldOverSheets_data() {
        QTest::addColumn<int>("perPage");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<bool>("aboutVerticalLine");
        QTest::addColumn<int>("sheets"); // for five pictures
        QTest::newRow("2 portrait: fold across the middle") << 2 << true << false << 5;
        QTest::newRow("2 landscape: fold down the middle") << 2 << false << true << 5;
        QTest::newRow("4 landscape") << 4 << false << true << 3;
        QTest::newRow("6 landscape: three columns, two rows") << 6 << false << false << 2;
        QTest::newRow("8 portrait") << 8 << true << true << 2;
    }
    void foldOverSheets() {
        QFETCH(int, perPage);
        QFETCH(bool, portrait);
        QFETCH(bool, aboutVerticalLine);
        QFETCH(int, sheets);
        QList<CardPage> cards;
        // Five pictures, on as many cards as the count needs.
        for (int first = 0; first < kWords.size(); first += perPage) {
            CardPage card = emptyPage(perPage, portrait);
            for (int i = first; i < std::min<int>(first + perPage, int(kWords.size())); ++i)
                placePicture(card, i - first, m_picture, kWords[i]);
            cards << card;
        }
        const QString pdf = m_dir.filePath("fold.pdf");
        QVERIFY(writeCardPdf(pdf, foldOverPages(cards), QPageSize(QPageSize::A4), 150));
        const QList<PdfPage> pages = pdfWords(pdf);
        QCOMPARE(pages.size(), sheets);
        QStringList seen;
        for (const PdfPage& page : pages) {
            const QSizeF size = page.size;
            for (const PdfWord& label : page.words) {
                const QPointF at = label.box.center();
                const bool front =
                    aboutVerticalLine ? at.x() < size.width() / 2 : at.y() < size.height() / 2;
                if (!front)
                    continue;
                // The word behind it: the same text across the fold line.
                const auto behind =
                    std::find_if(page.words.begin(), page.words.end(), [&](const PdfWord& w) {
                        return w.text == label.text && &w != &label;
                    });
                QVERIFY2(behind != page.words.end(), qPrintable(label.text));
                const QPointF word = behind->box.center();
                if (aboutVerticalLine) {
                    QVERIFY2(qAbs(size.width() - word.x() - at.x()) < 1.5, qPrintable(label.text));
                } else {
                    QVERIFY2(qAbs(word.x() - at.x()) < 1.5, qPrintable(label.text));
                    QVERIFY2(word.y() > size.height() / 2, qPrintable(label.text));
                }
                seen << label.text;
            }
        }
        QCOMPARE(seen, kWords);
        // The fold line: long dashes down (or across) the middle of the printable area.
        const QImage sheet = renderPdfPage(pdf, 1, 150);
        const int inset = 25; // past the 10-point margin
        int dark = 0, length = 0;
        for (int t = inset; t < (aboutVerticalLine ? sheet.height() : sheet.width()) - inset;
             ++t, ++length) {
            int darkest = 255;
            for (int d = -2; d <= 2; ++d) {
                const QPoint p = aboutVerticalLine ? QPoint(sheet.width() / 2 + d, t)
                                                   : QPoint(t, sheet.height() / 2 + d);
                darkest = std::min(darkest, qGray(sheet.pixel(p)));
            }
            dark += darkest < 160;
        }
        QVERIFY2(dark > 0.55 * length, qPrintable(QString("%1 of %2").arg(dark).arg(length)));
    }

    void oneCellCannotFold() {
        QVERIFY_THROWS_EXCEPTION(Error, foldOverPages({wordCard(m_picture, 1, true)}));
    }

    // The back offset is kept per printer, and a value beyond the bound in the store reads as
    // the bound.
    void backOffsetIsKeptPerPrinter() {
        save_BackOffset(QStringLiteral("Office"), {15, -20});
        save_BackOffset(QStringLiteral("Home\tInkjet"), {-3, 7});
        QCOMPARE(get_BackOffset(QStringLiteral("Office")), (BackOffset{15, -20}));
        QCOMPARE(get_BackOffset(QStringLiteral("Home\tInkjet")), (BackOffset{-3, 7}));
        QCOMPARE(get_BackOffset(QStringLiteral("Unknown")), (BackOffset{0, 0}));
        save_BackOffset(QString(), {500, -500});
        QCOMPARE(get_BackOffset(QString()), (BackOffset{kMaxBackOffset, -kMaxBackOffset}));
    }

    // PDF output's offset has a name of its own; one stored under the empty name by an earlier
    // version is read until PDF output's own is saved, and is never written again.
    void pdfOutputsOffsetIsNeverKeptUnderAnEmptyName() {
        const EmptyStore store;
        {
            TRegistry registry;
            registry.setRootKey(HKEY_LOCAL_MACHINE);
            QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo\\BackOffsets"), true));
            registry.WriteInteger(QStringLiteral(" X"), 12);
            registry.WriteInteger(QStringLiteral(" Y"), -7);
        }
        QCOMPARE(get_BackOffset(QString()), (BackOffset{12, -7}));
        save_BackOffset(QString(), {3, 4});
        QCOMPARE(get_BackOffset(QString()), (BackOffset{3, 4}));
        QCOMPARE(get_BackOffset(QStringLiteral("Office")), (BackOffset{0, 0}));
        TRegistry registry;
        registry.setRootKey(HKEY_LOCAL_MACHINE);
        QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo\\BackOffsets"), false));
        QCOMPARE(registry.ReadInteger(QStringLiteral(" X")), 12); // left as it was
        QCOMPARE(registry.ReadInteger(QStringLiteral("PDF output X")), 3);
    }

    // The offset typed after the calibration sheet went to "Print to File (PDF)" belongs to PDF
    // output: the dialog shows it as such, and it is the one Print, the preview and Export PDF
    // use while the program printer writes PDF. Nothing lands under an empty name.
    void offsetTypedAfterCalibrationIsTheOnePrintingUses() {
        const EmptyStore store;
        const QString sheet = m_dir.filePath("calibration.pdf");
        bool dialogSeen = false;
        bool printSeen = false;
        QString title;
        whenShown<QDialog>(
            [&](QDialog* dialog) {
                whenShown<QPrintDialog>(
                    [&](QPrintDialog* print) {
                        QVERIFY(choosePrintToFile(print, sheet));
                        print->accept();
                    },
                    &printSeen, 0);
                dialog->findChild<QPushButton*>(QStringLiteral("printCalibration"))->click();
                title = dialog->findChild<QGroupBox*>(QStringLiteral("offsetGroup"))->title();
                dialog->findChild<QDoubleSpinBox*>(QStringLiteral("offsetX"))->setValue(1.5);
                dialog->findChild<QDoubleSpinBox*>(QStringLiteral("offsetY"))->setValue(-2);
                dialog->accept();
            },
            &dialogSeen, 0);
        DuplexChoices choices;
        QVERIFY(editDuplexChoices(nullptr, choices));
        QVERIFY(dialogSeen && printSeen);
        QCOMPARE(pdfPageCount(sheet), 2);
        QCOMPARE(programPrinter().outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(title, QStringLiteral("Back offset of PDF files"));
        QCOMPARE(get_BackOffset(backOffsetPrinter(programPrinter())), (BackOffset{15, -20}));
        TRegistry registry;
        registry.setRootKey(HKEY_LOCAL_MACHINE);
        QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo\\BackOffsets"), false));
        QVERIFY(!registry.ValueExists(QStringLiteral(" X")));
        QVERIFY(!registry.ValueExists(QStringLiteral(" Y")));
    }
};

QTEST_MAIN(TestDuplex)
#include "tst_duplex.moc"
