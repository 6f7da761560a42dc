#include "platform/Registry.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
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
constexpr int hexBytesPerLine = 24;

thread_local QString formatError;
// The changes of the write under way in this thread, for the writer.
thread_local const QSettings::SettingsMap* changesUnderWay = nullptr;

bool hasControlCharacters(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// A map entry name that QSettings keeps as it is: no backslash, no slash, never empty.
QString entryPart(const QString& text) {
    QString part = QStringLiteral("_") + text.toLower();
    part.replace(QLatin1Char('%'), QLatin1String("%25"));
    part.replace(QLatin1Char('/'), QLatin1String("%2F"));
    return part.replace(QLatin1Char('\\'), QLatin1String("%5C"));
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

// A REG_SZ that can be written between quotes: valid UTF-8, one terminating zero, no line breaks.
std::optional<QString> quotableString(quint32 type, const QByteArray& data) {
    if (type != REG_SZ || !data.endsWith('\0') || data.count('\0') != 1)
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(data.left(data.size() - 1));
    if (decoder.hasError() || hasControlCharacters(text))
        return std::nullopt;
    return text;
}

QString decodeHiveText(const QByteArray& bytes, QString* error) {
    const bool utf16 = bytes.startsWith("\xff\xfe");
    QStringDecoder decoder(utf16 ? QStringDecoder::Utf16LE : QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless);
    const QString text = decoder(utf16                              ? bytes.mid(2)
                                 : bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3)
                                                                    : bytes);
    if (decoder.hasError())
        *error = utf16 ? QStringLiteral("the file is not valid UTF-16 text")
                       : QStringLiteral("the file is not valid UTF-8 text");
    return text;
}

// Parses the text of a hive file into the format's map; false with the cause in *error.
bool parseHive(const QByteArray& bytes, const QString& rootName, QSettings::SettingsMap& map,
               QString* error) {
    map.clear();
    QString cause;
    QStringList lines = decodeHiveText(bytes, &cause).split(QLatin1Char('\n'));
    if (!cause.isEmpty()) {
        *error = cause;
        return false;
    }
    bool headerSeen = false;
    std::optional<QString> current;
    int order = 0;
    auto fail = [&](qsizetype index, const QString& what) {
        *error = QStringLiteral("line %1: %2").arg(index + 1).arg(what);
        map.clear();
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
            if (name.compare(rootName, Qt::CaseInsensitive) == 0) {
                current = QString();
            } else if (name.size() > rootName.size() &&
                       name.left(rootName.size()).compare(rootName, Qt::CaseInsensitive) == 0 &&
                       name[rootName.size()] == QLatin1Char('\\')) {
                current = name.mid(rootName.size() + 1);
                if (current->split(QLatin1Char('\\')).contains(QString()) ||
                    hasControlCharacters(*current))
                    return fail(i, QStringLiteral("\"%1\" is not a valid key name").arg(name));
            } else {
                return fail(
                    i, QStringLiteral("the key \"%1\" does not belong to %2").arg(name, rootName));
            }
            if (!map.contains(entryPart(*current)))
                map.insert(entryPart(*current), QVariantList{*current, order++});
            continue;
        }

        if (!line.startsWith(QLatin1Char('"')) && !line.startsWith(QLatin1Char('@')))
            return fail(i, QStringLiteral("the line is not a key, a value or a comment"));
        if (!current)
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
        const QString data = line.mid(pos + 1).trimmed();

        quint32 type = REG_SZ;
        QByteArray bytes;
        if (data.startsWith(QLatin1Char('"'))) {
            qsizetype at = 0;
            QString string;
            if (!readQuoted(data, at, string, &cause))
                return fail(i, cause);
            if (!data.mid(at).trimmed().isEmpty())
                return fail(i, QStringLiteral("there is text after the closing quote"));
            bytes = string.toUtf8().append('\0');
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString digits = data.mid(6).trimmed();
            bool ok = false;
            const uint number = digits.toUInt(&ok, 16);
            if (!ok || digits.isEmpty() || digits.size() > 8 ||
                digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
                return fail(i, QStringLiteral("\"%1\" is not a dword").arg(digits));
            type = REG_DWORD;
            bytes = dwordBytes(number);
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
            if (!parseHexBytes(bytesText, bytes, &cause))
                return fail(i, cause);
        } else if (data == QLatin1String("-")) {
            return fail(i, QStringLiteral("removing values is not supported"));
        } else {
            return fail(i, QStringLiteral("the value's data is not understood"));
        }
        // A value given twice keeps its first spelling and place, and the last data.
        const QString entry = registryEntryName(*current, valueName);
        const QVariantList old = map.value(entry).toList();
        map.insert(entry, QVariantList{*current, old.isEmpty() ? valueName : old[1], type, bytes,
                                       old.isEmpty() ? order++ : old[4]});
    }
    return true;
}

// The hive text of a map: keys in the order of their places, a new key before the keys below it.
QByteArray serializeHive(const QString& rootName, const QSettings::SettingsMap& map) {
    struct Key {
        QString path;
        int order;
        QList<QVariantList> values;
    };
    QList<Key> keys;
    QHash<QString, qsizetype> index;
    auto keyFor = [&](const QString& path, int order) -> Key& {
        const QString id = entryPart(path);
        if (!index.contains(id)) {
            index.insert(id, keys.size());
            keys.append(Key{path, order, {}});
        }
        return keys[index.value(id)];
    };
    for (auto it = map.begin(); it != map.end(); ++it) {
        const QVariantList entry = it.value().toList();
        if (entry.size() == 2)
            keyFor(entry[0].toString(), entry[1].toInt()).order = entry[1].toInt();
        else if (entry.size() == 5)
            keyFor(entry[0].toString(), -1).values.append(entry);
    }
    QList<Key> placed;
    for (const Key& key : keys) {
        if (key.order >= 0)
            placed.append(key);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const Key& a, const Key& b) { return a.order < b.order; });
    for (const Key& key : keys) {
        if (key.order >= 0)
            continue;
        const QString below = key.path + QLatin1Char('\\');
        auto at = std::find_if(placed.begin(), placed.end(), [&](const Key& other) {
            return other.path.startsWith(below, Qt::CaseInsensitive);
        });
        placed.insert(at, key);
    }

    QString out = headerLine + QStringLiteral("\n\n");
    for (Key& key : placed) {
        out += QLatin1Char('[') + rootName;
        if (!key.path.isEmpty())
            out += QLatin1Char('\\') + key.path;
        out += QStringLiteral("]\n");
        std::stable_sort(key.values.begin(), key.values.end(),
                         [](const QVariantList& a, const QVariantList& b) {
                             return quint32(a[4].toInt()) < quint32(b[4].toInt());
                         });
        for (const QVariantList& value : key.values) {
            const QString name = value[1].toString();
            const quint32 type = value[2].toUInt();
            const QByteArray data = value[3].toByteArray();
            out += (name.isEmpty() ? QStringLiteral("@") : quoted(name)) + QLatin1Char('=');
            if (type == REG_DWORD && data.size() == 4) {
                out += QStringLiteral("dword:%1").arg(dwordValue(data), 8, 16, QLatin1Char('0'));
            } else if (const auto text = quotableString(type, data)) {
                out += quoted(*text);
            } else {
                out += type == REG_BINARY ? QStringLiteral("hex:")
                                          : QStringLiteral("hex(%1):").arg(type, 0, 16);
                for (qsizetype b = 0; b < data.size(); ++b) {
                    out += QStringLiteral("%1").arg(quint8(data[b]), 2, 16, QLatin1Char('0'));
                    if (b + 1 < data.size())
                        out += (b + 1) % hexBytesPerLine ? QStringLiteral(",")
                                                         : QStringLiteral(",\\\n  ");
                }
            }
            out += QLatin1Char('\n');
        }
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

// Every entry of the map is read back alike (a value's key may come back spelled as its section);
// what is read back besides are only the sections of values that had none.
bool readsBackAlike(const QSettings::SettingsMap& map, const QSettings::SettingsMap& again) {
    for (auto it = again.begin(); it != again.end(); ++it) {
        const QVariantList x = map.value(it.key()).toList();
        const QVariantList y = it.value().toList();
        if (x.isEmpty() && y.size() == 2)
            continue;
        if (x.size() != y.size() || (x.size() == 2 && x[0].toString() != y[0].toString()) ||
            (x.size() == 5 &&
             (x[1].toString() != y[1].toString() || x[2].toUInt() != y[2].toUInt() ||
              x[3].toByteArray() != y[3].toByteArray())))
            return false;
    }
    return std::all_of(map.keyBegin(), map.keyEnd(),
                       [&](const QString& key) { return again.contains(key); });
}

QString rootNameOf(const QIODevice& device) {
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    const bool user =
        file &&
        QFileInfo(file->fileName()).fileName().startsWith(registryRootName(HKEY_CURRENT_USER));
    return registryRootName(user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE);
}

bool readHiveFile(QIODevice& device, QSettings::SettingsMap& map, QString* error) {
    if (device.size() > maxHiveSize) {
        *error = QStringLiteral("the file is too large to be a settings file");
        return false;
    }
    // A regular file, of a size checked above: reading it whole is bounded.
    const QByteArray bytes = device.readAll();
    QString cause;
    if (!parseHive(bytes, rootNameOf(device), map, &cause)) {
        *error = QStringLiteral("the file is not a valid settings file (%1)").arg(cause);
        return false;
    }
    return true;
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
bool waitForLock(const QString& lockPath) {
    QElapsedTimer waited;
    waited.start();
    while (QFileInfo::exists(lockPath)) {
        QLockFile lock(lockPath);
        lock.setStaleLockTime(staleLockMs);
        if (lock.tryLock(0) || lock.error() != QLockFile::LockFailedError)
            return true;
        if (waited.elapsed() > lockWaitMs)
            return false;
        removeAbandonedEmptyLock(lockPath);
        QThread::usleep(500 + QRandomGenerator::global()->bounded(4000));
    }
    return true;
}

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

// Sections for the key and every key above it that has none; the root has one only when it
// holds values.
QSettings::SettingsMap missingKeys(const QSettings::SettingsMap& map, const QString& path) {
    QSettings::SettingsMap created;
    QString prefix;
    for (const QString& part : path.split(QLatin1Char('\\'), Qt::SkipEmptyParts)) {
        prefix += prefix.isEmpty() ? part : QLatin1Char('\\') + part;
        if (!map.contains(entryPart(prefix)))
            created.insert(entryPart(prefix), QVariantList{prefix, -1});
    }
    if (path.isEmpty() && !map.contains(entryPart(path)))
        created.insert(entryPart(path), QVariantList{path, -1});
    return created;
}

} // namespace

// ---- The registered format ----

QSettings::Format registryFormat() {
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("reg"), readRegistryHive, writeRegistryHive, Qt::CaseSensitive);
    return format;
}

QString registryFormatError() {
    return formatError;
}

bool readRegistryHive(QIODevice& device, QSettings::SettingsMap& map) {
    formatError.clear();
    return readHiveFile(device, map, &formatError);
}

bool writeRegistryHive(QIODevice& device, const QSettings::SettingsMap& map) {
    formatError.clear();
    const QString rootName = rootNameOf(device);
    // QSettings holds the lock and writes even when its own read of the hive failed: the file
    // on disk is read once more, and one that does not parse is left as it is.
    QSettings::SettingsMap merged = map;
    if (const auto* file = qobject_cast<const QSaveFile*>(&device)) {
        QFile current(file->fileName());
        QSettings::SettingsMap onDisk;
        if (current.exists() &&
            (!current.open(QIODevice::ReadOnly) || !readHiveFile(current, onDisk, &formatError))) {
            if (formatError.isEmpty())
                formatError = current.errorString();
            return false;
        }
        // Temporary files exist only while their writer holds the lock: any but this one were
        // left by a copy killed in the middle of a write.
        const QFileInfo hive(file->fileName());
        static const QRegularExpression temporary(
            QStringLiteral("^HKEY_[A-Z_]+\\.reg\\.[A-Za-z0-9]{6}$"));
        struct stat mine {
        }, other{};
        ::fstat(file->handle(), &mine);
        for (const QFileInfo& left : hive.dir().entryInfoList(
                 {hive.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden)) {
            const QByteArray name = QFile::encodeName(left.filePath());
            if (temporary.match(left.fileName()).hasMatch() &&
                ::lstat(name.constData(), &other) == 0 && other.st_ino != mine.st_ino)
                ::unlink(name.constData());
        }
        // QSettings reads the file anew only when its size or millisecond time stamp changed,
        // and keeps a change whose write failed for the next write: the accessor's change is
        // merged into what is on disk now instead.
        if (changesUnderWay) {
            merged = onDisk;
            for (auto it = changesUnderWay->begin(); it != changesUnderWay->end(); ++it)
                merged.insert(it.key(), it.value());
        }
    }
    // What cannot be read back exactly (a lone surrogate in a name) is not written at all.
    const QByteArray bytes = serializeHive(rootName, merged);
    QSettings::SettingsMap again;
    QString cause;
    if (!parseHive(bytes, rootName, again, &cause) || !readsBackAlike(merged, again)) {
        formatError = QStringLiteral("the settings file holds a name or a value that cannot be "
                                     "written back unchanged");
        return false;
    }
    if (device.write(bytes) != bytes.size() ||
        (qobject_cast<QFileDevice*>(&device) && !static_cast<QFileDevice&>(device).flush())) {
        formatError = device.errorString();
        return false;
    }
    return true;
}

QString registryEntryName(const QString& path, const QString& name) {
    return entryPart(path) + QLatin1Char('/') + entryPart(name);
}

std::optional<RegistryValue> registryValue(const QSettings::SettingsMap& map, const QString& path,
                                           const QString& name) {
    const QVariantList entry = map.value(registryEntryName(path, name)).toList();
    if (entry.size() != 5)
        return std::nullopt;
    return RegistryValue{entry[2].toUInt(), entry[3].toByteArray()};
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

// Reads the hive file itself rather than through QSettings: a pipe in its place must not block
// the reader, and a failure must name its cause.
bool TRegistry::load(QSettings::SettingsMap& map, QString* error) const {
    const QString path = HivePath();
    map.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    std::error_code code;
    if (!std::filesystem::is_regular_file(QFile::encodeName(path).toStdString(), code) &&
        !QFileInfo(path).isDir()) {
        *error = path + QStringLiteral(": the settings file is not a regular file");
        return false;
    }
    QString cause;
    if (!file.open(QIODevice::ReadOnly) ||
        (readHiveFile(file, map, &cause) && file.error() != QFileDevice::NoError))
        cause = file.errorString();
    if (!cause.isEmpty())
        *error = path + QStringLiteral(": ") + cause;
    return cause.isEmpty();
}

// Locks, re-reads, merges the changes and replaces the hive, all through QSettings. What it
// does not do is done first: the folder is made with the cause of a failure, a lock left empty
// by a killed copy is taken over and temporary files of killed copies are removed.
bool TRegistry::save(const QSettings::SettingsMap& changes, QString* error) {
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
    QSettings::SettingsMap current;
    if (!load(current, error))
        return false;
    // QSettings replaces only a hive file it may open for writing.
    if (QFile file(path); file.exists() && !file.open(QIODevice::ReadWrite))
        return fail(file.errorString());

    // QSettings waits for the lock without end, sleeping 100 ms and more between attempts, and
    // takes a lock over only after 30 s. It locks as soon as the lock is free.
    changesUnderWay = &changes;
    const struct Done {
        ~Done() { changesUnderWay = nullptr; }
    } done;
    QSettings settings(path, registryFormat());
    if (!waitForLock(path + QStringLiteral(".lock")))
        return fail(QStringLiteral("the settings file is locked by another program"));
    for (auto it = changes.begin(); it != changes.end(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
    if (settings.status() == QSettings::NoError)
        return true;
    if (!registryFormatError().isEmpty())
        return fail(registryFormatError());
    QLockFile lock(path + QStringLiteral(".lock"));
    return fail(acquire(lock) ? QStringLiteral("the settings file could not be written")
                              : lockFailure(lock));
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

    QSettings::SettingsMap map;
    if (!load(map, &m_lastError))
        return false;
    // A key exists when it or one below it has a section.
    const QString id = entryPart(path);
    const bool exists =
        path.isEmpty() || std::any_of(map.keyBegin(), map.keyEnd(), [&](const QString& entry) {
            return entry == id || entry.startsWith(id + QStringLiteral("%5C"));
        });
    if (!exists) {
        if (!canCreate) {
            m_lastError = HivePath() + QStringLiteral(": the key \"%1\" does not exist").arg(key);
            return false;
        }
        if (!save(missingKeys(map, path), &m_lastError))
            return false;
    }
    m_open = true;
    m_path = path;
    return true;
}

bool TRegistry::ValueExists(const QString& name) {
    QSettings::SettingsMap map;
    QString error;
    return m_open && load(map, &error) && registryValue(map, m_path, name).has_value();
}

int TRegistry::ReadInteger(const QString& name) {
    // Fetch into a 4-byte buffer first, then look at the type, as the registry does.
    QSettings::SettingsMap map;
    QString error;
    const auto value =
        m_open && load(map, &error) ? registryValue(map, m_path, name) : std::nullopt;
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
    QSettings::SettingsMap map;
    QString error;
    if (!load(map, &error))
        throw ERegistryException(failed, error);
    // The value keeps its first spelling and place; a key another copy removed comes back.
    const QString entry = registryEntryName(m_path, name);
    const QVariantList old = map.value(entry).toList();
    QSettings::SettingsMap change = missingKeys(map, m_path);
    change.insert(entry, QVariantList{m_path, old.isEmpty() ? name : old[1], uint(REG_DWORD),
                                      dwordBytes(quint32(value)), old.isEmpty() ? -1 : old[4]});
    if (!save(change, &error))
        throw ERegistryException(failed, error);
}

} // namespace ferlo
