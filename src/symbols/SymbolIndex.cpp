#include "symbols/SymbolIndex.h"

#include "storage/Errors.h"
#include "symbols/SymbolIndexData.h"
#include "symbols/SymbolIndexFormat.h"
#include "symbols/SymbolSet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <vector>

namespace ferlo {

namespace {

using Data = SymbolIndex::Data;
using symbolindex::Language;
using symbolindex::Named;
using symbolindex::Symbol;
using symbolindex::Term;
using symbolindex::Text;

// The texts are marked with QT_TRANSLATE_NOOP("Symbols", ...) where they are written.
QString translated(const char* text) {
    return QCoreApplication::translate("Symbols", text);
}

// Reads the index's numbers with every bound checked; the first fault ends the reading with a
// message naming the file.
class Reader {
public:
    Reader(const QByteArray& bytes, const QString& file)
        : m_bytes(bytes)
        , m_file(file) {}

    [[noreturn]] void fail(const QString& cause) const {
        throw Error(
            translated(QT_TRANSLATE_NOOP("Symbols", "The symbol index %1 can't be read: %2."))
                .arg(m_file, cause));
    }
    quint32 number() {
        if (m_bytes.size() - m_at < 4)
            fail(translated(QT_TRANSLATE_NOOP("Symbols", "it ends too early")));
        quint32 value = 0;
        for (int i = 0; i < 4; ++i)
            value |= quint32(quint8(m_bytes[m_at + i])) << (8 * i);
        m_at += 4;
        return value;
    }
    // A count of records of recordSize bytes that must fit in what is left.
    quint32 count(qsizetype recordSize) {
        const quint32 n = number();
        if (qsizetype(n) > (m_bytes.size() - m_at) / recordSize)
            fail(translated(QT_TRANSLATE_NOOP("Symbols", "it counts more records than it holds")));
        return n;
    }
    Text text(quint32 poolSize) {
        Text t{number(), number()};
        if (quint64(t.offset) + t.size > poolSize)
            fail(translated(QT_TRANSLATE_NOOP("Symbols", "a text lies outside the file's texts")));
        return t;
    }
    void mustHold(qsizetype n) const {
        if (m_bytes.size() - m_at < n)
            fail(translated(QT_TRANSLATE_NOOP("Symbols", "it counts more records than it holds")));
    }
    void skip(qsizetype n) {
        if (m_bytes.size() - m_at < n)
            fail(translated(QT_TRANSLATE_NOOP("Symbols", "it ends too early")));
        m_at += n;
    }
    qsizetype at() const { return m_at; }
    bool atEnd() const { return m_at == m_bytes.size(); }

private:
    const QByteArray& m_bytes;
    QString m_file;
    qsizetype m_at = 0;
};

// The mark, the version and the size the file was written with; returns the size of its texts,
// which follow.
quint32 readHeader(Reader& in, const QByteArray& bytes) {
    if (bytes.size() < qsizetype(sizeof symbolindex::magic) ||
        std::memcmp(bytes.constData(), symbolindex::magic, sizeof symbolindex::magic) != 0)
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "it is no symbol index")));
    in.skip(sizeof symbolindex::magic);
    if (in.number() != symbolindex::version)
        in.fail(translated(
            QT_TRANSLATE_NOOP("Symbols", "it was written for another version of the program")));
    if (in.number() != quint64(bytes.size()))
        in.fail(translated(
            QT_TRANSLATE_NOOP("Symbols", "its size is not the size it was written with")));
    return in.number();
}

// Each hexcode names a file of the set: upper-case hexadecimal numbers joined by '-', once.
void indexHexcodes(const Reader& in, Data& data) {
    data.byHexcode.reserve(qsizetype(data.symbols.size()));
    for (quint32 s = 0; s < data.symbols.size(); ++s) {
        const QByteArrayView hexcode = data.view(data.symbols[s].hexcode);
        const bool wellFormed =
            hexcode.size() >= 2 && hexcode.size() <= 120 && hexcode.front() != '-' &&
            hexcode.back() != '-' && std::all_of(hexcode.begin(), hexcode.end(), [](char c) {
                return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '-';
            });
        if (!wellFormed || data.byHexcode.contains(hexcode.toByteArray()))
            in.fail(translated(
                QT_TRANSLATE_NOOP("Symbols", "a symbol's hexcode is malformed or given twice")));
        data.byHexcode.insert(hexcode.toByteArray(), s);
    }
}

// The symbols: each one's hexcode and the symbol of its own it folds under, if it is a variant.
void readSymbols(Reader& in, quint32 poolSize, Data& data) {
    const quint32 symbolCount = in.count(12);
    if (symbolCount == 0)
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "it holds no symbols")));
    data.symbols.resize(symbolCount);
    for (Symbol& symbol : data.symbols) {
        symbol.hexcode = in.text(poolSize);
        symbol.base = in.number();
        if (symbol.base != symbolindex::noSymbol && symbol.base >= symbolCount)
            in.fail(translated(
                QT_TRANSLATE_NOOP("Symbols", "a symbol folds under one that isn't there")));
    }
    indexHexcodes(in, data);
    for (const Symbol& symbol : data.symbols) {
        if (symbol.base != symbolindex::noSymbol &&
            data.symbols[symbol.base].base != symbolindex::noSymbol)
            in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "a symbol folds under a variant")));
        data.ownSymbols += symbol.base == symbolindex::noSymbol ? 1 : 0;
    }
}

// A language's terms, each naming a symbol of its own, in the order of their bytes.
void readTerms(Reader& in, quint32 poolSize, const Data& data, Language& language) {
    language.terms.resize(in.count(16));
    for (Term& term : language.terms) {
        term.text = in.text(poolSize);
        term.symbol = in.number();
        term.kind = in.number();
        if (term.symbol >= data.symbols.size() ||
            data.symbols[term.symbol].base != symbolindex::noSymbol ||
            term.kind > symbolindex::kindWord)
            in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "a term names no symbol of its own")));
    }
    for (size_t i = 1; i < language.terms.size(); ++i)
        if (data.view(language.terms[i].text) < data.view(language.terms[i - 1].text))
            in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "its terms are out of order")));
}

// One language: its code, the names and keywords of every symbol in it, and its terms.
void readLanguage(Reader& in, quint32 poolSize, const Data& data, Language& language) {
    const QString code = data.string(in.text(poolSize));
    if (code.isEmpty() || code.contains(QLatin1Char('_')) || code.contains(QLatin1Char('-')) ||
        data.language(code))
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "a language is unnamed or named twice")));
    language.code = code;
    in.mustHold(qsizetype(data.symbols.size()) * 12); // the names, before they are allocated
    language.names.resize(data.symbols.size());
    for (Named& named : language.names) {
        named.name = in.text(poolSize);
        named.keywordFirst = in.number();
        named.keywordCount = in.number();
    }
    language.keywords.resize(in.count(8));
    for (Text& keyword : language.keywords)
        keyword = in.text(poolSize);
    for (const Named& named : language.names)
        if (quint64(named.keywordFirst) + named.keywordCount > language.keywords.size())
            in.fail(translated(
                QT_TRANSLATE_NOOP("Symbols", "a symbol's keywords lie outside the keywords")));
    readTerms(in, poolSize, data, language);
}

} // namespace

SymbolIndex::SymbolIndex()
    : m_missing(translated(QT_TRANSLATE_NOOP("Symbols", "No symbol set is loaded."))) {}

SymbolIndex SymbolIndex::fromFile(const QString& file) {
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        throw Error(
            translated(QT_TRANSLATE_NOOP("Symbols", "The symbol index %1 can't be read: %2."))
                .arg(file, in.errorString()));
    if (in.size() > qint64(symbolindex::maxFileSize))
        throw Error(
            translated(QT_TRANSLATE_NOOP("Symbols", "The symbol index %1 can't be read: %2."))
                .arg(file, translated(QT_TRANSLATE_NOOP("Symbols", "it is too large"))));
    return fromBytes(in.readAll(), file);
}

SymbolIndex SymbolIndex::fromBytes(const QByteArray& bytes, const QString& file) {
    auto data = std::make_shared<Data>();
    data->bytes = bytes;
    Reader in(data->bytes, file);
    const quint32 poolSize = readHeader(in, bytes);
    data->poolStart = in.at();
    in.skip(poolSize);
    readSymbols(in, poolSize, *data);
    const quint32 languageCount = in.count(8 + qsizetype(data->symbols.size()) * 12 + 8);
    if (languageCount == 0)
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "it holds no language")));
    data->languages.resize(languageCount);
    for (Language& language : data->languages)
        readLanguage(in, poolSize, *data, language);
    if (data->languages.front().code != QLatin1String("en"))
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "its first language is not English")));
    if (!in.atEnd())
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "there is more after its end")));
    SymbolIndex index;
    index.m_data = std::move(data);
    index.m_missing.clear();
    return index;
}

const SymbolIndex& SymbolIndex::installed() {
    static const SymbolIndex index = [] {
        const QString file = symbolIndexFile();
        if (file.isEmpty() || symbolSetDir().isEmpty()) {
            SymbolIndex none;
            const QString dir = QCoreApplication::applicationDirPath();
            none.m_missing =
                translated(QT_TRANSLATE_NOOP("Symbols", "The OpenMoji symbols are not installed: "
                                                        "there is no symbols folder beside the "
                                                        "program (%1) nor in %2."))
                    .arg(dir, QDir::cleanPath(dir + QStringLiteral("/../share/ferlo/symbols")));
            return none;
        }
        try {
            return fromFile(file);
        } catch (const Error& error) {
            SymbolIndex none;
            none.m_missing = error.message();
            return none;
        }
    }();
    return index;
}

bool SymbolIndex::available() const {
    return m_data != nullptr;
}
QString SymbolIndex::missingReason() const {
    return m_missing;
}
int SymbolIndex::symbolCount() const {
    return m_data ? m_data->ownSymbols : 0;
}

QStringList SymbolIndex::languages() const {
    QStringList codes;
    if (m_data)
        for (const Language& language : m_data->languages)
            codes << language.code;
    return codes;
}

QString SymbolIndex::name(const QString& hexcode, const QString& language) const {
    if (!m_data)
        return {};
    const auto found = m_data->byHexcode.constFind(hexcode.toUtf8());
    return found == m_data->byHexcode.constEnd()
               ? QString()
               : m_data->nameIn(m_data->language(language), *found);
}

} // namespace ferlo
