#pragma once

#include "sound/SoundDecoder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QThread;

namespace ferlo {

class Output;
class SoundStream;

// Makes the source of a sound; runs on the player's worker thread and may throw SoundError.
using SoundMaker = std::function<std::unique_ptr<SoundSource>()>;

// The player of the window: a click hands it a sound and it returns at once. Opening and
// decoding run on one worker thread, which streams the samples, converted to the output's
// format, a little ahead of the output; the output runs on a thread of its own. A new sound
// stops the one before it (its samples are dropped, the output is closed) before it starts, so
// two never overlap, and every click starts its own sound. Without an output device sounds are
// still opened and decoded, so a broken file is reported the same way, and nothing is heard.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Plays a sound file; one that can't be opened is reported by failed().
    void playFile(const QString& fileName);
    // Plays what `make` gives (a spoken word); `name` names it in messages. A quiet sound that
    // fails ends without failed().
    enum Failure { Report, Quiet };
    void playSource(SoundMaker make, const QString& name, Failure failure = Report);
    void stop();

    // The last sound file asked for, and whether it has not failed to open since.
    QString fileName() const { return m_fileName; }
    bool isOpen() const { return m_open; }
    // Samples of the last sound are on their way or being heard.
    bool isPlaying() const;
    // The output format of the last sound; invalid without an output device.
    QAudioFormat outputFormat() const { return m_format; }

signals:
    // A sound could not be opened or made; the message names it and the cause.
    void failed(const QString& message);
    // The first samples of a sound were handed to the output.
    void started();

private:
    struct Worker;
    void start(SoundMaker make, const QString& name);
    void fail(quint64 generation, const QString& message);
    void handOnFailure();

    std::unique_ptr<Worker> m_worker;
    QString m_fileName;
    bool m_open = false;
    quint64 m_generation = 0;
    bool m_starting = false;
    bool m_quiet = false;
    QString m_failure; // of the current sound, not yet handed on
    QAudioDevice m_device;
    QAudioFormat m_format;
    std::shared_ptr<SoundStream> m_stream;
    std::unique_ptr<QThread> m_outputThread;
    Output* m_output = nullptr; // lives on the output thread
};

} // namespace ferlo
