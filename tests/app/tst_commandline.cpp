// The command-line export, run in-process as the program entry runs it.

#include "app/CommandLine.h"
#include "layout/Card.h"
#include "layout/CountPlan.h"
#include "layout/PrinterCells.h"
#include "mainwindow/FerloMainForm.h"
#include "printing/CardPage.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/SheetTemplates.h"
#include "support/CapturedRun.h"
#include "support/PageFiles.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ferlo;
using namespace ferlo::test;

namespace {

using Run = CapturedRun;

// Runs the export as the program entry runs it.
Run runExport(const QStringList& arguments) {
    return captureOutput([&] { return runCommandLineExport(QStringList{"ferlo"} + arguments); });
}

// The printable area of an A4 page in the PDF writer, in pixels at a resolution.
QRect printableA4(bool portrait, int dpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(dpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
    return printer.pageLayout().paintRectPixels(dpi);
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_pictures; // dog1.jpg, cat.jpg, ... : five pictures

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        int seed = 0;
        for (const char* name : {"dog1.jpg", "cat.jpg", "cow2.jpg", "hen.jpg", "pig.jpg"}) {
            const QString path = m_dir.filePath(name);
            writeJpeg(path, photoLikeImage(320, 240, seed++));
            m_pictures << path;
        }
    }

    // Whether the program opens a window, from the one parser of every option.
    void recognisesItsArguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("export") << QStringList{"--print-to", "x.pdf", "a.jpg"} << true;
        QTest::newRow("joined") << QStringList{"--print-to=x.pdf", "a.jpg"} << true;
        QTest::newRow("help") << QStringList{"--help"} << true;
        QTest::newRow("spoken words") << QStringList{"--speak-to", "out", "a.jpg"} << true;
        QTest::newRow("spoken words, joined") << QStringList{"--speak-to=out", "a.jpg"} << true;
        QTest::newRow("window") << QStringList{} << false;
        QTest::newRow("window with a grid") << QStringList{"--grid", "4x5", "a.jpg"} << false;
        QTest::newRow("a picture after --") << QStringList{"--", "--print-to"} << false;
        QTest::newRow("a picture named --speak-to")
            << QStringList{"--", "--speak-to", "a.jpg"} << false;
        QTest::newRow("the value of an option")
            << QStringList{"--lang", "--help", "a.jpg"} << false;
    }
    void recognisesItsArguments() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, commandLine);
        QCOMPARE(isCommandLineExport(QStringList{"ferlo"} + arguments), commandLine);
    }

    void helpGoesToStdout() {
        const Run run = runExport({"--help"});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains("--print-to"));
        QVERIFY(run.out.contains("--per-page"));
        QVERIFY(run.out.contains("--backs"));
        // The options of spoken words are the parser's too.
        QVERIFY(run.out.contains("--speak-to DIR"));
        QVERIFY(run.out.contains("--voice NAME"));
        QVERIFY(run.out.contains("--rate WPM"));
        // And the games'.
        QVERIFY(run.out.contains("--activity KIND"));
        QVERIFY(run.out.contains("--free-centre [WORD]"));
        QVERIFY(run.err.isEmpty());
    }

    // On a terminal, standard error shows "page n of m" as the pages are written, unless
    // --quiet; redirected (every other test here), it holds nothing on success.
    void progressOnATerminal_data() {
        QTest::addColumn<bool>("quiet");
        QTest::newRow("shown") << false;
        QTest::newRow("quiet") << true;
    }
    void progressOnATerminal() {
        QFETCH(bool, quiet);
        int terminal = -1;
        int errSide = -1;
        QVERIFY(openpty(&terminal, &errSide, nullptr, nullptr, nullptr) == 0);
        std::fflush(stderr);
        const int savedErr = dup(2);
        dup2(errSide, 2);
        const QString out = m_dir.filePath("progress.pdf");
        const int code =
            runCommandLineExport(QStringList{"ferlo", "--print-to", out, "--per-page", "1"} +
                                 (quiet ? QStringList{"--quiet"} : QStringList()) + m_pictures);
        std::fflush(stderr);
        dup2(savedErr, 2);
        close(savedErr);
        close(errSide);
        fcntl(terminal, F_SETFL, O_NONBLOCK);
        QByteArray shown;
        char buffer[4096];
        for (ssize_t n; (n = read(terminal, buffer, sizeof buffer)) > 0;)
            shown.append(buffer, n);
        close(terminal);
        QCOMPARE(code, 0);
        QCOMPARE(pdfPageCount(out), 5);
        // The terminal turns the closing "\n" into "\r\n".
        QCOMPARE(shown, quiet ? QByteArray()
                              : QByteArray("\rpage 1 of 5\rpage 2 of 5\rpage 3 of 5\rpage 4 of 5"
                                           "\rpage 5 of 5\r\n"));
    }

    void pages_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QString>("pageSize"); // as pdfinfo gives it
        QTest::newRow("defaults: 4 per page, landscape A4")
            << QStringList{} << 5 << 2 << "842 x 595";
        QTest::newRow("exactly one page full") << QStringList{} << 4 << 1 << "842 x 595";
        QTest::newRow("8 per page") << QStringList{"--per-page", "8"} << 5 << 1 << "842 x 595";
        QTest::newRow("1 per page") << QStringList{"--per-page=1"} << 5 << 5 << "842 x 595";
        QTest::newRow("last count wins")
            << QStringList{"--per-page", "1", "--per-page", "8"} << 5 << 1 << "842 x 595";
        QTest::newRow("6 per page portrait")
            << QStringList{"--per-page", "6", "--portrait"} << 5 << 1 << "595 x 842";
        QTest::newRow("last orientation wins")
            << QStringList{"--portrait", "--landscape"} << 2 << 1 << "842 x 595";
        QTest::newRow("Letter") << QStringList{"--page-size", "Letter"} << 1 << 1 << "792 x 612";
        QTest::newRow("a5, any case")
            << QStringList{"--page-size", "a5", "--portrait"} << 1 << 1 << "420 x 595";
        QTest::newRow("Legal, all switches") << QStringList{"--page-size",    "Legal",
                                                            "--labels-off",   "--lowercase",
                                                            "--cutlines-off", "--print-as-original",
                                                            "--resolution",   "150"}
                                             << 3 << 1 << "1008 x 612";
        QTest::newRow("as DIB at 72 dpi")
            << QStringList{"--print-as-dib", "--resolution", "72"} << 2 << 1 << "842 x 595";
    }

    void pages() {
        QFETCH(QStringList, options);
        QFETCH(int, pictures);
        QFETCH(int, pages);
        QFETCH(QString, pageSize);
        const QString out = m_dir.filePath("pages.pdf");
        QFile::remove(out);
        const Run run =
            runExport(QStringList{"--print-to", out} + options + m_pictures.mid(0, pictures));
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY(run.err.isEmpty());
        QCOMPARE(pdfPageCount(out), pages);
        QVERIFY2(pdfInfoValue(out, "Page size").startsWith(pageSize),
                 qPrintable(pdfInfoValue(out, "Page size")));
        QCOMPARE(pdfInfoValue(out, "Title"), QStringLiteral("Ferlo"));
    }

    void switchesShowOnThePage() {
        // Two pictures side by side on a landscape page; the cut line between them, the frame,
        // and the labels under them come and go with their switches.
        const int dpi = 72;
        const QRect area = printableA4(false, dpi);
        const TPrinterCellArray cells =
            LayoutPrinterCells(area.width(), area.height(), 2, false, true);
        const TRect band = LabelBand(cells[0]);
        const QRect bandOnPaper =
            QRect(QPoint(band.Left, band.Top), QPoint(band.Right, band.Bottom))
                .translated(area.topLeft());
        const int middleX = area.left() + area.width() / 2;

        auto render = [&](const QStringList& options) {
            const QString out = m_dir.filePath("switches.pdf");
            const Run run = runExport(QStringList{"--print-to", out, "--per-page", "2",
                                                  "--resolution", QString::number(dpi)} +
                                      options + m_pictures.mid(0, 2));
            if (run.code != 0)
                qWarning() << run.err;
            return renderPdfPage(out, 1, dpi);
        };
        const QImage plain = render({});
        QVERIFY(!plain.isNull());
        QVERIFY(darkInColumn(plain, middleX, area.top() + 2, area.bottom() - 2) >
                area.height() / 5);
        const QRect label = darkBounds(plain, bandOnPaper.adjusted(0, -4, 0, 4));
        QVERIFY(!label.isNull());

        const QImage noLines = render({"--cutlines-off"});
        QCOMPARE(darkInColumn(noLines, middleX, area.top() + 2, area.bottom() - 2), 0);

        const QImage noLabels = render({"--labels-off"});
        QVERIFY(darkBounds(noLabels, bandOnPaper.adjusted(1, 2, -1, -2)).isNull() ||
                darkBounds(noLabels, bandOnPaper.adjusted(1, 2, -1, -2)).height() <= 1);

        // "dog1.jpg" is labelled DOG, or dog: the lower-case word is lower and narrower.
        const QImage lower = render({"--lowercase"});
        const QRect lowerLabel = darkBounds(lower, bandOnPaper.adjusted(0, -4, 0, 4));
        QVERIFY(!lowerLabel.isNull());
        QVERIFY(lowerLabel.width() < label.width());
    }

    // Each card of a deck prints as its own page in its own count and orientation, its edited
    // and its made words in its own case; pictures around it fill pages of the command line's.
    void decksPrintTheirCards() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("pics"));
        for (const char* name : {"dog2.jpg", "cat.jpg", "hen7.jpg"})
            QVERIFY(QFile::copy(m_pictures.first(), dir.filePath(QString("pics/") + name)));
        const QString deck = dir.filePath("farm.ferlo");
        // The documented example deck, its pictures in pics/ beside it.
        QVERIFY(QFile::copy(FERLO_TEST_DATA_DIR "/farm.ferlo", deck));
        const QString out = dir.filePath("farm.pdf");
        Run run = runExport({"--print-to", out, deck});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QVERIFY(run.err.isEmpty());
        const QList<PdfPage> pages = pdfWords(out);
        QCOMPARE(pages.size(), 2);
        QCOMPARE(pages[0].size, QSizeF(842, 595));
        QCOMPARE(pages[1].size, QSizeF(595, 842));
        QCOMPARE(wordTexts(pages[0]), (QStringList{"DOG", "KITTY"}));
        QCOMPARE(wordTexts(pages[1]), QStringList{"hen"});
        // Two by two on landscape paper: DOG under the top left picture, KITTY under the top
        // right one; hen under the upper of two pictures on portrait paper.
        const QRectF dog = pages[0].words[0].box;
        const QRectF kitty = pages[0].words[1].box;
        QVERIFY(dog.center().x() < 842 / 2 && kitty.center().x() > 842 / 2);
        QVERIFY(dog.center().y() < 595 / 2 && kitty.center().y() < 595 / 2);
        QVERIFY(qAbs(dog.center().y() - kitty.center().y()) < 1);
        QVERIFY(pages[1].words[0].box.center().y() < 842 / 2);
        QVERIFY(pages[1].words[0].box.center().y() > 842 / 4);

        // With backs, each card's back follows it: each word lies where its picture's mirror
        // image about the page's vertical centre line lies, as large as its cell allows.
        run = runExport({"--print-to", out, "--backs", deck});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QList<PdfPage> backs = pdfWords(out);
        QCOMPARE(backs.size(), 4);
        QCOMPARE(backs[1].size, QSizeF(842, 595));
        QCOMPARE(backs[3].size, QSizeF(595, 842));
        QCOMPARE(wordTexts(backs[0]), (QStringList{"DOG", "KITTY"}));
        QCOMPARE(wordTexts(backs[2]), QStringList{"hen"});
        struct Placed {
            int page;
            QString word;
            int cell; // the picture's cell on the front
            int perPage;
            bool portrait;
        };
        const QList<Placed> placed{
            {1, "DOG", 0, 4, false}, {1, "KITTY", 1, 4, false}, {3, "hen", 0, 2, true}};
        for (const Placed& p : placed) {
            const PdfPage& back = backs[p.page];
            QCOMPARE(back.words.size(), p.page == 1 ? 2 : 1);
            const auto word = std::find_if(back.words.begin(), back.words.end(),
                                           [&](const PdfWord& w) { return w.text == p.word; });
            QVERIFY2(word != back.words.end(), qPrintable(p.word));
            // The picture's cell in points (the PDF's 10-point margins are the same all round).
            const QRect area = printableA4(p.portrait, 600);
            const TPrinterCell cell = LayoutPrinterCells(area.width(), area.height(), p.perPage,
                                                         p.portrait, true)[size_t(p.cell)];
            const double scale = 72.0 / 600;
            const QRectF picture((area.left() + cell.Left) * scale, (area.top() + cell.Top) * scale,
                                 cell.Width * scale, cell.Height * scale);
            const QPointF centre = word->box.center();
            const QPointF mirrored(back.size.width() - centre.x(), centre.y());
            QVERIFY2(picture.contains(mirrored), qPrintable(p.word));
            if (CountPlan(p.perPage, p.portrait).columns() > 1) // not on the picture's own side
                QVERIFY2(!picture.contains(centre), qPrintable(p.word));
            QVERIFY2(word->box.width() < picture.width() && word->box.height() < picture.height(),
                     qPrintable(p.word));
            // Its width or its height takes up most of the cell inside the margins.
            const double margin = 0.1 * qMin(picture.width(), picture.height());
            QVERIFY2(word->box.width() > 0.8 * (picture.width() - 2 * margin) ||
                         word->box.height() > 0.8 * (picture.height() - 2 * margin),
                     qPrintable(p.word));
        }

        // Pictures before and after the deck: a page of their own on each side. --per-page wins
        // over the deck's counts: its three pictures are dealt onto one card of 8, in order,
        // with the first card's switches and orientation and the words as edited.
        run = runExport({"--print-to", out, "--per-page", "8", "--lowercase", m_pictures[2],
                         m_pictures[3], "--", deck, m_pictures[4]});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QList<PdfPage> mixed = pdfWords(out);
        QCOMPARE(mixed.size(), 3);
        QCOMPARE(wordTexts(mixed[0]), (QStringList{"cow", "hen"}));
        QCOMPARE(wordTexts(mixed[1]), (QStringList{"DOG", "KITTY", "HEN"}));
        QCOMPARE(mixed[1].size, QSizeF(842, 595));
        QCOMPARE(wordTexts(mixed[2]), QStringList{"pig"});
        // One picture a page, portrait as asked.
        run = runExport({"--print-to", out, "--per-page", "1", "--portrait", deck});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QList<PdfPage> single = pdfWords(out);
        QCOMPARE(single.size(), 3);
        QCOMPARE(wordTexts(single[1]), QStringList{"KITTY"});
        QCOMPARE(single[2].size, QSizeF(595, 842));
    }

    void gridsAndSheets_data() {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("pictures");
        QTest::addColumn<QSizeF>("paper");       // points
        QTest::addColumn<double>("firstCentre"); // the first label's centre across, points
        QTest::addColumn<int>("pages");
        QTest::newRow("2 x 2 in on Letter")
            << QStringList{"--grid", "4x5", "--card-size", "2inx2in", "--paper", "letter"} << 20
            << QSizeF(612, 792) << 90.0 << 1;
        QTest::newRow("A4 divided, landscape, two pages")
            << QStringList{"--grid=4x2", "--paper=A4", "--landscape", "--fill"} << 9
            << QSizeF(842, 595) << 105.25 << 2;
        QTest::newRow("business cards with gaps and bleed")
            << QStringList{"--grid",  "2x5", "--card-size", "85x55mm", "--gap", "2mm",
                           "--paper", "a4",  "--fill",      "--bleed", "3mm"}
            << 10 << QSizeF(595, 842) << 175.0 << 1;
        if (QFile::exists(sheetTemplateFolder() + "/paper-sizes.xml")) {
            QTest::newRow("sheet") << QStringList{"--sheet", "avery 5371", "--outlines"} << 10
                                   << QSizeF(612, 792) << 180.0 << 1;
        }
    }
    void gridsAndSheets() {
        QFETCH(QStringList, options);
        QFETCH(int, pictures);
        QFETCH(QSizeF, paper);
        QFETCH(double, firstCentre);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString out = dir.filePath("out.pdf");
        QStringList files;
        for (int i = 0; i < pictures; ++i)
            files << m_pictures[i % m_pictures.size()];
        const Run run = runExport(QStringList{"--print-to", out} + options + files);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QList<PdfPage> words = pdfWords(out);
        QCOMPARE(words.size(), pages);
        QCOMPARE(words.first().size, paper);
        int labels = 0;
        for (const PdfPage& page : words)
            labels += int(page.words.size());
        QCOMPARE(labels, pictures); // one label word per picture
        QVERIFY2(qAbs(words.first().words.first().box.center().x() - firstCentre) < 2,
                 qPrintable(QString::number(words.first().words.first().box.center().x())));
    }

    // Fold-over on a grid: each word behind its picture once the sheet folds down the middle
    // of the paper; a grid whose cards do not pair up about the middle is refused.
    void foldOverGrids() {
        const QString out = m_dir.filePath("fold.pdf");
        Run run = runExport({"--print-to", out, "--grid", "4x5", "--paper", "letter", "--fold-over",
                             m_pictures[0], m_pictures[1], m_pictures[2]});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QList<PdfPage> pages = pdfWords(out);
        QCOMPARE(pages.size(), 1);
        for (const QString word : {"DOG", "CAT", "COW"}) {
            QList<QPointF> at;
            for (const PdfWord& w : pages[0].words) {
                if (w.text == word)
                    at << w.box.center();
            }
            QCOMPARE(at.size(), 2);
            QVERIFY2(qAbs(at[0].x() + at[1].x() - pages[0].size.width()) < 1.5, qPrintable(word));
        }
        // Options that cannot make fold-over sheets are a bad command line.
        run = runExport({"--print-to", out, "--grid", "3x1", "--fold-over", m_pictures[0]});
        QCOMPARE(run.code, 2);
        QVERIFY2(run.err.contains("do not stand in pairs"), qPrintable(run.err));
    }

    void listsSheets() {
        if (!QFile::exists(sheetTemplateFolder() + "/paper-sizes.xml"))
            QSKIP("the sheet templates are not installed");
        const Run run = runExport({"--list-sheets", "Avery", "5371"});
        QCOMPARE(run.code, 0);
        QVERIFY2(run.out.startsWith("Avery\t5371\tBusiness Cards\t88.9 x 50.8 mm\t10 per sheet\n"),
                 qPrintable(run.out));
    }

    void badInput_data() {
        QTest::addColumn<QStringList>("arguments"); // %OUT, %PIC, %DIR are replaced
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"--print-to", "%OUT", "--bogus", "%PIC"} << 2
                                        << "ferlo: unknown option --bogus";
        QTest::newRow("unknown single-dash option")
            << QStringList{"--print-to", "%OUT", "-x", "%PIC"} << 2 << "ferlo: unknown option -x";
        // Grids and sheets: every bad value names its option and what it allows.
        const auto layout = [](const QStringList& options) {
            return QStringList{"--print-to", "%OUT"} + options + QStringList{"%PIC"};
        };
        QTest::newRow("grid of 11") << layout({"--grid", "11x2"}) << 2
                                    << "ferlo: bad value \"11x2\" for --grid: use COLUMNSxROWS, "
                                       "each 1 to 10, such as 4x5\n";
        QTest::newRow("card size without a unit")
            << layout({"--grid", "2x2", "--card-size=85x55"}) << 2
            << "ferlo: bad value \"85x55\" for --card-size: use WIDTHxHEIGHT with a unit";
        QTest::newRow("bleed of 7 mm") << layout({"--grid", "2x2", "--bleed", "7mm"}) << 2
                                       << "ferlo: bad value \"7mm\" for --bleed: use 0 to 6 mm";
        QTest::newRow("unknown paper") << layout({"--grid", "2x2", "--paper", "B9"}) << 2
                                       << "ferlo: bad value \"B9\" for --paper: use A4, A5, A3, "
                                          "Letter, Legal, or WIDTHxHEIGHT";
        QTest::newRow("gap without a card size") << layout({"--grid", "2x2", "--gap", "3mm"}) << 2
                                                 << "ferlo: the option --gap needs --card-size";
        QTest::newRow("fill without a grid")
            << layout({"--fill"}) << 2 << "ferlo: the option --fill needs --grid or --sheet";
        QTest::newRow("grid and sheet") << layout({"--grid", "2x2", "--sheet", "Avery 5371"}) << 2
                                        << "ferlo: give either --grid or --sheet, not both\n";
        QTest::newRow("cards too large")
            << layout({"--grid", "5x5", "--card-size", "2inx2in", "--paper", "letter"}) << 2
            << "ferlo: the grid does not fit: 5 × 5 cards of 50.8 × 50.8 mm";
        QTest::newRow("sheet not installed") << layout({"--sheet", "Nobody 0000"}) << 2
                                             << "ferlo: bad value \"Nobody 0000\" for --sheet: ";
        QTest::newRow("unknown option with a value")
            << QStringList{"--print-to", "%OUT", "--bogus=1", "%PIC"} << 2
            << "ferlo: unknown option --bogus=1";
        QTest::newRow("bad value before an unknown option")
            << QStringList{"--print-to", "%OUT", "--per-page", "3", "--bogus", "%PIC"} << 2
            << "ferlo: bad number of pictures per page \"3\"";
        QTest::newRow("value for a switch")
            << QStringList{"--print-to", "%OUT", "--portrait=yes", "%PIC"} << 2
            << "ferlo: the option --portrait takes no value";
        QTest::newRow("missing value") << QStringList{"%PIC", "--print-to", "%OUT", "--per-page"}
                                       << 2 << "ferlo: the option --per-page needs a value";
        QTest::newRow("missing output name") << QStringList{"%PIC", "--print-to"} << 2
                                             << "ferlo: the option --print-to needs a value";
        QTest::newRow("bad count") << QStringList{"--print-to", "%OUT", "--per-page", "3", "%PIC"}
                                   << 2 << "ferlo: bad number of pictures per page \"3\"";
        QTest::newRow("count not a number")
            << QStringList{"--print-to", "%OUT", "--per-page", "four", "%PIC"} << 2
            << "ferlo: bad number of pictures per page \"four\"";
        QTest::newRow("resolution zero")
            << QStringList{"--print-to", "%OUT", "--resolution", "0", "%PIC"} << 2
            << "ferlo: bad resolution \"0\"";
        QTest::newRow("resolution too high")
            << QStringList{"--print-to", "%OUT", "--resolution", "4800", "%PIC"} << 2
            << "ferlo: bad resolution \"4800\"";
        QTest::newRow("resolution not a number")
            << QStringList{"--print-to", "%OUT", "--resolution", "600dpi", "%PIC"} << 2
            << "ferlo: bad resolution \"600dpi\"";
        QTest::newRow("page size") << QStringList{"--print-to", "%OUT", "--page-size", "B7", "%PIC"}
                                   << 2 << "ferlo: bad page size \"B7\"";
        QTest::newRow("flip") << QStringList{"--print-to", "%OUT", "--flip", "top", "%PIC"} << 2
                              << "ferlo: bad --flip \"top\": use long or short";
        QTest::newRow("back offset of one number")
            << QStringList{"--print-to", "%OUT", "--back-offset", "1.5", "%PIC"} << 2
            << "ferlo: bad --back-offset \"1.5\": use X,Y in millimetres";
        QTest::newRow("back offset beyond 10 mm")
            << QStringList{"--print-to", "%OUT", "--back-offset=0,-10.5", "%PIC"} << 2
            << "ferlo: bad --back-offset \"0,-10.5\"";
        QTest::newRow("no pictures")
            << QStringList{"--print-to", "%OUT"} << 2 << "ferlo: no pictures to print";
        QTest::newRow("fold-over of one picture a page")
            << QStringList{"--print-to", "%OUT", "--fold-over", "--per-page", "1", "%PIC"} << 2
            << "ferlo: cannot print fold-over cards: a card of 1 picture per page";
        QTest::newRow("fold-over of a one-card grid")
            << QStringList{"--print-to", "%OUT", "--fold-over", "--grid", "1x1", "%PIC"} << 2
            << "ferlo: cannot print fold-over cards:";
        QTest::newRow("folder as a picture")
            << QStringList{"--print-to", "%OUT", "%PIC", "%DIR/album"} << 1
            << "ferlo: cannot load the picture %DIR/album: it is a folder, not a picture file\n";
        QTest::newRow("voice without --speak-to")
            << QStringList{"--print-to", "%OUT", "--voice", "de", "%PIC"} << 2
            << "ferlo: the option --voice applies only with --speak-to\n";
        QTest::newRow("rate out of range")
            << QStringList{"--speak-to", "%DIR/words", "--rate", "20", "%PIC"} << 2
            << "ferlo: bad rate \"20\": use 80 to 450 words per minute\n";
        QTest::newRow("no output") << QStringList{"%PIC"} << 2 << "ferlo: no output file";
        QTest::newRow("picture missing")
            << QStringList{"--print-to", "%OUT", "%PIC", "%DIR/missing.jpg"} << 1
            << "ferlo: cannot load the picture %DIR/missing.jpg";
        QTest::newRow("picture broken")
            << QStringList{"--print-to", "%OUT", "%DIR/broken.jpg", "%PIC"} << 1
            << "ferlo: cannot load the picture %DIR/broken.jpg";
        QTest::newRow("output folder missing")
            << QStringList{"--print-to", "%DIR/none/out.pdf", "%PIC"} << 1
            << "ferlo: cannot write the PDF file %DIR/none/out.pdf";
        QTest::newRow("output is a folder") << QStringList{"--print-to", "%DIR", "%PIC"} << 1
                                            << "ferlo: cannot write the PDF file %DIR";
        QTest::newRow("deck with missing pictures")
            << QStringList{"--print-to", "%OUT", "%PIC", "%DIR/gone.ferlo"} << 1
            << "ferlo: the deck file %DIR/gone.ferlo names 7 missing pictures: %DIR/p1.jpg, "
               "%DIR/p2.jpg, %DIR/p3.jpg, %DIR/p4.jpg, /nowhere/p5.jpg and 2 more\n";
        QTest::newRow("deck with one missing picture")
            << QStringList{"--print-to", "%OUT", "%DIR/one.FERLO"} << 1
            << "ferlo: the deck file %DIR/one.FERLO names a missing picture: %DIR/p1.jpg\n";
        QTest::newRow("deck with a broken picture")
            << QStringList{"--print-to", "%OUT", "%DIR/broken.ferlo"} << 1
            << "ferlo: cannot load the picture %DIR/broken.jpg";
        QTest::newRow("deck damaged")
            << QStringList{"--print-to", "%OUT", "%DIR/bad.ferlo", "%PIC"} << 1
            << "ferlo: cannot read the deck file %DIR/bad.ferlo: cards[0].cells[1].picture: "
               "expected a string, not true\n";
        QTest::newRow("deck missing") << QStringList{"--print-to", "%OUT", "%DIR/farm.ferlo"} << 1
                                      << "ferlo: cannot read the deck file %DIR/farm.ferlo: ";
        QTest::newRow("deck without cards")
            << QStringList{"--print-to", "%OUT", "%DIR/empty.ferlo"} << 1
            << "ferlo: nothing to print: the deck files hold no cards\n";
    }

    void badInput() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeFile(dir.filePath("broken.jpg"), QByteArray("\xFF\xD8\xFF\xE0") + " not a picture");
        const QByteArray deckStart = R"({"format": "ferlo-deck", "version": 1, "cards": [)";
        const QByteArray pic = m_pictures.first().toUtf8();
        writeFile(dir.filePath("gone.ferlo"),
                  deckStart + R"({"perPage": 8, "cells": [{"picture": "p1.jpg"}, null,
                    {"picture": "p2.jpg"}, {"picture": ")" +
                      pic + R"("}, {"picture": "p3.jpg"}]},
                    {"cells": [{"picture": "p1.jpg"}, {"picture": "p4.jpg"},
                    {"picture": "/nowhere/p5.jpg"}, {"picture": "p6.jpg"}]},
                    {"perPage": 1, "cells": [{"picture": "p7.jpg"}]}]})");
        writeFile(dir.filePath("one.FERLO"), deckStart + R"({"cells": [{"picture": "p1.jpg"}]}]})");
        writeFile(dir.filePath("broken.ferlo"),
                  deckStart + R"({"cells": [{"picture": "broken.jpg"}]}]})");
        writeFile(dir.filePath("bad.ferlo"),
                  deckStart + R"({"cells": [{"picture": "p1.jpg"}, {"picture": true}]}]})");
        writeFile(dir.filePath("empty.ferlo"), deckStart + "]}");
        QVERIFY(QDir(dir.path()).mkdir("album"));
        const QString out = dir.filePath("out.pdf");
        for (QString& argument : arguments) {
            argument.replace("%OUT", out).replace("%PIC", m_pictures.first());
            argument.replace("%DIR", dir.path());
        }
        message.replace("%DIR", dir.path());

        const QStringList before =
            QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        const Run run = runExport(arguments);
        QCOMPARE(run.code, code);
        QVERIFY2(run.err.startsWith(message), qPrintable(run.err));
        QCOMPARE(run.err.count('\n'), 1); // one line
        QVERIFY(run.out.isEmpty());
        // Nothing written, not even a partial document.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 before);
    }

    // The game options' faults, as the other options' above.
    void badGameInput_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("game of no kind")
            << QStringList{"--print-to", "%OUT", "--activity", "quiz", "%PIC"} << 2
            << "ferlo: bad --activity \"quiz\": use memory, match, lotto or bingo\n";
        QTest::newRow("boards without a game")
            << QStringList{"--print-to", "%OUT", "--boards", "3", "%PIC"} << 2
            << "ferlo: the option --boards applies only with --activity\n";
        QTest::newRow("boards of memory")
            << QStringList{"--print-to", "%OUT", "--activity", "memory", "--seed", "3", "%PIC"} << 2
            << "ferlo: the option --seed does not apply to --activity memory\n";
        QTest::newRow("free centre of lotto")
            << QStringList{"--print-to", "%OUT", "--activity=lotto", "--free-centre", "%PIC"} << 2
            << "ferlo: the option --free-centre does not apply to --activity lotto\n";
        QTest::newRow("no boards")
            << QStringList{"--print-to", "%OUT", "--activity", "bingo", "--boards", "0", "%PIC"}
            << 2 << "ferlo: bad number of boards \"0\": use 1 to 500\n";
        QTest::newRow("board not CxR")
            << QStringList{"--print-to", "%OUT", "--activity", "bingo", "--board", "5", "%PIC"} << 2
            << "ferlo: bad --board \"5\": use columns x rows, such as 5x5\n";
        QTest::newRow("no such bingo board")
            << QStringList{"--print-to", "%OUT", "--activity", "bingo", "--board", "3x4", "%PIC"}
            << 2 << "ferlo: a bingo board is 3 × 3, 4 × 4 or 5 × 5, not 3 × 4.\n";
        QTest::newRow("even board, free centre")
            << QStringList{"--print-to", "%OUT", "--activity",    "bingo",
                           "--board",    "4x4",  "--free-centre", "%PIC"}
            << 2 << "ferlo: a 4 × 4 board has no centre cell to leave free.\n";
        QTest::newRow("negative seed")
            << QStringList{"--print-to", "%OUT", "--activity", "bingo", "--seed", "-1", "%PIC"} << 2
            << "ferlo: bad --seed \"-1\": use a whole number";
        QTest::newRow("seed beyond 64 bits")
            << QStringList{"--print-to",           "%OUT", "--activity", "bingo", "--seed",
                           "18446744073709551616", "%PIC"}
            << 2 << "ferlo: bad --seed \"18446744073709551616\"";
        QTest::newRow("game folded over")
            << QStringList{"--print-to", "%OUT", "--activity", "memory", "--fold-over", "%PIC"} << 2
            << "ferlo: --fold-over, --words and --words-from do not apply with --activity\n";
        QTest::newRow("too few pictures for a board")
            << QStringList{"--print-to", "%OUT", "--activity", "bingo", "--board", "3x3", "%PIC"}
            << 1 << "ferlo: the deck has 1 different pictures, but a 3 × 3 board needs 9.\n";
        QTest::newRow("free centre before a missing picture")
            << QStringList{"--print-to", "%OUT",          "--activity",       "bingo", "--board",
                           "3x3",        "--free-centre", "%DIR/missing.jpg", "%PIC"}
            << 1 << "ferlo: cannot load the picture %DIR/missing.jpg";
        QTest::newRow("back picture missing")
            << QStringList{"--print-to",       "%OUT", "--activity", "memory", "--back-picture",
                           "%DIR/missing.jpg", "%PIC"}
            << 1 << "ferlo: cannot load the picture %DIR/missing.jpg";
    }
    void badGameInput() { badInput(); }

    void failureKeepsTheOldDocument() {
        QTemporaryDir dir;
        const QString out = dir.filePath("cards.pdf");
        QCOMPARE(runExport({"--print-to", out, m_pictures.first()}).code, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray good = file.readAll();
        file.close();
        const Run run =
            runExport({"--print-to", out, m_pictures.first(), dir.filePath("gone.jpg")});
        QCOMPARE(run.code, 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), good);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"cards.pdf"});
    }

    // The name after --print-to: a forgotten one (`--print-to *.jpg`) never replaces a picture,
    // a deck or any file that is not a PDF; a name without .pdf gets it unless it is a PDF.
    void outputNames_data() {
        QTest::addColumn<QStringList>("arguments"); // in the folder of apple.jpg and pear.jpg
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("written"); // the PDF written, or the message
        QTest::newRow("the first picture as the output")
            << QStringList{"--print-to", "apple.jpg", "pear.jpg", "apple.jpg"} << 2
            << "ferlo: will not write over apple.jpg: it is one of the inputs";
        QTest::newRow("a picture not printed")
            << QStringList{"--print-to", "apple.jpg", "pear.jpg"} << 2
            << "ferlo: will not write over apple.jpg: it is not a PDF";
        QTest::newRow("a deck") << QStringList{"--print-to", "farm.ferlo", "pear.jpg"} << 2
                                << "ferlo: will not write over farm.ferlo: it is not a PDF";
        QTest::newRow("another file") << QStringList{"--print-to", "notes.txt", "pear.jpg"} << 2
                                      << "ferlo: will not write over notes.txt: it is not a PDF";
        QTest::newRow("a PDF's name that is a link to an input")
            << QStringList{"--print-to", "link.pdf", "apple.jpg"} << 2
            << "ferlo: will not write over link.pdf: it is one of the inputs";
        QTest::newRow("the input by another path")
            << QStringList{"--print-to", "./pear.jpg", "pear.jpg"} << 2
            << "ferlo: will not write over ./pear.jpg: it is one of the inputs";
        QTest::newRow("a new name gets .pdf")
            << QStringList{"--print-to", "cards", "pear.jpg"} << 0 << "cards.pdf";
        QTest::newRow("a new picture's name gets .pdf")
            << QStringList{"--print-to", "plum.jpg", "pear.jpg"} << 0 << "plum.jpg.pdf";
        QTest::newRow("an old PDF without .pdf")
            << QStringList{"--print-to", "old", "pear.jpg"} << 0 << "old";
        QTest::newRow(".PDF in capitals")
            << QStringList{"--print-to", "Cards.PDF", "pear.jpg"} << 0 << "Cards.PDF";
    }
    void outputNames() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, written);
        QTemporaryDir dir;
        QVERIFY(QFile::copy(m_pictures.at(0), dir.filePath("apple.jpg")));
        QVERIFY(QFile::copy(m_pictures.at(1), dir.filePath("pear.jpg")));
        QVERIFY(QFile::link("apple.jpg", dir.filePath("link.pdf")));
        writeFile(dir.filePath("farm.ferlo"), R"({"format": "ferlo-deck", "version": 1,
            "cards": [{"cells": [{"picture": "pear.jpg"}]}]})");
        writeFile(dir.filePath("notes.txt"), "notes");
        QCOMPARE(runExport({"--print-to", dir.filePath("old.pdf"), m_pictures.at(2)}).code, 0);
        QVERIFY(QFile::rename(dir.filePath("old.pdf"), dir.filePath("old")));
        const auto snapshot = [&dir] {
            QStringList files;
            for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::System)) {
                QFile file(dir.filePath(name));
                files << name + (file.open(QIODevice::ReadOnly)
                                     ? QCryptographicHash::hash(file.readAll(),
                                                                QCryptographicHash::Md5)
                                           .toHex()
                                     : QByteArray());
            }
            return files;
        };
        const QStringList before = snapshot();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const Run run = runExport(arguments);
        QDir::setCurrent(previous);
        QCOMPARE(run.code, code);
        if (code != 0) {
            QVERIFY2(run.err.startsWith(written), qPrintable(run.err));
            QCOMPARE(run.err.count('\n'), 1);
            QCOMPARE(snapshot(), before);
            return;
        }
        QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
        QCOMPARE(pdfPageCount(dir.filePath(written)), 1);
        // Nothing else changed.
        const auto others = [&written](QStringList files) {
            files.removeIf([&written](const QString& entry) {
                return entry.size() == written.size() + 32 && entry.startsWith(written);
            });
            return files;
        };
        QCOMPARE(others(snapshot()), others(before));
    }

    // A JPEG cut off after its first rows prints as it decodes, the rest grey: the PDF is
    // written, and one line per damaged file (however often it prints) tells the user.
    void damagedPicturePrintsAndIsNamed() {
        QTemporaryDir dir;
        QFile in(m_pictures.first());
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray bytes = in.readAll();
        const QString cut = dir.filePath("dog.jpg");
        writeFile(cut, bytes.left(bytes.size() / 2));
        const QString out = dir.filePath("cut.pdf");
        const Run run = runExport(
            {"--print-to", out, "--per-page", "1", cut, m_pictures.at(1), cut, m_pictures.at(2)});
        QCOMPARE(run.code, 0);
        QCOMPARE(run.err, "ferlo: " + cut + ": the picture is damaged and shows only in part\n");
        QCOMPARE(pdfPageCount(out), 4);
    }

    // Without --print-to the card options shape the card the window opens with, the options
    // only an export uses are a usage error naming them, and no value is read as a file.
    void windowStart_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("card"); // count, orientation, switches, backs; or the error
        QTest::addColumn<QStringList>("files");
        QTest::newRow("defaults") << QStringList{"a.jpg"} << "4 landscape labels upper cut"
                                  << QStringList{"a.jpg"};
        QTest::newRow("count and orientation")
            << QStringList{"--per-page", "6", "--portrait", "dog2.jpg", "cat1.jpg"}
            << "6 portrait labels upper cut" << QStringList{"dog2.jpg", "cat1.jpg"};
        QTest::newRow("every switch")
            << QStringList{"--per-page=8",   "--labels-off", "--lowercase",
                           "--cutlines-off", "--backs",      "farm.ferlo"}
            << "8 landscape - lower - backs" << QStringList{"farm.ferlo"};
        QTest::newRow("after --") << QStringList{"--per-page", "2", "--", "--portrait"}
                                  << "2 landscape labels upper cut" << QStringList{"--portrait"};
        QTest::newRow("page size")
            << QStringList{"--page-size", "A5", "a.jpg"}
            << "the option --page-size applies only with --print-to" << QStringList{};
        QTest::newRow("resolution")
            << QStringList{"a.jpg", "--resolution=300"}
            << "the option --resolution applies only with --print-to" << QStringList{};
        QTest::newRow("print as DIB")
            << QStringList{"--print-as-dib", "a.jpg"}
            << "the option --print-as-dib applies only with --print-to" << QStringList{};
        QTest::newRow("grid of cards of a size")
            << QStringList{"--grid", "4x5", "--card-size", "2inx2in", "a.jpg"}
            << "20 landscape labels upper cut grid 4x5 50.8x50.8" << QStringList{"a.jpg"};
        QTest::newRow("grid filled, with bleed and outlines")
            << QStringList{"--grid=2x3", "--paper", "A4",         "--landscape", "--fill",
                           "--bleed",    "3mm",     "--outlines", "--lowercase", "a.jpg"}
            << "6 landscape labels lower cut grid 2x3 fill bleed 3 outlines"
            << QStringList{"a.jpg"};
        if (QFile::exists(sheetTemplateFolder() + "/paper-sizes.xml")) {
            QTest::newRow("sheet")
                << QStringList{"--sheet", "avery 5371", "--outlines", "a.jpg"}
                << "10 landscape labels upper cut sheet outlines" << QStringList{"a.jpg"};
        }
        QTest::newRow("a grid that does not fit")
            << QStringList{"--grid", "5x5", "--card-size", "2inx2in", "--paper", "letter"}
            << "the grid does not fit: 5 × 5 cards of 50.8 × 50.8 mm" << QStringList{};
        QTest::newRow("fill without a grid")
            << QStringList{"--fill", "a.jpg"} << "the option --fill needs --grid or --sheet"
            << QStringList{};
        QTest::newRow("fold-over")
            << QStringList{"--fold-over", "a.jpg"}
            << "the option --fold-over applies only with --print-to" << QStringList{};
        QTest::newRow("voice") << QStringList{"--voice", "de", "a.jpg"}
                               << "the option --voice applies only with --speak-to"
                               << QStringList{};
        QTest::newRow("bad count")
            << QStringList{"--per-page", "5", "a.jpg"}
            << "bad number of pictures per page \"5\": use 1, 2, 4, 6 or 8" << QStringList{};
        QTest::newRow("unknown option")
            << QStringList{"--colour", "a.jpg"} << "unknown option --colour (see ferlo --help)"
            << QStringList{};
    }
    void windowStart() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, card);
        QFETCH(QStringList, files);
        WindowStart start;
        QString error;
        if (!readWindowStart(QStringList{"ferlo"} + arguments, start, error)) {
            QVERIFY2(error.startsWith(card), qPrintable(error));
            QVERIFY(files.isEmpty());
            return;
        }
        const DeckCard& c = start.card;
        QStringList shape{QString::number(c.perPage()), c.portrait ? "portrait" : "landscape",
                          c.labels ? "labels" : "-", c.upperCase ? "upper" : "lower",
                          c.cutLines ? "cut" : "-"};
        if (start.wordBacks)
            shape << "backs";
        const CardLayout& layout = c.layout;
        if (layout.kind == CardLayout::Kind::Grid) {
            shape << "grid"
                  << QStringLiteral("%1x%2").arg(layout.Grid.Columns).arg(layout.Grid.Rows);
            if (layout.Grid.CardWidth > 0)
                shape << QStringLiteral("%1x%2")
                             .arg(layout.Grid.CardWidth)
                             .arg(layout.Grid.CardHeight);
        }
        if (layout.kind == CardLayout::Kind::Sheet)
            shape << "sheet";
        if (layout.Fill)
            shape << "fill";
        if (layout.Bleed > 0)
            shape << "bleed" << QString::number(layout.Bleed);
        if (layout.Outlines)
            shape << "outlines";
        QCOMPARE(shape.join(' '), card);
        QVERIFY(c.cells.empty());
        QCOMPARE(start.files, files);
    }

    // `ferlo --per-page 6 --portrait dog2.jpg cat1.jpg`: the window opens on a 6-per-page
    // portrait card holding the two pictures, with nothing to complain about.
    void windowOpensWithTheCardOptions() {
        MessageRecorder messages;
        QTemporaryDir dir;
        const QString dog = dir.filePath("dog2.jpg");
        const QString cat = dir.filePath("cat1.jpg");
        QVERIFY(QFile::copy(m_pictures.at(0), dog));
        QVERIFY(QFile::copy(m_pictures.at(1), cat));
        WindowStart start;
        QString error;
        QVERIFY(readWindowStart(
            {"ferlo", "--per-page", "6", "--portrait", "--lowercase", "--backs", dog, cat}, start,
            error));
        TFerloMainForm window;
        applyWindowStart(window, start);
        window.openFiles(start.files);
        QCOMPARE(messages.texts(), QStringList{});
        QCOMPARE(window.card().PicturesPerPage, 6);
        QVERIFY(window.card().Portrait);
        QCOMPARE(window.pictureCount(), 2);
        QCOMPARE(window.cells()[0].FileName, dog.toStdString());
        QCOMPARE(window.cells()[1].FileName, cat.toStdString());
        QCOMPARE(window.findChild<QLabel*>("CellLabel0")->text(), QStringLiteral("dog"));
        QVERIFY(window.findChild<QAction*>("mnWordBacks")->isChecked());
    }

    // `ferlo --grid 4x5 --card-size 2inx2in dog.jpg cat.jpg`: the window opens on that grid with
    // the pictures in its first cards, and prints it as the same options print it.
    void windowOpensOnTheLayout() {
        MessageRecorder messages;
        const QStringList options{"--grid",  "4x5",    "--card-size",
                                  "2inx2in", "--fill", "--outlines"};
        WindowStart start;
        QString error;
        QVERIFY2(
            readWindowStart(QStringList{"ferlo"} + options + m_pictures.mid(0, 2), start, error),
            qPrintable(error));
        TFerloMainForm window;
        applyWindowStart(window, start);
        window.openFiles(start.files);
        QCOMPARE(messages.texts(), QStringList{});
        QCOMPARE(window.card().PicturesPerPage, 20);
        QCOMPARE(window.pictureCount(), 2);
        const QList<CardPage> pages = window.deckPages();
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages.first().Arrangement.plan());
        QCOMPARE(pages.first().Arrangement.cells(), 20);
        QVERIFY(pages.first().Fill);
        QVERIFY(pages.first().Outlines);
    }

    // A name that is not UTF-8 (a folder made on another system) opens in the window as it
    // opens with --print-to: the arguments are the file system's bytes.
    void nonUtf8NamesOpenInTheWindow() {
        MessageRecorder messages;
        QTemporaryDir dir;
        const QByteArray folder = QFile::encodeName(dir.path()) + "/dir \xff\xfe";
        QVERIFY(::mkdir(folder.constData(), 0700) == 0);
        const QByteArray picture = folder + "/dog.jpg";
        QFile source(m_pictures.first());
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray bytes = source.readAll();
        FILE* out = std::fopen(picture.constData(), "wb");
        QVERIFY(out);
        QCOMPARE(std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out),
                 size_t(bytes.size()));
        std::fclose(out);

        WindowStart start;
        QString error;
        QVERIFY(readWindowStart({"ferlo", decodePath(picture)}, start, error));
        TFerloMainForm window;
        applyWindowStart(window, start);
        window.openFiles(start.files);
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        QCOMPARE(window.pictureCount(), 1);
        QCOMPARE(QByteArray::fromStdString(window.cells()[0].FileName), picture);
        // The same name exports too, into that folder.
        const Run run =
            runExport({"--print-to", decodePath(folder + "/cards"), decodePath(picture)});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(::access((folder + "/cards.pdf").constData(), R_OK), 0);

        // A deck in that folder is saved there and opens again.
        const QString deck = decodePath(folder + "/farm.ferlo");
        Deck written;
        written.cards.emplace_back();
        written.cards.back().layout.setCells(2);
        written.cards.back().cells.push_back(DeckCell{picture.toStdString(), "Hund", {}});
        writeDeck(deck, written);
        TFerloMainForm other;
        other.openFiles({deck});
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        QCOMPARE(other.card().PicturesPerPage, 2);
        QCOMPARE(other.pictureCount(), 1);
        // Written over, it keeps its name.
        writeDeck(deck, written);
        QCOMPARE(listDirectory(decodePath(folder), EntryKind::PlainFile),
                 (QStringList{"cards.pdf", "dog.jpg", "farm.ferlo"}));
        // QTemporaryDir cannot remove what it cannot name.
        for (const char* name : {"/cards.pdf", "/dog.jpg", "/farm.ferlo"})
            QCOMPARE(::unlink((folder + name).constData()), 0);
        QCOMPARE(::rmdir(folder.constData()), 0);
    }

    void picturesAfterDoubleDash() {
        QTemporaryDir dir;
        const QString dashed = dir.filePath("-odd.jpg");
        QVERIFY(QFile::copy(m_pictures.first(), dashed));
        const QString out = dir.filePath("dash.pdf");
        // Relative to the current folder, a name may begin with a dash.
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        const Run run = runExport({"--print-to", out, "--", "-odd.jpg"});
        QDir::setCurrent(previous);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(pdfPageCount(out), 1);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
