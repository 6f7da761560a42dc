#include "pictures/PictureFormats.h"

namespace ferlo {

namespace {

constexpr PictureFormat kFormats[] = {
#define FERLO_PICTURE_FORMAT(extension, decoder, qtReader, mimeType)                               \
    {extension, PictureDecoderKind::decoder, qtReader, mimeType},
#include "pictures/PictureFormats.def"
#undef FERLO_PICTURE_FORMAT
};

} // namespace

std::span<const PictureFormat> pictureFormats() {
    return kFormats;
}

const PictureFormat* pictureFormatOf(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot > slash ? path.mid(dot + 1) : QString();
    for (const PictureFormat& format : kFormats) {
        if (extension.compare(QLatin1StringView(format.extension), Qt::CaseInsensitive) == 0)
            return &format;
    }
    return nullptr;
}

bool isPictureFileName(const QString& name) {
    for (const PictureFormat& format : kFormats) {
        const QString extension = QLatin1Char('.') + QLatin1StringView(format.extension);
        if (name.size() > extension.size() && name.endsWith(extension, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString pictureExtensionsText() {
    QStringList names;
    for (const PictureFormat& format : kFormats)
        names << QLatin1Char('.') + QLatin1StringView(format.extension);
    const QString last = names.takeLast();
    return QStringLiteral("%1 or %2").arg(names.join(QLatin1String(", ")), last);
}

} // namespace ferlo
