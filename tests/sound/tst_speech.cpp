// Spoken words: the voice chosen for a language tag, the deck's and the program's language and the
// fallback to English, and a spoken word that is sound of a word's length in the voice chosen.
#include "sound/SoundDecoder.h"
#include "sound/Speech.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace ferlo;

namespace {

// Seconds of sound from the first to the last sample above a whisper.
double audibleSeconds(SoundSource& source) {
    std::vector<float> samples(size_t(std::max<qint64>(0, source.frames())));
    source.read(samples.data(), qint64(samples.size()));
    qint64 first = -1;
    qint64 last = -1;
    for (qint64 i = 0; i < qint64(samples.size()); ++i) {
        if (std::abs(samples[size_t(i)]) > 0.02f) {
            if (first < 0)
                first = i;
            last = i;
        }
    }
    return first < 0 ? 0.0 : double(last - first) / source.rate();
}

} // namespace

class TestSpeech : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        if (speechVoices().isEmpty())
            QSKIP("the speech engine or its voices are not installed (espeak-ng-data)");
    }

    void voiceForTag_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("voice");
        QTest::newRow("language alone") << "de"
                                        << "de";
        QTest::newRow("region the engine has") << "en-GB"
                                               << "en-gb";
        QTest::newRow("locale spelling") << "pt_BR"
                                         << "pt-br";
        QTest::newRow("region it lacks: the language") << "de-AT"
                                                       << "de";
        QTest::newRow("blanks and case") << " ES "
                                         << "es";
        QTest::newRow("the language's main voice") << "en"
                                                   << "en-gb";
        QTest::newRow("main voice for a region it lacks") << "fr-CA"
                                                          << "fr-fr";
        QTest::newRow("a language the engine lists under another voice") << "zh"
                                                                         << "cmn";
        QTest::newRow("no such language") << "xx-YY" << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void voiceForTag() {
        QFETCH(QString, tag);
        QFETCH(QString, voice);
        QCOMPARE(voiceForLanguage(tag), voice);
    }

    // The voice: the option, else the deck's language, else the language the program is shown
    // in (the default locale, which the program sets from --lang, FERLO_LANG or the system).
    void chosenVoice_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("voice");
        QTest::newRow("the option first") << "fr"
                                          << "de"
                                          << "es_ES"
                                          << "fr-fr";
        QTest::newRow("then the deck") << QString() << "de"
                                       << "ar_EG"
                                       << "de";
        QTest::newRow("then the program's language") << QString() << QString() << "es_ES"
                                                     << "es";
        QTest::newRow("Arabic shown") << QString() << QString() << "ar_EG"
                                      << "ar";
        QTest::newRow("a deck language without a voice") << QString() << "xx"
                                                         << "fr_CA"
                                                         << "fr-fr";
        QTest::newRow("unknown everywhere: English") << "zz"
                                                     << "xx"
                                                     << "C"
                                                     << "en-gb";
    }
    void chosenVoice() {
        QFETCH(QString, chosen);
        QFETCH(QString, deck);
        QFETCH(QString, shown);
        QFETCH(QString, voice);
        const QLocale before;
        QLocale::setDefault(QLocale(shown));
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        QCOMPARE(chooseVoice(chosen, deck), voice);
    }

    // A word in a script the chosen, the deck's or the program's voice does not read goes to
    // a voice that reads it, the deck's first; one they read, or one of no script, stays.
    void voiceForTheWordsScript_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("voice");
        QTest::newRow("Arabic in an English deck") << "عصفور"
                                                   << ""
                                                   << "en"
                                                   << "C"
                                                   << "ar";
        QTest::newRow("Arabic in a Persian deck") << "عصفور"
                                                  << ""
                                                  << "fa"
                                                  << "C"
                                                  << "fa";
        QTest::newRow("Han in an English deck") << "猫"
                                                << ""
                                                << "en"
                                                << "C"
                                                << "cmn";
        // A letter beyond the basic plane is written as two halves that make one letter.
        QTest::newRow("Han beyond the basic plane") << "𠮷"
                                                    << ""
                                                    << "en"
                                                    << "C"
                                                    << "cmn";
        QTest::newRow("Han in a Japanese deck") << "猫"
                                                << ""
                                                << "ja"
                                                << "C"
                                                << "ja";
        QTest::newRow("Han, English chosen, Japanese deck") << "猫"
                                                            << "en"
                                                            << "ja"
                                                            << "C"
                                                            << "ja";
        QTest::newRow("Han in a Cantonese deck") << "猫"
                                                 << ""
                                                 << "yue"
                                                 << "C"
                                                 << "yue";
        QTest::newRow("kana") << "ねこ"
                              << ""
                              << "en"
                              << "C"
                              << "ja";
        QTest::newRow("Devanagari") << "नमस्ते"
                                    << ""
                                    << ""
                                    << "en_US"
                                    << "hi";
        QTest::newRow("Cyrillic") << "собака"
                                  << ""
                                  << "en"
                                  << "C"
                                  << "ru";
        QTest::newRow("Cyrillic in a Ukrainian deck") << "собака"
                                                      << ""
                                                      << "uk"
                                                      << "C"
                                                      << "uk";
        QTest::newRow("Greek") << "σκύλος"
                               << ""
                               << "de"
                               << "C"
                               << "el";
        QTest::newRow("Hebrew") << "כלב"
                                << ""
                                << "en"
                                << "C"
                                << "he";
        QTest::newRow("Thai") << "แมว"
                              << ""
                              << "en"
                              << "C"
                              << "th";
        QTest::newRow("Hangul") << "개"
                                << ""
                                << "en"
                                << "C"
                                << "ko";
        QTest::newRow("Latin in an Arabic deck") << "dog"
                                                 << ""
                                                 << "ar"
                                                 << "ar_EG"
                                                 << "en-gb";
        QTest::newRow("Latin in a German deck") << "Hund"
                                                << ""
                                                << "de"
                                                << "C"
                                                << "de";
        QTest::newRow("the chosen voice reads it") << "Hund"
                                                   << "fr"
                                                   << "de"
                                                   << "C"
                                                   << "fr-fr";
        QTest::newRow("digits only") << "42"
                                     << ""
                                     << "de"
                                     << "C"
                                     << "de";
        QTest::newRow("a leading digit") << "3ذئاب"
                                         << ""
                                         << "en"
                                         << "C"
                                         << "ar";
    }
    void voiceForTheWordsScript() {
        QFETCH(QString, word);
        QFETCH(QString, chosen);
        QFETCH(QString, deck);
        QFETCH(QString, shown);
        QFETCH(QString, voice);
        QCOMPARE(voiceForWord(word, chosen, deck, QLocale(shown)), voice);
    }

    // Spelled out letter by letter ("Arabic ain, Arabic sad, ...") an Arabic word takes several
    // times as long as read in the voice its script gets.
    void aWordInAnotherScriptIsReadNotSpelled_data() {
        QTest::addColumn<QString>("word");
        QTest::newRow("Arabic") << "عصفور";
        QTest::newRow("Greek") << "σκύλος";
        QTest::newRow("Cyrillic") << "собака";
    }
    void aWordInAnotherScriptIsReadNotSpelled() {
        QFETCH(QString, word);
        const auto spelled = speakWord(word, QStringLiteral("en-gb"), 175);
        const auto read =
            speakWord(word, voiceForWord(word, QString(), QStringLiteral("en"), QLocale::c()), 175);
        const double spelledSeconds = audibleSeconds(*spelled);
        const double readSeconds = audibleSeconds(*read);
        QVERIFY2(
            readSeconds > 0.1 && readSeconds < spelledSeconds * 0.6,
            qPrintable(
                QStringLiteral("%1 s read, %2 s spelled").arg(readSeconds).arg(spelledSeconds)));
    }

    // A word is spoken for a word's length, differently in two languages, and never for a voice
    // the engine lacks.
    void spokenWord() {
        const auto english = speakWord(QStringLiteral("elephant"), QStringLiteral("en-gb"), 175);
        const double englishSeconds = audibleSeconds(*english);
        QVERIFY2(englishSeconds > 0.25 && englishSeconds < 2.0,
                 qPrintable(QString::number(englishSeconds)));
        const auto slow = speakWord(QStringLiteral("elephant"), QStringLiteral("en-gb"), 80);
        QVERIFY(audibleSeconds(*slow) > englishSeconds * 1.3);
        const auto german = speakWord(QStringLiteral("elephant"), QStringLiteral("de"), 175);
        QVERIFY(german->frames() != english->frames());
        QVERIFY_THROWS_EXCEPTION(SoundError,
                                 speakWord(QStringLiteral("x"), QStringLiteral("no-such"), 175));
    }

    // The command line's files: a WAV that reads back as the word.
    void writtenWordReadsBack() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Hund.wav"));
        writeSpokenWord(path, QStringLiteral("Hund"), QStringLiteral("de"), 175);
        const auto source = openSoundFile(path);
        QCOMPARE(source->channels(), 1);
        const double seconds = audibleSeconds(*source);
        QVERIFY2(seconds > 0.15 && seconds < 2.0, qPrintable(QString::number(seconds)));
    }
};

QTEST_GUILESS_MAIN(TestSpeech)
#include "tst_speech.moc"
