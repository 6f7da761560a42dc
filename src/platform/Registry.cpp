#include "platform/Registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

namespace ferlo {

namespace {

const QString headerLine = QStringLiteral("Windows Registry Editor Version 5.00");
// No settings file of ours comes near this; a larger one is not read into memory.
constexpr qint64 maxHiveSize = 16 * 1024 * 1024;
// A running copy holds the lock for the few milliseconds of one write.
constexpr int staleLockMs = 10000;
constexpr int lockWaitMs = 15000;
// A copy makes its lock file, locks it and writes its name into it within microseconds.
constexpr qint64 abandonedEmptyLockMs = 1000;

bool hasControlCharacters(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// Names compare without regard to case; a path holds no line break, so this is unambiguous.
QString entryName(const QString& path, const QString& name) {
    return path.toLower() + QLatin1Char('\n') + name.toLower();
}

QString quoted(const QString& text) {
    QString result = QStringLiteral("\"");
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            result += QLatin1Char('\\');
        result += c;
    }
    return result + QLatin1Char('"');
}

// Reads a quoted text starting at text[pos] == '"'; on success pos is just past the closing quote.
bool readQuoted(const QString& text, qsizetype& pos, QString& out, QString* error) {
    out.clear();
    for (++pos; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (c == QLatin1Char('\\')) {
            if (pos + 1 >= text.size() ||
                (text[pos + 1] != QLatin1Char('\\') && text[pos + 1] != QLatin1Char('"'))) {
                *error = QStringLiteral("a backslash in quotes must be followed by \\ or \"");
                return false;
            }
            ++pos;
        }
        out += text[pos];
    }
    *error = QStringLiteral("a quoted text has no closing quote");
    return false;
}

bool parseHexBytes(const QString& text, QByteArray& out, QString* error) {
    out.clear();
    if (text.trimmed().isEmpty())
        return true;
    for (const QString& part : text.split(QLatin1Char(','))) {
        const QString byte = part.trimmed();
        bool ok = false;
        const uint value = byte.toUInt(&ok, 16);
        if (!ok || byte.size() > 2 || value > 0xff) {
            *error = QStringLiteral("\"%1\" is not a hexadecimal byte").arg(byte);
            return false;
        }
        out.append(char(value));
    }
    return true;
}

QByteArray dwordBytes(quint32 value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xff);
    return bytes;
}

quint32 dwordValue(const QByteArray& bytes) {
    quint32 value = 0;
    for (int i = 0; i < bytes.size() && i < 4; ++i)
        value |= quint32(quint8(bytes[i])) << (8 * i);
    return value;
}

bool isUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xff\xfe");
}

// The byte-order mark a hive starts with, kept as it is.
qsizetype markSize(const QByteArray& bytes) {
    return isUtf16(bytes) ? 2 : bytes.startsWith("\xef\xbb\xbf") ? 3 : 0;
}

// UTF-8 (with or without a mark) or UTF-16LE with a mark, as the registry editor exports.
QString decodeHiveText(const QByteArray& bytes, QString* error) {
    QStringDecoder decoder(isUtf16(bytes) ? QStringDecoder::Utf16LE : QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes.mid(markSize(bytes)));
    if (decoder.hasError())
        *error = isUtf16(bytes) ? QStringLiteral("the file is not valid UTF-16 text")
                                : QStringLiteral("the file is not valid UTF-8 text");
    return text;
}

qsizetype leadingSpace(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && text[n].isSpace())
        ++n;
    return n;
}

qsizetype withoutTrailingSpace(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text[n - 1].isSpace())
        --n;
    return n;
}

qint64 ageInMs(const struct stat& info) {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return (qint64(now.tv_sec) - qint64(info.st_mtim.tv_sec)) * 1000 +
           (qint64(now.tv_nsec) - qint64(info.st_mtim.tv_nsec)) / 1000000;
}

bool isOldEmptyFile(const struct stat& info) {
    return S_ISREG(info.st_mode) && info.st_size == 0 && ageInMs(info) >= abandonedEmptyLockMs;
}

// A copy killed between making its lock file and writing its name into it leaves an empty
// file, which QLockFile would take over only after the stale time: every save in the meantime
// would wait and then fail. Such a file is removed at once when it has stayed empty for a
// second and nobody holds a lock on it (a living copy holds one from the moment it makes it).
// The same file is checked again after locking it, so a fresh lock file of another copy made
// in between is never removed.
void removeAbandonedEmptyLock(const QString& lockPath) {
    const QByteArray name = QFile::encodeName(lockPath);
    struct stat named {};
    if (::lstat(name.constData(), &named) != 0 || !isOldEmptyFile(named))
        return;
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return;
    struct stat opened {};
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
        isOldEmptyFile(opened) && ::lstat(name.constData(), &named) == 0 &&
        named.st_dev == opened.st_dev && named.st_ino == opened.st_ino)
        ::unlink(name.constData());
    ::close(fd);
}

// Waits in short, uneven steps while another copy holds the lock: a write holds it for
// milliseconds, while QLockFile's own waiting sleeps 100 ms and more. A lock left by a copy that
// died, or older than the stale time, is taken over; so is one left empty.
bool acquire(QLockFile& lock) {
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || waited.elapsed() > lockWaitMs)
            return false;
        removeAbandonedEmptyLock(lock.fileName());
        QThread::usleep(500 + QRandomGenerator::global()->bounded(4000));
    }
    return true;
}

// Why a lock file cannot be made in the folder, in the system's words.
QString lockFailure(const QLockFile& lock) {
    if (lock.error() == QLockFile::LockFailedError)
        return QStringLiteral("the settings file is locked by another program");
    // Opened for appending, a lock file of someone else's is left as it is.
    QFile probe(lock.fileName());
    const bool existed = probe.exists();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return probe.errorString();
    if (!existed) {
        // A full file system lets the empty file be made but not written.
        const bool written = probe.write("\n", 1) == 1 && probe.flush();
        const QString why = probe.errorString();
        probe.remove();
        if (!written)
            return why;
    }
    return QStringLiteral("the settings file could not be locked");
}

} // namespace

// ---- The hive text ----

bool RegistryHive::parse(const QByteArray& bytes, RegistryRoot root, QString* error) {
    *this = RegistryHive();
    m_root = root;
    QString cause;
    const QString text = decodeHiveText(bytes, &cause);
    if (!cause.isEmpty()) {
        *error = cause;
        return false;
    }
    const QString rootName = registryRootName(root);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QList<qsizetype> starts{0};
    for (const QString& line : lines)
        starts.append(starts.last() + line.size() + 1);
    // Where the line ends, its line break included.
    const auto endOf = [&](qsizetype i) {
        return std::min(starts[i + 1], text.size());
    };
    bool headerSeen = false;
    auto fail = [&](qsizetype index, const QString& what) {
        *error = QStringLiteral("line %1: %2").arg(index + 1).arg(what);
        *this = RegistryHive();
        return false;
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty())
            continue;
        if (!headerSeen) {
            if (line != headerLine)
                return fail(i,
                            QStringLiteral("the file does not start with \"%1\"").arg(headerLine));
            headerSeen = true;
            continue;
        }
        if (line.startsWith(QLatin1Char(';')))
            continue;

        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']')) || line.size() < 2)
                return fail(i, QStringLiteral("a key name has no closing bracket"));
            const QString name = line.mid(1, line.size() - 2);
            if (name.startsWith(QLatin1Char('-')))
                return fail(i, QStringLiteral("removing keys is not supported"));
            QString path;
            if (name.size() > rootName.size() &&
                name.left(rootName.size()).compare(rootName, Qt::CaseInsensitive) == 0 &&
                name[rootName.size()] == QLatin1Char('\\')) {
                path = name.mid(rootName.size() + 1);
                if (path.split(QLatin1Char('\\')).contains(QString()) || hasControlCharacters(path))
                    return fail(i, QStringLiteral("\"%1\" is not a valid key name").arg(name));
            } else if (name.compare(rootName, Qt::CaseInsensitive) != 0) {
                return fail(
                    i, QStringLiteral("the key \"%1\" does not belong to %2").arg(name, rootName));
            }
            m_sections.append(Section{path, starts[i], endOf(i)});
            continue;
        }

        if (!line.startsWith(QLatin1Char('"')) && !line.startsWith(QLatin1Char('@')))
            return fail(i, QStringLiteral("the line is not a key, a value or a comment"));
        if (m_sections.isEmpty())
            return fail(i, QStringLiteral("a value comes before the first key"));

        qsizetype pos = 0;
        QString valueName;
        if (line[0] == QLatin1Char('@'))
            pos = 1;
        else if (!readQuoted(line, pos, valueName, &cause))
            return fail(i, cause);
        while (pos < line.size() && line[pos].isSpace())
            ++pos;
        if (pos >= line.size() || line[pos] != QLatin1Char('='))
            return fail(i, QStringLiteral("a value name is not followed by \"=\""));
        const QString rest = line.mid(pos + 1);
        const QString data = rest.trimmed();
        const qsizetype from = starts[i] + leadingSpace(lines[i]) + pos + 1 + leadingSpace(rest);

        quint32 type = REG_SZ;
        QByteArray value;
        if (data.startsWith(QLatin1Char('"'))) {
            qsizetype at = 0;
            QString string;
            if (!readQuoted(data, at, string, &cause))
                return fail(i, cause);
            if (!data.mid(at).trimmed().isEmpty())
                return fail(i, QStringLiteral("there is text after the closing quote"));
            value = string.toUtf8().append('\0');
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString digits = data.mid(6).trimmed();
            bool ok = false;
            const uint number = digits.toUInt(&ok, 16);
            if (!ok || digits.isEmpty() || digits.size() > 8 ||
                digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
                return fail(i, QStringLiteral("\"%1\" is not a dword").arg(digits));
            type = REG_DWORD;
            value = dwordBytes(number);
        } else if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            const qsizetype colon = data.indexOf(QLatin1Char(':'));
            if (colon < 0)
                return fail(i, QStringLiteral("hexadecimal data has no \":\""));
            const QString kind = data.left(colon);
            bool ok = kind.compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0;
            type = REG_BINARY;
            if (!ok && kind.size() > 5 &&
                kind.startsWith(QLatin1String("hex("), Qt::CaseInsensitive) &&
                kind.endsWith(QLatin1Char(')')))
                type = kind.mid(4, kind.size() - 5).toUInt(&ok, 16);
            if (!ok)
                return fail(i, QStringLiteral("\"%1\" is not a value type").arg(kind));
            // Long data goes on over lines that end in a backslash.
            QString bytesText = data.mid(colon + 1).trimmed();
            while (bytesText.endsWith(QLatin1Char('\\'))) {
                bytesText.chop(1);
                if (++i >= lines.size())
                    return fail(i - 1, QStringLiteral("hexadecimal data ends in a backslash"));
                bytesText += lines[i].trimmed();
            }
            if (!parseHexBytes(bytesText, value, &cause))
                return fail(i, cause);
        } else if (data == QLatin1String("-")) {
            return fail(i, QStringLiteral("removing values is not supported"));
        } else {
            return fail(i, QStringLiteral("the value's data is not understood"));
        }
        // A value given twice keeps its first spelling, and the last data and place.
        const QString path = m_sections.last().path;
        Value& stored = m_values[entryName(path, valueName)];
        if (stored.name.isNull())
            stored.name = valueName.isNull() ? QStringLiteral("") : valueName;
        stored.path = path;
        stored.value = RegistryValue{type, value};
        stored.from = from;
        stored.to = starts[i] + withoutTrailingSpace(lines[i]);
        m_sections.last().end = endOf(i);
    }
    m_bytes = bytes;
    m_text = text;
    m_headerSeen = headerSeen;
    return true;
}

bool RegistryHive::keyExists(const QString& path) const {
    const QString key = path.toLower();
    return path.isEmpty() || std::any_of(m_sections.begin(), m_sections.end(), [&](const auto& s) {
               const QString other = s.path.toLower();
               return other == key || other.startsWith(key + QLatin1Char('\\'));
           });
}

std::optional<RegistryValue> RegistryHive::value(const QString& path, const QString& name) const {
    const auto it = m_values.find(entryName(path, name));
    return it == m_values.end() ? std::nullopt : std::optional(it->value);
}

std::optional<QByteArray> RegistryHive::changed(const QString& path,
                                                const std::optional<QString>& name, quint32 dword,
                                                QString* error) const {
    const qsizetype firstBreak = m_text.indexOf(QLatin1Char('\n'));
    const QString eol = firstBreak > 0 && m_text[firstBreak - 1] == QLatin1Char('\r')
                            ? QStringLiteral("\r\n")
                            : QStringLiteral("\n");
    const QString data = QStringLiteral("dword:%1").arg(dword, 8, 16, QLatin1Char('0'));
    const QString valueLine = name ? (name->isEmpty() ? QStringLiteral("@") : quoted(*name)) +
                                         QLatin1Char('=') + data + eol
                                   : QString();
    const auto sectionOf = [&](const QString& key) {
        const auto found = std::find_if(m_sections.rbegin(), m_sections.rend(), [&](const auto& s) {
            return s.path.toLower() == key.toLower();
        });
        return found == m_sections.rend() ? nullptr : &*found;
    };
    struct Edit {
        qsizetype at, removed;
        QString text;
    };
    QList<Edit> edits;
    if (!m_headerSeen)
        edits.append({0, 0, headerLine + eol + eol});

    // Sections for the key and the keys above it that have none (the root only for a value),
    // each before the first key below it, or else at the end.
    QStringList keys;
    if (path.isEmpty() && name)
        keys.append(path);
    for (const QString& part : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts))
        keys.append(keys.isEmpty() || keys.last().isEmpty()
                        ? part
                        : keys.last() + QLatin1Char('\\') + part);
    QString atEnd;
    bool valueWritten = !name;
    for (const QString& key : keys) {
        if (sectionOf(key))
            continue;
        QString text = QLatin1Char('[') + registryRootName(m_root) +
                       (key.isEmpty() ? QString() : QLatin1Char('\\') + key) + QLatin1Char(']') +
                       eol;
        if (key.compare(path, Qt::CaseInsensitive) == 0 && !valueWritten) {
            text += valueLine;
            valueWritten = true;
        }
        const QString below = key.toLower() + QLatin1Char('\\');
        const auto next = std::find_if(m_sections.begin(), m_sections.end(), [&](const auto& s) {
            return !key.isEmpty() && s.path.toLower().startsWith(below);
        });
        if (next == m_sections.end())
            atEnd += text + eol;
        else
            edits.append({next->begin, 0, text + eol});
    }
    if (!valueWritten) {
        const auto it = m_values.find(entryName(path, *name));
        if (it != m_values.end()) {
            edits.append({it->from, it->to - it->from, data});
        } else {
            const qsizetype at = sectionOf(path)->end;
            const bool broken = at == m_text.size() && !m_text.endsWith(QLatin1Char('\n'));
            edits.append({at, 0, (broken ? eol : QString()) + valueLine});
        }
    }
    if (!atEnd.isEmpty()) {
        // A blank line between the file's last line and the new sections.
        QString before;
        if (m_headerSeen && !m_text.endsWith(QLatin1Char('\n')))
            before = eol + eol;
        else if (m_headerSeen && !m_text.endsWith(QLatin1String("\n\n")) &&
                 !m_text.endsWith(QLatin1String("\n\r\n")))
            before = eol;
        edits.append({m_text.size(), 0, before + atEnd});
    }
    std::stable_sort(edits.begin(), edits.end(),
                     [](const Edit& a, const Edit& b) { return a.at < b.at; });
    QString text;
    qsizetype done = 0;
    for (const Edit& edit : edits) {
        text += m_text.mid(done, edit.at - done) + edit.text;
        done = edit.at + edit.removed;
    }
    text += m_text.mid(done);

    // The file keeps its encoding and its mark; what that encoding cannot hold is not written.
    const auto encode = [&](const QString& t) {
        QStringEncoder encoder(isUtf16(m_bytes) ? QStringEncoder::Utf16LE : QStringEncoder::Utf8,
                               QStringEncoder::Flag::Stateless);
        return m_bytes.left(markSize(m_bytes)) + QByteArray(encoder(t));
    };
    const QByteArray bytes = encode(text);
    QString cause;
    if (encode(m_text) != m_bytes || decodeHiveText(bytes, &cause) != text || !cause.isEmpty()) {
        *error = QStringLiteral("the settings file holds a name or a value that cannot be "
                                "written back unchanged");
        return std::nullopt;
    }
    return bytes;
}

// ---- Where the hives live ----

QString registryRootName(RegistryRoot root) {
    return root == RegistryRoot::CurrentUser ? QStringLiteral("HKEY_CURRENT_USER")
                                             : QStringLiteral("HKEY_LOCAL_MACHINE");
}

QString registryDirectory() {
    const QString explicitDir = qEnvironmentVariable("FERLO_REGISTRY_DIR");
    if (!explicitDir.isEmpty())
        return QDir::cleanPath(explicitDir);
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG base directory rules ignore a relative XDG_CONFIG_HOME.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return QDir::cleanPath(config + QStringLiteral("/ferlo"));
}

QString registryHivePath(RegistryRoot root) {
    return registryDirectory() + QLatin1Char('/') + registryRootName(root) + QStringLiteral(".reg");
}

// ---- TRegistry ----

bool TRegistry::load(RegistryHive& hive, QString* error) const {
    const QString path = HivePath();
    QFile file(path);
    QString cause;
    // A pipe or a device in its place would block the reader or never end.
    std::error_code code;
    if (!file.exists()) {
        hive.parse(QByteArray(), m_root, &cause);
        return true;
    }
    if (!std::filesystem::is_regular_file(QFile::encodeName(path).toStdString(), code) &&
        !QFileInfo(path).isDir())
        cause = QStringLiteral("the settings file is not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        cause = file.errorString();
    else if (file.size() > maxHiveSize)
        cause = QStringLiteral("the file is too large to be a settings file");
    // A regular file, of a size checked above: reading it whole is bounded.
    else if (const QByteArray bytes = file.readAll(); file.error() != QFileDevice::NoError)
        cause = file.errorString();
    else if (!hive.parse(bytes, m_root, &cause))
        cause = QStringLiteral("the file is not a valid settings file (%1)").arg(cause);
    if (!cause.isEmpty())
        *error = path + QStringLiteral(": ") + cause;
    return cause.isEmpty();
}

// Under the lock: reads the hive anew, changes it and replaces it through a temporary file
// renamed over it, so that a crash leaves the old or the new hive, never half of one.
bool TRegistry::save(const QString& key, const std::optional<QString>& name, quint32 value,
                     QString* error) {
    const QString path = HivePath();
    const auto fail = [&](const QString& reason) {
        *error = path + QStringLiteral(": ") + reason;
        return false;
    };
    const std::filesystem::path folder(QFile::encodeName(registryDirectory()).toStdString());
    std::error_code code;
    if (std::filesystem::exists(folder, code) && !std::filesystem::is_directory(folder, code))
        return fail(
            QString::fromLocal8Bit(std::make_error_code(std::errc::not_a_directory).message()));
    if (std::filesystem::create_directories(folder, code); code)
        return fail(QString::fromLocal8Bit(code.message()));

    QLockFile lock(path + QStringLiteral(".lock"));
    lock.setStaleLockTime(staleLockMs);
    if (!acquire(lock))
        return fail(lockFailure(lock));
    // Temporary files exist only while their writer holds the lock: any found now were left by
    // a copy killed in the middle of a write.
    const QFileInfo hiveFile(path);
    static const QRegularExpression temporary(QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    for (const QFileInfo& left : hiveFile.dir().entryInfoList(
             {hiveFile.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
        if (temporary.match(left.fileName()).hasMatch())
            QFile::remove(left.filePath());
    }

    RegistryHive hive;
    if (!load(hive, error))
        return false;
    QString cause;
    const std::optional<QByteArray> bytes = hive.changed(key, name, value, &cause);
    if (!bytes)
        return fail(cause);
    if (*bytes == hive.bytes())
        return true;
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(*bytes) == bytes->size() && file.commit())
        return true;
    return fail(file.errorString());
}

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    m_lastError.clear();
    QString relative = key;
    const bool absolute = relative.startsWith(QLatin1Char('\\'));
    if (absolute)
        relative.remove(0, 1);
    if (relative.endsWith(QLatin1Char('\\')))
        relative.chop(1);
    if (hasControlCharacters(relative) ||
        (!relative.isEmpty() && relative.split(QLatin1Char('\\')).contains(QString()))) {
        m_lastError = HivePath() + QStringLiteral(": \"%1\" is not a valid key name").arg(key);
        return false;
    }
    const QString base = (absolute || !m_open) ? QString() : m_path;
    const QString path = base.isEmpty() || relative.isEmpty() ? base + relative
                                                              : base + QLatin1Char('\\') + relative;
    RegistryHive hive;
    if (!load(hive, &m_lastError))
        return false;
    if (!hive.keyExists(path)) {
        if (!canCreate) {
            m_lastError = HivePath() + QStringLiteral(": the key \"%1\" does not exist").arg(key);
            return false;
        }
        if (!save(path, std::nullopt, 0, &m_lastError))
            return false;
    }
    m_open = true;
    m_path = path;
    return true;
}

bool TRegistry::ValueExists(const QString& name) {
    RegistryHive hive;
    QString error;
    return m_open && load(hive, &error) && hive.value(m_path, name).has_value();
}

int TRegistry::ReadInteger(const QString& name) {
    // Fetch into a 4-byte buffer first, then look at the type, as the registry does.
    RegistryHive hive;
    QString error;
    const auto value = m_open && load(hive, &error) ? hive.value(m_path, name) : std::nullopt;
    if (!value || value->data.size() > 4)
        throw ERegistryException(QStringLiteral("Failed to get data for '%1'").arg(name));
    if (value->type != REG_DWORD)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return int(dwordValue(value->data));
}

void TRegistry::WriteInteger(const QString& name, int value) {
    const QString failed = QStringLiteral("Failed to set data for '%1'").arg(name);
    if (!m_open)
        throw ERegistryException(failed, HivePath() + QStringLiteral(": no key is open"));
    if (hasControlCharacters(name))
        throw ERegistryException(failed, HivePath() +
                                             QStringLiteral(": the value name holds a line break"));
    // A key another copy removed meanwhile comes back with the value.
    QString error;
    if (!save(m_path, name, quint32(value), &error))
        throw ERegistryException(failed, error);
}

} // namespace ferlo
