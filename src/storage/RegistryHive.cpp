#include "storage/Registry.h"

#include "storage/RegistryNames.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QtEndian>

#include <algorithm>
#include <map>

// The hive file's text: parsed just enough to read its values and to change one in place.

namespace ferlo {

using namespace Qt::StringLiterals;
using registry::isKeyPath;
using registry::rootName;

namespace {

const QString headerLine = u"Windows Registry Editor Version 5.00"_s;

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

// A key's line, "[root\\path]": the path below the root, empty for the root itself.
QStringView readKeyPath(QStringView line) {
    const QStringView name = line.mid(1, line.size() - 2);
    const bool below = name.startsWith(rootName + u'\\', Qt::CaseInsensitive);
    const QStringView path = below ? name.mid(rootName.size() + 1) : QStringView();
    if (!line.endsWith(u']'))
        throw Refusal{QCoreApplication::translate("Settings", "a key name has no closing bracket")};
    if (name.startsWith(u'-'))
        throw Refusal{QCoreApplication::translate("Settings", "removing keys is not supported")};
    if (below && !isKeyPath(path))
        throw Refusal{
            QCoreApplication::translate("Settings", "\"%1\" is not a valid key name").arg(name)};
    if (!below && name.compare(rootName, Qt::CaseInsensitive) != 0)
        throw Refusal{
            QCoreApplication::translate("Settings", "the key \"%1\" does not belong to %2")
                .arg(name, rootName)};
    return path;
}

// A value's line, "name"=data or @=data: its name, empty for the key's default value; data is
// set to the text after the "=".
QString readValueName(QStringView line, QStringView& data) {
    qsizetype pos = line[0] == u'@' ? 1 : 0;
    const QString name = pos ? u""_s : readQuoted(line, pos);
    while (pos < line.size() && line[pos].isSpace())
        ++pos;
    if (pos >= line.size() || line[pos] != u'=')
        throw Refusal{
            QCoreApplication::translate("Settings", "a value name is not followed by \"=\"")};
    data = line.mid(pos + 1).trimmed();
    return name;
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

// A changed text in the encoding and with the mark of the file it was read from, when the file
// read back gives that text, and the file's own text encodes to the file's bytes.
std::optional<QByteArray> encodeLike(const QByteArray& original, const QString& originalText,
                                     const QString& text, QString* error) {
    // The file keeps its encoding and its mark; what that encoding cannot hold is not written.
    const auto encode = [&](const QString& t) {
        QStringEncoder encoder(isUtf16(original) ? QStringEncoder::Utf16LE : QStringEncoder::Utf8,
                               QStringEncoder::Flag::Stateless);
        return markOf(original) + QByteArray(encoder(t));
    };
    const QByteArray bytes = encode(text);
    try {
        if (encode(originalText) == original && decodeHiveText(bytes) == text)
            return bytes;
    } catch (const Refusal&) {
    }
    *error = QCoreApplication::translate(
        "Settings",
        "the settings file holds a name or a value that cannot be written back unchanged");
    return std::nullopt;
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
                m_sections.append(
                    {readKeyPath(line).toString(), at(lines[i].begin()), endOf(lines[i])});
            } else {
                if (!line.startsWith(u'"') && !line.startsWith(u'@'))
                    throw Refusal{QCoreApplication::translate(
                        "Settings", "the line is not a key, a value or a comment")};
                if (m_sections.isEmpty())
                    throw Refusal{QCoreApplication::translate(
                        "Settings", "a value comes before the first key")};
                QStringView data;
                const QString name = readValueName(line, data);
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

    return encodeLike(m_bytes, m_text, text, error);
}

} // namespace ferlo
