// WebP through libwebp directly where Qt's reader would decode the whole picture: Qt's plugin
// has no scaled decoding, while libwebp scales as it decodes (its own area-averaging rescaler,
// row by row), so a picture shown smaller than it is never exists at its own size. Animated
// files (their first frame), and pictures shown at full size, go through Qt's reader as before,
// which also words the message of a damaged file.

#include "pictures/FormatDecoder.h"

#include "pictures/ExifPreview.h"
#include "pictures/PictureFile.h"
#include "pictures/QtPictureReader.h"

#include <QtEndian>

#include <webp/decode.h>

#include <cstdio>
#include <optional>

namespace ferlo::pictures {

namespace {

// The most of a chunk (EXIF, ICCP) that is read for a first look.
constexpr qint64 kMaxSideChunk = 4 * kMegabyte;
// How many chunks are looked through for them.
constexpr int kMaxChunks = 64;

// The file read whole (WebP's decoder takes it from memory), or empty when it cannot be.
QByteArray readWhole(const QString& path, qint64 limit) {
    try {
        PictureFile file(path);
        const qint64 size = file.status().st_size;
        if (size > limit)
            return {};
        QByteArray data(qsizetype(size), Qt::Uninitialized);
        if (std::fread(data.data(), 1, size_t(size), file.stream()) != size_t(size))
            return {};
        return data;
    } catch (...) {
        return {};
    }
}

// The data of the first chunk of that name after the RIFF header, or empty.
QByteArray chunk(const QByteArray& file, const char* name) {
    qint64 at = 12;
    for (int i = 0; i < kMaxChunks && at + 8 <= file.size(); ++i) {
        const qint64 length = qFromLittleEndian<quint32>(file.constData() + at + 4);
        if (file.mid(at, 4) == name)
            return length <= kMaxSideChunk && at + 8 + length <= file.size()
                       ? file.mid(at + 8, length)
                       : QByteArray();
        at += 8 + length + (length & 1);
    }
    return {};
}

// A still WebP's size from its header; empty for an animation or a file libwebp cannot read.
QSize stillSize(const QByteArray& file) {
    WebPBitstreamFeatures features;
    if (WebPGetFeatures(reinterpret_cast<const uint8_t*>(file.constData()), size_t(file.size()),
                        &features) != VP8_STATUS_OK ||
        features.has_animation || features.width <= 0 || features.height <= 0 ||
        qint64(features.width) * features.height > kMaxImageBytes / 4)
        return {};
    return QSize(features.width, features.height);
}

std::optional<DecodedPicture> loadWebpScaled(const QString& path, const WantedSize& wanted) {
    const QByteArray file = readWhole(path, kMaxImageBytes);
    const QSize own = stillSize(file);
    if (own.isEmpty())
        return std::nullopt;
    const QSize want = wanted ? wanted(own) : QSize();
    if (!want.isValid() || want.isEmpty() || want.width() >= own.width() ||
        want.height() >= own.height())
        return std::nullopt;

    WebPDecoderConfig config;
    if (!WebPInitDecoderConfig(&config))
        return std::nullopt;
    WebPGetFeatures(reinterpret_cast<const uint8_t*>(file.constData()), size_t(file.size()),
                    &config.input);
    const bool alpha = config.input.has_alpha != 0;
    QImage image(want, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    config.options.use_scaling = 1;
    config.options.scaled_width = want.width();
    config.options.scaled_height = want.height();
    // Straight into the image's rows: blue, green, red, alpha in memory, not premultiplied.
    config.output.colorspace = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? MODE_BGRA : MODE_ARGB;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = image.bits();
    config.output.u.RGBA.stride = int(image.bytesPerLine());
    config.output.u.RGBA.size = size_t(image.sizeInBytes());
    const VP8StatusCode status = WebPDecode(reinterpret_cast<const uint8_t*>(file.constData()),
                                            size_t(file.size()), &config);
    WebPFreeDecBuffer(&config.output);
    if (status != VP8_STATUS_OK)
        return std::nullopt;
    convertToSRgb(image, chunk(file, "ICCP"));
    return DecodedPicture{own, image};
}

DecodedPicture loadWebpPreview(const QString& path, const WantedSize& wanted) {
    const QByteArray file = readWhole(path, kMaxImageBytes);
    const QSize own = stillSize(file);
    if (qint64(own.width()) * own.height() <= kPreviewFromPixels)
        return {};
    const QSize shown = wanted ? wanted(own) : QSize();
    // Qt's reader shows a WebP as stored: so is its thumbnail.
    QImage image = fitPreview(readExifThumbnail(chunk(file, "EXIF")).image, 1, own, shown);
    convertToSRgb(image, chunk(file, "ICCP"));
    return {own, image};
}

QSize readWebpSize(const QString& path) {
    return readQtPictureSize(path, QByteArrayLiteral("webp"));
}

DecodedPicture loadWebp(const QString& path, const WantedSize& wanted) {
    if (std::optional<DecodedPicture> scaled = loadWebpScaled(path, wanted))
        return std::move(*scaled);
    return loadQtPicture(path, QByteArrayLiteral("webp"), wanted);
}

} // namespace

const FormatDecoder webpDecoder{readWebpSize, loadWebpPreview, loadWebp};

} // namespace ferlo::pictures
