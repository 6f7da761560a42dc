#include "storage/DeckFile.h"

#include "layout/Card.h"
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
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ferlo {

namespace {

const QLatin1String kFormatName("ferlo-deck");

// A fault in a deck: where it is (a JSON path such as "cards[1].perPage") and what is wrong.
struct Fault {
    QString place;
    QString cause;
};

Error readError(const QString& path, const QString& place, const QString& cause) {
    return Error(QCoreApplication::translate("DeckFile", "Cannot read the deck file %1: %2: %3")
                     .arg(path, place, cause));
}

QString describe(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return QStringLiteral("null");
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', 17);
    case QJsonValue::String:
        return QCoreApplication::translate("DeckFile", "a string");
    case QJsonValue::Array:
        return QCoreApplication::translate("DeckFile", "an array");
    case QJsonValue::Object:
        return QCoreApplication::translate("DeckFile", "an object");
    case QJsonValue::Undefined:
        break;
    }
    return QCoreApplication::translate("DeckFile", "nothing");
}

Fault expected(const QString& place, const QString& what, const QJsonValue& value) {
    return {
        place,
        QCoreApplication::translate("DeckFile", "expected %1, not %2").arg(what, describe(value))};
}

// A whole number in a JSON value, or nothing.
std::optional<qint64> wholeNumber(const QJsonValue& value) {
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || number != std::floor(number) || std::fabs(number) > 1e15)
        return std::nullopt;
    return qint64(number);
}

bool readSwitch(const QJsonObject& object, const QString& key, const QString& place,
                bool fallback) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    if (!value.isBool())
        throw expected(place + QLatin1Char('.') + key,
                       QCoreApplication::translate("DeckFile", "true or false"), value);
    return value.toBool();
}

// Every printable ASCII character but '%' stays as it is in "pictureBytes".
QByteArray printableAscii() {
    QByteArray keep;
    for (char c = 0x21; c < 0x7F; ++c) {
        if (c != '%')
            keep.append(c);
    }
    return keep;
}

bool isUtf8(const QByteArray& bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The folder a deck's relative picture paths start from, as file-system bytes, without a final
// separator unless it is the root.
QByteArray deckFolder(const QString& path) {
    return encodePath(QFileInfo(path).absolutePath());
}

std::string absolutePicture(const QByteArray& folder, const QByteArray& picture) {
    if (picture.startsWith('/'))
        return picture.toStdString();
    QByteArray joined = folder;
    if (!joined.endsWith('/'))
        joined.append('/');
    return (joined + picture).toStdString();
}

// A short name of letters, digits, '-' and '_' (a symbol set's), or hex digits joined by '-' (a
// symbol's hexcode, "1F415", "1F468-200D-1F373"): nothing that could reach outside a folder.
bool isSymbolName(const QString& text, bool hexcode) {
    if (text.isEmpty() || text.size() > 64 || text.startsWith(u'-') || text.endsWith(u'-'))
        return false;
    return std::all_of(text.begin(), text.end(), [hexcode](QChar c) {
        if (c == u'-')
            return true;
        if (hexcode)
            return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
        return c == u'_' || (c.unicode() < 128 && c.isLetterOrNumber());
    });
}

SymbolRef readSymbol(const QJsonObject& object, const QString& place) {
    SymbolRef symbol;
    const QJsonValue hexcode = object.value(QLatin1String("symbol"));
    if (!hexcode.isString() || !isSymbolName(hexcode.toString(), true))
        throw expected(place + QLatin1String(".symbol"),
                       QCoreApplication::translate("DeckFile", "a symbol's hexcode (\"1F415\")"),
                       hexcode);
    symbol.hexcode = hexcode.toString().toStdString();
    const QJsonValue set = object.value(QLatin1String("set"));
    if (!set.isUndefined()) {
        if (!set.isString() || !isSymbolName(set.toString(), false))
            throw expected(place + QLatin1String(".set"),
                           QCoreApplication::translate("DeckFile", "a symbol set's name"), set);
        symbol.set = set.toString().toStdString();
    }
    const QJsonValue style = object.value(QLatin1String("style"));
    if (style == QJsonValue(QStringLiteral("line")))
        symbol.style = SymbolStyle::Line;
    else if (!style.isUndefined() && style != QJsonValue(QStringLiteral("color")))
        throw expected(place + QLatin1String(".style"),
                       QCoreApplication::translate("DeckFile", "\"color\" or \"line\""), style);
    return symbol;
}

// The file of a picture cell, absolute.
std::string readPicture(const QJsonObject& object, const QString& place, const QByteArray& folder) {
    QByteArray picture;
    const QJsonValue bytes = object.value(QLatin1String("pictureBytes"));
    const QJsonValue text = object.value(QLatin1String("picture"));
    if (!bytes.isUndefined()) {
        if (!bytes.isString())
            throw expected(place + QLatin1String(".pictureBytes"),
                           QCoreApplication::translate("DeckFile", "a string"), bytes);
        picture = QByteArray::fromPercentEncoding(bytes.toString().toUtf8());
    } else if (!text.isUndefined()) {
        if (!text.isString())
            throw expected(place + QLatin1String(".picture"),
                           QCoreApplication::translate("DeckFile", "a string"), text);
        picture = text.toString().toUtf8();
    } else {
        throw Fault{place, QCoreApplication::translate(
                               "DeckFile", "a cell needs a \"picture\" (a free cell is null)")};
    }
    const QString picturePlace =
        place + (bytes.isUndefined() ? QLatin1String(".picture") : QLatin1String(".pictureBytes"));
    if (picture.isEmpty())
        throw Fault{picturePlace,
                    QCoreApplication::translate("DeckFile", "the file name is empty")};
    if (picture.contains('\0'))
        throw Fault{picturePlace, QCoreApplication::translate(
                                      "DeckFile", "a file name cannot hold a NUL character")};
    return absolutePicture(folder, picture);
}

DeckCell readCell(const QJsonObject& object, const QString& place, const QByteArray& folder) {
    DeckCell cell;
    if (object.contains(QLatin1String("symbol"))) {
        if (object.contains(QLatin1String("picture")) ||
            object.contains(QLatin1String("pictureBytes")))
            throw Fault{place,
                        QCoreApplication::translate(
                            "DeckFile", "a cell holds a \"picture\" or a \"symbol\", not both")};
        cell.symbol = readSymbol(object, place);
    } else {
        cell.picture = readPicture(object, place, folder);
    }

    const QJsonValue label = object.value(QLatin1String("label"));
    if (label.isString()) {
        const QString word = label.toString();
        if (const QString fault = labelLengthFault(word); !fault.isEmpty())
            throw Fault{place + QLatin1String(".label"), fault};
        cell.label = word.toStdString();
    } else if (!label.isUndefined() && !label.isNull())
        throw expected(place + QLatin1String(".label"),
                       QCoreApplication::translate("DeckFile", "a string"), label);

    const QJsonValue sound = object.value(QLatin1String("sound"));
    if (sound.isString() && !sound.toString().isEmpty()) {
        const QByteArray soundBytes = encodePath(sound.toString());
        if (soundBytes.contains('\0'))
            throw Fault{
                place + QLatin1String(".sound"),
                QCoreApplication::translate("DeckFile", "a file name cannot hold a NUL character")};
        cell.sound = absolutePicture(folder, soundBytes);
    } else if (!sound.isUndefined() && !sound.isNull() && !sound.isString())
        throw expected(place + QLatin1String(".sound"),
                       QCoreApplication::translate("DeckFile", "a string"), sound);
    return cell;
}

DeckCard readCard(const QJsonObject& object, const QString& place, const QByteArray& folder,
                  qint64 version) {
    DeckCard card;
    // Version 2: a grid or a sheet in place of the count.
    const QJsonValue layout = object.value(QLatin1String("layout"));
    if (version >= 2 && !layout.isUndefined()) {
        if (!layout.isObject())
            throw expected(place + QLatin1String(".layout"),
                           QCoreApplication::translate("DeckFile", "an object"), layout);
        try {
            card.layout = readLayoutObject(layout.toObject(), place + QLatin1String(".layout"));
        } catch (const LayoutFault& fault) {
            throw Fault{fault.place, fault.cause};
        }
    }
    const int gridCells = layoutCells(card.layout);
    const bool counted = card.layout.kind == CardLayout::Kind::Count;
    const QJsonValue perPage = object.value(QLatin1String("perPage"));
    if (!perPage.isUndefined()) {
        const std::optional<qint64> count = wholeNumber(perPage);
        const bool fits = count && (counted     ? IsValidPicturesPerPage(int(*count))
                                    : gridCells ? *count == gridCells
                                                : *count >= 1 && *count <= MaxLayoutCells);
        if (!fits)
            throw expected(
                place + QLatin1String(".perPage"),
                counted ? QCoreApplication::translate("DeckFile", "1, 2, 4, 6 or 8")
                : gridCells
                    ? QCoreApplication::translate("DeckFile", "%1, the grid's cards").arg(gridCells)
                    : QCoreApplication::translate("DeckFile", "1 to %1").arg(MaxLayoutCells),
                perPage);
        card.perPage = int(*count);
    } else if (gridCells) {
        card.perPage = gridCells;
    } else if (!counted) {
        throw Fault{
            place + QLatin1String(".perPage"),
            QCoreApplication::translate("DeckFile", "a sheet's card needs its number of labels")};
    }
    const QJsonValue orientation = object.value(QLatin1String("orientation"));
    if (orientation == QJsonValue(QStringLiteral("portrait")))
        card.portrait = true;
    else if (!orientation.isUndefined() && orientation != QJsonValue(QStringLiteral("landscape")))
        throw Fault{
            place + QLatin1String(".orientation"),
            QCoreApplication::translate("DeckFile", "expected \"portrait\" or \"landscape\"")};
    card.labels = readSwitch(object, QStringLiteral("labels"), place, true);
    card.upperCase = readSwitch(object, QStringLiteral("upperCase"), place, true);
    card.cutLines = readSwitch(object, QStringLiteral("cutLines"), place, true);

    const QJsonValue cells = object.value(QLatin1String("cells"));
    if (cells.isUndefined())
        return card;
    const QString cellsPlace = place + QLatin1String(".cells");
    if (!cells.isArray())
        throw expected(cellsPlace, QCoreApplication::translate("DeckFile", "an array"), cells);
    const QJsonArray array = cells.toArray();
    if (array.size() > card.perPage)
        throw Fault{cellsPlace, QCoreApplication::translate(
                                    "DeckFile", "%1 cells, more than the card's count of %2")
                                    .arg(array.size())
                                    .arg(card.perPage)};
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonValue entry = array.at(i);
        const QString entryPlace = cellsPlace + QStringLiteral("[%1]").arg(i);
        if (entry.isNull())
            card.cells.emplace_back();
        else if (entry.isObject())
            card.cells.emplace_back(readCell(entry.toObject(), entryPlace, folder));
        else
            throw expected(entryPlace, QCoreApplication::translate("DeckFile", "an object or null"),
                           entry);
    }
    return card;
}

// The names of the double-sided choices in a deck file, in the order of their enumerations.
const QStringList turnNames{QStringLiteral("standard"), QStringLiteral("long edge"),
                            QStringLiteral("short edge")};
const QStringList feedNames{QStringLiteral("off"), QStringLiteral("face down"),
                            QStringLiteral("face down reversing"), QStringLiteral("face up"),
                            QStringLiteral("face up reversing")};

// One of `names` at object[key] (its index), or `fallback` when the key is absent.
int readName(const QJsonObject& object, const QString& key, const QString& place,
             const QStringList& names, int fallback) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return fallback;
    const qsizetype index = value.isString() ? names.indexOf(value.toString()) : -1;
    if (index >= 0)
        return int(index);
    const QString allowed = QLatin1Char('"') +
                            names.mid(0, names.size() - 1).join(QLatin1String("\", \"")) +
                            QLatin1String("\" or \"") + names.last() + QLatin1Char('"');
    if (value.isString())
        throw Fault{place + QLatin1Char('.') + key,
                    QCoreApplication::translate("DeckFile", "expected %1, not \"%2\"")
                        .arg(allowed, value.toString())};
    throw expected(place + QLatin1Char('.') + key, allowed, value);
}

DuplexChoices readDuplex(const QJsonValue& value) {
    const QString place = QStringLiteral("duplex");
    DuplexChoices duplex;
    if (value.isUndefined())
        return duplex;
    if (!value.isObject())
        throw expected(place, QCoreApplication::translate("DeckFile", "an object"), value);
    const QJsonObject object = value.toObject();
    duplex.turn = SheetTurn(readName(object, QStringLiteral("turn"), place, turnNames, 0));
    duplex.feed = ManualFeed(readName(object, QStringLiteral("byHand"), place, feedNames, 0));
    duplex.foldOver = readSwitch(object, QStringLiteral("foldOver"), place, false);
    return duplex;
}

QJsonObject duplexObject(const DuplexChoices& duplex) {
    QJsonObject object;
    object.insert(QLatin1String("turn"), turnNames.at(int(duplex.turn)));
    object.insert(QLatin1String("byHand"), feedNames.at(int(duplex.feed)));
    object.insert(QLatin1String("foldOver"), duplex.foldOver);
    return object;
}

Deck readDeckObject(const QJsonObject& top, const QByteArray& folder) {
    const QJsonValue format = top.value(QLatin1String("format"));
    if (format != QJsonValue(kFormatName))
        throw Fault{QStringLiteral("format"),
                    QCoreApplication::translate("DeckFile", "expected \"%1\": this is not a deck")
                        .arg(kFormatName)};
    const QJsonValue versionValue = top.value(QLatin1String("version"));
    const std::optional<qint64> version = wholeNumber(versionValue);
    if (!version || *version < 1)
        throw expected(QStringLiteral("version"),
                       QCoreApplication::translate("DeckFile", "a version number"), versionValue);
    if (*version > kDeckFormatVersion)
        throw Fault{QStringLiteral("version"),
                    QCoreApplication::translate("DeckFile",
                                                "version %1 is newer than this program reads (%2)")
                        .arg(*version)
                        .arg(kDeckFormatVersion)};
    const QJsonValue cards = top.value(QLatin1String("cards"));
    if (!cards.isArray())
        throw expected(QStringLiteral("cards"), QCoreApplication::translate("DeckFile", "an array"),
                       cards);
    Deck deck;
    const QJsonValue language = top.value(QLatin1String("language"));
    if (language.isString() && !language.toString().trimmed().isEmpty())
        deck.language = language.toString().trimmed().toStdString();
    else if (!language.isUndefined() && !language.isNull() && !language.isString())
        throw expected(QStringLiteral("language"),
                       QCoreApplication::translate("DeckFile", "a string"), language);
    const QJsonArray array = cards.toArray();
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QString place = QStringLiteral("cards[%1]").arg(i);
        if (!array.at(i).isObject())
            throw expected(place, QCoreApplication::translate("DeckFile", "an object"),
                           array.at(i));
        deck.cards.push_back(readCard(array.at(i).toObject(), place, folder, *version));
    }
    deck.duplex = readDuplex(top.value(QLatin1String("duplex")));
    return deck;
}

// A path under the deck's folder relative to it, any other as it is.
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
        static const QByteArray keep = printableAscii();
        object.insert(QLatin1String("picture"), displayName(decodePath(picture)));
        object.insert(QLatin1String("pictureBytes"),
                      QString::fromLatin1(picture.toPercentEncoding(keep)));
    }
    if (cell.label)
        object.insert(QLatin1String("label"), QString::fromStdString(*cell.label));
    if (cell.sound)
        object.insert(QLatin1String("sound"), decodePath(relativeToDeck(*cell.sound, folder)));
    return object;
}

} // namespace

QString labelLengthFault(const QString& word) {
    if (word.size() <= kMaxLabelLength)
        return {};
    // Characters, not UTF-16 units: a surrogate pair is one character.
    const qsizetype length = word.size() - std::count_if(word.cbegin(), word.cend(), [](QChar c) {
                                 return c.isLowSurrogate();
                             });
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
    for (const DeckCard& card : deck.cards) {
        QJsonArray cells;
        // A cell without a picture or a symbol holds nothing to keep: it is saved as a free cell.
        for (const std::optional<DeckCell>& cell : card.cells) {
            const bool kept = cell && (!cell->picture.empty() || cell->symbol);
            cells.append(kept ? QJsonValue(cellObject(*cell, folder)) : QJsonValue());
            if (kept && cell->symbol)
                symbols = true;
        }
        QJsonObject object;
        object.insert(QLatin1String("perPage"), card.perPage);
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
        cards.append(object);
    }
    // Symbol cells came with version 3: older copies say the deck is newer than they read,
    // rather than that a cell lacks its picture.
    if (symbols)
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
            if (cell->symbol)
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
