// TIFF through libtiff where Qt's reader would hold the whole picture: an opaque TIFF shown
// smaller than it is has its rows scaled as they arrive, band by band (a strip or a row of
// tiles at a time), so that only the shown size is kept. Every other TIFF (with alpha, shown at
// full size, or one libtiff cannot read band by band) goes through Qt's reader as before, which
// also words the message of a damaged file.

#include "pictures/FormatDecoder.h"

#include "pictures/ExifPreview.h"
#include "pictures/PictureFile.h"
#include "pictures/QtPictureReader.h"
#include "pictures/RowScaler.h"

#include <QScopeGuard>

#include <tiffio.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

namespace ferlo::pictures {

namespace {

// The most one band (a strip, or a row of tiles) may take as 32-bit pixels; a file stored in
// larger bands is read by Qt's reader.
constexpr qint64 kMaxBandBytes = 32 * kMegabyte;
// How many directories are looked through for a reduced copy.
constexpr int kMaxDirectories = 8;
// The most of the file's start that is read for an EXIF-style thumbnail (libexif reads a block of
// 64 KB at most).
constexpr qint64 kExifHead = 64 * 1024;

// libtiff's errors and warnings go nowhere: a file it cannot read band by band goes to Qt's
// reader, which says why.
int quiet(TIFF*, void*, const char*, const char*, va_list) {
    return 1;
}

struct TiffClose {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using Tiff = std::unique_ptr<TIFF, TiffClose>;

Tiff openTiff(const QString& path) {
    int fd = -1;
    try {
        PictureFile file(path);
        fd = file.release();
    } catch (...) {
        return {};
    }
    TIFFOpenOptions* options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(options, tmsize_t(kMaxImageBytes));
    TIFFOpenOptionsSetErrorHandlerExtR(options, quiet, nullptr);
    TIFFOpenOptionsSetWarningHandlerExtR(options, quiet, nullptr);
    // 'm': no memory mapping, so that a file cut short while it is read cannot fault.
    TIFF* tiff = TIFFFdOpenExt(fd, "picture", "rm", options);
    TIFFOpenOptionsFree(options);
    if (!tiff)
        ::close(fd);
    return Tiff(tiff);
}

// The current directory's size as stored, bounded like every picture; empty when out of bounds.
QSize storedSize(TIFF* tiff) {
    uint32_t width = 0, height = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    if (width == 0 || height == 0 || width > 1u << 30 || height > 1u << 30 ||
        qint64(width) * height > kMaxImageBytes / 4)
        return {};
    return QSize(int(width), int(height));
}

int orientationOf(TIFF* tiff) {
    uint16_t orientation = ORIENTATION_TOPLEFT;
    TIFFGetFieldDefaulted(tiff, TIFFTAG_ORIENTATION, &orientation);
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

void applyProfile(TIFF* tiff, QImage& image) {
    uint32_t length = 0;
    const void* profile = nullptr;
    if (TIFFGetField(tiff, TIFFTAG_ICCPROFILE, &length, &profile) && profile && length > 0 &&
        length <= 16 * kMegabyte)
        convertToSRgb(image, QByteArray(static_cast<const char*>(profile), qsizetype(length)));
}

// The current directory's pixels, opaque, band by band in the order they are stored (the
// orientation tag is left to the caller): each row goes to `row` as 32-bit QRgb values. False
// when the directory has alpha, bands too large, or libtiff fails.
template <typename Row> bool readRows(TIFF* tiff, QSize size, const Row& row) {
    char message[1024] = {};
    if (!TIFFRGBAImageOK(tiff, message))
        return false;
    uint16_t extra = 0;
    const uint16_t* kinds = nullptr;
    if (TIFFGetField(tiff, TIFFTAG_EXTRASAMPLES, &extra, &kinds) && extra > 0)
        return false;
    TIFFRGBAImage image{};
    if (!TIFFRGBAImageBegin(&image, tiff, 1, message)) // stop at the first damaged band
        return false;
    const auto end = qScopeGuard([&] { TIFFRGBAImageEnd(&image); });
    if (image.alpha != 0 || int(image.width) != size.width() || int(image.height) != size.height())
        return false;
    // Rows as stored, top to bottom.
    image.req_orientation = ORIENTATION_TOPLEFT;
    image.orientation = ORIENTATION_TOPLEFT;
    uint32_t band = 0;
    if (TIFFIsTiled(tiff))
        TIFFGetField(tiff, TIFFTAG_TILELENGTH, &band);
    else
        TIFFGetFieldDefaulted(tiff, TIFFTAG_ROWSPERSTRIP, &band);
    band = std::clamp<uint32_t>(band, 1, uint32_t(size.height()));
    if (qint64(band) * size.width() * 4 > kMaxBandBytes)
        return false;
    std::vector<uint32_t> pixels(size_t(band) * size_t(size.width()));
    for (int top = 0; top < size.height(); top += int(band)) {
        const int rows = std::min(int(band), size.height() - top);
        image.row_offset = top;
        image.col_offset = 0;
        if (!TIFFRGBAImageGet(&image, pixels.data(), uint32_t(size.width()), uint32_t(rows)))
            return false;
        for (int y = 0; y < rows; ++y) {
            uint32_t* line = pixels.data() + size_t(y) * size_t(size.width());
            // libtiff packs red in the lowest byte, QRgb blue.
            for (int x = 0; x < size.width(); ++x) {
                const uint32_t abgr = line[x];
                line[x] = (abgr & 0xff00ff00u) | ((abgr & 0xffu) << 16) | ((abgr >> 16) & 0xffu);
            }
            row(reinterpret_cast<const uchar*>(line));
        }
    }
    return true;
}

// The largest directory after the first marked as a reduced copy of it, of its shape and small
// enough to be quick, read whole; a null image for none. Leaves the first directory current.
QImage reducedCopy(TIFF* tiff, QSize stored) {
    QImage best;
    for (tdir_t dir = 1; dir < kMaxDirectories && TIFFSetDirectory(tiff, dir); ++dir) {
        uint32_t kind = 0;
        TIFFGetField(tiff, TIFFTAG_SUBFILETYPE, &kind);
        const QSize size = storedSize(tiff);
        if (!(kind & FILETYPE_REDUCEDIMAGE) || size.isEmpty() ||
            qint64(size.width()) * size.height() > kPreviewFromPixels / 4 ||
            !sameShape(size, stored) || size.width() <= best.width())
            continue;
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull())
            continue;
        int y = 0;
        if (readRows(tiff, size, [&](const uchar* line) {
                std::memcpy(image.scanLine(y++), line, size_t(size.width()) * 4);
            }))
            best = image;
    }
    TIFFSetDirectory(tiff, 0);
    return best;
}

std::optional<DecodedPicture> loadTiffRows(const QString& path, const WantedSize& wanted) {
    const Tiff tiff = openTiff(path);
    if (!tiff)
        return std::nullopt;
    const QSize stored = storedSize(tiff.get());
    if (stored.isEmpty())
        return std::nullopt;
    const int orientation = orientationOf(tiff.get());
    const QSize own = orientedSize(stored, orientation);
    QSize want = wanted ? wanted(own) : QSize();
    if (!want.isValid() || want.isEmpty() || want.width() >= own.width() ||
        want.height() >= own.height())
        return std::nullopt;
    want = orientedSize(want, orientation); // to the stored axes
    RowScaler scaler(stored, want);
    if (scaler.isNull() ||
        !readRows(tiff.get(), stored, [&](const uchar* line) { scaler.addRow(line); }))
        return std::nullopt;
    QImage image = applyOrientation(scaler.result(), orientation);
    applyProfile(tiff.get(), image);
    return DecodedPicture{own, image};
}

DecodedPicture loadTiffPreview(const QString& path, const WantedSize& wanted) {
    const Tiff tiff = openTiff(path);
    if (!tiff)
        return {};
    const QSize stored = storedSize(tiff.get());
    if (stored.isEmpty() || qint64(stored.width()) * stored.height() <= kPreviewFromPixels)
        return {};
    const int orientation = orientationOf(tiff.get());
    const QSize own = orientedSize(stored, orientation);
    const QSize shown = wanted ? wanted(own) : QSize();
    QImage preview = reducedCopy(tiff.get(), stored);
    if (preview.isNull()) {
        // A TIFF is itself an EXIF-style structure: its second directory may point to a JPEG.
        try {
            PictureFile file(path);
            QByteArray head(qsizetype(std::min<qint64>(kExifHead, file.status().st_size)),
                            Qt::Uninitialized);
            if (std::fread(head.data(), 1, size_t(head.size()), file.stream()) ==
                size_t(head.size()))
                preview = readExifThumbnail(head).image;
        } catch (...) {
        }
    }
    QImage image = fitPreview(preview, orientation, own, shown);
    if (!image.isNull())
        applyProfile(tiff.get(), image);
    return {own, image};
}

QSize readTiffSize(const QString& path) {
    return readQtPictureSize(path, QByteArrayLiteral("tiff"));
}

DecodedPicture loadTiff(const QString& path, const WantedSize& wanted) {
    if (std::optional<DecodedPicture> rows = loadTiffRows(path, wanted))
        return std::move(*rows);
    return loadQtPicture(path, QByteArrayLiteral("tiff"), wanted);
}

} // namespace

const FormatDecoder tiffDecoder{readTiffSize, loadTiffPreview, loadTiff};

} // namespace ferlo::pictures
