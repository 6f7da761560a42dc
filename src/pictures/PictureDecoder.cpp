#include "pictures/PictureDecoder.h"

#include "pictures/HeifDecoder.h"
#include "pictures/JpegDecoder.h"
#include "pictures/PictureFile.h"
#include "pictures/PictureFormats.h"
#include "pictures/PngDecoder.h"
#include "pictures/QtPictureReader.h"
#include "pictures/TiffDecoder.h"
#include "pictures/WebpDecoder.h"

#include <QCoreApplication>
#include <optional>

namespace ferlo {

namespace {

const PictureFormat& formatOf(const QString& path) {
    if (const PictureFormat* format = pictureFormatOf(path))
        return *format;
    pictures::fail(path,
                   QCoreApplication::translate("PictureErrors", "the file name does not end in %1")
                       .arg(pictureExtensionsText()));
}

} // namespace

QSize readPictureSize(const QString& path) {
    const PictureFormat& format = formatOf(path);
    switch (format.decoder) {
    case PictureDecoderKind::Jpeg:
        return pictures::readJpegSize(path);
    case PictureDecoderKind::Png:
        return pictures::readPngSize(path);
    case PictureDecoderKind::Heif:
        return pictures::readHeifSize(path);
    case PictureDecoderKind::Qt:
        break;
    }
    return pictures::readQtPictureSize(path, QByteArray(format.qtReader));
}

DecodedPicture loadPicture(const QString& path, const WantedSize& wanted) {
    const PictureFormat& format = formatOf(path);
    switch (format.decoder) {
    case PictureDecoderKind::Jpeg:
        return pictures::loadJpeg(path, wanted);
    case PictureDecoderKind::Png:
        return pictures::loadPng(path, wanted);
    case PictureDecoderKind::Heif:
        return pictures::loadHeif(path, wanted);
    case PictureDecoderKind::Qt:
        break;
    }
    if (format.qtReader == QByteArrayLiteral("tiff"))
        if (std::optional<DecodedPicture> rows = pictures::loadTiffRows(path, wanted))
            return std::move(*rows);
    if (format.qtReader == QByteArrayLiteral("webp"))
        if (std::optional<DecodedPicture> scaled = pictures::loadWebpScaled(path, wanted))
            return std::move(*scaled);
    return pictures::loadQtPicture(path, format.qtReader, wanted);
}

DecodedPicture loadPreview(const QString& path, const WantedSize& wanted) {
    const PictureFormat& format = formatOf(path);
    switch (format.decoder) {
    case PictureDecoderKind::Jpeg:
        return {};
    case PictureDecoderKind::Png:
        return pictures::loadPngPreview(path, wanted);
    case PictureDecoderKind::Heif:
        return pictures::loadHeifPreview(path, wanted);
    case PictureDecoderKind::Qt:
        break;
    }
    if (format.qtReader == QByteArrayLiteral("tiff"))
        return pictures::loadTiffPreview(path, wanted);
    if (format.qtReader == QByteArrayLiteral("webp"))
        return pictures::loadWebpPreview(path, wanted);
    return {};
}

PictureStamp pictureStamp(const QString& path) {
    formatOf(path);
    pictures::PictureFile file(path);
    const struct stat& st = file.status();
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ino), qint64(st.st_dev)};
}

} // namespace ferlo
