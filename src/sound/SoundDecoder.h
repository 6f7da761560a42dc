#pragma once

#include "storage/Errors.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace ferlo {

// A sound could not be opened or decoded: the message names the file and the cause.
class SoundError : public Error {
public:
    using Error::Error;
};

// Where samples come from: a sound file or a spoken word, as interleaved floats in -1..1.
class SoundSource {
public:
    virtual ~SoundSource() = default;
    virtual int rate() const = 0;
    virtual int channels() const = 0;
    // The frames it holds as far as it knows, -1 when it can't tell.
    virtual qint64 frames() const = 0;
    // Reads up to `count` frames into `out`; fewer, and then none, at the end.
    virtual qint64 read(float* out, qint64 count) = 0;
};

// Opens a sound file with libsndfile. Throws SoundError "The sound file "<path>" can't be opened:
// <cause>" when the library can't open it or it describes no sound.
std::unique_ptr<SoundSource> openSoundFile(const QString& fileName);

// Samples already in memory (a spoken word).
std::unique_ptr<SoundSource> memorySource(std::vector<float> samples, int rate, int channels);

// Turns a source into samples of a target format block by block: linear-interpolation
// resampling, one mono source to every channel, several to one by averaging, otherwise channel
// by channel with extra channels silent; 8-, 16-, 32-bit integers or floats.
class SoundConverter {
public:
    // Throws SoundError naming `name` when the format can't be written.
    SoundConverter(SoundSource& source, const QAudioFormat& target, const QString& name);
    ~SoundConverter();
    // The frames the result will hold as the source tells it, -1 when unknown.
    qint64 expectedFrames() const;
    // Appends up to `count` frames to `out`; returns the frames appended, 0 at the end.
    qint64 convert(QByteArray& out, qint64 count);

private:
    class Reader;
    std::unique_ptr<Reader> m_reader;
    QAudioFormat m_target;
    int m_bytes;
    double m_step;
    qint64 m_expected = -1;
    qint64 m_done = 0;
    std::vector<float> m_mixed;
};

// The largest sound decodeSoundFile holds in memory, in bytes.
inline constexpr qint64 kMaxDecodedBytes = 64LL * 1024 * 1024;

// Decodes a whole sound file into samples of the target format. Throws SoundError naming the
// file with the sound library's text when the file can't be opened, or when the samples would
// pass kMaxDecodedBytes (checked before anything is allocated). A file cut short gives what it
// holds.
QByteArray decodeSoundFile(const QString& fileName, const QAudioFormat& target);

// The format sounds are decoded to when there is no output device to ask: 48 kHz stereo 16-bit.
QAudioFormat fallbackOutputFormat();

// The format the output device takes: its preferred rate and channels, with 16-bit integer
// samples unless it prefers floating point. Invalid for a null device.
QAudioFormat outputFormatFor(const QAudioDevice& device);

// The message of a sound file that can't be opened.
QString soundOpenFailure(const QString& fileName, const QString& cause);

} // namespace ferlo
