#include "pictures/PictureDecoder.h"

#include "pictures/FormatDecoder.h"
#include "pictures/PictureFile.h"
#include "pictures/PictureFormats.h"

#include <QCoreApplication>

namespace ferlo {

namespace {

const pictures::FormatDecoder& decoderOf(const QString& path) {
    if (const PictureFormat* format = pictureFormatOf(path))
        return *format->decoder;
    pictures::fail(path,
                   QCoreApplication::translate("PictureErrors", "the file name does not end in %1")
                       .arg(pictureExtensionsText()));
}

} // namespace

QSize readPictureSize(const QString& path) {
    return decoderOf(path).readSize(path);
}

DecodedPicture loadPicture(const QString& path, const WantedSize& wanted) {
    return decoderOf(path).load(path, wanted);
}

DecodedPicture loadPreview(const QString& path, const WantedSize& wanted) {
    const pictures::FormatDecoder& decoder = decoderOf(path);
    return decoder.loadPreview ? decoder.loadPreview(path, wanted) : DecodedPicture{};
}

PictureStamp pictureStamp(const QString& path) {
    decoderOf(path);
    pictures::PictureFile file(path);
    const struct stat& st = file.status();
    return {qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
            qint64(st.st_ino), qint64(st.st_dev)};
}

} // namespace ferlo
