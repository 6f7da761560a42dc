#include "sound/SoundPlayer.h"

#include "sound/SoundStream.h"
#include "sound/Speech.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <QThread>
#include <QTimer>

#include <atomic>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace ferlo {

namespace {

// The output's own buffer: enough that a briefly busy user-interface thread does not starve it.
constexpr qint64 kOutputBufferUs = 250000;
// How far decoding runs ahead of the output.
constexpr qint64 kAheadUs = 2000000;
// Frames converted at a time; the first block is small so that the sound starts soon.
constexpr qint64 kFirstBlockFrames = 2048;
constexpr qint64 kBlockFrames = 16384;

struct Job {
    quint64 generation = 0;
    std::shared_ptr<SoundStream> stream;
    SoundMaker make;
    QAudioFormat format;
    QString name;
    std::function<void()> firstBlock; // the first samples are ready
};

} // namespace

// The output, on a thread of its own: opening and closing a stream of the sound server waits
// for the server (from a few to 60 ms on a busy machine), which the user-interface thread must
// not. It hands the stream's samples to a QAudioSink in push mode, at once when the first block
// is ready and then every 10 ms as the sink has room.
class Output : public QObject {
public:
    explicit Output(std::function<void(quint64)> started)
        : m_started(std::move(started))
        , m_feeder(this) { // a child, so that it moves to the output thread too
        m_feeder.setInterval(10);
        QObject::connect(&m_feeder, &QTimer::timeout, this, [this] { feed(); });
    }

    // Closes what plays and opens the output for a new stream.
    void begin(const std::shared_ptr<SoundStream>& stream, const QAudioDevice& device,
               const QAudioFormat& format, quint64 generation) {
        end();
        m_stream = stream;
        m_generation = generation;
        m_format = format;
        m_handedOn = false;
        m_tailLeft = -1;
        if (stream->cancelled())
            return; // already replaced: don't open the server's stream for nothing
        m_sink = std::make_unique<QAudioSink>(device, format);
        m_sink->setBufferSize(qsizetype(format.bytesForDuration(kOutputBufferUs)));
        m_output = m_sink->start();
        if (!m_output)
            m_sink.reset(); // a failure to start is not reported
        playing = true;
        m_feeder.start();
        feed();
    }

    void end() {
        m_feeder.stop();
        m_stream.reset();
        m_output = nullptr;
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        playing = false;
    }

    void feed() {
        if (!m_stream)
            return;
        if (m_sink && m_output) {
            const int frameBytes = m_format.bytesPerFrame();
            const QByteArray bytes = m_stream->take(m_sink->bytesFree(), frameBytes);
            if (!bytes.isEmpty()) {
                m_output->write(bytes);
                if (!m_handedOn) {
                    m_handedOn = true;
                    m_started(m_generation);
                }
            } else if (m_stream->drained() && m_tailLeft != 0) {
                // The server starts a stream only once its buffer is full: silence after the end
                // lets a short sound be heard whole.
                if (m_tailLeft < 0)
                    m_tailLeft = m_format.bytesForDuration(kOutputBufferUs);
                qint64 n = std::min<qint64>(m_tailLeft, m_sink->bytesFree());
                n -= n % frameBytes;
                m_output->write(QByteArray(
                    qsizetype(n), m_format.sampleFormat() == QAudioFormat::UInt8 ? '\x80' : '\0'));
                m_tailLeft -= n;
            }
        }
        if (m_stream->cancelled() || (m_stream->drained() && (!m_output || m_tailLeft == 0))) {
            m_feeder.stop();
            // The silence after the end is still being heard; then the sink falls idle.
            playing = m_sink && m_output && !m_stream->cancelled() && m_tailLeft > 0;
        }
    }

    // Whether samples are being handed on or heard; read from the user-interface thread.
    std::atomic<bool> playing{false};

private:
    std::function<void(quint64)> m_started;
    quint64 m_generation = 0;
    QTimer m_feeder;
    std::shared_ptr<SoundStream> m_stream;
    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice* m_output = nullptr;
    bool m_handedOn = false;
    qint64 m_tailLeft = -1; // silence still to write after the end; -1 before the end
};

// One thread that opens and decodes the latest sound asked for. A job not yet begun when a newer
// one comes is dropped; the one being decoded stops at its next block (its stream is cancelled).
struct SoundPlayer::Worker {
    explicit Worker(SoundPlayer* player)
        : m_player(player)
        , m_thread([this] { run(); }) {}

    ~Worker() {
        {
            std::lock_guard lock(m_mutex);
            m_quit = true;
            if (m_pending)
                m_pending->stream->cancel();
        }
        m_wake.notify_all();
        m_thread.join();
    }

    void post(Job job) {
        {
            std::lock_guard lock(m_mutex);
            if (m_pending)
                m_pending->stream->cancel();
            m_pending = std::move(job);
        }
        m_wake.notify_all();
    }

private:
    void run() {
        // The speech engine and its voices load here, so that the first word a click speaks does
        // not wait for them on the user-interface thread.
        speechVoices();
        for (;;) {
            Job job;
            {
                std::unique_lock lock(m_mutex);
                m_wake.wait(lock, [&] { return m_quit || m_pending; });
                if (m_quit)
                    return;
                job = std::move(*m_pending);
                m_pending.reset();
            }
            decode(job);
        }
    }

    void decode(const Job& job) {
        if (job.stream->cancelled())
            return;
        QString failure;
        try {
            const std::unique_ptr<SoundSource> source = job.make();
            SoundConverter converter(*source, job.format, job.name);
            qint64 block = kFirstBlockFrames;
            bool first = true;
            for (;;) {
                QByteArray bytes;
                if (converter.convert(bytes, block) == 0 || !job.stream->push(std::move(bytes)))
                    break;
                if (first && job.firstBlock) // none without an output
                    job.firstBlock();
                first = false;
                block = kBlockFrames;
            }
        } catch (const SoundError& error) {
            failure = error.message();
        } catch (const std::exception& error) {
            failure = soundOpenFailure(job.name, QString::fromLocal8Bit(error.what()));
        }
        // A failed sound's stream stays open until the player has heard of the failure, so that it
        // never looks finished without its message.
        if (failure.isEmpty())
            job.stream->finish();
        else
            tellPlayer([generation = job.generation, failure](SoundPlayer* player) {
                player->fail(generation, failure);
            });
    }

    template <typename F> void tellPlayer(F f) {
        QMetaObject::invokeMethod(
            m_player, [player = m_player, f] { f(player); }, Qt::QueuedConnection);
    }

    SoundPlayer* m_player;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_pending;
    bool m_quit = false;
    std::thread m_thread; // last: starts when everything else is ready
};

SoundPlayer::SoundPlayer(QObject* parent)
    : QObject(parent)
    , m_worker(std::make_unique<Worker>(this))
    , m_outputThread(std::make_unique<QThread>()) {
    m_outputThread->setObjectName(QStringLiteral("sound output"));
    m_output = new Output([this](quint64 started) {
        // On the output thread: tell the player which sound started.
        QMetaObject::invokeMethod(
            this,
            [this, started] {
                if (started == m_generation)
                    emit this->started();
            },
            Qt::QueuedConnection);
    });
    m_output->moveToThread(m_outputThread.get());
    connect(m_outputThread.get(), &QThread::finished, m_output, &QObject::deleteLater);
    m_outputThread->start();
    // Asking for the device the first time talks to the server: once here, not on a click.
    m_device = QMediaDevices::defaultAudioOutput();
}

SoundPlayer::~SoundPlayer() {
    stop();
    m_worker.reset();
    QMetaObject::invokeMethod(
        m_output, [output = m_output] { output->end(); }, Qt::BlockingQueuedConnection);
    m_outputThread->quit();
    m_outputThread->wait();
}

void SoundPlayer::playFile(const QString& fileName) {
    start([fileName] { return openSoundFile(fileName); }, fileName);
    m_quiet = false;
    m_fileName = fileName;
    m_open = true;
    handOnFailure();
}

void SoundPlayer::playSource(SoundMaker make, const QString& name, Failure failure) {
    start(std::move(make), name);
    m_quiet = failure == Quiet;
    handOnFailure();
}

// A failure that arrives while the new sound is being set up waits until it stands, and one of
// an earlier sound is dropped.
void SoundPlayer::start(SoundMaker make, const QString& name) {
    ++m_generation;
    m_starting = true;
    m_failure.clear();
    stop();
    m_device = QMediaDevices::defaultAudioOutput();
    m_format = outputFormatFor(m_device);
    const bool heard = m_format.isValid();
    m_stream = std::make_shared<SoundStream>(heard ? m_format.bytesForDuration(kAheadUs) : 0);
    Output* output = m_output;
    std::function<void()> firstBlock;
    if (heard)
        firstBlock = [output] {
            QMetaObject::invokeMethod(
                output, [output] { output->feed(); }, Qt::QueuedConnection);
        };
    // The worker starts decoding while the output is being opened.
    m_worker->post(Job{m_generation, m_stream, std::move(make),
                       heard ? m_format : fallbackOutputFormat(), name, std::move(firstBlock)});
    if (heard) {
        output->playing = true;
        QMetaObject::invokeMethod(
            output,
            [output, stream = m_stream, device = m_device, format = m_format,
             generation = m_generation] { output->begin(stream, device, format, generation); },
            Qt::QueuedConnection);
    }
    m_starting = false;
}

void SoundPlayer::handOnFailure() {
    if (m_failure.isEmpty())
        return;
    const QString message = std::exchange(m_failure, QString());
    stop();
    if (m_quiet)
        return;
    m_open = false;
    emit failed(message);
}

void SoundPlayer::stop() {
    if (!m_stream)
        return;
    // The decoder stops at once; the output closes on its own thread.
    m_stream->cancel();
    m_stream.reset();
    Output* output = m_output;
    QMetaObject::invokeMethod(
        output, [output] { output->end(); }, Qt::QueuedConnection);
}

void SoundPlayer::fail(quint64 generation, const QString& message) {
    if (generation != m_generation)
        return; // a sound already replaced
    m_failure = message;
    if (!m_starting)
        handOnFailure();
}

bool SoundPlayer::isPlaying() const {
    if (m_stream && !m_stream->drained())
        return true;
    return m_stream && m_output->playing;
}

} // namespace ferlo
