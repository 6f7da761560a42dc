#include "storage/Registry.h"

#include "storage/FileReplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryFile>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <map>

namespace ferlo {

using namespace Qt::StringLiterals;

namespace {

const QString headerLine = u"Windows Registry Editor Version 5.00"_s;
const QString rootName = u"HKEY_LOCAL_MACHINE"_s;
// No settings file of ours comes near this; a larger one is not read into memory.
constexpr qint64 maxHiveSize = 16 * 1024 * 1024;
// A running copy holds the lock for the few milliseconds of one write.
constexpr int staleLockMs = 10000, lockWaitMs = 15000;

bool hasControlCharacters(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c < u' ' || c == u'\x7f'; });
}

// A key path below the root: parts between single backslashes, nothing that would break a line.
bool isKeyPath(QStringView path) {
    return !hasControlCharacters(path) && !(u'\\' + path.toString() + u'\\').contains(u"\\\\"_s);
}

// Names compare without regard to case; a path holds no line break, so this is unambiguous.
QString entryName(const QString& path, const QString& name) {
    return path.toLower() + u'\n' + name.toLower();
}

// Why a hive is refused.
struct Refusal {
    QString why;
};

// The text between the quote at text[pos] and the closing one; pos ends just past that.
QString readQuoted(QStringView text, qsizetype& pos) {
    QString out = u""_s;
    for (++pos; pos < text.size() && text[pos] != u'"'; ++pos) {
        if (text[pos] == u'\\' &&
            (++pos == text.size() || (text[pos] != u'\\' && text[pos] != u'"')))
            throw Refusal{QCoreApplication::translate(
                "Settings", "a backslash in quotes must be followed by \\ or \"")};
        out += text[pos];
    }
    if (pos++ >= text.size())
        throw Refusal{
            QCoreApplication::translate("Settings", "a quoted text has no closing quote")};
    return out;
}

// A value's data: a quoted text, "dword:", or "hex:" (binary) or "hex(type):" with bytes that go on
// over lines ending in a backslash; i moves to the last line the data is on.
RegistryValue readData(QStringView data, const QList<QStringView>& lines, qsizetype& i) {
    if (data.startsWith(u'"')) {
        qsizetype end = 0;
        const QByteArray text = readQuoted(data, end).toUtf8().append('\0');
        if (end < data.size())
            throw Refusal{
                QCoreApplication::translate("Settings", "there is text after the closing quote")};
        return {REG_SZ, text};
    }
    bool ok = false;
    if (data.startsWith(u"dword:", Qt::CaseInsensitive)) {
        const QStringView digits = data.mid(6).trimmed();
        RegistryValue value{REG_DWORD, QByteArray(4, '\0')};
        qToLittleEndian(quint32(digits.toUInt(&ok, 16)), value.data.data());
        if (!ok || digits.isEmpty() || digits.size() > 8 || digits.startsWith(u'+') ||
            digits.startsWith(u'-'))
            throw Refusal{
                QCoreApplication::translate("Settings", "\"%1\" is not a dword").arg(digits)};
        return value;
    }
    if (!data.startsWith(u"hex", Qt::CaseInsensitive))
        throw Refusal{
            data == u"-"
                ? QCoreApplication::translate("Settings", "removing values is not supported")
                : QCoreApplication::translate("Settings", "the value's data is not understood")};
    const qsizetype colon = data.indexOf(u':');
    if (colon < 0)
        throw Refusal{QCoreApplication::translate("Settings", "hexadecimal data has no \":\"")};
    const QStringView kind = data.left(colon);
    RegistryValue value{REG_BINARY, {}};
    ok = kind.compare(u"hex", Qt::CaseInsensitive) == 0;
    if (!ok && kind.size() > 5 && kind.startsWith(u"hex(", Qt::CaseInsensitive) &&
        kind.endsWith(u')'))
        value.type = kind.mid(4, kind.size() - 5).toUInt(&ok, 16);
    if (!ok)
        throw Refusal{
            QCoreApplication::translate("Settings", "\"%1\" is not a value type").arg(kind)};
    QString hex = data.mid(colon + 1).trimmed().toString();
    while (hex.endsWith(u'\\')) {
        if (i + 1 == lines.size())
            throw Refusal{
                QCoreApplication::translate("Settings", "hexadecimal data ends in a backslash")};
        hex.chop(1);
        hex += lines[++i].trimmed();
    }
    for (QStringView part :
         hex.trimmed().isEmpty() ? QList<QStringView>() : QStringView(hex).split(u',')) {
        const QStringView byte = part.trimmed();
        value.data.append(char(byte.toUInt(&ok, 16)));
        if (!ok || byte.size() > 2)
            throw Refusal{
                QCoreApplication::translate("Settings", "\"%1\" is not a hexadecimal byte")
                    .arg(byte)};
    }
    return value;
}

// A hive is UTF-8 (with or without a mark) or UTF-16LE with a mark, as the registry editor
// exports; it keeps its mark.
bool isUtf16(const QByteArray& bytes) {
    return bytes.startsWith("\xff\xfe");
}

QByteArray markOf(const QByteArray& bytes) {
    return bytes.left(isUtf16(bytes) ? 2 : bytes.startsWith("\xef\xbb\xbf") ? 3 : 0);
}

QString decodeHiveText(const QByteArray& bytes) {
    QStringDecoder decoder(isUtf16(bytes) ? QStringDecoder::Utf16LE : QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes.mid(markOf(bytes).size()));
    if (decoder.hasError())
        throw Refusal{QCoreApplication::translate("Settings", "the file is not valid %1 text")
                          .arg(isUtf16(bytes) ? u"UTF-16" : u"UTF-8")};
    return text;
}

// Takes the lock, waiting in short, uneven steps while another copy holds it: a write holds it for
// milliseconds, while QLockFile's own waiting sleeps 100 ms and more. Empty, or why not.
QString acquire(QLockFile& lock, const QString& hive) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        // A lock whose copy died, or older than the stale time, is taken over. A copy killed
        // between making its lock file and writing into it leaves the file empty: that is taken
        // over once it has stayed so for a second. QLockFile never removes a lock a living copy
        // holds, as that copy holds an flock() on it from the moment it makes it.
        lock.setStaleLockTime(QFileInfo(lock.fileName()).size() > 0 ? staleLockMs : 1000);
        if (lock.tryLock(0))
            return {};
        if (lock.error() != QLockFile::LockFailedError) {
            // QLockFile does not say why it could not make its file; a file made beside it does.
            QTemporaryFile probe(hive + u".XXXXXX"_s);
            const bool made = probe.open() && probe.write("\n", 1) == 1 && probe.flush();
            return made ? QCoreApplication::translate("Settings",
                                                      "the settings file could not be locked")
                        : probe.errorString();
        }
        if (waited.elapsed() > lockWaitMs)
            return QCoreApplication::translate("Settings",
                                               "the settings file is locked by another program");
        QThread::usleep(500 + QRandomGenerator::global()->bounded(4000));
    }
}

} // namespace

// ---- The hive text ----

bool RegistryHive::parse(const QByteArray& bytes, RegistryRoot, QString* error) {
    *this = RegistryHive();
    qsizetype i = -1;
    try {
        m_text = decodeHiveText(bytes);
        m_bytes = bytes;
        // Every piece is a view into the text, so its place in the text is where it points.
        const QStringView text(m_text);
        const QList<QStringView> lines = text.split(u'\n');
        const auto at = [&](const QChar* p) {
            return qsizetype(p - text.data());
        };
        // Where a line ends, its line break included.
        const auto endOf = [&](QStringView line) {
            return std::min(at(line.end()) + 1, text.size());
        };
        for (i = 0; i < lines.size(); ++i) {
            const QStringView line = lines[i].trimmed();
            if (line.isEmpty() || (m_headerSeen && line.startsWith(u';')))
                continue;
            if (!m_headerSeen && line != headerLine)
                throw Refusal{
                    QCoreApplication::translate("Settings", "the file does not start with \"%1\"")
                        .arg(headerLine)};
            if (!m_headerSeen) {
                m_headerSeen = true;
            } else if (line.startsWith(u'[')) {
                const QStringView name = line.mid(1, line.size() - 2);
                const bool below = name.startsWith(rootName + u'\\', Qt::CaseInsensitive);
                const QStringView path = below ? name.mid(rootName.size() + 1) : QStringView();
                if (!line.endsWith(u']'))
                    throw Refusal{QCoreApplication::translate("Settings",
                                                              "a key name has no closing bracket")};
                if (name.startsWith(u'-'))
                    throw Refusal{
                        QCoreApplication::translate("Settings", "removing keys is not supported")};
                if (below && !isKeyPath(path))
                    throw Refusal{
                        QCoreApplication::translate("Settings", "\"%1\" is not a valid key name")
                            .arg(name)};
                if (!below && name.compare(rootName, Qt::CaseInsensitive) != 0)
                    throw Refusal{QCoreApplication::translate(
                                      "Settings", "the key \"%1\" does not belong to %2")
                                      .arg(name, rootName)};
                m_sections.append({path.toString(), at(lines[i].begin()), endOf(lines[i])});
            } else {
                if (!line.startsWith(u'"') && !line.startsWith(u'@'))
                    throw Refusal{QCoreApplication::translate(
                        "Settings", "the line is not a key, a value or a comment")};
                if (m_sections.isEmpty())
                    throw Refusal{QCoreApplication::translate(
                        "Settings", "a value comes before the first key")};
                qsizetype pos = line[0] == u'@' ? 1 : 0;
                const QString name = pos ? u""_s : readQuoted(line, pos);
                while (pos < line.size() && line[pos].isSpace())
                    ++pos;
                if (pos >= line.size() || line[pos] != u'=')
                    throw Refusal{QCoreApplication::translate(
                        "Settings", "a value name is not followed by \"=\"")};
                const QStringView data = line.mid(pos + 1).trimmed();
                const RegistryValue value = readData(data, lines, i);
                // A value given twice keeps its first spelling, and the last data and place.
                Section& section = m_sections.last();
                Value& stored = m_values[entryName(section.path, name)];
                stored = {section.path, stored.name.isNull() ? name : stored.name, value,
                          at(data.begin()), at(lines[i].trimmed().end())};
                section.end = endOf(lines[i]);
            }
        }
        return true;
    } catch (const Refusal& refusal) {
        *error = i < 0 ? refusal.why
                       : QCoreApplication::translate("Settings", "line %1: %2")
                             .arg(QString::number(i + 1), refusal.why);
        *this = RegistryHive();
        return false;
    }
}

bool RegistryHive::keyExists(const QString& path) const {
    const QString key = path.toLower();
    return path.isEmpty() || std::any_of(m_sections.begin(), m_sections.end(), [&](const auto& s) {
               const QString other = s.path.toLower();
               return other == key || other.startsWith(key + u'\\');
           });
}

std::optional<RegistryValue> RegistryHive::value(const QString& path, const QString& name) const {
    const auto it = m_values.find(entryName(path, name));
    return it == m_values.end() ? std::nullopt : std::optional(it->value);
}

std::optional<QByteArray> RegistryHive::changedTo(const QString& path,
                                                  const std::optional<QString>& name,
                                                  const QString& data, QString* error) const {
    const qsizetype firstBreak = m_text.indexOf(u'\n');
    const QString eol = firstBreak > 0 && m_text[firstBreak - 1] == u'\r' ? u"\r\n"_s : u"\n"_s;
    QString quotedName = name.value_or(QString());
    quotedName.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    const QString valueLine =
        (quotedName.isEmpty() ? u"@"_s : u'"' + quotedName + u'"') + u'=' + data + eol;
    // The last section of a key.
    const auto sectionOf = [&](const QString& key) {
        const auto found = std::find_if(m_sections.rbegin(), m_sections.rend(), [&](const auto& s) {
            return s.path.toLower() == key.toLower();
        });
        return found == m_sections.rend() ? nullptr : &*found;
    };
    // Place in the text -> characters replaced there, new text; texts for one place in order.
    std::map<qsizetype, std::pair<qsizetype, QString>> edits;
    if (!m_headerSeen)
        edits[0].second = headerLine + eol + eol;

    // Sections for the key and the keys above it that have none (the root only for a value),
    // each before the first key below it, or else at the end; the value goes into its new one.
    QStringList keys(path.isEmpty() && name ? 1 : 0, path);
    for (const QString& part : path.split(u'\\', Qt::SkipEmptyParts))
        keys.append(keys.isEmpty() ? part : keys.last() + u'\\' + part);
    const bool valueInNewSection = name && !sectionOf(path);
    QString atEnd;
    for (const QString& key : keys) {
        if (sectionOf(key))
            continue;
        const QString text = u'[' + rootName + (key.isEmpty() ? QString() : u'\\' + key) + u']' +
                             eol + (valueInNewSection && key == path ? valueLine : QString()) + eol;
        const QString below = key.toLower() + u'\\';
        const auto next = std::find_if(m_sections.begin(), m_sections.end(), [&](const auto& s) {
            return !key.isEmpty() && s.path.toLower().startsWith(below);
        });
        (next == m_sections.end() ? atEnd : edits[next->begin].second) += text;
    }
    if (name && !valueInNewSection) {
        const auto it = m_values.find(entryName(path, *name));
        const qsizetype end = sectionOf(path)->end;
        const bool broken = end == m_text.size() && !m_text.endsWith(u'\n');
        if (it != m_values.end())
            edits[it->from] = {it->to - it->from, data};
        else
            edits[end].second += (broken ? eol : QString()) + valueLine;
    }
    // A blank line between the file's last line and new sections at its end.
    const int breaks =
        m_text.endsWith(u"\n\n"_s) || m_text.endsWith(u"\n\r\n"_s) ? 2 : m_text.endsWith(u'\n');
    if (!atEnd.isEmpty())
        edits[m_text.size()].second +=
            (m_headerSeen ? eol.repeated(2 - breaks) : QString()) + atEnd;
    QString text = m_text;
    for (auto edit = edits.crbegin(); edit != edits.crend(); ++edit)
        text.replace(edit->first, edit->second.first, edit->second.second);

    // The file keeps its encoding and its mark; what that encoding cannot hold is not written.
    const auto encode = [&](const QString& t) {
        QStringEncoder encoder(isUtf16(m_bytes) ? QStringEncoder::Utf16LE : QStringEncoder::Utf8,
                               QStringEncoder::Flag::Stateless);
        return markOf(m_bytes) + QByteArray(encoder(t));
    };
    const QByteArray bytes = encode(text);
    try {
        if (encode(m_text) == m_bytes && decodeHiveText(bytes) == text)
            return bytes;
    } catch (const Refusal&) {
    }
    *error = QCoreApplication::translate(
        "Settings",
        "the settings file holds a name or a value that cannot be written back unchanged");
    return std::nullopt;
}

// ---- Where the hive lives ----

QString registryDirectory() {
    const QString explicitDir = qEnvironmentVariable("FERLO_REGISTRY_DIR");
    if (!explicitDir.isEmpty())
        return QDir::cleanPath(explicitDir);
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    // The XDG base directory rules ignore a relative XDG_CONFIG_HOME.
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + u"/.config"_s;
    return QDir::cleanPath(config + u"/ferlo"_s);
}

QString registryHivePath(RegistryRoot) {
    return registryDirectory() + u'/' + rootName + u".reg"_s;
}

// ---- TRegistry ----

namespace {

bool load(RegistryHive& hive, QString* error) {
    const QString path = registryHivePath(HKEY_LOCAL_MACHINE);
    const QFileInfo info(path);
    QFile file(path);
    QString cause;
    // A pipe or a device in its place would block the reader or never end.
    if (!info.exists())
        hive.parse(QByteArray(), HKEY_LOCAL_MACHINE, &cause);
    else if (!info.isFile() && !info.isDir())
        cause = QCoreApplication::translate("Settings", "the settings file is not a regular file");
    else if (!file.open(QIODevice::ReadOnly))
        cause = file.errorString();
    else if (file.size() > maxHiveSize)
        cause =
            QCoreApplication::translate("Settings", "the file is too large to be a settings file");
    // A regular file, of a size checked above: reading it whole is bounded.
    else if (const QByteArray bytes = file.readAll(); file.error() != QFileDevice::NoError)
        cause = file.errorString();
    else if (!hive.parse(bytes, HKEY_LOCAL_MACHINE, &cause))
        cause =
            QCoreApplication::translate("Settings", "the file is not a valid settings file (%1)")
                .arg(cause);
    if (!cause.isEmpty())
        *error = QCoreApplication::translate("Settings", "%1: %2").arg(path, cause);
    return cause.isEmpty();
}

// Under the lock: reads the hive anew, changes it and replaces it through a temporary file
// renamed over it, so that a crash leaves the old or the new hive, never half of one.
bool save(const QString& key, const std::optional<QString>& name, const QString& data,
          QString* error) {
    const QString path = registryHivePath(HKEY_LOCAL_MACHINE);
    const auto fail = [&](const QString& reason) {
        *error = QCoreApplication::translate("Settings", "%1: %2").arg(path, reason);
        return false;
    };
    std::error_code code;
    std::filesystem::create_directories(QFile::encodeName(registryDirectory()).toStdString(), code);
    if (code)
        return fail(QString::fromLocal8Bit(code.message()));
    QLockFile lock(path + u".lock"_s);
    if (const QString why = acquire(lock, path); !why.isEmpty())
        return fail(why);
    // Temporary files exist only while their writer holds the lock: any found now were left by
    // a copy killed in the middle of a write.
    QDir folder(registryDirectory());
    for (const QString& left : folder.entryList(
             {rootName + u".reg."_s + u"[A-Za-z0-9]"_s.repeated(6)}, QDir::Files | QDir::Hidden))
        folder.remove(left);

    RegistryHive hive;
    QString cause;
    if (!load(hive, error))
        return false;
    const std::optional<QByteArray> bytes = hive.changedTo(key, name, data, &cause);
    if (!bytes)
        return fail(cause);
    if (*bytes == hive.bytes())
        return true;
    const QString failure = replaceFileWith(path, *bytes);
    return failure.isEmpty() || fail(failure);
}

} // namespace

bool TRegistry::OpenKey(const QString& key, bool canCreate) {
    m_lastError.clear();
    const bool absolute = key.startsWith(u'\\');
    QString relative = key.mid(absolute ? 1 : 0);
    if (relative.endsWith(u'\\'))
        relative.chop(1);
    const QString base = (absolute || !m_open) ? QString() : m_path;
    const QString path =
        base.isEmpty() || relative.isEmpty() ? base + relative : base + u'\\' + relative;
    RegistryHive hive;
    const QString hivePath = registryHivePath(HKEY_LOCAL_MACHINE);
    if (!relative.isEmpty() && !isKeyPath(relative)) {
        m_lastError = QCoreApplication::translate("Settings", "%1: \"%2\" is not a valid key name")
                          .arg(hivePath, key);
    } else if (load(hive, &m_lastError) && !hive.keyExists(path)) {
        if (!canCreate)
            m_lastError =
                QCoreApplication::translate("Settings", "%1: the key \"%2\" does not exist")
                    .arg(hivePath, key);
        else
            save(path, std::nullopt, QString(), &m_lastError);
    }
    if (!m_lastError.isEmpty())
        return false;
    m_open = true;
    m_path = path;
    return true;
}

bool TRegistry::ValueExists(const QString& name) {
    RegistryHive hive;
    QString error;
    return m_open && load(hive, &error) && hive.value(m_path, name).has_value();
}

// The data of a value of the open key: a missing value, or one longer than the buffer of `most`
// bytes it is fetched into, throws "Failed to get data for '<name>'"; then, as the registry
// looks at the type only after the fetch, one of another type "Invalid data type for '<name>'".
QByteArray TRegistry::read(const QString& name, quint32 type, qsizetype most) {
    RegistryHive hive;
    QString error;
    const auto value = m_open && load(hive, &error) ? hive.value(m_path, name) : std::nullopt;
    if (!value || value->data.size() > most)
        throw ERegistryException(
            QCoreApplication::translate("Settings", "Failed to get data for '%1'").arg(name));
    if (value->type != type)
        throw ERegistryException(
            QCoreApplication::translate("Settings", "Invalid data type for '%1'").arg(name));
    return value->data;
}

int TRegistry::ReadInteger(const QString& name) {
    return int(
        qFromLittleEndian<quint32>(read(name, REG_DWORD, 4).leftJustified(4, '\0').constData()));
}

void TRegistry::WriteInteger(const QString& name, int value) {
    write(name, u"dword:%1"_s.arg(quint32(value), 8, 16, QLatin1Char('0')));
}

// Writes a value's data as the file writes it into the open key; a failure throws "Failed to set
// data for '<name>'" with the file and the reason.
void TRegistry::write(const QString& name, const QString& data) {
    const QString failed =
        QCoreApplication::translate("Settings", "Failed to set data for '%1'").arg(name);
    const QString hive = registryHivePath(HKEY_LOCAL_MACHINE);
    if (!m_open)
        throw ERegistryException(
            failed, QCoreApplication::translate("Settings", "%1: no key is open").arg(hive));
    if (hasControlCharacters(name) || hasControlCharacters(data))
        throw ERegistryException(
            failed,
            QCoreApplication::translate("Settings", "%1: the value name or text holds a line break")
                .arg(hive));
    // A key another copy removed meanwhile comes back with the value.
    QString error;
    if (!save(m_path, name, data, &error))
        throw ERegistryException(failed, error);
}

QString TRegistry::ReadString(const QString& name) {
    QByteArray text = read(name, REG_SZ, std::numeric_limits<qsizetype>::max());
    if (text.endsWith('\0'))
        text.chop(1);
    return QString::fromUtf8(text);
}

void TRegistry::WriteString(const QString& name, const QString& value) {
    QString quoted = value;
    quoted.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    write(name, u'"' + quoted + u'"');
}

} // namespace ferlo
