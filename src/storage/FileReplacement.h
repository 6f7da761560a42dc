#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QString>

#include <memory>
#include <optional>

namespace ferlo {

// A file written whole and then put in place of the old one in one step, with every write
// checked. Everything Ferlo writes goes through here: a full disk, a quota or an I/O error shows
// as a failure with the system's cause ("No space left on device"), and the old file (or none) is
// left as it was; no part of the new one remains.
//
// The content goes to device(), a buffer in front of an unnamed file in the target's folder
// (O_TMPFILE; a hidden temporary name where the file system has none). Every write that reaches
// the disk is checked as it happens, so a writer that ignores what write() returns (QPdfWriter, a
// QDataStream) cannot hide a short write; commit() writes the rest, syncs the file to the disk
// and only then links it in under the target's name. Names are the file system's bytes
// (NativePath), so a folder whose name is not UTF-8 is written too. Uncommitted, the new content
// is dropped when the object goes.
class FileReplacement {
public:
    explicit FileReplacement(const QString& path);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Starts the new file. False with failure() set when it cannot be made.
    bool open();
    // Where the content goes while open() succeeded; writes fail once one has failed.
    QIODevice* device();
    // The file's permissions once in place; by default those of the file it replaces, else
    // read and write for all as the umask allows.
    void setPermissions(QFileDevice::Permissions permissions);
    // Puts the whole content in place of the old file. False with failure() set when any write,
    // the sync or the replacement failed; the old file is then untouched.
    bool commit();
    // The system's cause of the first failure, empty while none.
    QString failure() const { return m_failure; }

private:
    class CheckedDevice;
    void fail(const QString& cause);
    bool writeOut(const char* data, qint64 size);
    void discard();

    QByteArray m_target;    // the file system's bytes, links followed
    QByteArray m_temporary; // the temporary name, where the file system has no unnamed files
    int m_fd = -1;
    std::unique_ptr<CheckedDevice> m_device;
    std::optional<unsigned> m_mode;
    QString m_failure;
};

// Writes `bytes` as the whole of the file at `path` through a FileReplacement. Returns the
// system's cause of a failure, empty when the file is in place.
QString replaceFileWith(const QString& path, const QByteArray& bytes);

} // namespace ferlo
