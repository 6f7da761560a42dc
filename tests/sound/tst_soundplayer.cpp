// The window's player: sounds are opened on its worker thread, so a broken or hostile file is
// reported by a signal that names it, or plays what it holds, and never stops the program; a
// sound replaced before it was opened reports nothing.
#include "sound/SoundPlayer.h"
#include "support/TestSupport.h"
#include "support_waveplayer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using ferlo::SoundPlayer;
using ferlo::test::readFile;
using ferlo::test::sine;
using ferlo::test::writeFile;
using ferlo::test::writeWave;

namespace {

// A WAV header whose data chunk claims 2 GB, followed by a few real samples.
QByteArray hugeHeaderWave() {
    QByteArray bytes("RIFF\xff\xff\xff\x7fWAVEfmt ", 16);
    const char fmt[] = {16, 0, 0,          0,    1, 0, 1, 0, 0x44, (char)0xac,
                        0,  0, (char)0x88, 0x58, 1, 0, 2, 0, 16,   0};
    bytes.append(fmt, sizeof fmt);
    bytes.append("data\xf0\xff\xff\x7f", 8);
    bytes.append(QByteArray(2000, '\x10'));
    return bytes;
}

} // namespace

class TestSoundPlayer : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase() {
        ferlo::test::useTestSoundServer();
        QVERIFY(m_dir.isValid());
    }

    void faultsAreReportedOrPlayed_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes"); // the file, unless cut from a real one
        QTest::addColumn<int>("cutFormat");    // a real file of this format, cut
        QTest::addColumn<int>("cutAt");        // its first bytes kept; -1: half
        QTest::addColumn<bool>("fails");
        const int flac = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
        const int mp3 = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
        const int ogg = SF_FORMAT_OGG | SF_FORMAT_VORBIS;
        QTest::newRow("text named .wav") << "text.wav" << QByteArray("no sound") << 0 << 0 << true;
        QTest::newRow("zero-length WAV") << "empty.wav" << QByteArray() << 0 << 0 << true;
        QTest::newRow("2 GB in the header") << "huge.wav" << hugeHeaderWave() << 0 << 0 << false;
        QTest::newRow("FLAC cut in the middle")
            << "cut.flac" << QByteArray() << flac << -1 << false;
        QTest::newRow("FLAC header only: no samples")
            << "head.flac" << QByteArray() << flac << 42 << false;
        QTest::newRow("MP3 cut in the middle") << "cut.mp3" << QByteArray() << mp3 << -1 << false;
        QTest::newRow("Ogg cut in its first page")
            << "cut.ogg" << QByteArray() << ogg << 200 << true;
    }
    void faultsAreReportedOrPlayed() {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(int, cutFormat);
        QFETCH(int, cutAt);
        QFETCH(bool, fails);
        const QString path = m_dir.filePath(name);
        if (cutFormat != 0) {
            const QString whole = m_dir.filePath("whole-" + name);
            ferlo::test::writeSound(whole, sine(2.0, 44100, 1, 440.0, 0.5), 1, 44100, cutFormat);
            bytes = readFile(whole);
            bytes.truncate(cutAt < 0 ? bytes.size() / 2 : cutAt);
        }
        writeFile(path, bytes);

        SoundPlayer player;
        QSignalSpy failures(&player, &SoundPlayer::failed);
        player.playFile(path);
        // Never a freeze: it either fails or runs to its end.
        QTRY_VERIFY_WITH_TIMEOUT(!failures.isEmpty() || !player.isPlaying(), 10000);
        QCOMPARE(!failures.isEmpty(), fails);
        if (fails) {
            QVERIFY2(failures.first().first().toString().contains(path),
                     qPrintable(failures.first().first().toString()));
            QVERIFY(!player.isOpen());
        }
    }

    // Clicks in quick succession: a failure of an earlier sound (reported only when it failed
    // before the next click) never stops or closes the later one, and the last click plays.
    void lastOfQuickClicksPlays() {
        const QString broken = m_dir.filePath("broken.wav");
        writeFile(broken, "not a sound");
        const QString good = m_dir.filePath("good.wav");
        writeWave(good, sine(0.2, 22050, 1, 440.0, 0.5), 1, 22050);
        SoundPlayer player;
        QSignalSpy failures(&player, &SoundPlayer::failed);
        QSignalSpy started(&player, &SoundPlayer::started);
        for (int i = 0; i < 20; ++i) {
            player.playFile(broken);
            player.playFile(good);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 10000);
        QVERIFY(failures.size() <= 20);
        for (const auto& failure : failures)
            QVERIFY(failure.value(0).toString().contains(broken));
        QCOMPARE(player.fileName(), good);
        QVERIFY(player.isOpen());
        if (player.outputFormat().isValid())
            QVERIFY(!started.isEmpty());
    }
};

QTEST_MAIN(TestSoundPlayer)
#include "tst_soundplayer.moc"
