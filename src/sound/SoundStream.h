#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace ferlo {

// Samples on their way from the thread that decodes them to the one that hands them to the
// output. The decoding side waits while more than `ahead` bytes are not yet taken, so a long
// file is never held whole; cancelling wakes it and makes every later push fail.
class SoundStream {
public:
    // `ahead` 0: the samples are not kept at all (there is no output to take them).
    explicit SoundStream(qint64 ahead)
        : m_ahead(ahead) {}

    // The decoding side: false when the stream was cancelled (stop decoding).
    bool push(QByteArray bytes);
    // No more samples will come.
    void finish();

    // The output side: up to `maxBytes` bytes, a multiple of `frameBytes`.
    QByteArray take(qint64 maxBytes, int frameBytes);
    // Every sample was pushed and taken.
    bool drained() const;
    bool finished() const;
    void cancel();
    bool cancelled() const;

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_room;
    std::deque<QByteArray> m_blocks;
    qsizetype m_offset = 0; // bytes of the first block already taken
    qint64 m_held = 0;
    qint64 m_ahead;
    bool m_finished = false;
    bool m_cancelled = false;
};

} // namespace ferlo
