#include "sound/WordRecorder.h"

#include "sound/SoundDecoder.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QCoreApplication>
#include <QMediaDevices>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ferlo {

namespace {
// Loudness that counts as sound, not room noise, as a fraction of full scale.
constexpr float kSoundThreshold = 0.02f;
} // namespace

std::vector<float> trimSilence(const std::vector<float>& samples, int rate, float threshold,
                               double margin) {
    const auto loud = [threshold](float v) {
        return std::abs(v) > threshold;
    };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end())
        return {};
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const qint64 keep = qint64(std::llround(margin * rate));
    const qint64 from = std::max<qint64>(0, (first - samples.begin()) - keep);
    const qint64 to = std::min<qint64>(qint64(samples.size()), (last - samples.begin()) + keep);
    return std::vector<float>(samples.begin() + from, samples.begin() + to);
}

WordRecorder::WordRecorder(QObject* parent)
    : QObject(parent) {}

WordRecorder::~WordRecorder() {
    if (m_source)
        m_source->stop();
}

void WordRecorder::start() {
    stop();
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        throw SoundError(QCoreApplication::translate(
            "Sound", "No sound input (a microphone) was found: nothing can be "
                     "recorded."));
    m_format.setSampleRate(std::clamp(device.preferredFormat().sampleRate(), 8000, 48000));
    m_format.setChannelCount(1);
    m_format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(m_format))
        m_format.setSampleRate(48000);
    m_samples.clear();
    m_silentFrames = 0;
    m_source = std::make_unique<QAudioSource>(device, m_format);
    m_input = m_source->start();
    if (!m_input) {
        m_source.reset();
        throw SoundError(QCoreApplication::translate(
                             "Sound", "The sound input \"%1\" can't be opened: nothing can be "
                                      "recorded.")
                             .arg(device.description()));
    }
    connect(m_input, &QIODevice::readyRead, this, &WordRecorder::read);
}

void WordRecorder::read() {
    if (m_input && consume(m_input->readAll()))
        finish();
}

bool WordRecorder::consume(const QByteArray& bytes) {
    const auto* values = reinterpret_cast<const qint16*>(bytes.constData());
    const qsizetype count = bytes.size() / 2;
    float peak = 0;
    for (qsizetype i = 0; i < count; ++i) {
        const float v = float(values[i]) / 32768.0f;
        m_samples.push_back(v);
        peak = std::max(peak, std::abs(v));
        m_silentFrames = std::abs(v) > kSoundThreshold ? 0 : m_silentFrames + 1;
    }
    emit level(double(peak));
    const int rate = m_format.sampleRate();
    return double(m_samples.size()) >= kMaxSeconds * rate ||
           double(m_silentFrames) >= kSilenceSeconds * rate;
}

void WordRecorder::stop() {
    if (m_source)
        finish();
}

void WordRecorder::finish() {
    if (!m_source)
        return;
    if (QIODevice* input = std::exchange(m_input, nullptr)) {
        disconnect(input, nullptr, this, nullptr);
        consume(input->readAll());
    }
    m_source->stop();
    m_source.reset();
    emit finished(trimSilence(m_samples, m_format.sampleRate(), kSoundThreshold),
                  m_format.sampleRate());
    m_samples.clear();
}

} // namespace ferlo
