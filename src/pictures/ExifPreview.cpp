#include "pictures/ExifPreview.h"

#include "pictures/PictureFile.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>

#include <libexif/exif-data.h>

namespace ferlo::pictures {

namespace {

// An EXIF block holds at most 64 KB in a JPEG; other containers may hold more, but no thumbnail
// needs more than this.
constexpr qsizetype kMaxExifBytes = 4 * kMegabyte;
// A thumbnail larger than this is no thumbnail: decoding it would take as long as the picture.
constexpr qint64 kMaxThumbnailPixels = 4'000'000;

const QByteArray kExifHeader("Exif\0\0", 6);

} // namespace

bool sameShape(QSize preview, QSize picture) {
    if (preview.isEmpty() || picture.isEmpty())
        return false;
    const qint64 skew = qAbs(qint64(preview.width()) * picture.height() -
                             qint64(preview.height()) * picture.width());
    return skew <= qint64(picture.width()) + picture.height() &&
           skew * 100 <= qint64(preview.height()) * picture.width();
}

ExifThumbnail readExifThumbnail(const QByteArray& block) {
    ExifThumbnail found;
    if (block.size() < 8 || block.size() > kMaxExifBytes)
        return found;
    const QByteArray exif = block.startsWith(kExifHeader) ? block : kExifHeader + block;
    found.orientation =
        exifOrientation(reinterpret_cast<const uchar*>(exif.constData()), exif.size());
    ExifData* data = exif_data_new();
    if (!data)
        return found;
    // Read the block as it is: no entries added or "repaired", no maker notes.
    exif_data_unset_option(data, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_option(data, EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
    exif_data_load_data(data, reinterpret_cast<const uchar*>(exif.constData()),
                        unsigned(exif.size()));
    QByteArray jpeg;
    if (data->data && data->size > 0)
        jpeg = QByteArray(reinterpret_cast<const char*>(data->data), qsizetype(data->size));
    exif_data_unref(data);
    if (jpeg.isEmpty())
        return found;

    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    reader.setAllocationLimit(int(kMaxThumbnailPixels * 4 / kMegabyte));
    const QSize size = reader.size();
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxThumbnailPixels)
        return found;
    QImage image;
    if (!reader.read(&image) || image.size() != size)
        return found;
    // The picture's own colour space is applied by its decoder, as to its pixels.
    image.setColorSpace(QColorSpace());
    found.image = image.convertToFormat(QImage::Format_RGB32);
    return found;
}

QImage fitPreview(QImage preview, int orientation, QSize picture, QSize shown) {
    if (preview.isNull() || shown.isEmpty())
        return {};
    preview = applyOrientation(std::move(preview), orientation);
    if (!sameShape(preview.size(), picture))
        return {};
    return preview.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

} // namespace ferlo::pictures
