#include "pictures/PictureFormats.h"

#include "pictures/FormatDecoder.h"

#include <QCoreApplication>
#include <QStringList>

namespace ferlo {

namespace {
constexpr PictureFormat kFormats[] = {
#define FERLO_PICTURE_FORMAT(extension, decoder, mimeType)                                         \
    {extension, &pictures::decoder, mimeType},
#include "pictures/PictureFormats.def"
#undef FERLO_PICTURE_FORMAT
};
} // namespace

const PictureFormat* pictureFormatOf(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const QString extension =
        dot > path.lastIndexOf(QLatin1Char('/')) ? path.mid(dot + 1) : QString();
    for (const PictureFormat& format : kFormats) {
        if (extension.compare(QLatin1StringView(format.extension), Qt::CaseInsensitive) == 0)
            return &format;
    }
    return nullptr;
}

bool isPictureFileName(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 && pictureFormatOf(name);
}

QString pictureExtensionsText() {
    QStringList names;
    for (const PictureFormat& format : kFormats)
        names << QLatin1Char('.') + QLatin1StringView(format.extension);
    const QString last = names.takeLast();
    return QCoreApplication::translate("PictureErrors", "%1 or %2")
        .arg(names.join(QLatin1String(", ")), last);
}

} // namespace ferlo
