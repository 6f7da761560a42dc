#pragma once

// Helpers shared by the sound tests: writing wave files with the sound library and finding the
// project's test sound server.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QtGlobal>

#include <sndfile.h>

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

// Writes samples as a WAV file with the given sample subtype (SF_FORMAT_PCM_16, ...).
inline void writeWave(const QString& path, const std::vector<float>& samples, int channels,
                      int rate, int subtype = SF_FORMAT_PCM_16) {
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    info.channels = channels;
    info.samplerate = rate;
    info.format = SF_FORMAT_WAV | subtype;
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

} // namespace ferlo::test
