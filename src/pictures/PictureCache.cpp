#include "pictures/PictureCache.h"

#include <QCache>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <optional>

namespace ferlo {

namespace {

// A kept decode and the version of the file it was made from.
struct Entry {
    PictureStamp stamp;
    DecodedPicture picture;
};

// A decode serves a wish when it is full size or at least as large as wanted either way.
bool serves(const DecodedPicture& picture, const QSize& wanted) {
    if (picture.image.size() == picture.ownSize)
        return true;
    return wanted.isValid() && !wanted.isEmpty() && picture.image.width() >= wanted.width() &&
           picture.image.height() >= wanted.height();
}

} // namespace

struct PictureCache::Private {
    explicit Private(qint64 maxBytes)
        : entries(maxBytes) {}
    std::atomic<qint64> decodes{0};
    // QCache is not thread-safe: every use of entries, lookups included (they reorder it), holds
    // the mutex. Keyed by path; an entry counts only while its stamp is the file's.
    mutable QMutex mutex;
    QCache<QString, Entry> entries;
};

PictureCache& PictureCache::shared() {
    static PictureCache cache;
    return cache;
}

PictureCache::PictureCache(qint64 maxBytes)
    : d(std::make_unique<Private>(maxBytes)) {}

PictureCache::~PictureCache() = default;

DecodedPicture PictureCache::load(const QString& path, const WantedSize& wanted) {
    // The stamp is taken before decoding: should the file change while it is decoded, the entry
    // carries the older stamp and the next load decodes again.
    PictureStamp stamp;
    try {
        stamp = pictureStamp(path);
    } catch (...) {
        QMutexLocker lock(&d->mutex);
        d->entries.remove(path);
        throw;
    }

    const std::optional<DecodedPicture> cached = kept(path, stamp);
    // wanted is the caller's code: it runs outside the lock.
    if (cached && serves(*cached, wanted ? wanted(cached->ownSize) : QSize()))
        return *cached;

    // Decoding happens outside the lock, so that other pictures load at the same time.
    ++d->decodes;
    DecodedPicture picture = loadPicture(path, wanted);

    const qsizetype cost = picture.image.sizeInBytes();
    QMutexLocker lock(&d->mutex);
    // A decode larger than the whole bound is returned but not kept; QCache would drop the
    // path's entry too.
    if (cost > d->entries.maxCost())
        return picture;
    // Another thread may have stored the same file meanwhile: keep the larger decode.
    if (const Entry* other = d->entries.object(path);
        other && other->stamp == stamp && other->picture.image.width() >= picture.image.width() &&
        other->picture.image.height() >= picture.image.height())
        return picture;
    // Removed first, so that the entry being replaced does not count when room is made.
    d->entries.remove(path);
    d->entries.insert(path, new Entry{stamp, picture}, cost);
    return picture;
}

std::optional<DecodedPicture> PictureCache::kept(const QString& path, const PictureStamp& stamp) {
    QMutexLocker lock(&d->mutex);
    if (const Entry* entry = d->entries.object(path)) { // now the most recently used
        if (entry->stamp == stamp)
            return entry->picture;
        d->entries.remove(path);
    }
    return std::nullopt;
}

std::optional<DecodedPicture> PictureCache::find(const QString& path, const WantedSize& wanted) {
    std::optional<DecodedPicture> cached;
    try {
        cached = kept(path, pictureStamp(path));
    } catch (...) {
        return std::nullopt; // load tells what is wrong with the file
    }
    if (cached && serves(*cached, wanted ? wanted(cached->ownSize) : QSize()))
        return cached;
    return std::nullopt;
}

void PictureCache::clear() {
    QMutexLocker lock(&d->mutex);
    d->entries.clear();
}

qint64 PictureCache::decodeCount() const {
    return d->decodes;
}

qint64 PictureCache::totalBytes() const {
    QMutexLocker lock(&d->mutex);
    return d->entries.totalCost();
}

} // namespace ferlo
