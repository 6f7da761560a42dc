#pragma once

#include "pictures/PictureDecoder.h"

#include <QtGlobal>
#include <memory>
#include <optional>

namespace ferlo {

// Keeps decoded pictures for the screen so that re-fitting the card (orientation, labels on/off)
// does not decode unchanged files again. Thread-safe: several pictures may be loaded at once on
// worker threads. An entry is valid only while the file has the same path, size, modification
// time and inode; a changed file is decoded anew, a vanished or unreadable one fails like
// loadPicture. Bounded by a total cost in bytes (least recently used entries go first).
class PictureCache {
public:
    static PictureCache& shared();
    explicit PictureCache(qint64 maxBytes = 64 * 1024 * 1024);
    ~PictureCache();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // Like loadPicture, but a cached decode of the same unchanged file that is at least as large
    // as wanted(ownSize) (or is full size) is returned without decoding.
    // wanted is asked on every load that succeeds, hits included, so callers may take their
    // fitted size from it.
    DecodedPicture load(const QString& path, const WantedSize& wanted);
    // The kept decode of the unchanged file that load would return without decoding, if any;
    // nothing is decoded or kept (for small pictures that should not push big ones out).
    std::optional<DecodedPicture> find(const QString& path, const WantedSize& wanted);
    void clear();
    qint64 decodeCount() const; // how many real decodes happened (for tests and the benchmark)
    qint64 totalBytes() const;  // the pixels held now, in bytes

private:
    std::optional<DecodedPicture> kept(const QString& path, const PictureStamp& stamp);
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace ferlo
