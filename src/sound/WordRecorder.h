#pragma once

#include <QAudioFormat>
#include <QObject>

#include <memory>
#include <vector>

class QAudioSource;
class QIODevice;

namespace ferlo {

// The samples between the first and the last one louder than `threshold` (of full scale), with
// `margin` seconds kept on either side; none when nothing is that loud.
std::vector<float> trimSilence(const std::vector<float>& samples, int rate, float threshold = 0.02f,
                               double margin = 0.05);

// Records one word from the default sound input, mono: it stops by itself after kMaxSeconds,
// or after kSilenceSeconds of silence once something was heard (or from the start, when nothing
// is), or when stop() is called; then finished() gives the samples, silence trimmed from both
// ends. level() reports the loudness while it records, for a meter.
class WordRecorder : public QObject {
    Q_OBJECT
public:
    static constexpr double kMaxSeconds = 10.0;
    static constexpr double kSilenceSeconds = 2.0;

    explicit WordRecorder(QObject* parent = nullptr);
    ~WordRecorder() override;

    // Starts recording. Throws SoundError "No sound input ..." when there is no input device or
    // it can't be opened.
    void start();
    void stop();
    bool isRecording() const { return m_source != nullptr; }
    int rate() const { return m_format.sampleRate(); }

signals:
    void level(double peak); // 0..1, every block read
    void finished(const std::vector<float>& samples, int rate);

private:
    void read();
    // Keeps the samples; true when recording is to stop.
    bool consume(const QByteArray& bytes);
    void finish();

    QAudioFormat m_format;
    std::unique_ptr<QAudioSource> m_source;
    QIODevice* m_input = nullptr;
    std::vector<float> m_samples;
    qint64 m_silentFrames = 0;
};

} // namespace ferlo
