#include "pictures/PictureFile.h"

#include "storage/Errors.h"
#include "storage/NativePath.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QTransform>

#include <libexif/exif-data.h>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace ferlo::pictures {

namespace {

// Why a file could not be looked at or opened, from errno: the system's text (qt_error_string is
// thread-safe, unlike strerror), or that it does not exist.
QString openFailure(int code) {
    return code == ENOENT ? QCoreApplication::translate("PictureErrors", "the file does not exist")
                          : qt_error_string(code);
}

// The cause of a file that is not a plain, non-empty file, or an empty string.
QString fileTypeProblem(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return QCoreApplication::translate("PictureErrors", "it is a folder, not a picture file");
    if (!S_ISREG(st.st_mode))
        return QCoreApplication::translate("PictureErrors",
                                           "it is not a plain file (a device, pipe or socket)");
    if (st.st_size == 0)
        return QCoreApplication::translate("PictureErrors", "the file is empty");
    return {};
}

} // namespace

int exifOrientation(const uchar* data, qsizetype size) {
    if (!data || size <= 6 || size > 0xffff)
        return 1;
    ExifData* exif = exif_data_new();
    if (!exif)
        return 1;
    // Read the block as it is: no entries added or "repaired", no maker notes.
    exif_data_unset_option(exif, EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_set_option(exif, EXIF_DATA_OPTION_DONT_CHANGE_MAKER_NOTE);
    exif_data_load_data(exif, data, unsigned(size));
    int orientation = 1;
    ExifEntry* entry = exif_content_get_entry(exif->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (entry && entry->format == EXIF_FORMAT_SHORT && entry->components >= 1 && entry->data &&
        entry->size >= 2) {
        const int value = exif_get_short(entry->data, exif_data_get_byte_order(exif));
        if (value >= 1 && value <= 8)
            orientation = value;
    }
    exif_data_unref(exif);
    return orientation;
}

QSize orientedSize(QSize stored, int orientation) {
    return orientation >= 5 && orientation <= 8 ? stored.transposed() : stored;
}

QImage applyOrientation(QImage image, int orientation) {
    // The screen's y axis points down, so rotate(90) turns the picture clockwise.
    const auto turned = [](const QImage& in, int degrees) {
        return in.transformed(QTransform().rotate(degrees));
    };
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.mirrored(true, true);
    case 4:
        return image.mirrored(false, true);
    case 5:
        return turned(image, 90).mirrored(true, false);
    case 6:
        return turned(image, 90);
    case 7:
        return turned(image, 90).mirrored(false, true);
    case 8:
        return turned(image, 270);
    default:
        return image;
    }
}

void convertToSRgb(QImage& image, const QByteArray& iccProfile) {
    if (iccProfile.isEmpty() || image.isNull())
        return;
    const QColorSpace space = QColorSpace::fromIccProfile(iccProfile);
    if (!space.isValid())
        return;
    image.setColorSpace(space);
    convertToSRgb(image);
}

void convertToSRgb(QImage& image) {
    const QColorSpace space = image.colorSpace();
    if (image.isNull() || !space.isValid())
        return;
    if (space != QColorSpace(QColorSpace::SRgb))
        image.convertToColorSpace(QColorSpace::SRgb);
}

void fail(const QString& path, const QString& cause) {
    throw Error(QCoreApplication::translate("PictureErrors", "Cannot load the picture %1: %2")
                    .arg(displayName(path), cause));
}

QString tooLarge(qint64 width, qint64 height) {
    return QCoreApplication::translate(
               "PictureErrors", "the picture is too large: %1 x %2 pixels need more than %3 MB")
        .arg(width)
        .arg(height)
        .arg(kMaxImageBytes / kMegabyte);
}

PictureFile::PictureFile(const QString& path)
    : m_path(path) {
    if (path.isEmpty())
        fail(path, QCoreApplication::translate("PictureErrors", "no file name was given"));
    const QByteArray name = encodePath(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        fail(path, openFailure(errno));
    if (const QString problem = fileTypeProblem(st); !problem.isEmpty())
        fail(path, problem);
    m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0)
        fail(path, openFailure(errno));
    // A constructor that throws runs no destructor: the descriptor is closed here.
    QString problem;
    if (::fstat(m_fd, &m_stat) != 0)
        problem = qt_error_string(errno);
    else
        problem = fileTypeProblem(m_stat);
    if (!problem.isEmpty()) {
        ::close(m_fd);
        fail(path, problem);
    }
}

PictureFile::~PictureFile() {
    if (m_file)
        std::fclose(m_file);
    else if (m_fd >= 0)
        ::close(m_fd);
}

FILE* PictureFile::stream() {
    if (!m_file) {
        m_file = ::fdopen(m_fd, "rb");
        if (!m_file)
            fail(m_path, qt_error_string(errno));
    }
    return m_file;
}

int PictureFile::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

} // namespace ferlo::pictures
