// `ferlo --speak-to DIR`: a WAV for every word without a recording, each word once, in the
// deck's language or the voice asked for; a bad command line or unknown voice writes nothing.
#include "app/CommandLine.h"
#include "sound/SoundDecoder.h"
#include "sound/Speech.h"
#include "storage/DeckFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;

class TestSpeakTo : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString& name) const { return m_dir.filePath(name); }
    void touch(const QString& name) {
        QFile f(file(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

private slots:
    void initTestCase() {
        if (speechVoices().isEmpty())
            QSKIP("no speech engine or voices (espeak-ng-data)");
        touch("cat1.jpg");
        touch("cat2.jpg");
        touch("Hund.jpg");
        touch("owl.jpg");
        touch("owl.ogg"); // a recording: owl is not spoken
        Deck deck;
        deck.language = "de";
        DeckCard card;
        card.cells = {DeckCell{file("Hund.jpg").toStdString(), {}, {}},
                      DeckCell{file("owl.jpg").toStdString(), {}, {}},
                      DeckCell{file("cat1.jpg").toStdString(), "Katze", {}}};
        deck.cards.push_back(card);
        writeDeck(file("tiere.ferlo"), deck);
    }

    void run_data() {
        QTest::addColumn<QStringList>("arguments"); // after "ferlo --speak-to OUT"; @ = folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("pictures: one word once, none with a recording")
            << QStringList{"@/cat1.jpg", "@/cat2.jpg", "@/owl.jpg"} << 0 << QStringList{"cat.wav"};
        QTest::newRow("a deck: edited words, its language")
            << QStringList{"@/tiere.ferlo"} << 0 << QStringList{"Hund.wav", "Katze.wav"};
        QTest::newRow("a voice asked for")
            << QStringList{"--voice", "en-GB", "@/cat1.jpg"} << 0 << QStringList{"cat.wav"};
        QTest::newRow("unknown voice")
            << QStringList{"--voice", "klingon", "@/cat1.jpg"} << 2 << QStringList{};
        QTest::newRow("bad rate") << QStringList{"--rate", "9000", "@/cat1.jpg"} << 2
                                  << QStringList{};
        QTest::newRow("no inputs") << QStringList{} << 2 << QStringList{};
        QTest::newRow("an option of the PDF")
            << QStringList{"--per-page", "2", "@/cat1.jpg"} << 2 << QStringList{};
        QTest::newRow("a PDF as well")
            << QStringList{"--print-to", "@/x.pdf", "@/cat1.jpg"} << 2 << QStringList{};
        QTest::newRow("rate not a number")
            << QStringList{"--rate=fast", "@/cat1.jpg"} << 2 << QStringList{};
        QTest::newRow("a deck that is not there")
            << QStringList{"@/gone.ferlo"} << 1 << QStringList{};
    }
    void run() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QStringList, written);
        const QString out = file(QString::fromLatin1(QTest::currentDataTag()).left(12));
        QStringList command{"ferlo", "--speak-to", out};
        for (const QString& argument : arguments)
            command << QString(argument).replace("@", m_dir.path());
        QCOMPARE(runCommandLineExport(command), status);
        const QStringList files = QDir(out).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files, written);
        for (const QString& name : files) {
            const auto source = openSoundFile(QDir(out).filePath(name));
            QVERIFY2(source->frames() > source->rate() / 5, qPrintable(name)); // over 0.2 s
        }
    }
};

QTEST_GUILESS_MAIN(TestSpeakTo)
#include "tst_speakto.moc"
