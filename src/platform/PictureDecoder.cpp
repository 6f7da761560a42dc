#include "PictureDecoder.h"

#include "HeifDecoder.h"
#include "JpegDecoder.h"
#include "PictureFile.h"
#include "PngDecoder.h"
#include "QtPictureReader.h"

#include <QStringList>

namespace ferlo {

namespace {

// The format is chosen by the file's extension alone, ignoring case; content is never sniffed.
// A format read by Qt's image readers is one more row here, with the name of Qt's reader.
enum class Decoder { Jpeg, Png, Heif, Qt };
struct PictureFormat {
    QLatin1StringView extension;
    Decoder decoder;
    QByteArray qtReader; // the name of Qt's reader, for Decoder::Qt
};

const PictureFormat kFormats[] = {
    {QLatin1StringView("jpg"), Decoder::Jpeg, {}},
    {QLatin1StringView("jpeg"), Decoder::Jpeg, {}},
    {QLatin1StringView("bmp"), Decoder::Qt, QByteArrayLiteral("bmp")},
    {QLatin1StringView("png"), Decoder::Png, {}},
    {QLatin1StringView("gif"), Decoder::Qt, QByteArrayLiteral("gif")},
    {QLatin1StringView("webp"), Decoder::Qt, QByteArrayLiteral("webp")},
    {QLatin1StringView("tif"), Decoder::Qt, QByteArrayLiteral("tiff")},
    {QLatin1StringView("tiff"), Decoder::Qt, QByteArrayLiteral("tiff")},
    {QLatin1StringView("heic"), Decoder::Heif, {}},
    {QLatin1StringView("heif"), Decoder::Heif, {}},
};

const PictureFormat& formatOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > slash ? path.mid(dot + 1) : QString();
    QStringList names;
    for (const PictureFormat& format : kFormats) {
        if (extension.compare(format.extension, Qt::CaseInsensitive) == 0)
            return format;
        names << QLatin1Char('.') + format.extension;
    }
    const QString last = names.takeLast();
    pictures::fail(path, QStringLiteral("the file name does not end in %1 or %2")
                             .arg(names.join(QLatin1String(", ")), last));
}

} // namespace

QSize readPictureSize(const QString& path) {
    const PictureFormat& format = formatOf(path);
    switch (format.decoder) {
    case Decoder::Jpeg:
        return pictures::readJpegSize(path);
    case Decoder::Png:
        return pictures::readPngSize(path);
    case Decoder::Heif:
        return pictures::readHeifSize(path);
    case Decoder::Qt:
        break;
    }
    return pictures::readQtPictureSize(path, format.qtReader);
}

DecodedPicture loadPicture(const QString& path, const WantedSize& wanted) {
    const PictureFormat& format = formatOf(path);
    switch (format.decoder) {
    case Decoder::Jpeg:
        return pictures::loadJpeg(path, wanted);
    case Decoder::Png:
        return pictures::loadPng(path, wanted);
    case Decoder::Heif:
        return pictures::loadHeif(path, wanted);
    case Decoder::Qt:
        break;
    }
    return pictures::loadQtPicture(path, format.qtReader, wanted);
}

PictureStamp pictureStamp(const QString& path) {
    formatOf(path);
    pictures::PictureFile file(path);
    const struct stat& st = file.status();
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ino), qint64(st.st_dev)};
}

} // namespace ferlo
