#pragma once

// Helpers shared by the sound tests: writing wave files with the sound library and finding the
// project's test sound server.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QPair>
#include <QProcess>
#include <QString>
#include <QtGlobal>
#include <QtTest>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <vector>

namespace ferlo::test {

// The socket that scripts/start-sound-server makes the server listen on.
inline const char* kTestSoundServer = "unix:/tmp/ferlo-pulse/native";

// Points the sound library at the project's test server unless the environment names another.
// Must run before anything asks for audio devices.
inline void useTestSoundServer() {
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        qputenv("PULSE_SERVER", kTestSoundServer);
}

// True when a sound server answers at PULSE_SERVER.
inline bool soundServerAnswers() {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("info")});
    if (!pactl.waitForStarted(5000))
        return false;
    if (!pactl.waitForFinished(5000)) {
        pactl.kill();
        pactl.waitForFinished(1000);
        return false;
    }
    return pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

// Skips the test without the project's sound server, or fails under FERLO_REQUIRE_SERVICES=1.
#define FERLO_REQUIRE_SOUND_SERVER()                                                               \
    FERLO_REQUIRE_SERVICE(ferlo::test::soundServerAnswers(),                                       \
                          QStringLiteral("no sound server answers at %1 (run "                     \
                                         "scripts/start-sound-server)")                            \
                              .arg(qEnvironmentVariable("PULSE_SERVER")))

// Interleaved samples in -1..1: a sine of the given frequency, the same on every channel.
inline std::vector<float> sine(double seconds, int rate, int channels, double frequency,
                               double amplitude) {
    const qint64 frames = qint64(std::llround(seconds * rate));
    std::vector<float> samples(size_t(frames * channels));
    for (qint64 i = 0; i < frames; ++i) {
        const float v = float(amplitude * std::sin(2.0 * M_PI * frequency * double(i) / rate));
        for (int c = 0; c < channels; ++c)
            samples[size_t(i * channels + c)] = v;
    }
    return samples;
}

// Writes samples as a sound file of the given libsndfile format (SF_FORMAT_FLAC | ...).
inline void writeSound(const QString& path, const std::vector<float>& samples, int channels,
                       int rate, int format) {
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    info.channels = channels;
    info.samplerate = rate;
    info.format = format;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!file)
        throw std::runtime_error(std::string("can't write ") + path.toStdString() + ": " +
                                 sf_strerror(nullptr));
    sf_command(file, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const sf_count_t frames = sf_count_t(samples.size()) / channels;
    const sf_count_t written = sf_writef_float(file, samples.data(), frames);
    sf_close(file);
    if (written != frames)
        throw std::runtime_error("short write of " + path.toStdString());
}

// Writes samples as a WAV file with the given sample subtype (SF_FORMAT_PCM_16, ...).
inline void writeWave(const QString& path, const std::vector<float>& samples, int channels,
                      int rate, int subtype = SF_FORMAT_PCM_16) {
    writeSound(path, samples, channels, rate, SF_FORMAT_WAV | subtype);
}

inline constexpr int kRecordRate = 48000;
inline constexpr int kWindowMs = 20;

// Records the null sink's monitor as 16-bit mono samples.
class MonitorRecorder {
public:
    bool start() {
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start(QStringLiteral("parec"),
                        {QStringLiteral("-d"), QStringLiteral("ferlo_null.monitor"),
                         QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                         QStringLiteral("--rate=%1").arg(kRecordRate),
                         QStringLiteral("--latency-msec=10")});
        if (!m_process.waitForStarted(5000))
            return false;
        // Wait until the stream runs: the first samples arrive.
        return QTest::qWaitFor(
            [this] {
                m_data += m_process.readAllStandardOutput();
                return m_data.size() >= kRecordRate / 10 * 2;
            },
            5000);
    }
    // Drops what was recorded so far.
    void reset() {
        m_data += m_process.readAllStandardOutput();
        m_data.clear();
    }
    // Records until `milliseconds` more of sound have come from the monitor, keeping the event
    // loop (and so the player) running; gives up after ten times as long.
    void record(int milliseconds) {
        const qsizetype wanted = m_data.size() + qsizetype(kRecordRate) * milliseconds / 1000 * 2;
        const bool recorded = QTest::qWaitFor(
            [&] {
                m_data += m_process.readAllStandardOutput();
                return m_data.size() >= wanted;
            },
            std::max(5000, 10 * milliseconds));
        if (!recorded)
            qWarning("the monitor gave less than %d ms of sound", milliseconds);
    }
    void stop() {
        m_data += m_process.readAllStandardOutput();
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    ~MonitorRecorder() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    // The loudest sample of each window of kWindowMs, as a fraction of full scale.
    QList<double> envelope() const {
        const auto* samples = reinterpret_cast<const qint16*>(m_data.constData());
        const qsizetype count = m_data.size() / 2;
        const qsizetype window = kRecordRate * kWindowMs / 1000;
        QList<double> peaks;
        for (qsizetype start = 0; start + window <= count; start += window) {
            int peak = 0;
            for (qsizetype i = start; i < start + window; ++i)
                peak = std::max(peak, std::abs(int(samples[i])));
            peaks.append(peak / 32768.0);
        }
        return peaks;
    }
    QString errors() { return QString::fromLocal8Bit(m_process.readAllStandardError()); }

private:
    QProcess m_process;
    QByteArray m_data;
};

// Runs of windows louder than the threshold, as (first window, length).
inline QList<QPair<int, int>> loudRuns(const QList<double>& envelope, double threshold) {
    QList<QPair<int, int>> runs;
    for (int i = 0; i < envelope.size(); ++i) {
        if (envelope[i] < threshold)
            continue;
        if (!runs.isEmpty() && runs.last().first + runs.last().second == i)
            ++runs.last().second;
        else
            runs.append({i, 1});
    }
    return runs;
}

} // namespace ferlo::test
