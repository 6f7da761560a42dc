#include "PictureCache.h"

#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <optional>

namespace ferlo {

namespace {

struct Entry {
    PictureStamp stamp;
    DecodedPicture picture;
    quint64 lastUse = 0;
    qint64 cost() const { return picture.image.sizeInBytes(); }
    bool isFullSize() const { return picture.image.size() == picture.ownSize; }
    // Serves a wish when it is full size or at least as large as wanted either way.
    bool serves(const QSize& wanted) const {
        if (isFullSize())
            return true;
        if (!wanted.isValid() || wanted.isEmpty())
            return false;
        return picture.image.width() >= wanted.width() && picture.image.height() >= wanted.height();
    }
};

} // namespace

struct PictureCache::Private {
    qint64 maxBytes = 0;
    std::atomic<qint64> decodes{0};
    mutable QMutex mutex;
    QHash<QString, Entry> entries;
    qint64 totalBytes = 0;
    quint64 clock = 0;

    void remove(const QString& path) {
        const auto it = entries.constFind(path);
        if (it == entries.constEnd())
            return;
        totalBytes -= it->cost();
        entries.erase(it);
    }

    // Drops the least recently used entries until the total fits.
    void shrinkTo(qint64 limit) {
        while (totalBytes > limit && !entries.isEmpty()) {
            auto oldest = entries.begin();
            for (auto it = entries.begin(); it != entries.end(); ++it)
                if (it->lastUse < oldest->lastUse)
                    oldest = it;
            totalBytes -= oldest->cost();
            entries.erase(oldest);
        }
    }
};

PictureCache& PictureCache::shared() {
    static PictureCache cache;
    return cache;
}

PictureCache::PictureCache(qint64 maxBytes)
    : d(std::make_unique<Private>()) {
    d->maxBytes = maxBytes;
}

PictureCache::~PictureCache() = default;

DecodedPicture PictureCache::load(const QString& path, const WantedSize& wanted) {
    // The stamp is taken before decoding: should the file change while it is decoded, the entry
    // carries the older stamp and the next load decodes again.
    PictureStamp stamp;
    try {
        stamp = pictureStamp(path);
    } catch (...) {
        QMutexLocker lock(&d->mutex);
        d->remove(path);
        throw;
    }

    std::optional<Entry> cached;
    {
        QMutexLocker lock(&d->mutex);
        const auto it = d->entries.constFind(path);
        if (it != d->entries.constEnd()) {
            if (it->stamp == stamp)
                cached = *it;
            else
                d->remove(path);
        }
    }
    // wanted is the caller's code: it runs outside the lock.
    if (cached && cached->serves(wanted ? wanted(cached->picture.ownSize) : QSize())) {
        QMutexLocker lock(&d->mutex);
        const auto it = d->entries.find(path);
        if (it != d->entries.end() && it->stamp == stamp)
            it->lastUse = ++d->clock;
        return cached->picture;
    }

    // Decoding happens outside the lock, so that other pictures load at the same time.
    ++d->decodes;
    DecodedPicture picture = loadPicture(path, wanted);

    QMutexLocker lock(&d->mutex);
    Entry fresh{stamp, picture, ++d->clock};
    if (fresh.cost() > d->maxBytes)
        return picture;
    const auto it = d->entries.find(path);
    if (it != d->entries.end()) {
        // Another thread may have stored the same file meanwhile: keep the larger decode.
        if (it->stamp == stamp && it->picture.image.width() >= picture.image.width() &&
            it->picture.image.height() >= picture.image.height()) {
            it->lastUse = fresh.lastUse;
            return picture;
        }
        d->remove(path);
    }
    d->shrinkTo(d->maxBytes - fresh.cost());
    d->totalBytes += fresh.cost();
    d->entries.insert(path, std::move(fresh));
    return picture;
}

void PictureCache::clear() {
    QMutexLocker lock(&d->mutex);
    d->entries.clear();
    d->totalBytes = 0;
}

qint64 PictureCache::decodeCount() const {
    return d->decodes;
}

qint64 PictureCache::totalBytes() const {
    QMutexLocker lock(&d->mutex);
    return d->totalBytes;
}

} // namespace ferlo
