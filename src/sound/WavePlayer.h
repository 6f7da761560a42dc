#pragma once

#include "sound/SoundDecoder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class QAudioSink;
class QBuffer;

namespace ferlo {

// The wave player: set the file name, open (closes what was open, stopping a sound still playing;
// on failure throws SoundError with the sound library's text and is then closed), play (from the
// beginning, returns at once, the sound goes on in the background; a failure to start is not
// reported).
//
// Open decodes the whole file into memory in the form the default output device takes, so play
// only has to hand a buffer to the device. Without an output device open still checks and decodes
// the file, and play does nothing.
class WavePlayer : public QObject {
    Q_OBJECT
public:
    explicit WavePlayer(QObject* parent = nullptr);
    ~WavePlayer() override;

    void setFileName(const QString& fileName);
    QString fileName() const;
    void open();
    void play();
    void close();
    bool isOpen() const;
    bool isPlaying() const;

    // What open decoded, for tests and diagnostics: the output format (invalid when there is no
    // output device) and the number of sample frames in it.
    QAudioFormat outputFormat() const { return m_format; }
    qint64 decodedFrames() const;

    // The largest decoded sound open accepts, in bytes.
    static constexpr qint64 kMaxDecodedBytes = ferlo::kMaxDecodedBytes;

private:
    void stopSink();

    QString m_fileName;
    bool m_open = false;
    QAudioDevice m_device;
    QAudioFormat m_format;
    QByteArray m_samples;
    // The buffer must outlive the sink that reads it: the sink is always destroyed first.
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace ferlo
