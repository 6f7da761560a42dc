#include "sound/WavePlayer.h"

#include "storage/NativePath.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QtGlobal>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace ferlo {

namespace {

struct SndFileCloser {
    void operator()(SNDFILE* file) const {
        if (file)
            sf_close(file);
    }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

QString openFailure(const QString& fileName, const QString& cause) {
    return QStringLiteral("The sound file \"%1\" can't be opened: %2")
        .arg(displayName(fileName), cause);
}

int bytesPerSample(QAudioFormat::SampleFormat format) {
    switch (format) {
    case QAudioFormat::UInt8:
        return 1;
    case QAudioFormat::Int16:
        return 2;
    case QAudioFormat::Int32:
    case QAudioFormat::Float:
        return 4;
    default:
        return 0;
    }
}

// The format sounds are decoded to when there is no output device to ask.
QAudioFormat fallbackFormat() {
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The format the default output device takes: its preferred rate and channels, with 16-bit
// integer samples unless it prefers floating point. Invalid when there is no output device.
QAudioFormat deviceFormat(const QAudioDevice& device) {
    if (device.isNull())
        return QAudioFormat();
    const QAudioFormat preferred = device.preferredFormat();
    QAudioFormat format;
    format.setSampleRate(
        std::clamp(preferred.sampleRate() > 0 ? preferred.sampleRate() : 48000, 8000, 192000));
    format.setChannelCount(
        std::clamp(preferred.channelCount() > 0 ? preferred.channelCount() : 2, 1, 8));
    format.setSampleFormat(preferred.sampleFormat() == QAudioFormat::Float ? QAudioFormat::Float
                                                                           : QAudioFormat::Int16);
    if (device.isFormatSupported(format))
        return format;
    const QAudioFormat fallback = fallbackFormat();
    if (device.isFormatSupported(fallback))
        return fallback;
    return preferred.isValid() ? preferred : fallback;
}

// Reads a sound file front to back in blocks, always keeping the frame before the block, so
// that neighbouring frames for interpolation are at hand without holding the whole file.
class BlockReader {
public:
    BlockReader(SNDFILE* file, int channels)
        : m_file(file)
        , m_channels(channels)
        , m_blockFrames(std::max<qint64>(1, kBlockSamples / channels))
        , m_buffer(size_t(m_blockFrames + 1) * size_t(channels)) {}

    // Frame n, or null when the file ends before it. Frames are asked for in rising order;
    // the pointer stays valid until a later frame is asked for.
    const float* frame(qint64 n) {
        if (n < m_start)
            return nullptr;
        while (n >= m_start + m_count) {
            if (m_ended)
                return nullptr;
            if (m_count > 0) {
                std::copy_n(m_buffer.begin() + (m_count - 1) * m_channels, m_channels,
                            m_buffer.begin());
                m_start += m_count - 1;
                m_count = 1;
            }
            const sf_count_t got =
                sf_readf_float(m_file, m_buffer.data() + m_count * m_channels, m_blockFrames);
            if (got <= 0)
                m_ended = true;
            else
                m_count += got;
        }
        return m_buffer.data() + (n - m_start) * m_channels;
    }

private:
    static constexpr qint64 kBlockSamples = 65536;
    SNDFILE* m_file;
    int m_channels;
    qint64 m_blockFrames;
    std::vector<float> m_buffer;
    qint64 m_start = 0;
    qint64 m_count = 0;
    bool m_ended = false;
};

// One mono source goes to every output channel; several sources are mixed down to one output
// channel; otherwise channel c takes source channel c, and further output channels are silent.
float mappedSample(const float* frame, int inChannels, int outChannels, int c) {
    if (inChannels == 1)
        return frame[0];
    if (outChannels == 1) {
        float sum = 0;
        for (int k = 0; k < inChannels; ++k)
            sum += frame[k];
        return sum / float(inChannels);
    }
    return c < inChannels ? frame[c] : 0.0f;
}

void storeSample(char* out, QAudioFormat::SampleFormat format, float value) {
    value = std::clamp(value, -1.0f, 1.0f);
    switch (format) {
    case QAudioFormat::UInt8: {
        const quint8 v = quint8(std::lround(value * 127.0f) + 128);
        std::memcpy(out, &v, 1);
        break;
    }
    case QAudioFormat::Int16: {
        const qint16 v = qint16(std::lround(value * 32767.0f));
        std::memcpy(out, &v, 2);
        break;
    }
    case QAudioFormat::Int32: {
        const qint32 v = qint32(std::lround(double(value) * 2147483647.0));
        std::memcpy(out, &v, 4);
        break;
    }
    case QAudioFormat::Float:
        std::memcpy(out, &value, 4);
        break;
    default:
        break;
    }
}

} // namespace

QByteArray decodeSoundFile(const QString& fileName, const QAudioFormat& target) {
    if (fileName.isEmpty())
        throw SoundError(QStringLiteral("No sound file is named."));
    const int outBytes = bytesPerSample(target.sampleFormat());
    if (!target.isValid() || outBytes == 0)
        throw SoundError(openFailure(fileName, QStringLiteral("the output format is not usable")));

    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    const QByteArray encoded = encodePath(fileName);
    SndFilePtr file(sf_open(encoded.constData(), SFM_READ, &info));
    if (!file) {
        const char* text = sf_strerror(nullptr);
        throw SoundError(openFailure(fileName, (text && *text)
                                                   ? QString::fromLocal8Bit(text)
                                                   : QStringLiteral("Unknown error code")));
    }
    if (info.channels < 1 || info.samplerate < 1 || info.frames < 0)
        throw SoundError(openFailure(fileName, QStringLiteral("the file describes no sound")));

    // Bound the memory before anything is allocated. Only the samples as played are held; the
    // file itself is read block by block.
    const int inChannels = info.channels;
    const int inRate = info.samplerate;
    const int outRate = target.sampleRate();
    const int outChannels = target.channelCount();
    const qint64 inFrames = info.frames;
    const double outFramesExact = double(inFrames) * double(outRate) / double(inRate);
    if (outFramesExact * outChannels * outBytes > double(WavePlayer::kMaxDecodedBytes))
        throw SoundError(
            openFailure(fileName, QStringLiteral("the sound is too long (more than %1 MB of "
                                                 "samples)")
                                      .arg(WavePlayer::kMaxDecodedBytes / (1024 * 1024))));
    const qint64 outFrames = inFrames == 0 ? 0 : std::max<qint64>(1, std::llround(outFramesExact));

    QByteArray out;
    out.resize(outFrames * outChannels * outBytes);
    char* p = out.data();
    BlockReader reader(file.get(), inChannels);
    // Linear interpolation between neighbouring frames of the file.
    const double step = double(inRate) / double(outRate);
    std::vector<float> mixed(static_cast<size_t>(inChannels));
    qint64 done = 0;
    for (; done < outFrames; ++done) {
        const double position = double(done) * step;
        const qint64 left = qint64(position);
        const float weight = float(position - double(left));
        // The later frame first: fetching it keeps the earlier one in the reader's block.
        const float* b = reader.frame(left + 1);
        const float* a = reader.frame(left);
        if (!a)
            break; // a file cut short plays what it holds
        if (!b)
            b = a;
        for (int c = 0; c < inChannels; ++c)
            mixed[size_t(c)] = a[c] + (b[c] - a[c]) * weight;
        for (int c = 0; c < outChannels; ++c) {
            storeSample(p, target.sampleFormat(),
                        mappedSample(mixed.data(), inChannels, outChannels, c));
            p += outBytes;
        }
    }
    out.truncate(done * outChannels * outBytes);
    return out;
}

WavePlayer::WavePlayer(QObject* parent)
    : QObject(parent) {}

WavePlayer::~WavePlayer() {
    close();
}

void WavePlayer::setFileName(const QString& fileName) {
    m_fileName = fileName;
}

QString WavePlayer::fileName() const {
    return m_fileName;
}

void WavePlayer::open() {
    close();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = deviceFormat(device);
    // Decoded even without a device, so a broken file is reported the same way everywhere.
    QByteArray samples = decodeSoundFile(m_fileName, format.isValid() ? format : fallbackFormat());
    m_samples = std::move(samples);
    m_format = format;
    m_device = device;
    m_open = true;
}

void WavePlayer::play() {
    if (!m_open || m_device.isNull() || !m_format.isValid())
        return;
    stopSink();
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(m_samples);
    if (!m_buffer->open(QIODevice::ReadOnly))
        return;
    m_sink = std::make_unique<QAudioSink>(m_device, m_format);
    // Enough buffering that a busy user-interface thread does not starve the device.
    m_sink->setBufferSize(int(m_format.bytesForDuration(250000)));
    m_sink->start(m_buffer.get());
}

void WavePlayer::stopSink() {
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.reset();
}

void WavePlayer::close() {
    stopSink();
    m_samples.clear();
    m_samples.squeeze();
    m_format = QAudioFormat();
    m_device = QAudioDevice();
    m_open = false;
}

bool WavePlayer::isOpen() const {
    return m_open;
}

bool WavePlayer::isPlaying() const {
    return m_sink && m_sink->state() == QAudio::ActiveState;
}

qint64 WavePlayer::decodedFrames() const {
    const QAudioFormat format = m_format.isValid() ? m_format : fallbackFormat();
    const int frameBytes = format.bytesPerFrame();
    return frameBytes > 0 ? m_samples.size() / frameBytes : 0;
}

} // namespace ferlo
