#include "storage/DeckFileReader.h"

#include "layout/Card.h"
#include "storage/DeckFile.h"
#include "storage/DeckLayout.h"
#include "storage/NativePath.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QStringList>

#include <algorithm>
#include <cmath>

// Reading a deck file's document: every value checked, every fault named with its place.

namespace ferlo::deckfile {

// The names of the double-sided choices in a deck file, in the order of their enumerations.
const QStringList turnNames{QStringLiteral("standard"), QStringLiteral("long edge"),
                            QStringLiteral("short edge")};
const QStringList feedNames{QStringLiteral("off"), QStringLiteral("face down"),
                            QStringLiteral("face down reversing"), QStringLiteral("face up"),
                            QStringLiteral("face up reversing")};

namespace {

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

// A label word or a word card's word: a string of at most kMaxLabelLength characters.
std::string readWord(const QJsonValue& value, const QString& place) {
    if (!value.isString())
        throw expected(place, QCoreApplication::translate("DeckFile", "a string"), value);
    const QString word = value.toString();
    if (const QString fault = labelLengthFault(word); !fault.isEmpty())
        throw Fault{place, fault};
    return word.toStdString();
}

DeckCell readCell(const QJsonObject& object, const QString& place, const QByteArray& folder,
                  qint64 version) {
    DeckCell cell;
    // Version 4: a word card, the word alone.
    if (version >= 4 && object.contains(QLatin1String("word"))) {
        if (object.contains(QLatin1String("picture")) ||
            object.contains(QLatin1String("pictureBytes")) ||
            object.contains(QLatin1String("symbol")))
            throw Fault{place, QCoreApplication::translate(
                                   "DeckFile", "a word card holds no \"picture\" or \"symbol\"")};
        cell.word = true;
        cell.label = readWord(object.value(QLatin1String("word")), place + QLatin1String(".word"));
    } else if (object.contains(QLatin1String("symbol"))) {
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
    if (!cell.word && !label.isUndefined() && !label.isNull())
        cell.label = readWord(label, place + QLatin1String(".label"));

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

// How a card is arranged: its count (a number of pictures), or from version 2 a grid or a
// sheet with its number of cards.
CardLayout readArrangement(const QJsonObject& object, const QString& place, qint64 version) {
    CardLayout arrangement;
    // Version 2: a grid or a sheet in place of the count.
    const QJsonValue layout = object.value(QLatin1String("layout"));
    if (version >= 2 && !layout.isUndefined()) {
        if (!layout.isObject())
            throw expected(place + QLatin1String(".layout"),
                           QCoreApplication::translate("DeckFile", "an object"), layout);
        try {
            arrangement = readLayoutObject(layout.toObject(), place + QLatin1String(".layout"));
        } catch (const LayoutFault& fault) {
            throw Fault{fault.place, fault.cause};
        }
    }
    const int gridCells = layoutCells(arrangement);
    const bool counted = arrangement.kind == CardLayout::Kind::Count;
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
        arrangement.setCells(int(*count));
    } else if (!counted && !gridCells) {
        throw Fault{
            place + QLatin1String(".perPage"),
            QCoreApplication::translate("DeckFile", "a sheet's card needs its number of labels")};
    }
    return arrangement;
}

// A card's cells (the array at .cells) into `card`, no more than its count.
void readCells(const QJsonValue& cells, DeckCard& card, const QString& place,
               const QByteArray& folder, qint64 version) {
    const QString cellsPlace = place + QLatin1String(".cells");
    if (!cells.isArray())
        throw expected(cellsPlace, QCoreApplication::translate("DeckFile", "an array"), cells);
    const QJsonArray array = cells.toArray();
    if (array.size() > card.perPage())
        throw Fault{cellsPlace, QCoreApplication::translate(
                                    "DeckFile", "%1 cells, more than the card's count of %2")
                                    .arg(array.size())
                                    .arg(card.perPage())};
    for (qsizetype i = 0; i < array.size(); ++i) {
        const QJsonValue entry = array.at(i);
        const QString entryPlace = cellsPlace + QStringLiteral("[%1]").arg(i);
        if (entry.isNull())
            card.cells.emplace_back();
        else if (entry.isObject())
            card.cells.emplace_back(readCell(entry.toObject(), entryPlace, folder, version));
        else
            throw expected(entryPlace, QCoreApplication::translate("DeckFile", "an object or null"),
                           entry);
    }
}

DeckCard readCard(const QJsonObject& object, const QString& place, const QByteArray& folder,
                  qint64 version) {
    DeckCard card;
    card.layout = readArrangement(object, place, version);
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
    // Version 4: a line of small print.
    const QJsonValue smallPrint = object.value(QLatin1String("smallPrint"));
    if (version >= 4 && !smallPrint.isUndefined())
        card.smallPrint = readWord(smallPrint, place + QLatin1String(".smallPrint"));

    const QJsonValue cells = object.value(QLatin1String("cells"));
    if (!cells.isUndefined())
        readCells(cells, card, place, folder, version);
    return card;
}

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

} // namespace

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
} // namespace ferlo::deckfile
