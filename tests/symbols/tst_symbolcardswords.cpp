// Cards made from words: the list as typed or read from a file (a hostile file refused with its
// name), each word's picture named after it, the cards filled in order, and the command line
// writing nothing when a word finds nothing.

#include "app/CommandLine.h"
#include "layout/CardModel.h"
#include "storage/Errors.h"
#include "symbols/SymbolIndex.h"
#include "symbols/WordCards.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace ferlo;

namespace {

bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString refusal(const std::function<void()>& work) {
    try {
        work();
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

} // namespace

class TestSymbolCardsWords : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString pictures() const { return m_dir.filePath(QStringLiteral("pictures")); }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir().mkpath(pictures()));
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::red);
        for (const char* name : {"hen.jpg", "Cow2.png", "ice cream.png", "cat.png"})
            QVERIFY(image.save(QDir(pictures()).filePath(QString::fromLatin1(name))));
        QVERIFY(writeBytes(QDir(pictures()).filePath(QStringLiteral("notes.txt")), "notes"));
        QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("more"))));
        QVERIFY(image.save(m_dir.filePath(QStringLiteral("more/cat.png")), "PNG"));
    }

    void splitsTypedLists_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("commas") << "dog, cat,happy , eat"
                                << QStringList{"dog", "cat", "happy", "eat"};
        QTest::newRow("phrases and lines")
            << "ice cream\r\nbrush teeth\n\n, ," << QStringList{"ice cream", "brush teeth"};
        QTest::newRow("scripts as typed")
            << "Hund, كلب, Élève" << QStringList{"Hund", "كلب", "Élève"};
        QTest::newRow("control characters") << "do\tg, \x01" << QStringList{"do g"};
        QTest::newRow("nothing") << " , \n" << QStringList{};
    }
    void splitsTypedLists() {
        QFETCH(QString, text);
        QFETCH(QStringList, words);
        QCOMPARE(splitWords(text), words);
    }

    void readsWordFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("cause"); // empty: read
        QTest::newRow("lines") << QByteArray("dog\ncat, kitten\r\n\n  happy  \n")
                               << QStringList{"dog", "cat, kitten", "happy"} << QString();
        QTest::newRow("byte order mark")
            << QByteArray("\xEF\xBB\xBFperro\n") << QStringList{"perro"} << QString();
        QTest::newRow("Latin-1") << QByteArray("\xE9l\xE8ve\n") << QStringList{} << "not UTF-8";
        QTest::newRow("cut in a character")
            << QByteArray("dog\n\xD9") << QStringList{} << "not UTF-8";
        QTest::newRow("blank") << QByteArray("\n \n") << QStringList{} << "no words";
        QTest::newRow("too large")
            << QByteArray(kMaxWordsFileBytes + 1, 'a') << QStringList{} << "larger than";
    }
    void readsWordFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, words);
        QFETCH(QString, cause);
        const QString path = m_dir.filePath(QStringLiteral("words.txt"));
        QVERIFY(writeBytes(path, bytes));
        QStringList read;
        const QString message = refusal([&] { read = readWordsFile(path); });
        if (cause.isEmpty()) {
            QCOMPARE(message, QString());
            QCOMPARE(read, words);
            return;
        }
        QVERIFY2(message.contains(path) && message.contains(cause), qPrintable(message));
    }

    // A pipe with no writer would block a plain read for ever.
    void refusesAPipeOfWords() {
        const QString path = m_dir.filePath(QStringLiteral("words.fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const QString message = refusal([&] { readWordsFile(path); });
        QVERIFY2(message.contains(path) && message.contains(QLatin1String("not a regular file")),
                 qPrintable(message));
    }

    void findsPicturesNamedAfterWords_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("found"); // relative to the scratch folder
        QTest::newRow("same name") << "hen"
                                   << "pictures/hen.jpg";
        QTest::newRow("case and digits") << "COW"
                                         << "pictures/Cow2.png";
        QTest::newRow("phrase") << "ice cream"
                                << "pictures/ice cream.png";
        QTest::newRow("first folder first") << "cat"
                                            << "pictures/cat.png";
        QTest::newRow("not a picture") << "notes"
                                       << "";
        QTest::newRow("none") << "unicorn"
                              << "";
    }
    void findsPicturesNamedAfterWords() {
        QFETCH(QString, word);
        QFETCH(QString, found);
        const QStringList folders{pictures(), m_dir.filePath(QStringLiteral("more"))};
        QCOMPARE(pictureNamedAfter(word, folders),
                 found.isEmpty() ? QString() : m_dir.filePath(found));
    }

    void countHoldsTheWords_data() {
        QTest::addColumn<int>("words");
        QTest::addColumn<int>("count");
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("three") << 3 << 4;
        QTest::newRow("five") << 5 << 6;
        QTest::newRow("eight") << 8 << 8;
        QTest::newRow("many") << 30 << 8;
    }
    void countHoldsTheWords() {
        QFETCH(int, words);
        QFETCH(int, count);
        QCOMPARE(wordsPerPage(words), count);
    }

    // Without the set, words find pictures only; every word that finds nothing is named, with
    // the reason, and no cell is made.
    void namesEveryWordThatFindsNothing() {
        WordList list;
        list.words = QStringList{"hen", "unicorn", "Cow", "كلب"};
        list.pictureDirs = QStringList{pictures()};
        const SymbolIndex none;
        const QString message = refusal([&] { findWordCells(list, none); });
        QVERIFY2(message.contains(QLatin1String("\"unicorn\"")) &&
                     message.contains(QStringLiteral("\"كلب\"")) &&
                     !message.contains(QLatin1String("\"hen\"")),
                 qPrintable(message));
        QVERIFY2(message.contains(none.missingReason()), qPrintable(message));

        list.words = QStringList{"hen", "Cow"};
        const QList<WordCell> cells = findWordCells(list, none);
        QCOMPARE(cells.size(), 2);
        CardModel card;
        QVERIFY(setWordCell(card, 0, cells[0]));
        QVERIFY(setWordCell(card, 1, cells[1]));
        // The label is the word as typed, not the file's name.
        QCOMPARE(card.labelWord(1), std::string("Cow"));
        QVERIFY(card.cells()[1].FileName.ends_with("Cow2.png"));

        list.pictureDirs = QStringList{m_dir.filePath(QStringLiteral("hen.jpg"))};
        QVERIFY(
            refusal([&] { findWordCells(list, none); }).contains(QLatin1String("not a folder")));
    }

    // The command line writes nothing when a word finds nothing, and a card of the pictures
    // otherwise.
    void commandLineWritesAllOrNothing_data() {
        QTest::addColumn<QString>("words");
        QTest::addColumn<int>("status");
        QTest::newRow("all found") << "hen, Cow, cat" << 0;
        QTest::newRow("one missing") << "hen, unicorn" << 1;
    }
    void commandLineWritesAllOrNothing() {
        QFETCH(QString, words);
        QFETCH(int, status);
        const QString out = m_dir.filePath(QStringLiteral("words.pdf"));
        QFile::remove(out);
        const int code = runCommandLineExport(
            {"ferlo", "--print-to", out, "--quiet", "--words", words, "--pictures", pictures()});
        QCOMPARE(code, status);
        QCOMPARE(QFile::exists(out), status == 0);
    }
};

QTEST_MAIN(TestSymbolCardsWords)
#include "tst_symbolcardswords.moc"
