#include "PictureFile.h"

#include "Errors.h"
#include "NativePath.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace ferlo::pictures {

namespace {

// The system's text for an errno value (thread-safe, unlike strerror).
QString systemError(int code) {
    return qt_error_string(code);
}

// The cause of a file that is not a plain, non-empty file, or an empty string.
QString fileTypeProblem(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return QStringLiteral("it is a folder, not a picture file");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("it is not a plain file (a device, pipe or socket)");
    if (st.st_size == 0)
        return QStringLiteral("the file is empty");
    return {};
}

} // namespace

void fail(const QString& path, const QString& cause) {
    throw Error(QStringLiteral("Cannot load the picture %1: %2").arg(displayName(path), cause));
}

QString tooLarge(qint64 width, qint64 height) {
    return QStringLiteral("the picture is too large: %1 x %2 pixels need more than %3 MB")
        .arg(width)
        .arg(height)
        .arg(kMaxImageBytes / kMegabyte);
}

PictureFile::PictureFile(const QString& path)
    : m_path(path) {
    if (path.isEmpty())
        fail(path, QStringLiteral("no file name was given"));
    const QByteArray name = encodePath(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0) {
        const int code = errno;
        fail(path, code == ENOENT ? QStringLiteral("the file does not exist") : systemError(code));
    }
    if (const QString problem = fileTypeProblem(st); !problem.isEmpty())
        fail(path, problem);
    m_fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_fd < 0) {
        const int code = errno;
        fail(path, code == ENOENT ? QStringLiteral("the file does not exist") : systemError(code));
    }
    // A constructor that throws runs no destructor: the descriptor is closed here.
    QString problem;
    if (::fstat(m_fd, &m_stat) != 0)
        problem = systemError(errno);
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
        if (!m_file) {
            const int code = errno;
            fail(m_path, systemError(code));
        }
    }
    return m_file;
}

int PictureFile::release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

} // namespace ferlo::pictures
