#include "storage/NativePath.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferlo {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at bytes[i], or 0 when the byte there starts none.
int validSequenceLength(const QByteArray& bytes, qsizetype i) {
    const auto at = [&](qsizetype k) {
        return static_cast<unsigned char>(bytes[k]);
    };
    const unsigned char first = at(i);
    if (first < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (first >= 0xC2 && first <= 0xDF) {
        length = 2;
    } else if (first >= 0xE0 && first <= 0xEF) {
        length = 3;
        if (first == 0xE0)
            low = 0xA0;
        if (first == 0xED)
            high = 0x9F; // no encoded surrogates
    } else if (first >= 0xF0 && first <= 0xF4) {
        length = 4;
        if (first == 0xF0)
            low = 0x90;
        if (first == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        const unsigned char c = at(i + k);
        const unsigned char min = k == 1 ? low : 0x80;
        const unsigned char max = k == 1 ? high : 0xBF;
        if (c < min || c > max)
            return 0;
    }
    return length;
}

// Whether the unit at path[i] stands for a byte that is not UTF-8: a low surrogate in the
// escapes' range that is not the second half of a character beyond the first plane (decodePath
// never writes a high surrogate but as the first half of such a character).
bool isEscapeAt(QStringView path, qsizetype i) {
    const char16_t c = path[i].unicode();
    return c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF &&
           !(i > 0 && path[i - 1].isHighSurrogate());
}

} // namespace

QString decodePath(const QByteArray& native) {
    QString result;
    result.reserve(native.size());
    for (qsizetype i = 0; i < native.size();) {
        const int length = validSequenceLength(native, i);
        if (length == 0) {
            result.append(QChar(char16_t(kEscapeBase + static_cast<unsigned char>(native[i]))));
            ++i;
            continue;
        }
        // The sequence is valid, so it is decoded here: Qt's decoder would drop a U+FEFF
        // (a byte-order mark) and the name would no longer lead back to the file.
        const unsigned char first = static_cast<unsigned char>(native[i]);
        char32_t code = length == 1 ? first : first & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(native[i + k]) & 0x3F);
        if (QChar::requiresSurrogates(code)) {
            result.append(QChar(QChar::highSurrogate(code)));
            result.append(QChar(QChar::lowSurrogate(code)));
        } else {
            result.append(QChar(char16_t(code)));
        }
        i += length;
    }
    return result;
}

QByteArray encodePath(const QString& path) {
    QByteArray result;
    result.reserve(path.size());
    qsizetype runStart = 0;
    const auto flush = [&](qsizetype end) {
        if (end > runStart)
            result.append(QStringView(path).mid(runStart, end - runStart).toUtf8());
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapeAt(path, i)) {
            flush(i);
            result.append(char(path[i].unicode() - kEscapeBase));
            runStart = i + 1;
        }
    }
    flush(path.size());
    return result;
}

std::string modelPath(const QString& path) {
    return encodePath(path).toStdString();
}

QString pathFromModel(const std::string& path) {
    return decodePath(QByteArray::fromStdString(path));
}

QString percentEncodedPath(const QByteArray& path) {
    static const QByteArray kept = [] {
        QByteArray printable;
        for (char c = 0x21; c < 0x7F; ++c) {
            if (c != '%')
                printable.append(c);
        }
        return printable;
    }();
    return QString::fromLatin1(path.toPercentEncoding(kept));
}

QString displayName(const QString& path) {
    QString shown = path;
    for (qsizetype i = 0; i < path.size(); ++i) {
        if (isEscapeAt(path, i))
            shown[i] = QChar(QChar::ReplacementCharacter);
    }
    return shown;
}

QStringList listDirectory(const QString& directory, EntryKind kind) {
    QStringList names;
    const QByteArray native = encodePath(directory);
    DIR* dir = ::opendir(native.constData());
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.'))
            continue;
        struct stat st;
        const QByteArray full = native.endsWith('/') ? native + name : native + '/' + name;
        if (::stat(full.constData(), &st) != 0)
            continue;
        const bool wanted =
            kind == EntryKind::PlainFile ? S_ISREG(st.st_mode) : S_ISDIR(st.st_mode);
        if (wanted)
            names.append(decodePath(name));
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int byCase = QString::compare(a, b, Qt::CaseInsensitive);
        return byCase != 0 ? byCase < 0 : a < b;
    });
    return names;
}

PathKind pathKind(const QString& path) {
    struct stat st;
    if (::stat(encodePath(path).constData(), &st) != 0)
        return PathKind::Missing;
    if (S_ISREG(st.st_mode))
        return PathKind::PlainFile;
    if (S_ISDIR(st.st_mode))
        return PathKind::Directory;
    return PathKind::Other;
}

bool pathReadable(const QString& path) {
    const QByteArray native = encodePath(path);
    const int mode = pathKind(path) == PathKind::Directory ? (R_OK | X_OK) : R_OK;
    return ::access(native.constData(), mode) == 0;
}

} // namespace ferlo
