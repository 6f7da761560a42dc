#include "sound/SoundStream.h"

#include <algorithm>

namespace ferlo {

bool SoundStream::push(QByteArray bytes) {
    std::unique_lock lock(m_mutex);
    if (m_ahead == 0)
        return !m_cancelled;
    m_room.wait(lock, [&] { return m_cancelled || m_held < m_ahead; });
    if (m_cancelled)
        return false;
    m_held += bytes.size();
    if (!bytes.isEmpty())
        m_blocks.push_back(std::move(bytes));
    return true;
}

void SoundStream::finish() {
    std::lock_guard lock(m_mutex);
    m_finished = true;
}

QByteArray SoundStream::take(qint64 maxBytes, int frameBytes) {
    std::lock_guard lock(m_mutex);
    maxBytes = std::min(maxBytes, m_held);
    if (frameBytes > 0)
        maxBytes -= maxBytes % frameBytes;
    QByteArray out;
    out.reserve(qsizetype(maxBytes));
    while (out.size() < maxBytes && !m_blocks.empty()) {
        const QByteArray& front = m_blocks.front();
        const qsizetype n = std::min<qsizetype>(front.size() - m_offset, maxBytes - out.size());
        out.append(front.constData() + m_offset, n);
        m_offset += n;
        if (m_offset == front.size()) {
            m_blocks.pop_front();
            m_offset = 0;
        }
    }
    m_held -= out.size();
    m_room.notify_all();
    return out;
}

bool SoundStream::drained() const {
    std::lock_guard lock(m_mutex);
    return m_finished && m_held == 0;
}

bool SoundStream::finished() const {
    std::lock_guard lock(m_mutex);
    return m_finished;
}

void SoundStream::cancel() {
    std::lock_guard lock(m_mutex);
    m_cancelled = true;
    m_blocks.clear();
    m_held = 0;
    m_offset = 0;
    m_room.notify_all();
}

bool SoundStream::cancelled() const {
    std::lock_guard lock(m_mutex);
    return m_cancelled;
}

} // namespace ferlo
