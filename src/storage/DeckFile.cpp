#include "storage/DeckFile.h"

#include "layout/Card.h"
#include "storage/DeckFileReader.h"
#include "storage/DeckLayout.h"
#include "storage/Errors.h"
#include "storage/FileReplacement.h"
#include "storage/NativePath.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferlo {

using deckfile::Fault;
using deckfile::kFormatName;
using deckfile::readDeckObject;

namespace {

Error readError(const QString& path, const QString& place, const QString& cause) {
    return Error(QCoreApplication::translate("DeckFile", "Cannot read the deck file %1: %2: %3")
                     .arg(path, place, cause));
}

bool isUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The folder a deck's relative picture paths start from, as file-system bytes, without a final
// separator unless it is the root.
QByteArray deckFolder(const QString& path) {
    return encodePath(QFileInfo(path).absolutePath());
}

QJsonObject duplexObject(const DuplexChoices& duplex) {
    QJsonObject object;
    object.insert(QLatin1String("turn"), deckfile::turnNames.at(int(duplex.turn)));
    object.insert(QLatin1String("byHand"), deckfile::feedNames.at(int(duplex.feed)));
    object.insert(QLatin1String("foldOver"), duplex.foldOver);
    return object;
}

QByteArray relativeToDeck(const std::string& path, const QByteArray& folder) {
    QByteArray bytes = QByteArray::fromStdString(path);
    const QByteArray prefix = folder.endsWith('/') ? folder : folder + '/';
    if (bytes.startsWith(prefix) && bytes.size() > prefix.size())
        bytes = bytes.mid(prefix.size());
    return bytes;
}

QJsonObject cellObject(const DeckCell& cell, const QByteArray& folder) {
    const QByteArray picture = relativeToDeck(cell.picture, folder);
    QJsonObject object;
    if (cell.word) {
        object.insert(QLatin1String("word"), QString::fromStdString(cell.label.value_or("")));
        if (cell.sound)
            object.insert(QLatin1String("sound"), decodePath(relativeToDeck(*cell.sound, folder)));
        return object;
    }
    if (cell.symbol) {
        object.insert(QLatin1String("symbol"), QString::fromStdString(cell.symbol->hexcode));
        object.insert(QLatin1String("set"), QString::fromStdString(cell.symbol->set));
        object.insert(QLatin1String("style"), cell.symbol->style == SymbolStyle::Line
                                                  ? QStringLiteral("line")
                                                  : QStringLiteral("color"));
    } else {
        object.insert(QLatin1String("picture"), QString::fromUtf8(picture));
    }
    if (!cell.symbol && !isUtf8(picture)) {
        object.insert(QLatin1String("picture"), displayName(decodePath(picture)));
        object.insert(QLatin1String("pictureBytes"), percentEncodedPath(picture));
    }
    if (cell.label)
        object.insert(QLatin1String("label"), QString::fromStdString(*cell.label));
    if (cell.sound)
        object.insert(QLatin1String("sound"), decodePath(relativeToDeck(*cell.sound, folder)));
    return object;
}

} // namespace

bool isDrawingFile(const QString& path) {
    return path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
}

bool isDrawingFile(const std::string& path) {
    return isDrawingFile(QString::fromUtf8(path.data(), qsizetype(path.size())));
}

QString labelLengthFault(const QString& word) {
    if (word.size() <= kMaxLabelLength)
        return {};
    // Characters, not UTF-16 units: a surrogate pair is one character. A lone surrogate is one
    // too: it is saved as the replacement character, which must not read back as one more.
    qsizetype length = word.size();
    for (qsizetype i = 1; i < word.size(); ++i) {
        if (word.at(i).isLowSurrogate() && word.at(i - 1).isHighSurrogate())
            --length;
    }
    if (length <= kMaxLabelLength)
        return {};
    return QCoreApplication::translate(
               "DeckFile",
               "the word is %1 characters long; a label word holds at most %2 characters")
        .arg(length)
        .arg(kMaxLabelLength);
}

namespace {
// A deck of a thousand cards with long paths and words takes a few megabytes; anything far
// larger is no deck, and parsing it would keep the user waiting for nothing.
constexpr qsizetype kMaxDeckFileBytes = 16 * 1024 * 1024;
// What a deck file is read in at a time.
constexpr qint64 kReadBlockBytes = 64 * 1024;

Error tooLarge(const QString& path) {
    return Error(QCoreApplication::translate(
                     "DeckFile", "Cannot read the deck file %1: the file is larger than 16 MB, "
                                 "more than any deck holds")
                     .arg(path));
}
} // namespace

bool isDeckFileName(const QString& path) {
    return path.endsWith(QLatin1String(".ferlo"), Qt::CaseInsensitive);
}

Deck parseDeck(const QByteArray& json, const QString& path) {
    if (json.size() > kMaxDeckFileBytes)
        throw tooLarge(path);
    // The JSON reader calls nothing at all an illegal value on line 1.
    if (json.trimmed().isEmpty())
        throw Error(QCoreApplication::translate("DeckFile",
                                                "Cannot read the deck file %1: the file is empty")
                        .arg(path));
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        const QByteArray before = json.left(qMax(0, parseError.offset));
        const qsizetype line = before.count('\n') + 1;
        const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
        throw readError(
            path,
            QCoreApplication::translate("DeckFile", "line %1, column %2").arg(line).arg(column),
            parseError.errorString());
    }
    if (!document.isObject())
        throw readError(
            path, QCoreApplication::translate("DeckFile", "the top level"),
            QCoreApplication::translate("DeckFile", "expected an object, not an array"));
    try {
        return readDeckObject(document.object(), deckFolder(path));
    } catch (const Fault& fault) {
        throw readError(path, fault.place, fault.cause);
    }
}

Deck readDeck(const QString& path) {
    // Opened by the file system's bytes, so that a name that is not UTF-8 opens too.
    int fd = ::open(encodePath(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        fd = -1;
        errno = EISDIR;
    }
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        throw Error(QCoreApplication::translate("DeckFile", "Cannot read the deck file %1: %2")
                        .arg(path, fd < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                                          : file.errorString()));
    // Read in blocks up to one byte past the bound, so that a huge file is refused without being
    // read whole, and a deck of a few kilobytes takes a few kilobytes (a read of the bound at
    // once would allocate all of it for every deck).
    QByteArray json;
    while (json.size() <= kMaxDeckFileBytes) {
        const QByteArray block =
            file.read(std::min<qint64>(kReadBlockBytes, kMaxDeckFileBytes + 1 - json.size()));
        if (block.isEmpty())
            break;
        json += block;
    }
    return parseDeck(json, path);
}

QByteArray deckJson(const Deck& deck, const QString& path) {
    const QByteArray folder = deckFolder(path);
    QJsonArray cards;
    // Version 1 while every card has one of the five counts, so older copies keep reading it.
    int version = 1;
    bool symbols = false;
    bool words = false; // word cards, small print or drawings of one's own: version 4
    for (const DeckCard& card : deck.cards) {
        QJsonArray cells;
        // A cell without a picture, a symbol or a word holds nothing to keep: it is saved as a
        // free cell.
        for (const std::optional<DeckCell>& cell : card.cells) {
            const bool kept = cell && (!cell->picture.empty() || cell->symbol || cell->word);
            cells.append(kept ? QJsonValue(cellObject(*cell, folder)) : QJsonValue());
            if (kept && cell->symbol)
                symbols = true;
            if (kept && (cell->word || (!cell->symbol && isDrawingFile(cell->picture))))
                words = true;
        }
        QJsonObject object;
        object.insert(QLatin1String("perPage"), card.perPage());
        object.insert(QLatin1String("orientation"),
                      card.portrait ? QStringLiteral("portrait") : QStringLiteral("landscape"));
        object.insert(QLatin1String("labels"), card.labels);
        object.insert(QLatin1String("upperCase"), card.upperCase);
        object.insert(QLatin1String("cutLines"), card.cutLines);
        object.insert(QLatin1String("cells"), cells);
        if (card.layout.kind != CardLayout::Kind::Count) {
            object.insert(QLatin1String("layout"), layoutObject(card.layout));
            version = std::max(version, 2);
        }
        if (!card.smallPrint.empty()) {
            object.insert(QLatin1String("smallPrint"), QString::fromStdString(card.smallPrint));
            words = true;
        }
        cards.append(object);
    }
    // Symbol cells came with version 3: older copies say the deck is newer than they read,
    // rather than that a cell lacks its picture.
    if (symbols)
        version = 3;
    // Word cards, small print and SVG drawings came with version 4: an older copy says the deck
    // is newer than it reads, rather than that a cell lacks its picture or printing it wrong.
    if (words)
        version = kDeckFormatVersion;
    QJsonObject top;
    top.insert(QLatin1String("format"), kFormatName);
    top.insert(QLatin1String("version"), version);
    if (deck.language)
        top.insert(QLatin1String("language"), QString::fromStdString(*deck.language));
    top.insert(QLatin1String("cards"), cards);
    // Written only when chosen, so that a deck without them reads as before everywhere.
    if (!deck.duplex.isDefault())
        top.insert(QLatin1String("duplex"), duplexObject(deck.duplex));
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

void writeDeck(const QString& path, const Deck& deck) {
    const QByteArray json = deckJson(deck, path);
    // A deck this program could not open again (a count it does not know, more cells than the
    // count) is refused before anything on disk changes.
    try {
        parseDeck(json, path);
    } catch (const Error& error) {
        throw Error(QCoreApplication::translate(
                        "DeckFile", "Cannot write the deck file %1: it would not read back (%2)")
                        .arg(path, error.message()));
    }
    if (const QString cause = replaceFileWith(path, json); !cause.isEmpty())
        throw Error(QCoreApplication::translate("DeckFile", "Cannot write the deck file %1: %2")
                        .arg(path, cause));
}

QString missingPicturesMessage(const QString& deckPath, const Deck& deck) {
    QStringList missing;
    for (const DeckCard& card : deck.cards) {
        for (const std::optional<DeckCell>& cell : card.cells) {
            if (!cell)
                continue;
            if (cell->symbol || cell->word)
                continue; // a symbol's set is not the deck's to check (missingSymbolsMessage)
            const QString picture = pathFromModel(cell->picture);
            if (pathKind(picture) == PathKind::Missing && !missing.contains(picture))
                missing << picture;
        }
    }
    if (missing.isEmpty())
        return QString();
    constexpr qsizetype kNamed = 5;
    QStringList named;
    for (const QString& picture : missing.mid(0, kNamed))
        named << displayName(picture);
    QString list = named.join(QStringLiteral(", "));
    if (missing.size() > kNamed)
        list +=
            QCoreApplication::translate("DeckFile", " and %1 more").arg(missing.size() - kNamed);
    return missing.size() == 1
               ? QCoreApplication::translate("DeckFile",
                                             "The deck file %1 names a missing picture: %2")
                     .arg(deckPath, list)
               : QCoreApplication::translate("DeckFile",
                                             "The deck file %1 names %2 missing pictures: %3")
                     .arg(deckPath, QString::number(missing.size()), list);
}

} // namespace ferlo
