#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>

namespace ferlo {

// File names on Linux are bytes, and not every name is valid UTF-8. The program keeps every path
// as a QString that maps back to exactly the bytes it came from: valid UTF-8 decodes as usual,
// and each byte that is not part of valid UTF-8 becomes a lone surrogate U+DC80..U+DCFF.
QString decodePath(const QByteArray& native);
QByteArray encodePath(const QString& path);

// The card model keeps paths as the file system's own bytes (std::string, Qt-free).
std::string modelPath(const QString& path);
QString pathFromModel(const std::string& path);

// The text to show for a name: the bytes that are not UTF-8 show as U+FFFD.
QString displayName(const QString& path);

// A file name's bytes as ASCII text that a JSON file keeps exactly: every printable ASCII
// character but '%' as it is, every other byte percent-encoded (QByteArray::fromPercentEncoding
// gives the bytes back).
QString percentEncodedPath(const QByteArray& path);

// What a directory holds, without hidden entries ('.' first), by kind. Names are decoded with
// decodePath, so that every entry can be opened again; sorted by name, ignoring case.
enum class EntryKind { PlainFile, Directory };
QStringList listDirectory(const QString& directory, EntryKind kind);

// The kind of the entry at a path, following symbolic links.
enum class PathKind { Missing, PlainFile, Directory, Other };
PathKind pathKind(const QString& path);

// Whether the process may read (and, for a directory, enter) the entry at a path.
bool pathReadable(const QString& path);

} // namespace ferlo
