#include "storage/FileReplacement.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace ferlo {

namespace {

QString systemCause(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// The file's own words for its last failure; Qt leaves some failures without a text.
QString causeOf(const QFileDevice& file) {
    const QString text = file.errorString();
    if (!text.isEmpty() && text != QLatin1String("Unknown error"))
        return text;
    return errno != 0 ? systemCause(errno)
                      : QCoreApplication::translate("Storage", "the system did not say why");
}

} // namespace

// Hands each write to the file and notes the first one that is refused or short. After that,
// every write fails, so the writer stops as early as it looks.
class FileReplacement::CheckedDevice : public QIODevice {
public:
    explicit CheckedDevice(FileReplacement& owner)
        : m_owner(owner) {}

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override {
        if (!m_owner.m_failure.isEmpty())
            return -1;
        errno = 0;
        const qint64 written = m_owner.m_file.write(data, length);
        if (written != length) {
            m_owner.fail(causeOf(m_owner.m_file));
            return -1;
        }
        return written;
    }

private:
    FileReplacement& m_owner;
};

FileReplacement::FileReplacement(const QString& path)
    : m_path(path)
    , m_file(path) {}

FileReplacement::~FileReplacement() {
    if (m_device)
        m_device->close();
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool FileReplacement::open() {
    errno = 0;
    if (!m_file.open(QIODevice::WriteOnly)) {
        fail(causeOf(m_file));
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
    m_file.setPermissions(permissions);
}

void FileReplacement::fail(const QString& cause) {
    if (m_failure.isEmpty())
        m_failure = cause;
    if (m_file.isOpen())
        m_file.cancelWriting();
}

bool FileReplacement::commit() {
    if (m_done || !m_file.isOpen() || !m_failure.isEmpty()) {
        if (m_failure.isEmpty())
            fail(QCoreApplication::translate("Storage", "the file was not open for writing"));
        return false;
    }
    m_done = true;
    m_device->close();
    errno = 0;
    // The last of the buffer, then the disk: a full disk or a failing device may say so only
    // here (on some file systems only at the sync).
    if (!m_file.flush()) {
        fail(causeOf(m_file));
        return false;
    }
    if (::fsync(m_file.handle()) != 0) {
        fail(systemCause(errno));
        return false;
    }
    if (!m_file.commit()) {
        // commit() has dropped the new content already.
        if (m_failure.isEmpty())
            m_failure = causeOf(m_file);
        return false;
    }
    return true;
}

QString replaceFileWith(const QString& path, const QByteArray& bytes) {
    FileReplacement file(path);
    if (file.open() && file.device()->write(bytes) == bytes.size())
        file.commit();
    return file.failure();
}

} // namespace ferlo
