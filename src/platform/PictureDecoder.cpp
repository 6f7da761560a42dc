#include "PictureDecoder.h"

#include "Errors.h"

#include <QImageReader>

namespace ferlo {

QSize readPictureSize(const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (!size.isValid())
        throw Error(
            QStringLiteral("Cannot load the picture %1: %2").arg(path, reader.errorString()));
    return size;
}

DecodedPicture loadPicture(const QString& path, const WantedSize& wanted) {
    Q_UNUSED(wanted);
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull())
        throw Error(
            QStringLiteral("Cannot load the picture %1: %2").arg(path, reader.errorString()));
    return {image.size(), image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                        : QImage::Format_RGB32)};
}

} // namespace ferlo
