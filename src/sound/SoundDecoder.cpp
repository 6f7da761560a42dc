#include "sound/SoundDecoder.h"

#include "storage/NativePath.h"

#include <QAudioDevice>
#include <QCoreApplication>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

// The loops that run once per sample are left out of a fuzzer's coverage guidance (clang's
// -fsanitize-coverage): a comparison per sample tells it nothing about the file, and their hooks
// took most of the sound harness's time. The sanitizers still check them.
#if defined(__clang__)
#define FERLO_PER_SAMPLE __attribute__((no_sanitize("coverage")))
#else
#define FERLO_PER_SAMPLE
#endif
// The small helpers of those loops are inlined even where the compiler would not (a fuzzer's -O1).
#define FERLO_PER_SAMPLE_INLINE FERLO_PER_SAMPLE inline __attribute__((always_inline))

namespace ferlo {

namespace {

struct SndFileCloser {
    void operator()(SNDFILE* file) const {
        if (file)
            sf_close(file);
    }
};
using SndFilePtr = std::unique_ptr<SNDFILE, SndFileCloser>;

class FileSource : public SoundSource {
public:
    FileSource(SndFilePtr file, const SF_INFO& info)
        : m_file(std::move(file))
        , m_info(info) {}
    int rate() const override { return m_info.samplerate; }
    int channels() const override { return m_info.channels; }
    qint64 frames() const override { return m_info.frames; }
    qint64 read(float* out, qint64 count) override {
        const sf_count_t got = sf_readf_float(m_file.get(), out, count);
        return got > 0 ? got : 0;
    }

private:
    SndFilePtr m_file;
    SF_INFO m_info;
};

class MemorySource : public SoundSource {
public:
    MemorySource(std::vector<float> samples, int rate, int channels)
        : m_samples(std::move(samples))
        , m_rate(rate)
        , m_channels(channels) {}
    int rate() const override { return m_rate; }
    int channels() const override { return m_channels; }
    qint64 frames() const override { return qint64(m_samples.size()) / m_channels; }
    qint64 read(float* out, qint64 count) override {
        const qint64 n = std::min(count, frames() - m_next);
        std::copy_n(m_samples.begin() + m_next * m_channels, n * m_channels, out);
        m_next += n;
        return n;
    }

private:
    std::vector<float> m_samples;
    int m_rate;
    int m_channels;
    qint64 m_next = 0;
};

// One mono source goes to every output channel; several sources are mixed down to one output
// channel; otherwise channel c takes source channel c, and further output channels are silent.
FERLO_PER_SAMPLE_INLINE float mappedSample(const float* frame, int inChannels, int outChannels,
                                           int c) {
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

// std::clamp to -1..1 (NaN stays NaN).
FERLO_PER_SAMPLE_INLINE float clampUnit(float value) {
    return value < -1.0f ? -1.0f : 1.0f < value ? 1.0f : value;
}

// A value in -1..1 as a whole number of steps of 1/scale, rounded half away from zero as
// std::lround does (a float plus one half is exact in double, or rounds to one half when the float
// is far below it); silence for NaN.
FERLO_PER_SAMPLE_INLINE int steps(float value, float scale) {
    if (value != value)
        return 0;
    const float scaled = clampUnit(value) * scale;
    return int(double(scaled) + (scaled < 0 ? -0.5 : 0.5)); // truncated toward zero
}

// One sample of the output format.
template <QAudioFormat::SampleFormat Format>
FERLO_PER_SAMPLE_INLINE void storeSample(char* out, float value) {
    if constexpr (Format == QAudioFormat::UInt8) {
        const quint8 v = quint8(steps(value, 127.0f) + 128);
        std::memcpy(out, &v, 1);
    } else if constexpr (Format == QAudioFormat::Int16) {
        const qint16 v = qint16(steps(value, 32767.0f));
        std::memcpy(out, &v, 2);
    } else if constexpr (Format == QAudioFormat::Int32) {
        const qint32 v = qint32(std::lround(double(clampUnit(value)) * 2147483647.0));
        std::memcpy(out, &v, 4);
    } else {
        value = clampUnit(value);
        std::memcpy(out, &value, 4);
    }
}

// One frame of the output format from the source channels, mapped.
using StoreFrame = void (*)(char* out, const float* frame, int inChannels, int outChannels);

template <QAudioFormat::SampleFormat Format>
FERLO_PER_SAMPLE void storeFrame(char* out, const float* frame, int inChannels, int outChannels) {
    constexpr int bytes = Format == QAudioFormat::UInt8 ? 1 : Format == QAudioFormat::Int16 ? 2 : 4;
    for (int c = 0; c < outChannels; ++c, out += bytes)
        storeSample<Format>(out, mappedSample(frame, inChannels, outChannels, c));
}

// The frame store of a sample format, one loop to a format: the per-sample work is most of a
// decode's time.
StoreFrame storeFrameFor(QAudioFormat::SampleFormat format) {
    switch (format) {
    case QAudioFormat::UInt8:
        return &storeFrame<QAudioFormat::UInt8>;
    case QAudioFormat::Int16:
        return &storeFrame<QAudioFormat::Int16>;
    case QAudioFormat::Int32:
        return &storeFrame<QAudioFormat::Int32>;
    default:
        return &storeFrame<QAudioFormat::Float>;
    }
}

} // namespace

QString soundOpenFailure(const QString& fileName, const QString& cause) {
    return QCoreApplication::translate("Sound", "The sound file \"%1\" can't be opened: %2")
        .arg(displayName(fileName), cause);
}

std::unique_ptr<SoundSource> openSoundFile(const QString& fileName) {
    if (fileName.isEmpty())
        throw SoundError(QCoreApplication::translate("Sound", "No sound file is named."));
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    const QByteArray encoded = encodePath(fileName);
    SndFilePtr file(sf_open(encoded.constData(), SFM_READ, &info));
    if (!file) {
        const char* text = sf_strerror(nullptr);
        throw SoundError(soundOpenFailure(
            fileName, (text && *text)
                          ? QString::fromLocal8Bit(text)
                          : QCoreApplication::translate("Sound", "Unknown error code")));
    }
    if (info.channels < 1 || info.channels > 1024 || info.samplerate < 1 || info.frames < 0)
        throw SoundError(soundOpenFailure(
            fileName, QCoreApplication::translate("Sound", "the file describes no sound")));
    return std::make_unique<FileSource>(std::move(file), info);
}

std::unique_ptr<SoundSource> memorySource(std::vector<float> samples, int rate, int channels) {
    return std::make_unique<MemorySource>(std::move(samples), rate, std::max(1, channels));
}

// Reads a source front to back in blocks, always keeping the frame before the block, so that
// neighbouring frames for interpolation are at hand without holding the whole sound.
class SoundConverter::Reader {
public:
    Reader(SoundSource& source)
        : m_source(source)
        , m_channels(source.channels())
        , m_blockFrames(std::max<qint64>(1, kBlockSamples / m_channels)) {}

    int channels() const { return m_channels; }

    // Frame n, or null when the source ends before it. Frames are asked for in rising order;
    // the pointer stays valid until a later frame is asked for.
    FERLO_PER_SAMPLE const float* frame(qint64 n) {
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
            // Small first reads, so that the first samples are at hand soon; the buffer grows
            // with them, so that a short sound never takes a whole block.
            const qint64 want = std::min(m_blockFrames, std::max<qint64>(1024, m_count * 4));
            const size_t needed = size_t(m_count + want) * size_t(m_channels);
            if (m_buffer.size() < needed)
                m_buffer.resize(needed);
            const qint64 got = m_source.read(m_buffer.data() + m_count * m_channels, want);
            if (got <= 0)
                m_ended = true;
            else
                m_count += got;
        }
        return m_buffer.data() + (n - m_start) * m_channels;
    }

private:
    static constexpr qint64 kBlockSamples = 65536;
    SoundSource& m_source;
    int m_channels;
    qint64 m_blockFrames;
    std::vector<float> m_buffer;
    qint64 m_start = 0;
    qint64 m_count = 0;
    bool m_ended = false;
};

SoundConverter::SoundConverter(SoundSource& source, const QAudioFormat& target, const QString& name)
    : m_target(target)
    , m_bytes(target.bytesPerSample()) {
    if (!target.isValid() || m_bytes == 0)
        throw SoundError(soundOpenFailure(
            name, QCoreApplication::translate("Sound", "the output format is not usable")));
    m_reader = std::make_unique<Reader>(source);
    m_step = double(source.rate()) / double(target.sampleRate());
    m_mixed.resize(size_t(source.channels()));
    const qint64 frames = source.frames();
    m_expected =
        frames < 0 ? -1
        : frames == 0
            ? 0
            : std::max<qint64>(1, std::llround(double(frames) * double(target.sampleRate()) /
                                               double(source.rate())));
}

SoundConverter::~SoundConverter() = default;

qint64 SoundConverter::expectedFrames() const {
    return m_expected;
}

FERLO_PER_SAMPLE qint64 SoundConverter::convert(QByteArray& out, qint64 count) {
    const int inChannels = m_reader->channels();
    const int outChannels = m_target.channelCount();
    const qint64 frameBytes = qint64(outChannels) * m_bytes;
    const StoreFrame store = storeFrameFor(m_target.sampleFormat());
    // No more room than the frames still to come, when the source tells them.
    if (m_expected >= 0)
        count = std::clamp<qint64>(m_expected - m_done, 0, count);
    const qsizetype start = out.size();
    out.resize(start + count * frameBytes);
    char* p = out.data() + start;
    // The two source frames the output lies between, fetched anew only when it passes one.
    qint64 fetched = -1;
    const float* a = nullptr;
    const float* b = nullptr;
    qint64 made = 0;
    for (; made < count; ++made) {
        if (m_expected >= 0 && m_done >= m_expected)
            break;
        // Linear interpolation between neighbouring frames of the source.
        const double position = double(m_done) * m_step;
        const qint64 left = qint64(position);
        const float weight = float(position - double(left));
        if (left != fetched) {
            // The later frame first: fetching it keeps the earlier one in the reader's block.
            b = m_reader->frame(left + 1);
            a = m_reader->frame(left);
            if (!a)
                break; // a file cut short plays what it holds
            if (!b)
                b = a;
            fetched = left;
        }
        for (int c = 0; c < inChannels; ++c)
            m_mixed[size_t(c)] = a[c] + (b[c] - a[c]) * weight;
        store(p, m_mixed.data(), inChannels, outChannels);
        p += frameBytes;
        ++m_done;
    }
    out.truncate(start + made * frameBytes);
    return made;
}

// The format sounds are decoded to when there is no output device to ask.
QAudioFormat fallbackOutputFormat() {
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

// The format the default output device takes: its preferred rate and channels, with 16-bit
// integer samples unless it prefers floating point. Invalid when there is no output device.
QAudioFormat outputFormatFor(const QAudioDevice& device) {
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
    const QAudioFormat fallback = fallbackOutputFormat();
    if (device.isFormatSupported(fallback))
        return fallback;
    return preferred.isValid() ? preferred : fallback;
}

static SoundError tooLong(const QString& fileName) {
    return SoundError(soundOpenFailure(
        fileName,
        QCoreApplication::translate("Sound", "the sound is too long (more than %1 MB of samples)")
            .arg(kMaxDecodedBytes / (1024 * 1024))));
}

QByteArray decodeSoundFile(const QString& fileName, const QAudioFormat& target) {
    const std::unique_ptr<SoundSource> source = openSoundFile(fileName);
    SoundConverter converter(*source, target, fileName);
    // Bound the memory before anything is allocated. Only the samples as played are held; the
    // file itself is read block by block. For WAV the frame count follows the real file size,
    // so a lying header can't make it allocate more.
    const double outFrames =
        double(source->frames()) * double(target.sampleRate()) / double(source->rate());
    if (outFrames * target.bytesPerFrame() > double(kMaxDecodedBytes))
        throw tooLong(fileName);
    QByteArray out;
    out.reserve(qsizetype(std::max<qint64>(0, converter.expectedFrames())) *
                target.bytesPerFrame());
    while (converter.convert(out, 65536) > 0) {
        if (out.size() > kMaxDecodedBytes) // a source that could not tell its length
            throw tooLong(fileName);
    }
    return out;
}

} // namespace ferlo
