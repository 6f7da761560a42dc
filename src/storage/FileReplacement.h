#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace ferlo {

// A file written whole and then put in place of the old one in one step, with every write
// checked. Everything Ferlo writes goes through here: a full disk, a quota or an I/O error shows
// as a failure with the system's cause ("No space left on device"), and the old file (or none) is
// left as it was; no part of the new one remains.
//
// The content goes to device(). Every write to it is checked at once, so a writer that ignores
// what write() returns (QPdfWriter, a QDataStream) cannot hide a short write; the buffered rest
// is flushed and synced in commit(), where QSaveFile alone would lose the error of its last
// flush. Uncommitted, the new content is discarded when the object goes.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Starts the new file (in the target's folder, unnamed until commit). False with failure()
    // set when it cannot be made.
    bool open();
    // Where the content goes; open while open() succeeded and nothing has failed.
    QIODevice* device();
    // The file's permissions once in place (those of the old file or the umask's by default).
    void setPermissions(QFileDevice::Permissions permissions);
    // Puts the whole content in place of the old file. False with failure() set when any write,
    // the flush, the sync or the replacement failed; the old file is then untouched.
    bool commit();
    // The system's cause of the first failure, empty while none.
    QString failure() const { return m_failure; }
    QString path() const { return m_path; }

private:
    class CheckedDevice;
    void fail(const QString& cause);

    QString m_path;
    QSaveFile m_file;
    std::unique_ptr<CheckedDevice> m_device;
    QString m_failure;
    bool m_done = false;
};

// Writes `bytes` as the whole of the file at `path` through a FileReplacement. Returns the
// system's cause of a failure, empty when the file is in place.
QString replaceFileWith(const QString& path, const QByteArray& bytes);

} // namespace ferlo
