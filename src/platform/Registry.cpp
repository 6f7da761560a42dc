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
#include <QThread>

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

bool samePath(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasControlCharacters(const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
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
    ++pos;
    while (pos < text.size()) {
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
            out += text[pos + 1];
            pos += 2;
            continue;
        }
        out += c;
        ++pos;
    }
    *error = QStringLiteral("a quoted text has no closing quote");
    return false;
}

bool parseHexBytes(const QString& text, QByteArray& out, QString* error) {
    out.clear();
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return true;
    const QStringList parts = trimmed.split(QLatin1Char(','));
    for (const QString& part : parts) {
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

QByteArray stringBytes(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.append('\0');
    return bytes;
}

// A REG_SZ that can be written between quotes: valid UTF-8, one terminating zero, no line breaks.
std::optional<QString> quotableString(const RegistryValue& value) {
    if (value.type != REG_SZ || value.data.isEmpty() || !value.data.endsWith('\0'))
        return std::nullopt;
    const QByteArray body = value.data.left(value.data.size() - 1);
    if (body.contains('\0'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(body);
    if (decoder.hasError() || hasControlCharacters(text))
        return std::nullopt;
    return text;
}

QString decodeHiveText(const QByteArray& bytes, QString* error) {
    if (bytes.startsWith("\xff\xfe")) {
        QStringDecoder decoder(QStringDecoder::Utf16LE);
        const QString text = decoder(bytes.mid(2));
        if (decoder.hasError())
            *error = QStringLiteral("the file is not valid UTF-16 text");
        return text;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes.startsWith("\xef\xbb\xbf") ? bytes.mid(3) : bytes);
    if (decoder.hasError())
        *error = QStringLiteral("the file is not valid UTF-8 text");
    return text;
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

// Waits for the lock in short, uneven steps: a write holds it for milliseconds, while
// QLockFile's own waiting sleeps 100 ms and more between attempts.
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

QString reasonOf(const std::error_code& code) {
    return QString::fromLocal8Bit(code.message());
}

} // namespace

// ---- RegistryHive ----

bool RegistryHive::parse(const QByteArray& bytes, RegistryRoot root, QString* error) {
    m_keys.clear();
    QString cause;
    const QString text = decodeHiveText(bytes, &cause);
    if (!cause.isEmpty()) {
        *error = cause;
        return false;
    }
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }

    const QString rootName = registryRootName(root);
    bool headerSeen = false;
    Key* current = nullptr;
    auto fail = [&](qsizetype index, const QString& what) {
        *error = QStringLiteral("line %1: %2").arg(index + 1).arg(what);
        m_keys.clear();
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
            if (samePath(name, rootName)) {
                path.clear();
            } else if (name.size() > rootName.size() &&
                       samePath(name.left(rootName.size()), rootName) &&
                       name[rootName.size()] == QLatin1Char('\\')) {
                path = name.mid(rootName.size() + 1);
                if (path.split(QLatin1Char('\\')).contains(QString()) || hasControlCharacters(path))
                    return fail(i, QStringLiteral("\"%1\" is not a valid key name").arg(name));
            } else {
                return fail(
                    i, QStringLiteral("the key \"%1\" does not belong to %2").arg(name, rootName));
            }
            current = findKey(path);
            if (!current) {
                m_keys.append(Key{path, {}});
                current = &m_keys.last();
            }
            continue;
        }

        if (!line.startsWith(QLatin1Char('"')) && !line.startsWith(QLatin1Char('@')))
            return fail(i, QStringLiteral("the line is not a key, a value or a comment"));
        if (!current)
            return fail(i, QStringLiteral("a value comes before the first key"));

        qsizetype pos = 0;
        QString valueName;
        if (line[0] == QLatin1Char('@')) {
            pos = 1;
        } else if (!readQuoted(line, pos, valueName, &cause)) {
            return fail(i, cause);
        }
        while (pos < line.size() && line[pos].isSpace())
            ++pos;
        if (pos >= line.size() || line[pos] != QLatin1Char('='))
            return fail(i, QStringLiteral("a value name is not followed by \"=\""));
        ++pos;
        while (pos < line.size() && line[pos].isSpace())
            ++pos;
        QString data = line.mid(pos);

        RegistryValue value;
        if (data.startsWith(QLatin1Char('"'))) {
            qsizetype at = 0;
            QString string;
            if (!readQuoted(data, at, string, &cause))
                return fail(i, cause);
            if (!data.mid(at).trimmed().isEmpty())
                return fail(i, QStringLiteral("there is text after the closing quote"));
            value.type = REG_SZ;
            value.data = stringBytes(string);
        } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString digits = data.mid(6).trimmed();
            bool ok = false;
            const uint number = digits.toUInt(&ok, 16);
            if (!ok || digits.isEmpty() || digits.size() > 8 ||
                digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
                return fail(i, QStringLiteral("\"%1\" is not a dword").arg(digits));
            value.type = REG_DWORD;
            value.data = dwordBytes(number);
        } else if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
            qsizetype colon = data.indexOf(QLatin1Char(':'));
            if (colon < 0)
                return fail(i, QStringLiteral("hexadecimal data has no \":\""));
            const QString kind = data.left(colon);
            if (kind.compare(QLatin1String("hex"), Qt::CaseInsensitive) == 0) {
                value.type = REG_BINARY;
            } else if (kind.size() > 5 &&
                       kind.startsWith(QLatin1String("hex("), Qt::CaseInsensitive) &&
                       kind.endsWith(QLatin1Char(')'))) {
                bool ok = false;
                value.type = kind.mid(4, kind.size() - 5).toUInt(&ok, 16);
                if (!ok)
                    return fail(i, QStringLiteral("\"%1\" is not a value type").arg(kind));
            } else {
                return fail(i, QStringLiteral("\"%1\" is not a value type").arg(kind));
            }
            // Long data goes on over lines that end in a backslash.
            QString bytesText = data.mid(colon + 1).trimmed();
            while (bytesText.endsWith(QLatin1Char('\\'))) {
                bytesText.chop(1);
                if (++i >= lines.size())
                    return fail(i - 1, QStringLiteral("hexadecimal data ends in a backslash"));
                bytesText += lines[i].trimmed();
            }
            if (!parseHexBytes(bytesText, value.data, &cause))
                return fail(i, cause);
        } else if (data == QLatin1String("-")) {
            return fail(i, QStringLiteral("removing values is not supported"));
        } else {
            return fail(i, QStringLiteral("the value's data is not understood"));
        }

        bool replaced = false;
        for (auto& entry : current->values) {
            if (samePath(entry.first, valueName)) {
                entry.second = value;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            current->values.append({valueName, value});
    }
    // An empty file holds nothing yet; any other file must start with the header.
    return true;
}

QByteArray RegistryHive::serialize(RegistryRoot root) const {
    const QString rootName = registryRootName(root);
    QString out = headerLine + QStringLiteral("\n\n");
    for (const Key& key : m_keys) {
        out += QLatin1Char('[') + rootName;
        if (!key.path.isEmpty())
            out += QLatin1Char('\\') + key.path;
        out += QStringLiteral("]\n");
        for (const auto& [name, value] : key.values) {
            out += name.isEmpty() ? QStringLiteral("@") : quoted(name);
            out += QLatin1Char('=');
            if (value.type == REG_DWORD && value.data.size() == 4) {
                out +=
                    QStringLiteral("dword:%1").arg(dwordValue(value.data), 8, 16, QLatin1Char('0'));
            } else if (const auto text = quotableString(value)) {
                out += quoted(*text);
            } else {
                out += value.type == REG_BINARY ? QStringLiteral("hex:")
                                                : QStringLiteral("hex(%1):").arg(value.type, 0, 16);
                for (qsizetype b = 0; b < value.data.size(); ++b) {
                    out += QStringLiteral("%1").arg(quint8(value.data[b]), 2, 16, QLatin1Char('0'));
                    if (b + 1 < value.data.size()) {
                        out += QLatin1Char(',');
                        if ((b + 1) % hexBytesPerLine == 0)
                            out += QStringLiteral("\\\n  ");
                    }
                }
            }
            out += QLatin1Char('\n');
        }
        out += QLatin1Char('\n');
    }
    return out.toUtf8();
}

RegistryHive::Key* RegistryHive::findKey(const QString& path) {
    for (Key& key : m_keys) {
        if (samePath(key.path, path))
            return &key;
    }
    return nullptr;
}

const RegistryHive::Key* RegistryHive::findKey(const QString& path) const {
    return const_cast<RegistryHive*>(this)->findKey(path);
}

bool RegistryHive::keyExists(const QString& path) const {
    if (path.isEmpty())
        return true;
    const QString below = path + QLatin1Char('\\');
    for (const Key& key : m_keys) {
        if (samePath(key.path, path) || key.path.startsWith(below, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

void RegistryHive::createKey(const QString& path) {
    if (path.isEmpty()) {
        if (!findKey(path))
            m_keys.append(Key{path, {}});
        return;
    }
    const QStringList parts = path.split(QLatin1Char('\\'));
    QString prefix;
    for (const QString& part : parts) {
        prefix += prefix.isEmpty() ? part : QLatin1Char('\\') + part;
        if (findKey(prefix))
            continue;
        // A key goes before the keys below it, as the registry editor writes them.
        const QString below = prefix + QLatin1Char('\\');
        qsizetype at = 0;
        while (at < m_keys.size() && !m_keys[at].path.startsWith(below, Qt::CaseInsensitive))
            ++at;
        m_keys.insert(at, Key{prefix, {}});
    }
}

const RegistryValue* RegistryHive::value(const QString& path, const QString& name) const {
    const Key* key = findKey(path);
    if (!key)
        return nullptr;
    for (const auto& entry : key->values) {
        if (samePath(entry.first, name))
            return &entry.second;
    }
    return nullptr;
}

void RegistryHive::setValue(const QString& path, const QString& name, const RegistryValue& value) {
    createKey(path);
    Key* key = findKey(path);
    for (auto& entry : key->values) {
        if (samePath(entry.first, name)) {
            entry.second = value;
            return;
        }
    }
    key->values.append({name, value});
}

bool RegistryHive::deleteValue(const QString& path, const QString& name) {
    Key* key = findKey(path);
    if (!key)
        return false;
    for (qsizetype i = 0; i < key->values.size(); ++i) {
        if (samePath(key->values[i].first, name)) {
            key->values.removeAt(i);
            return true;
        }
    }
    return false;
}

// ---- Where the hives live ----

QString registryRootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegistryRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    }
    return QStringLiteral("HKEY_LOCAL_MACHINE");
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

void TRegistry::setRootKey(RegistryRoot root) {
    CloseKey();
    m_root = root;
}

void TRegistry::CloseKey() {
    m_open = false;
    m_currentPath.clear();
}

std::optional<QString> TRegistry::resolve(const QString& key) const {
    QString relative = key;
    const bool absolute = relative.startsWith(QLatin1Char('\\'));
    if (absolute)
        relative.remove(0, 1);
    if (relative.endsWith(QLatin1Char('\\')))
        relative.chop(1);
    if (hasControlCharacters(relative))
        return std::nullopt;
    if (!relative.isEmpty() && relative.split(QLatin1Char('\\')).contains(QString()))
        return std::nullopt;
    const QString base = (absolute || !m_open) ? QString() : m_currentPath;
    if (base.isEmpty())
        return relative;
    if (relative.isEmpty())
        return base;
    return base + QLatin1Char('\\') + relative;
}

TRegistry::Load TRegistry::loadHive(RegistryHive& hive, QString* error) const {
    const QString path = HivePath();
    hive = RegistryHive();
    QFile file(path);
    if (!file.exists())
        return Load::Missing;
    // A pipe or a device in its place would block the reader or never end.
    std::error_code code;
    if (!std::filesystem::is_regular_file(QFile::encodeName(path).toStdString(), code) &&
        !QFileInfo(path).isDir()) {
        *error = path + QStringLiteral(": the settings file is not a regular file");
        return Load::Failed;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return Load::Failed;
    }
    if (file.size() > maxHiveSize) {
        *error = path + QStringLiteral(": the file is too large to be a settings file");
        return Load::Failed;
    }
    // A regular file, of a size checked above: reading it whole is bounded. (Asking read() for
    // the largest size allowed would allocate that much on every read.)
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = path + QStringLiteral(": ") + file.errorString();
        return Load::Failed;
    }
    QString cause;
    if (!hive.parse(bytes, m_root, &cause)) {
        *error = path + QStringLiteral(": the file is not a valid settings file (%1)").arg(cause);
        return Load::Failed;
    }
    return Load::Loaded;
}

bool TRegistry::changeHive(const std::function<void(RegistryHive&)>& change, QString* error) {
    const QString path = HivePath();
    const QString directory = registryDirectory();
    const auto fail = [&](const QString& reason) {
        *error = path + QStringLiteral(": ") + reason;
        return false;
    };

    const std::filesystem::path folder(QFile::encodeName(directory).toStdString());
    std::error_code code;
    if (std::filesystem::exists(folder, code) && !std::filesystem::is_directory(folder, code))
        return fail(reasonOf(std::make_error_code(std::errc::not_a_directory)));
    std::filesystem::create_directories(folder, code);
    if (code)
        return fail(reasonOf(code));

    // One writer at a time, across processes. A lock left by a copy that died is taken over.
    const QString lockPath = path + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    lock.setStaleLockTime(staleLockMs);
    if (!acquire(lock)) {
        if (lock.error() == QLockFile::LockFailedError)
            return fail(QStringLiteral("the settings file is locked by another program"));
        // Ask the system why a file cannot be made in the folder.
        // Opened for appending, a lock file of someone else's is left as it is.
        QFile probe(lockPath);
        const bool existed = probe.exists();
        if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
            return fail(probe.errorString());
        if (!existed) {
            // A full file system lets the empty file be made but not written.
            const bool written = probe.write("\n", 1) == 1 && probe.flush();
            const QString why = probe.errorString();
            probe.close();
            probe.remove();
            if (!written)
                return fail(why);
        }
        return fail(QStringLiteral("the settings file could not be locked"));
    }

    // A copy killed in the middle of a write leaves its temporary file behind. Temporary files
    // exist only while their writer holds the lock, so any found now are such leftovers.
    const QString hiveName = QFileInfo(path).fileName();
    const QStringList leftovers = QDir(directory).entryList({hiveName + QStringLiteral(".??????")},
                                                            QDir::Files | QDir::Hidden);
    static const QRegularExpression temporarySuffix(QStringLiteral("^[A-Za-z0-9]{6}$"));
    for (const QString& leftover : leftovers) {
        if (temporarySuffix.match(leftover.mid(hiveName.size() + 1)).hasMatch())
            QFile::remove(directory + QLatin1Char('/') + leftover);
    }

    // Read under the lock, so that what another copy wrote a moment ago is kept.
    RegistryHive hive;
    QString cause;
    if (loadHive(hive, &cause) == Load::Failed) {
        *error = cause;
        return false;
    }
    change(hive);

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    const QByteArray bytes = hive.serialize(m_root);
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    m_lastError.clear();
    const std::optional<QString> path = resolve(key);
    if (!path) {
        m_lastError = HivePath() + QStringLiteral(": \"%1\" is not a valid key name").arg(key);
        return false;
    }
    RegistryHive hive;
    QString error;
    if (loadHive(hive, &error) == Load::Failed) {
        m_lastError = error;
        return false;
    }
    if (!hive.keyExists(*path)) {
        if (!canCreate) {
            m_lastError = HivePath() + QStringLiteral(": the key \"%1\" does not exist").arg(key);
            return false;
        }
        const QString created = *path;
        if (!changeHive([&](RegistryHive& h) { h.createKey(created); }, &error)) {
            m_lastError = error;
            return false;
        }
    }
    m_open = true;
    m_currentPath = *path;
    return true;
}

bool TRegistry::KeyExists(const QString& key) {
    const std::optional<QString> path = resolve(key);
    if (!path)
        return false;
    RegistryHive hive;
    QString error;
    return loadHive(hive, &error) != Load::Failed && hive.keyExists(*path);
}

std::optional<RegistryValue> TRegistry::currentValue(const QString& name) {
    if (!m_open)
        return std::nullopt;
    RegistryHive hive;
    QString error;
    if (loadHive(hive, &error) != Load::Loaded)
        return std::nullopt;
    if (const RegistryValue* value = hive.value(m_currentPath, name))
        return *value;
    return std::nullopt;
}

bool TRegistry::ValueExists(const QString& name) {
    return currentValue(name).has_value();
}

TRegDataType TRegistry::GetDataType(const QString& name) {
    const auto value = currentValue(name);
    if (!value)
        return TRegDataType::rdUnknown;
    switch (value->type) {
    case REG_SZ:
        return TRegDataType::rdString;
    case REG_EXPAND_SZ:
        return TRegDataType::rdExpandString;
    case REG_DWORD:
        return TRegDataType::rdInteger;
    case REG_BINARY:
        return TRegDataType::rdBinary;
    default:
        return TRegDataType::rdUnknown;
    }
}

int TRegistry::GetDataSize(const QString& name) {
    const auto value = currentValue(name);
    return value ? int(value->data.size()) : -1;
}

int TRegistry::ReadInteger(const QString& name) {
    // Fetch into a 4-byte buffer first, then look at the type, as the registry does.
    const auto value = currentValue(name);
    if (!value || value->data.size() > 4)
        throw ERegistryException(QStringLiteral("Failed to get data for '%1'").arg(name));
    if (value->type != REG_DWORD)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    return int(dwordValue(value->data));
}

QString TRegistry::ReadString(const QString& name) {
    const auto value = currentValue(name);
    if (!value)
        throw ERegistryException(QStringLiteral("Failed to get data for '%1'").arg(name));
    if (value->type != REG_SZ && value->type != REG_EXPAND_SZ)
        throw ERegistryException(QStringLiteral("Invalid data type for '%1'").arg(name));
    QByteArray bytes = value->data;
    const qsizetype end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    return QString::fromUtf8(bytes);
}

void TRegistry::writeValue(const QString& name, const RegistryValue& value) {
    const QString failed = QStringLiteral("Failed to set data for '%1'").arg(name);
    if (!m_open)
        throw ERegistryException(failed, HivePath() + QStringLiteral(": no key is open"));
    if (hasControlCharacters(name))
        throw ERegistryException(failed, HivePath() +
                                             QStringLiteral(": the value name holds a line break"));
    QString error;
    const QString path = m_currentPath;
    if (!changeHive([&](RegistryHive& hive) { hive.setValue(path, name, value); }, &error))
        throw ERegistryException(failed, error);
}

void TRegistry::WriteInteger(const QString& name, int value) {
    writeValue(name, RegistryValue{REG_DWORD, dwordBytes(quint32(value))});
}

void TRegistry::WriteString(const QString& name, const QString& value) {
    writeValue(name, RegistryValue{REG_SZ, stringBytes(value)});
}

void TRegistry::WriteBinaryData(const QString& name, const QByteArray& data) {
    writeValue(name, RegistryValue{REG_BINARY, data});
}

bool TRegistry::DeleteValue(const QString& name) {
    if (!m_open)
        return false;
    bool removed = false;
    QString error;
    const QString path = m_currentPath;
    if (!changeHive([&](RegistryHive& hive) { removed = hive.deleteValue(path, name); }, &error))
        return false;
    return removed;
}

} // namespace ferlo
