#include "symbols/SymbolIndexBuilder.h"

#include "symbols/SymbolIndexFormat.h"
#include "symbols/SymbolText.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

namespace ferlo {

namespace {

[[noreturn]] void fail(const QString& file, const QString& cause) {
    throw std::runtime_error(QStringLiteral("%1: %2").arg(file, cause).toStdString());
}

QByteArray readWhole(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        fail(file, in.errorString());
    return in.readAll();
}

// RFC 4180: fields separated by commas, quoted fields may hold commas, quotes ("") and line breaks.
std::vector<QStringList> parseCsv(const QString& text, const QString& file) {
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            row << field;
            field.clear();
            if (!(row.size() == 1 && row[0].isEmpty()))
                rows.push_back(row);
            row.clear();
        } else {
            field += c;
        }
    }
    if (quoted)
        fail(file, QStringLiteral("a quoted field is not closed"));
    if (!field.isEmpty() || !row.isEmpty()) {
        row << field;
        rows.push_back(row);
    }
    return rows;
}

QStringList splitList(const QString& text, QChar separator) {
    QStringList items;
    for (const QString& item : text.split(separator)) {
        const QString trimmed = item.trimmed();
        if (!trimmed.isEmpty())
            items << trimmed;
    }
    return items;
}

void addUnique(QStringList& list, const QStringList& items) {
    for (const QString& item : items)
        if (!list.contains(item, Qt::CaseInsensitive))
            list << item;
}

struct Symbol {
    QString hexcode;
    int base = -1;
    QHash<QString, QString> name;          // by language
    QHash<QString, QStringList> keywords;  // by language: the CLDR's
    QStringList tags;                      // OpenMoji's own (English), looser than keywords
    QHash<QString, QStringList> cardNames; // by language (kCardNames)
};

// The words picture cards use for symbols whose CLDR name is another one ("automobile" for a
// car, "chicken" for a hen): searched as names, so that the word finds that symbol first and
// not one that merely has it among its keywords (a tram car).
struct CardName {
    const char* hexcode;
    const char* language;
    const char* names; // separated by '|'
};
constexpr CardName kCardNames[] = {
    {"1F697", "en", "car"},
    {"1F414", "en", "hen"},
    {"1F95B", "en", "milk"},
    {"1F6B2", "en", "bike"},
    {"1F3E0", "en", "home"},
    {"1F697", "de", "Auto"},
    {"1F414", "de", "Henne"},
    {"1F95B", "de", "Milch"},
    {"1F697", "es", "coche"},
    {"1F414", "es", "gallina"},
    {"1F95B", "es", "leche"},
    {"1F697", "fr", "voiture"},
    {"1F414", "fr", "poule"},
    {"1F95B", "fr", "lait"},
    {"1F697", "ar", "سيارة"},
    {"1F414", "ar", "دجاجة"},
    {"1F95B", "ar", "حليب"},
    {"1F600", "en", "happy"},
    {"1F600", "de", "glücklich|fröhlich"},
    {"1F600", "es", "feliz"},
    {"1F600", "fr", "heureux|content"},
    {"1F600", "ar", "سعيد"},
    {"2639", "en", "sad"},
    {"2639", "de", "traurig"},
    {"2639", "es", "triste"},
    {"2639", "fr", "triste"},
    {"2639", "ar", "حزين"},
};

void addCardNames(const QHash<QString, int>& byHex, std::vector<Symbol>& symbols) {
    for (const CardName& entry : kCardNames) {
        const auto found = byHex.constFind(QString::fromLatin1(entry.hexcode));
        if (found != byHex.constEnd())
            symbols[size_t(*found)].cardNames[QString::fromLatin1(entry.language)] =
                QString::fromUtf8(entry.names).split(QLatin1Char('|'));
    }
}

// Names (type="tts") and keywords of one CLDR annotations file into the symbols.
void readCldr(const QString& file, const QString& language, const QHash<QString, int>& byPlainHex,
              std::vector<Symbol>& symbols) {
    QXmlStreamReader xml(readWhole(file));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"annotation")
            continue;
        const QString cp = xml.attributes().value(QLatin1String("cp")).toString();
        const bool tts = xml.attributes().value(QLatin1String("type")) == u"tts";
        const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        const auto found = byPlainHex.constFind(plainHexcode(hexcodeOf(cp)));
        if (found == byPlainHex.constEnd() || text.isEmpty() || text == QStringLiteral("↑↑↑"))
            continue;
        Symbol& symbol = symbols[size_t(*found)];
        if (tts)
            symbol.name[language] = text;
        else
            addUnique(symbol.keywords[language], splitList(text, QLatin1Char('|')));
    }
    if (xml.hasError())
        fail(file, QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString()));
}

class Writer {
public:
    void number(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            m_out.append(char((value >> shift) & 0xFF));
    }
    void string(const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        auto found = m_offsets.constFind(utf8);
        if (found == m_offsets.constEnd()) {
            found = m_offsets.insert(utf8, std::uint32_t(m_pool.size()));
            m_pool += utf8;
        }
        number(*found);
        number(std::uint32_t(utf8.size()));
    }
    QByteArray finish() {
        QByteArray file(symbolindex::magic, sizeof symbolindex::magic);
        Writer head;
        head.number(symbolindex::version);
        const qsizetype size = file.size() + 4 * 3 + m_pool.size() + m_out.size();
        if (size > qsizetype(symbolindex::maxFileSize))
            throw std::runtime_error("the symbol index would be larger than a reader accepts");
        head.number(std::uint32_t(size));
        head.number(std::uint32_t(m_pool.size()));
        return file + head.m_out + m_pool + m_out;
    }

private:
    QByteArray m_out;
    QByteArray m_pool;
    QHash<QByteArray, std::uint32_t> m_offsets;
};

struct Term {
    QByteArray text;
    std::uint32_t symbol;
    std::uint32_t kind;
};

} // namespace

namespace {

// The symbols of OpenMoji's table, brand logos left out, by their hexcode and by their hexcode
// without variation selectors.
std::vector<Symbol> readSymbolTable(const QString& csvFile, QHash<QString, int>& byHex,
                                    QHash<QString, int>& byPlainHex) {
    const auto rows = parseCsv(QString::fromUtf8(readWhole(csvFile)), csvFile);
    if (rows.empty())
        fail(csvFile, QStringLiteral("the table is empty"));
    const QStringList& header = rows.front();
    const auto column = [&](const char* name) {
        const qsizetype at = header.indexOf(QLatin1String(name));
        if (at < 0)
            fail(csvFile,
                 QStringLiteral("the table has no column \"%1\"").arg(QLatin1String(name)));
        return at;
    };
    const qsizetype hexColumn = column("hexcode"), nameColumn = column("annotation"),
                    tagsColumn = column("tags"), ownTagsColumn = column("openmoji_tags");
    const qsizetype groupsColumn = header.indexOf(QLatin1String("subgroups"));

    std::vector<Symbol> symbols;
    for (size_t r = 1; r < rows.size(); ++r) {
        const QStringList& row = rows[r];
        const auto cell = [&](qsizetype at) {
            return at < row.size() ? row[at].trimmed() : QString();
        };
        Symbol symbol;
        symbol.hexcode = cell(hexColumn).toUpper();
        static const QRegularExpression hexcodeForm(
            QStringLiteral("^[0-9A-F]{2,6}(-[0-9A-F]{2,6})*$"));
        if (!hexcodeForm.match(symbol.hexcode).hasMatch())
            fail(csvFile,
                 QStringLiteral("row %1: \"%2\" is no hexcode").arg(r + 1).arg(symbol.hexcode));
        // Brand logos (a fruit company's, an operating system's) are no words for a card.
        if (byHex.contains(symbol.hexcode) || (groupsColumn >= 0 && cell(groupsColumn) == u"brand"))
            continue;
        symbol.name[QStringLiteral("en")] = cell(nameColumn);
        symbol.tags = splitList(cell(tagsColumn), QLatin1Char(','));
        addUnique(symbol.tags, splitList(cell(ownTagsColumn), QLatin1Char(',')));
        byHex.insert(symbol.hexcode, int(symbols.size()));
        byPlainHex.insert(plainHexcode(symbol.hexcode), int(symbols.size()));
        symbols.push_back(std::move(symbol));
    }
    return symbols;
}

// Skin-tone and gender variants fold under the nearest symbol of the set they come from;
// returns the count of symbols of their own.
int foldVariants(std::vector<Symbol>& symbols, const QHash<QString, int>& byHex,
                 const QHash<QString, int>& byPlainHex) {
    int own = 0;
    for (Symbol& symbol : symbols) {
        QString step = symbol.hexcode;
        for (int i = 0; i < 4 && !(step = variantBaseStep(step)).isEmpty(); ++i)
            if (const auto found = byHex.constFind(step); found != byHex.constEnd())
                symbol.base = *found;
            else if (const auto plain = byPlainHex.constFind(plainHexcode(step));
                     plain != byPlainHex.constEnd())
                symbol.base = *plain;
        own += symbol.base < 0 ? 1 : 0;
    }
    for (Symbol& symbol : symbols) // one step to the root, whatever the chain
        while (symbol.base >= 0 && symbols[size_t(symbol.base)].base >= 0)
            symbol.base = symbols[size_t(symbol.base)].base;
    return own;
}

// English and the languages asked for, with their names and keywords read from the CLDR's
// annotations when a CLDR folder is given.
QStringList readLanguages(const QString& cldrCommonDir, const QStringList& requestedLanguages,
                          const QHash<QString, int>& byPlainHex, std::vector<Symbol>& symbols) {
    QStringList languages{QStringLiteral("en")};
    if (!cldrCommonDir.isEmpty())
        for (const QString& language : requestedLanguages)
            if (!languages.contains(language))
                languages << language;
    if (!cldrCommonDir.isEmpty())
        for (const QString& language : languages) {
            const QString names =
                cldrCommonDir + QStringLiteral("/annotations/%1.xml").arg(language);
            readCldr(names, language, byPlainHex, symbols);
            const QString derived =
                cldrCommonDir + QStringLiteral("/annotationsDerived/%1.xml").arg(language);
            if (QFile::exists(derived))
                readCldr(derived, language, byPlainHex, symbols);
        }
    return languages;
}

// A language's name of every symbol with its keywords, then the keywords.
void writeNames(Writer& out, const std::vector<Symbol>& symbols, const QString& language) {
    QStringList keywords;
    for (const Symbol& symbol : symbols) {
        // A variant's keywords are its symbol's; it keeps its own name. English shows
        // OpenMoji's tags after the CLDR's keywords.
        QStringList own = symbol.base < 0 ? symbol.keywords.value(language) : QStringList();
        if (symbol.base < 0 && language == QLatin1String("en"))
            addUnique(own, symbol.tags);
        out.string(symbol.name.value(language));
        out.number(std::uint32_t(keywords.size()));
        out.number(std::uint32_t(own.size()));
        keywords << own;
    }
    out.number(std::uint32_t(keywords.size()));
    for (const QString& keyword : keywords)
        out.string(keyword);
}

using TermKinds = std::map<std::pair<QByteArray, std::uint32_t>, std::uint32_t>;

// A language's terms, each folded text of a symbol with the lowest kind it is found as.
TermKinds termKinds(const std::vector<Symbol>& symbols, const QString& language) {
    TermKinds kinds; // lowest kind wins
    const auto add = [&](const QString& folded, std::uint32_t symbol, std::uint32_t kind) {
        if (folded.isEmpty())
            return;
        const auto key = std::make_pair(folded.toUtf8(), symbol);
        const auto found = kinds.find(key);
        if (found == kinds.end())
            kinds.emplace(key, kind);
        else
            found->second = std::min(found->second, kind);
    };
    for (size_t s = 0; s < symbols.size(); ++s) {
        const Symbol& symbol = symbols[s];
        const auto root = std::uint32_t(symbol.base < 0 ? int(s) : symbol.base);
        const auto addWithWords = [&](const QString& text, std::uint32_t kind) {
            const QString folded = foldForSearch(text);
            add(folded, root, kind);
            const QStringList words = searchWords(folded);
            if (words.size() > 1 || (words.size() == 1 && words.front() != folded))
                for (const QString& word : words)
                    add(word, root, symbolindex::kindWord);
        };
        addWithWords(symbol.name.value(language), symbolindex::kindName);
        for (const QString& name : symbol.cardNames.value(language))
            addWithWords(name, symbolindex::kindName);
        // A keyword that is also a word of the name says what the symbol is ("angry" of
        // "angry face"), before one that says what else it shows ("angry" of a face holding
        // back tears).
        const QStringList nameWords = searchWords(foldForSearch(symbol.name.value(language)));
        const auto keywordKind = [&](const QString& keyword, std::uint32_t kind) {
            return nameWords.contains(foldForSearch(keyword)) ? symbolindex::kindNamedKeyword
                                                              : kind;
        };
        for (const QString& keyword : symbol.keywords.value(language))
            addWithWords(keyword, keywordKind(keyword, symbolindex::kindKeyword));
        if (language == QLatin1String("en"))
            for (const QString& tag : symbol.tags)
                addWithWords(tag, keywordKind(tag, symbolindex::kindTag));
    }
    return kinds;
}

// The terms in the order of their bytes, then of their symbol.
void writeTerms(Writer& out, const TermKinds& kinds) {
    std::vector<Term> terms;
    terms.reserve(kinds.size());
    for (const auto& [key, kind] : kinds)
        terms.push_back({key.first, key.second, kind});
    // std::map orders by the bytes (QByteArray's operator<), then by the symbol.
    out.number(std::uint32_t(terms.size()));
    for (const Term& term : terms) {
        out.string(QString::fromUtf8(term.text));
        out.number(term.symbol);
        out.number(term.kind);
    }
}

} // namespace

SymbolIndexBuild buildSymbolIndex(const QString& csvFile, const QString& cldrCommonDir,
                                  const QStringList& requestedLanguages) {
    QHash<QString, int> byHex, byPlainHex;
    std::vector<Symbol> symbols = readSymbolTable(csvFile, byHex, byPlainHex);
    const int own = foldVariants(symbols, byHex, byPlainHex);
    const QStringList languages =
        readLanguages(cldrCommonDir, requestedLanguages, byPlainHex, symbols);
    addCardNames(byHex, symbols);

    Writer out;
    out.number(std::uint32_t(symbols.size()));
    for (const Symbol& symbol : symbols) {
        out.string(symbol.hexcode);
        out.number(symbol.base < 0 ? symbolindex::noSymbol : std::uint32_t(symbol.base));
    }
    out.number(std::uint32_t(languages.size()));
    for (const QString& language : languages) {
        out.string(language);
        writeNames(out, symbols, language);
        writeTerms(out, termKinds(symbols, language));
    }
    SymbolIndexBuild build;
    build.index = out.finish();
    build.symbols = int(symbols.size());
    build.ownSymbols = own;
    build.languages = languages;
    return build;
}

} // namespace ferlo
