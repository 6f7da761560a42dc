#include "PictureCache.h"

#include <QMutex>
#include <atomic>

namespace ferlo {

struct PictureCache::Private {
    qint64 maxBytes = 0;
    std::atomic<qint64> decodes{0};
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
    ++d->decodes;
    return loadPicture(path, wanted);
}

void PictureCache::clear() {}

qint64 PictureCache::decodeCount() const {
    return d->decodes;
}

} // namespace ferlo
