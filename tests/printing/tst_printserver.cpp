// End to end: one page through the real print server, into its PDF queue, checked on paper.
#include "support_printing.h"

#include "printing/job/PrintJob.h"
#include "storage/Errors.h"
#include "support/PhotoLike.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QFileInfoList>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

const QString queueName = QStringLiteral("Ferlo_PDF");
// Where scripts/start-print-server has the queue write its documents.
const QString outputFolder = QStringLiteral("/var/spool/cups-pdf-ferlo");

QString runQuiet(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

bool printServerReady() {
    return runQuiet("lpstat", {"-r"}).contains("is running") &&
           runQuiet("lpstat", {"-p", queueName}).contains(queueName) &&
           QFileInfo(outputFolder).isDir();
}

QStringList documents() {
    return QDir(outputFolder).entryList({"*.pdf"}, QDir::Files, QDir::Name);
}

bool queueIdle() {
    return runQuiet("lpstat", {"-o", queueName}).trimmed().isEmpty();
}

// Waits for the queue to write a document that was not there before, and for the job to finish.
QString waitForNewDocument(const QStringList& before, int timeoutMs) {
    QString found;
    const bool written = QTest::qWaitFor(
        [&] {
            for (const QString& name : documents()) {
                // The queue is idle again once the backend has closed the file.
                if (!before.contains(name) && queueIdle()) {
                    found = QDir(outputFolder).filePath(name);
                    return true;
                }
            }
            return false;
        },
        timeoutMs);
    return written ? found : QString();
}

// The completed jobs of the queue by id, with the size of what was spooled, in bytes.
QMap<QString, qint64> completedJobs() {
    QMap<QString, qint64> jobs;
    const QString listing = runQuiet("lpstat", {"-W", "completed", "-o", queueName});
    for (const QString& line : listing.split('\n', Qt::SkipEmptyParts)) {
        const QStringList fields = line.simplified().split(' ');
        if (fields.size() >= 3)
            jobs.insert(fields.at(0), fields.at(2).toLongLong());
    }
    return jobs;
}

// Waits for `count` new documents and an idle queue; the documents in the order they were
// written.
QStringList waitForNewDocuments(const QStringList& before, int count, int timeoutMs) {
    QFileInfoList found;
    const bool written = QTest::qWaitFor(
        [&] {
            found.clear();
            for (const QString& name : documents()) {
                if (!before.contains(name))
                    found << QFileInfo(QDir(outputFolder).filePath(name));
            }
            return found.size() >= count && queueIdle();
        },
        timeoutMs);
    if (!written)
        return {};
    std::sort(found.begin(), found.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() < b.lastModified();
    });
    QStringList paths;
    for (const QFileInfo& info : found)
        paths << info.filePath();
    return paths;
}

// The ids of the queue's jobs. Ids only grow, while the server keeps a bounded history of finished
// jobs: a count of all jobs stops growing once that history is full.
QList<int> jobIds() {
    QList<int> ids;
    for (const QString& line :
         runQuiet("lpstat", {"-W", "all", "-o", queueName}).split('\n', Qt::SkipEmptyParts))
        ids << line.section(' ', 0, 0, QString::SectionSkipEmpty).section('-', -1).toInt();
    return ids;
}

bool isRed(QColor c) {
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}
bool isBlue(QColor c) {
    return c.blue() > 180 && c.red() < 90 && c.green() < 90;
}

} // namespace

class TestPrintServer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        FERLO_REQUIRE_SERVICE(
            printServerReady(),
            QStringLiteral(
                "no print server with the queue Ferlo_PDF (scripts/start-print-server)"));
    }

    void pageReachesThePaper() {
        const QString red = writeSolidJpeg(m_dir.filePath("red.jpg"), 640, 480, Qt::red);
        const QString blue = writeSolidJpeg(m_dir.filePath("blue.jpg"), 480, 640, Qt::blue);
        // Portrait, so that the paper's pixels and the printable area's run the same way.
        CardPage page = emptyPage(4, true);
        placePicture(page, 0, red, "RED");
        placePicture(page, 3, blue, "BLUE");

        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queueName);
        QVERIFY(printer.isValid());
        const QStringList before = documents();
        runPrintJob(printer, {page}, dibOptions([] { return true; }));
        QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Portrait);

        const QString pdf = waitForNewDocument(before, 60000);
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no document");
        // The document carries the job's title.
        QVERIFY2(QFileInfo(pdf).fileName().startsWith("Ferlo"), qPrintable(pdf));
        QVERIFY2(pdfInfoValue(pdf, "Title").contains("Ferlo"),
                 qPrintable(pdfInfoValue(pdf, "Title")));
        QCOMPARE(pdfPageCount(pdf), 1);

        // Where the geometry puts things, on the rendered page.
        const int dpi = 150;
        const QImage paper = renderPdfPage(pdf, 1, dpi);
        QVERIFY(!paper.isNull());
        QVERIFY(paper.width() < paper.height());
        const int resolution = printer.resolution();
        const QRect printable = printer.pageLayout().paintRectPixels(resolution);
        const double scale = double(dpi) / resolution;
        auto onPaper = [&](double x, double y) {
            return QPoint(int((printable.left() + x) * scale), int((printable.top() + y) * scale));
        };
        const int W = printable.width();
        const int H = printable.height();
        const TPrinterCellArray cells = LayoutPrinterCells(W, H, 4, true, true);

        const TRect redTarget = FitPictureRect(cells[0], 640, 480);
        const TRect blueTarget = FitPictureRect(cells[3], 480, 640);
        QVERIFY(isRed(paper.pixelColor(onPaper((redTarget.Left + redTarget.Right) / 2.0,
                                               (redTarget.Top + redTarget.Bottom) / 2.0))));
        QVERIFY(isBlue(paper.pixelColor(onPaper((blueTarget.Left + blueTarget.Right) / 2.0,
                                                (blueTarget.Top + blueTarget.Bottom) / 2.0))));
        // Outside the fitted rectangles, beside them in their picture areas, the paper is white.
        const QColor besideBlue =
            paper.pixelColor(onPaper((cells[3].PictureArea().Left + blueTarget.Left) / 2.0,
                                     (blueTarget.Top + blueTarget.Bottom) / 2.0));
        QVERIFY(besideBlue.lightness() > 240);

        // The dotted cut lines and frame: darker than the paper along their whole length.
        auto columnShade = [&](int x) {
            int marked = 0;
            const QPoint top = onPaper(x, 0);
            const QPoint bottom = onPaper(x, H - 1);
            for (int y = top.y() + 2; y <= bottom.y() - 2; ++y) {
                int darkest = 255;
                for (int dx = -1; dx <= 1; ++dx) {
                    const int x = qBound(0, top.x() + dx, paper.width() - 1);
                    darkest = qMin(darkest, qGray(paper.pixel(x, y)));
                }
                marked += darkest < 230 ? 1 : 0;
            }
            return double(marked) / (bottom.y() - top.y() - 3);
        };
        const double middle = columnShade(W / 2);
        const double frame = columnShade(0);
        const double empty = columnShade(W / 4);
        // At 1200 dpi the dots are 1/300 inch with gaps of 2/300: two paper pixels in three at
        // 150 dpi hold ink.
        QVERIFY2(middle > 0.5, qPrintable(QString::number(middle)));
        QVERIFY2(frame > 0.5, qPrintable(QString::number(frame)));
        QVERIFY2(empty < 0.3, qPrintable(QString::number(empty)));
    }

    // Double-sided by hand on the queue: the fronts as one job, then (once the stack is back) the
    // backs as another, in the order that gives each sheet its own back. The stack is followed
    // as the test models it: the printer takes the top sheet and lays it on the output stack.
    void byHandFrontsThenBacks_data() {
        QTest::addColumn<int>("feed");
        QTest::addColumn<bool>("faceUp");
        QTest::addColumn<bool>("printerReverses");
        QTest::newRow("face down") << int(ManualFeed::FaceDown) << false << false;
        QTest::newRow("face down, reversing")
            << int(ManualFeed::FaceDownReversing) << false << true;
        QTest::newRow("face up") << int(ManualFeed::FaceUp) << true << false;
        QTest::newRow("face up, reversing") << int(ManualFeed::FaceUpReversing) << true << true;
    }
    void byHandFrontsThenBacks() {
        QFETCH(int, feed);
        QFETCH(bool, faceUp);
        QFETCH(bool, printerReverses);
        // The queue's documents keep no text, so each card is told by what it looks like: its
        // picture's colour on the front, its word's shape on the back.
        const QList<QColor> colours{Qt::red, Qt::green, Qt::blue};
        const QStringList words{"I", "MOM", "MMMMMMMM"};
        QList<CardPage> cards;
        for (int i = 0; i < 3; ++i) {
            CardPage card = emptyPage(1, true, false);
            placePicture(
                card, 0,
                writeSolidJpeg(m_dir.filePath(QString("card%1.jpg").arg(i)), 300, 200, colours[i]),
                words[i]);
            cards << card;
        }
        const auto frontOf = [&](const QImage& page) {
            const QColor c = meanColour(page, QRect(page.rect().center(), QSize(20, 20)));
            return c.red() > 150 ? 0 : c.green() > 150 ? 1 : c.blue() > 150 ? 2 : -1;
        };
        const auto backOf = [&](const QImage& page) {
            const QRect ink = darkBounds(page, page.rect().adjusted(20, 20, -20, -20));
            const double aspect = ink.isEmpty() ? 0 : double(ink.width()) / ink.height();
            return aspect <= 0 ? -1 : aspect < 0.6 ? 0 : aspect < 5 ? 1 : 2;
        };
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queueName);
        PaintOptions options;
        options.wordBacks = true;
        options.manualFeed = ManualFeed(feed);
        options.backPlacement.turn = SheetTurn::LongEdge;
        int asked = 0;
        const QStringList before = documents();
        options.stackTurned = [&] {
            ++asked;
            // The fronts' job is complete before the user is asked.
            return waitForNewDocuments(before, 1, 60000).size() == 1;
        };
        QVERIFY(runPrintJob(printer, cards, options));
        QCOMPARE(asked, 1);
        const QStringList written = waitForNewDocuments(before, 2, 60000);
        QCOMPARE(written.size(), 2);
        QCOMPARE(pdfPageCount(written[0]), 3);
        QCOMPARE(pdfPageCount(written[1]), 3);
        QList<int> fronts;
        for (int page = 1; page <= 3; ++page)
            fronts << frontOf(renderPdfPage(written[0], page, 40));
        QCOMPARE(fronts, (QList<int>{0, 1, 2}));

        // The printer prints a job's pages in its order onto the sheets it takes.
        const auto printOrder = [&](int n) {
            QList<int> order;
            for (int i = 0; i < n; ++i)
                order << (printerReverses ? n - 1 - i : i);
            return order;
        };
        QList<int> stack; // top first, each sheet by its card
        for (const int i : printOrder(3))
            stack.prepend(fronts.at(i));
        if (!faceUp) // turned over to put the blank sides down
            std::reverse(stack.begin(), stack.end());
        for (const int i : printOrder(3))
            QCOMPARE(backOf(renderPdfPage(written[1], i + 1, 40)), stack.takeFirst());
    }

    void photoIsSpooledAtItsOwnSize() {
        // One photo of 3000 x 2000 on a one-per-page card: the printer gets no more pixels than
        // the photo has (it got four times as many across at 1200 dpi, a spool file of 15 MB).
        const QString photo = m_dir.filePath("photo.jpg");
        writePhotoJpeg(photo, 3000, 2000);
        CardPage page = emptyPage(1, true);
        placePicture(page, 0, photo, "PHOTO");

        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queueName);
        const QStringList before = documents();
        const QMap<QString, qint64> jobsBefore = completedJobs();
        runPrintJob(printer, {page}, dibOptions([] { return true; }));
        const QString pdf = waitForNewDocument(before, 120000);
        QVERIFY2(!pdf.isEmpty(), "the queue wrote no document");

        // The job finished, and what it spooled is small.
        qint64 spooled = -1;
        const bool completed = QTest::qWaitFor(
            [&] {
                const QMap<QString, qint64> jobs = completedJobs();
                for (auto job = jobs.cbegin(); job != jobs.cend(); ++job)
                    if (!jobsBefore.contains(job.key()))
                        spooled = job.value();
                return spooled >= 0;
            },
            10000);
        QVERIFY2(completed && spooled > 0, "no completed job");
        qInfo("printer resolution %d dpi, spooled %lld bytes", printer.resolution(), spooled);
        QVERIFY2(spooled <= 3 * 1024 * 1024, qPrintable(QString::number(spooled)));

        // On paper: the frame, and the photo in the rectangle the geometry gives it.
        const int dpi = 150;
        const QImage paper = renderPdfPage(pdf, 1, dpi);
        QVERIFY(!paper.isNull());
        const int resolution = printer.resolution();
        const QRect printable = printer.pageLayout().paintRectPixels(resolution);
        const double scale = double(dpi) / resolution;
        auto onPaper = [&](double x, double y) {
            return QPoint(int((printable.left() + x) * scale), int((printable.top() + y) * scale));
        };
        const TPrinterCellArray cells =
            LayoutPrinterCells(printable.width(), printable.height(), 1, true, true);
        const TRect target = FitPictureRect(cells[0], 3000, 2000);
        const QRect photoOnPaper(onPaper(target.Left, target.Top),
                                 onPaper(target.Right, target.Bottom));
        // Inside the rectangle the photo (nowhere white), just outside it the white paper.
        const QRect inside = photoOnPaper.adjusted(3, 3, -3, -3);
        int white = 0;
        for (int y = inside.top(); y <= inside.bottom(); y += 7)
            for (int x = inside.left(); x <= inside.right(); x += 7)
                white += paper.pixelColor(x, y).lightness() > 250 ? 1 : 0;
        QCOMPARE(white, 0);
        const int middleX = photoOnPaper.center().x();
        QVERIFY(paper.pixelColor(middleX, photoOnPaper.top() - 4).lightness() > 240);
        QVERIFY(paper.pixelColor(middleX, photoOnPaper.bottom() + 4).lightness() > 240);
        // The dotted frame down the left side of the printable area.
        const QPoint top = onPaper(0, 0);
        int marked = 0;
        for (int y = top.y() + 2; y < onPaper(0, printable.height()).y() - 2; ++y)
            marked += qGray(paper.pixel(qMax(0, top.x()), y)) < 230 ||
                              qGray(paper.pixel(top.x() + 1, y)) < 230
                          ? 1
                          : 0;
        QVERIFY2(marked > (printable.height() * scale) * 0.5, qPrintable(QString::number(marked)));
    }

    void failedJobPrintsNothing() {
        CardPage page = emptyPage(2, true);
        placePicture(page, 0, m_dir.filePath("gone.jpg"), "GONE");
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(queueName);
        const QList<int> idsBefore = jobIds();
        const int newestBefore =
            idsBefore.isEmpty() ? 0 : *std::max_element(idsBefore.begin(), idsBefore.end());
        const QStringList before = documents();
        try {
            runPrintJob(printer, {page}, dibOptions([] { return true; }));
            QFAIL("no error for a missing picture");
        } catch (const Error& error) {
            QVERIFY(error.message().contains("gone.jpg"));
        }
        // A job after it reaches the paper; the queue takes jobs in turn, so anything the failed
        // one had sent would be there before it.
        CardPage next = emptyPage(2, true);
        placePicture(next, 0, writeSolidJpeg(m_dir.filePath("after.jpg"), 64, 48, Qt::red));
        runPrintJob(printer, {next}, dibOptions([] { return true; }));
        const QString written = waitForNewDocument(before, 60000);
        QVERIFY2(!written.isEmpty(), "the queue wrote no document for the job after it");
        const QList<int> ids = jobIds();
        QCOMPARE(std::count_if(ids.begin(), ids.end(), [&](int id) { return id > newestBefore; }),
                 qsizetype(1));
        QStringList after = documents();
        after.removeOne(QFileInfo(written).fileName());
        QCOMPARE(after, before);
    }
};

QTEST_MAIN(TestPrintServer)
#include "tst_printserver.moc"
