// The games through the command line's PDF, read back with pdftotext and by their pixels: one
// check for each kind.
#include "printing/support_printing.h"

#include "activities/Activity.h"
#include "app/CommandLine.h"
#include "printing/ActivityPages.h"
#include "storage/DeckFile.h"
#include "support/CapturedRun.h"
#include "support/PageFiles.h"
#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>
#include <set>

using namespace ferlo;
using namespace ferlo::test;

namespace {

CapturedRun runExport(const QStringList& arguments) {
    return captureOutput([&] { return runCommandLineExport(QStringList{"ferlo"} + arguments); });
}

// The words of the pages whose small print begins with `caption` ("Board"), page by page,
// the small print and the words of `leaveOut` left out.
QList<QStringList> wordsOfPages(const QList<PdfPage>& pages, const QString& caption,
                                const QStringList& leaveOut = {}) {
    QList<QStringList> result;
    for (const PdfPage& page : pages) {
        const QStringList texts = wordTexts(page);
        if (!caption.isEmpty() && !texts.contains(caption))
            continue;
        QStringList words;
        for (const QString& text : texts)
            if (text == text.toUpper() && !text.contains(QRegularExpression("[0-9()]")) &&
                !leaveOut.contains(text))
                words << text;
        result << words;
    }
    return result;
}

} // namespace

class TestActivities : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QStringList m_pictures; // a picture of each word
    const QStringList m_words{"ant", "bee", "cow",  "dog", "elk",  "fox",
                              "gnu", "hen", "ibis", "jay", "kiwi", "lynx"};

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        for (const QString& word : m_words)
            m_pictures << writeSolidJpeg(m_dir.filePath(word + ".jpg"), 60, 40, Qt::blue);
    }

    // Bingo boards read back from the PDF: no two alike, every picture on a board as often as
    // another give or take two, the free centre's word on each, every picture on the caller's
    // sheet; the same seed gives the same document, another seed other boards.
    void bingo() {
        const auto run = [&](const QString& out, const QString& seed) {
            const CapturedRun result = runExport(
                QStringList{"--print-to", out, "--activity", "bingo", "--boards", "10", "--board",
                            "3x3", "--free-centre", "star", "--seed", seed, "--resolution", "150"} +
                m_pictures);
            QVERIFY2(result.code == 0 && result.err.isEmpty(), qPrintable(result.err));
        };
        const QString first = m_dir.filePath("bingo1.pdf");
        const QString again = m_dir.filePath("bingo2.pdf");
        const QString other = m_dir.filePath("bingo3.pdf");
        run(first, "5");
        run(again, "5");
        run(other, "6");
        const QList<PdfPage> pages = pdfWords(first);
        const QList<QStringList> boards = wordsOfPages(pages, "Board", {"STAR"});
        QCOMPARE(boards.size(), 10);
        std::set<std::set<QString>> distinct;
        std::map<QString, int> uses;
        for (const QStringList& board : boards) {
            QCOMPARE(board.size(), 8);
            const std::set<QString> set(board.begin(), board.end());
            QCOMPARE(int(set.size()), 8);
            distinct.insert(set);
            for (const QString& word : board)
                ++uses[word];
        }
        QCOMPARE(int(distinct.size()), 10);
        QCOMPARE(int(uses.size()), m_words.size());
        for (const auto& [word, count] : uses)
            QVERIFY2(std::abs(count - 80.0 / 12) <= 2, qPrintable(word));
        for (const PdfPage& page : pages)
            if (wordTexts(page).contains("Board"))
                QVERIFY(wordTexts(page).contains("STAR"));
        const QStringList listed = wordsOfPages(pages, "sheet").value(0);
        QCOMPARE(std::set<QString>(listed.begin(), listed.end()).size(), uses.size());
        QCOMPARE(pdfWithoutDates(first), pdfWithoutDates(again));
        QVERIFY(wordsOfPages(pdfWords(other), "Board", {"STAR"}) != boards);
    }

    // Memory: every picture twice. Matching: once, and its word on a card of its own, as large
    // as the card holds.
    void memoryAndMatching() {
        const QString out = m_dir.filePath("memory.pdf");
        CapturedRun run =
            runExport(QStringList{"--print-to", out, "--activity", "memory", "--per-page", "8"} +
                      m_pictures.mid(0, 5));
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QStringList labels;
        for (const QStringList& page : wordsOfPages(pdfWords(out), QString()))
            labels += page;
        for (const QString& word : m_words.mid(0, 5))
            QCOMPARE(labels.count(word.toUpper()), 2);
        QCOMPARE(labels.size(), 10);

        run = runExport(QStringList{"--print-to", out, "--activity", "match", "--grid", "2x3",
                                    "--paper", "A4", "--lowercase"} +
                        m_pictures.mid(0, 5));
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QList<PdfPage> pages = pdfWords(out);
        QCOMPARE(pages.size(), 2); // 10 cards of 6 a page
        for (const QString& word : m_words.mid(0, 5)) {
            QList<QRectF> boxes;
            for (const PdfPage& page : pages)
                for (const PdfWord& found : page.words)
                    if (found.text == word)
                        boxes << found.box;
            QCOMPARE(boxes.size(), 2); // the label and the word card
            const double larger = qMax(boxes[0].height(), boxes[1].height());
            const double smaller = qMin(boxes[0].height(), boxes[1].height());
            QVERIFY2(larger > 3 * smaller, qPrintable(word));
        }
    }

    // A memory card's back: the back picture behind every card, in the mirrored cell moved by
    // the back offset, and nothing behind a cell without a card.
    void backsMeetTheirFronts() {
        const QString back = writeSolidJpeg(m_dir.filePath("back.jpg"), 60, 60, Qt::red);
        const QString out = m_dir.filePath("backs.pdf");
        const CapturedRun run =
            runExport(QStringList{"--print-to", out, "--activity", "memory", "--grid", "3x2",
                                  "--paper", "A4", "--labels-off", "--back-picture", back,
                                  "--back-offset", "4,-3", "--flip", "long"} +
                      m_pictures.mid(0, 2)); // four cards: the first row and one more
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(pdfPageCount(out), 2);
        const int dpi = 50;
        const QImage front = renderPdfPage(out, 1, dpi);
        const QImage backPage = renderPdfPage(out, 2, dpi);
        const double perMm = dpi / 25.4;
        for (int cell = 0; cell < 6; ++cell) {
            const QPointF centre((cell % 3 + 0.5) * 70, (cell / 3 + 0.5) * 148.5);
            // Turned about the long edge of portrait paper: columns mirrored, rows kept.
            const QPointF behind(210 - centre.x() + 4, centre.y() - 3);
            const QColor onFront = front.pixelColor((centre * perMm).toPoint());
            const QColor onBack = backPage.pixelColor((behind * perMm).toPoint());
            const bool card = cell < 4;
            const QByteArray what = QByteArray::number(cell);
            QVERIFY2(card == (onFront.blue() > 200 && onFront.red() < 80), what);
            QVERIFY2(card == (onBack.red() > 200 && onBack.blue() < 80), what);
            if (!card)
                QVERIFY2(onBack == QColor(Qt::white), what);
        }
    }

    // Lotto: the calling cards are exactly the pictures of the boards, each once.
    void lotto() {
        const QString out = m_dir.filePath("lotto.pdf");
        const CapturedRun run =
            runExport(QStringList{"--print-to", out, "--activity", "lotto", "--boards", "3",
                                  "--board", "2x2", "--grid", "4x4", "--paper", "A4"} +
                      m_pictures);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        const QList<PdfPage> pages = pdfWords(out);
        QStringList onBoards;
        for (const QStringList& board : wordsOfPages(pages, "Board"))
            onBoards += board;
        QCOMPARE(onBoards.size(), 12);
        QStringList calls;
        for (const PdfPage& page : pages.mid(3))
            calls += wordTexts(page);
        calls.sort();
        onBoards.removeDuplicates();
        onBoards.sort();
        QCOMPARE(calls, onBoards);
    }

    // A bingo with a word free centre saved as a deck prints from the command line as the game
    // printed directly: the same words and board numbers, page by page.
    void savedAsDeckPrintsTheSame() {
        const QString direct = m_dir.filePath("direct.pdf");
        const QStringList options{"--activity",         "bingo",  "--boards", "2", "--board", "3x3",
                                  "--free-centre=Frei", "--seed", "9"};
        CapturedRun run = runExport(QStringList{"--print-to", direct} + options + m_pictures);
        QVERIFY2(run.code == 0, qPrintable(run.err));
        ActivityOptions game;
        game.kind = ActivityKind::Bingo;
        game.boards = 2;
        game.freeCentre = true;
        game.centre.label = "Frei";
        game.seed = 9;
        std::vector<DeckCell> cells;
        for (const QString& picture : m_pictures)
            cells.emplace_back().picture = picture.toStdString();
        const QString deck = m_dir.filePath("bingo.ferlo");
        writeDeck(deck, activityAsDeck(MakeActivity(cells, game)));
        const QString saved = m_dir.filePath("saved.pdf");
        run = runExport({"--print-to", saved, deck});
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QList<QStringList> words;
        for (const PdfPage& page : pdfWords(saved))
            words << wordTexts(page);
        QList<QStringList> expected;
        for (const PdfPage& page : pdfWords(direct))
            expected << wordTexts(page);
        QCOMPARE(words, expected);
        QVERIFY(words.front().contains("FREI") && words.front().contains("Board"));
    }
};

QTEST_MAIN(TestActivities)
#include "tst_activities.moc"
