// End to end: the player's samples reach a real sound server. The test records the monitor
// of the null sink that scripts/start-sound-server sets up while the player plays.

#include "sound/SoundPlayer.h"
#include "support/TestSupport.h"
#include "support_waveplayer.h"

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cmath>

using ferlo::SoundPlayer;
using ferlo::test::kWindowMs;
using ferlo::test::loudRuns;
using ferlo::test::MonitorRecorder;

class TestSoundServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void playedSoundReachesServer();
    void secondPlayRestartsFromBeginning();
    void stopSilencesTheSound();
    void newSoundReplacesTheOneStreaming();

private:
    QTemporaryDir m_dir;
};

void TestSoundServer::initTestCase() {
    ferlo::test::useTestSoundServer();
    FERLO_REQUIRE_SOUND_SERVER();
    QVERIFY(m_dir.isValid());
    QVERIFY2(!QMediaDevices::defaultAudioOutput().isNull(),
             "the sound server runs, but Qt sees no output device");
}

// A loud sine reaches the null sink: the monitor is silent before play and loud after it.
void TestSoundServer::playedSoundReachesServer() {
    const QString path = m_dir.filePath(QStringLiteral("tone.wav"));
    ferlo::test::writeWave(path, ferlo::test::sine(1.0, 44100, 1, 440.0, 0.8), 1, 44100);

    MonitorRecorder recorder;
    QVERIFY2(recorder.start(), "parec does not record the null sink's monitor");
    recorder.record(200);
    const QList<double> before = recorder.envelope();
    QVERIFY(!before.isEmpty());
    QVERIFY2(*std::max_element(before.begin(), before.end()) < 0.05,
             "the null sink is not silent before the sound plays");
    recorder.reset();

    SoundPlayer player;
    player.playFile(path);
    QTRY_VERIFY_WITH_TIMEOUT(player.isPlaying(), 2000);
    recorder.record(900);
    recorder.stop();

    const QList<double> after = recorder.envelope();
    QVERIFY(!after.isEmpty());
    const double peak = *std::max_element(after.begin(), after.end());
    // 0.8 of full scale was played at the sink's full volume.
    QVERIFY2(peak > 0.5, qPrintable(QStringLiteral("the recording peaks at only %1").arg(peak)));
    // The sound lasts: a good part of the recording is loud, not one stray click.
    const auto runs = loudRuns(after, 0.4);
    QVERIFY(!runs.isEmpty());
    int longest = 0;
    for (const auto& run : runs)
        longest = std::max(longest, run.second);
    QVERIFY2(
        longest * kWindowMs >= 400,
        qPrintable(QStringLiteral("the longest loud stretch is %1 ms").arg(longest * kWindowMs)));
}

// A short burst then silence: a second play after the burst has ended brings the burst back.
void TestSoundServer::secondPlayRestartsFromBeginning() {
    std::vector<float> samples = ferlo::test::sine(0.3, 48000, 2, 660.0, 0.8);
    samples.resize(samples.size() + 2 * 48000 * 2, 0.0f); // then 2 s of silence
    const QString path = m_dir.filePath(QStringLiteral("burst.wav"));
    ferlo::test::writeWave(path, samples, 2, 48000);

    MonitorRecorder recorder;
    QVERIFY(recorder.start());
    recorder.reset();

    SoundPlayer player;
    player.playFile(path);
    recorder.record(900);
    QVERIFY2(player.isPlaying(), "the sound stopped before its silent tail ended");
    player.playFile(path);
    recorder.record(900);
    recorder.stop();

    const auto runs = loudRuns(recorder.envelope(), 0.4);
    QCOMPARE(runs.size(), 2);
    const int gapMs = (runs[1].first - runs[0].first) * kWindowMs;
    QVERIFY2(gapMs >= 600 && gapMs <= 1600,
             qPrintable(QStringLiteral("the bursts start %1 ms apart").arg(gapMs)));
}

// Stopping silences the sound that plays.
void TestSoundServer::stopSilencesTheSound() {
    const QString longTone = m_dir.filePath(QStringLiteral("long.wav"));
    ferlo::test::writeWave(longTone, ferlo::test::sine(3.0, 22050, 1, 330.0, 0.8), 1, 22050);

    MonitorRecorder recorder;
    QVERIFY(recorder.start());
    SoundPlayer player;
    player.playFile(longTone);
    recorder.record(500);
    player.stop();
    QVERIFY(!player.isPlaying());
    recorder.record(100); // what was already on its way may still arrive
    recorder.reset();
    recorder.record(600);
    recorder.stop();
    const QList<double> tail = recorder.envelope();
    QVERIFY(!tail.isEmpty());
    QVERIFY2(*std::max_element(tail.begin(), tail.end()) < 0.05,
             "the sound went on after it was stopped");
}

// The window's player streams a long file and a click on another picture replaces it: the first
// is heard at its own loudness, then only the second, never both at once.
void TestSoundServer::newSoundReplacesTheOneStreaming() {
    const QString quiet = m_dir.filePath(QStringLiteral("quiet-long.flac"));
    ferlo::test::writeSound(quiet, ferlo::test::sine(60.0, 44100, 2, 440.0, 0.3), 2, 44100,
                            SF_FORMAT_FLAC | SF_FORMAT_PCM_16);
    const QString loud = m_dir.filePath(QStringLiteral("loud.mp3"));
    ferlo::test::writeSound(loud, ferlo::test::sine(0.8, 44100, 1, 440.0, 0.7), 1, 44100,
                            SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);

    MonitorRecorder recorder;
    QVERIFY(recorder.start());
    recorder.reset();
    ferlo::SoundPlayer player;
    player.playFile(quiet);
    recorder.record(700);
    const QList<double> first = recorder.envelope();
    recorder.reset();
    player.playFile(loud);
    recorder.record(1500);
    recorder.stop();
    const QList<double> second = recorder.envelope();

    // The long file plays at 0.3 as it streams.
    const auto quietRuns = loudRuns(first, 0.2);
    QVERIFY2(!quietRuns.isEmpty() && quietRuns.last().second * kWindowMs >= 300,
             "the long file was not heard as it streamed");
    QVERIFY(*std::max_element(first.begin(), first.end()) < 0.45);
    // Then the second at 0.7, and never the two added up.
    const double peak = *std::max_element(second.begin(), second.end());
    QVERIFY2(peak > 0.5 && peak < 0.85,
             qPrintable(QStringLiteral("the second sound peaks at %1").arg(peak)));
    const auto runs = loudRuns(second, 0.5);
    QCOMPARE(runs.size(), 1);
    QVERIFY2(
        runs[0].second * kWindowMs >= 500,
        qPrintable(QStringLiteral("the second sound lasts %1 ms").arg(runs[0].second * kWindowMs)));
    // After its end, silence: the first does not come back.
    const QList<double> after = second.mid(runs[0].first + runs[0].second + 5);
    QVERIFY(!after.isEmpty());
    QVERIFY(*std::max_element(after.begin(), after.end()) < 0.05);
}

QTEST_MAIN(TestSoundServer)
#include "tst_soundserver.moc"
