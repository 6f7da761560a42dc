#include "storage/FileReplacement.h"

#include "storage/NativePath.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferlo {

namespace {

QString systemCause(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QByteArray folderOf(const QByteArray& path) {
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

// The target with its links followed, so that replacing a link replaces the file it names (as
// QSaveFile does); a name that does not exist yet stays as it is.
QByteArray followLinks(const QByteArray& path) {
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISLNK(st.st_mode))
        return path;
    if (char* real = ::realpath(path.constData(), nullptr)) {
        QByteArray resolved(real);
        std::free(real);
        return resolved;
    }
    return path;
}

constexpr qint64 kBufferBytes = 64 * 1024;

// A name beside the target for the new file until it replaces the old one: NAME.xxxxxx, the
// form a left-over file of a killed writer is recognised by.
QByteArray temporaryName(const QByteArray& target) {
    return target + '.' +
           QByteArray::number(QRandomGenerator::global()->bounded(0x7fffffff), 36)
               .rightJustified(6, '0')
               .right(6);
}

} // namespace

// Gathers small writes and hands them to the file in blocks; a failed or short block fails every
// later write.
class FileReplacement::CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(FileReplacement& owner)
        : m_owner(owner) {}
    bool flushBuffer() {
        const bool ok = m_owner.writeOut(m_buffer.constData(), m_buffer.size());
        m_buffer.clear();
        return ok;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (!m_owner.m_failure.isEmpty())
            return -1;
        if (m_buffer.size() + length > kBufferBytes && !flushBuffer())
            return -1;
        if (length >= kBufferBytes)
            return m_owner.writeOut(data, length) ? length : -1;
        m_buffer.append(data, length);
        return length;
    }

private:
    FileReplacement& m_owner;
    QByteArray m_buffer;
};

FileReplacement::FileReplacement(const QString& path)
    : m_target(followLinks(encodePath(path))) {}

FileReplacement::~FileReplacement() {
    if (m_device)
        m_device->close();
    discard();
}

void FileReplacement::discard() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(m_temporary.constData());
    m_temporary.clear();
}

void FileReplacement::fail(const QString& cause) {
    if (m_failure.isEmpty())
        m_failure = cause;
    discard();
}

bool FileReplacement::writeOut(const char* data, qint64 size) {
    while (size > 0 && m_failure.isEmpty()) {
        const ssize_t written = ::write(m_fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            // A short write is followed by one that says why; a write of nothing says nothing.
            fail(systemCause(written < 0 ? errno : ENOSPC));
            return false;
        }
        data += written;
        size -= written;
    }
    return m_failure.isEmpty();
}

bool FileReplacement::open() {
    if (m_fd >= 0 || !m_failure.isEmpty())
        return m_failure.isEmpty();
    struct stat old {};
    if (::stat(m_target.constData(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) {
            fail(systemCause(EISDIR));
            return false;
        }
        // A file that may not be written is not replaced, even where its folder would allow it.
        if (::access(m_target.constData(), W_OK) != 0) {
            fail(systemCause(errno));
            return false;
        }
        if (!m_mode)
            m_mode = unsigned(old.st_mode & 07777);
    }
    const QByteArray folder = folderOf(m_target);
    // An unnamed file, so that nothing is left behind whatever happens before the commit.
    m_fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (m_fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
        for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
            m_temporary = temporaryName(m_target);
            m_fd = ::open(m_temporary.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
            if (m_fd < 0 && errno != EEXIST)
                break;
        }
        if (m_fd < 0)
            m_temporary.clear();
    }
    if (m_fd < 0) {
        fail(systemCause(errno));
        return false;
    }
    m_device = std::make_unique<CheckedDevice>(*this);
    m_device->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return true;
}

QIODevice* FileReplacement::device() {
    return m_device.get();
}

void FileReplacement::setPermissions(QFileDevice::Permissions permissions) {
    unsigned mode = 0;
    const std::pair<QFileDevice::Permission, unsigned> bits[] = {
        {QFileDevice::ReadOwner, S_IRUSR},  {QFileDevice::WriteOwner, S_IWUSR},
        {QFileDevice::ExeOwner, S_IXUSR},   {QFileDevice::ReadGroup, S_IRGRP},
        {QFileDevice::WriteGroup, S_IWGRP}, {QFileDevice::ExeGroup, S_IXGRP},
        {QFileDevice::ReadOther, S_IROTH},  {QFileDevice::WriteOther, S_IWOTH},
        {QFileDevice::ExeOther, S_IXOTH}};
    for (const auto& [permission, bit] : bits) {
        if (permissions.testFlag(permission))
            mode |= bit;
    }
    m_mode = mode;
}

bool FileReplacement::commit() {
    if (m_fd < 0) {
        if (m_failure.isEmpty())
            fail(QCoreApplication::translate("Storage", "the file was not open for writing"));
        return false;
    }
    m_device->close();
    // The rest of the buffer, then the disk: a full disk or a failing device may say so only
    // at the sync on some file systems.
    if (!m_device->flushBuffer())
        return false;
    if (m_mode && ::fchmod(m_fd, mode_t(*m_mode)) != 0) {
        fail(systemCause(errno));
        return false;
    }
    if (::fsync(m_fd) != 0) {
        fail(systemCause(errno));
        return false;
    }
    if (m_temporary.isEmpty()) {
        // Linked in under a temporary name first: linkat does not replace an existing file.
        const QByteArray handle = "/proc/self/fd/" + QByteArray::number(m_fd);
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray name = temporaryName(m_target);
            if (::linkat(AT_FDCWD, handle.constData(), AT_FDCWD, name.constData(),
                         AT_SYMLINK_FOLLOW) == 0) {
                m_temporary = name;
                break;
            }
            if (errno != EEXIST) {
                fail(systemCause(errno));
                return false;
            }
        }
    }
    if (m_temporary.isEmpty() || ::rename(m_temporary.constData(), m_target.constData()) != 0) {
        fail(systemCause(m_temporary.isEmpty() ? EEXIST : errno));
        return false;
    }
    m_temporary.clear();
    // The content is synced and in place: what closing says changes nothing on disk.
    ::close(m_fd);
    m_fd = -1;
    return true;
}

QString replaceFileWith(const QString& path, const QByteArray& bytes) {
    FileReplacement file(path);
    if (file.open() && file.device()->write(bytes) == bytes.size())
        file.commit();
    return file.failure();
}

} // namespace ferlo
