// The speech options beside the print option: stored and read back, and a store that holds
// values of the wrong kind, or can't be read, gives the defaults without an error.
#include "storage/Registry.h"
#include "storage/SpeechOption.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;

class TestSpeechOption : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() {
        qputenv("FERLO_REGISTRY_DIR", m_dir.path().toLocal8Bit());
        QFile::remove(registryHivePath(HKEY_LOCAL_MACHINE));
    }

    void roundTrip_data() {
        QTest::addColumn<bool>("on");
        QTest::addColumn<QString>("voice");
        QTest::addColumn<int>("rate");
        QTest::newRow("off, a voice, slow") << false << "de" << 90;
        QTest::newRow("quotes and backslashes") << true << "a\"b\\c" << 300;
        QTest::newRow("automatic voice") << true << QString() << 175;
    }
    void roundTrip() {
        QFETCH(bool, on);
        QFETCH(QString, voice);
        QFETCH(int, rate);
        QCOMPARE(readSpeechOptions(), SpeechOptions{}); // nothing stored: the defaults
        saveSpeechOptions({on, voice, rate});
        QCOMPARE(readSpeechOptions(), (SpeechOptions{on, voice, rate}));
        saveSpeechOptions({on, voice, rate}); // once more over the stored values
        QCOMPARE(readSpeechOptions(), (SpeechOptions{on, voice, rate}));
    }

    void wrongKindsGiveDefaults() {
        QFile hive(registryHivePath(HKEY_LOCAL_MACHINE));
        QVERIFY(hive.open(QIODevice::WriteOnly));
        hive.write(
            "Windows Registry Editor Version 5.00\n\n[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n"
            "\"SpeechOn\"=\"yes\"\n\"SpeechRate\"=dword:00002000\n\"SpeechVoice\"=dword:1\n");
        hive.close();
        // A rate far out of range is brought into it; the others are the defaults.
        QCOMPARE(readSpeechOptions(), (SpeechOptions{true, QString(), 450}));
    }
};

QTEST_GUILESS_MAIN(TestSpeechOption)
#include "tst_speechoption.moc"
