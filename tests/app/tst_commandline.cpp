// The command-line export, run in-process as the program entry runs it.
#include "printing/support_printing.h"

#include "app/CommandLine.h"
#include "layout/PrinterCells.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>

#include <cstdio>
#include <unistd.h>

using namespace ferlo;
using namespace ferlo::test;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

// Runs the export with stdout and stderr captured through files.
Run runExport(const QStringList& arguments) {
    QTemporaryFile outFile, errFile;
    if (!outFile.open() || !errFile.open())
        qFatal("cannot capture output");
    std::fflush(stdout);
    std::fflush(stderr);
    const int savedOut = dup(1);
    const int savedErr = dup(2);
    dup2(outFile.handle(), 1);
    dup2(errFile.handle(), 2);
    Run run;
    run.code = runCommandLineExport(QStringList{"ferlo"} + arguments);
    std::fflush(stdout);
    std::fflush(stderr);
    dup2(savedOut, 1);
    dup2(savedErr, 2);
    close(savedOut);
    close(savedErr);
    outFile.seek(0);
    errFile.seek(0);
    run.out = QString::fromLocal8Bit(outFile.readAll());
    run.err = QString::fromLocal8Bit(errFile.readAll());
    return run;
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

    void recognisesItsArguments() {
        const char* exportArgs[] = {"ferlo", "--print-to", "x.pdf", "a.jpg"};
        const char* joined[] = {"ferlo", "--print-to=x.pdf", "a.jpg"};
        const char* help[] = {"ferlo", "--help"};
        const char* window[] = {"ferlo"};
        const char* picture[] = {"ferlo", "--", "--print-to"};
        QVERIFY(isCommandLineExport(4, const_cast<char**>(exportArgs)));
        QVERIFY(isCommandLineExport(3, const_cast<char**>(joined)));
        QVERIFY(isCommandLineExport(2, const_cast<char**>(help)));
        QVERIFY(!isCommandLineExport(1, const_cast<char**>(window)));
        QVERIFY(!isCommandLineExport(3, const_cast<char**>(picture)));
    }

    void helpGoesToStdout() {
        const Run run = runExport({"--help"});
        QCOMPARE(run.code, 0);
        QVERIFY(run.out.contains("--print-to"));
        QVERIFY(run.out.contains("--per-page"));
        QVERIFY(run.err.isEmpty());
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

    void badInput_data() {
        QTest::addColumn<QStringList>("arguments"); // %OUT, %PIC, %DIR are replaced
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown option") << QStringList{"--print-to", "%OUT", "--bogus", "%PIC"} << 2
                                        << "ferlo: unknown option --bogus";
        QTest::newRow("unknown single-dash option")
            << QStringList{"--print-to", "%OUT", "-x", "%PIC"} << 2 << "ferlo: unknown option -x";
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
        QTest::newRow("no pictures")
            << QStringList{"--print-to", "%OUT"} << 2 << "ferlo: no pictures to print";
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
    }

    void badInput() {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, message);
        QTemporaryDir dir;
        writeFile(dir.filePath("broken.jpg"), QByteArray("\xFF\xD8\xFF\xE0") + " not a picture");
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
