#include "symbols/SymbolIndex.h"

#include "storage/Errors.h"
#include "symbols/SymbolFolders.h"
#include "symbols/SymbolIndexFormat.h"
#include "symbols/SymbolSet.h"
#include "symbols/SymbolText.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <vector>

namespace ferlo {

namespace {

struct Text {
    quint32 offset = 0;
    quint32 size = 0;
};
struct Symbol {
    Text hexcode;
    quint32 base = symbolindex::noSymbol;
};
struct Named {
    Text name;
    quint32 keywordFirst = 0;
    quint32 keywordCount = 0;
};
struct Term {
    Text text;
    quint32 symbol = 0;
    quint32 kind = 0;
};
struct Language {
    QString code;
    std::vector<Named> names; // by symbol
    std::vector<Text> keywords;
    std::vector<Term> terms;
};

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

} // namespace

struct SymbolIndex::Data {
    QByteArray bytes;
    qsizetype poolStart = 0;
    std::vector<Symbol> symbols;
    std::vector<Language> languages;
    int ownSymbols = 0;
    QHash<QByteArray, quint32> byHexcode;

    QByteArrayView view(Text t) const {
        return QByteArrayView(bytes).sliced(poolStart + t.offset, t.size);
    }
    QString string(Text t) const { return QString::fromUtf8(view(t)); }
    const Language* language(const QString& tag) const {
        const QString code =
            tag.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
        for (const Language& language : languages)
            if (language.code == code)
                return &language;
        return nullptr;
    }
    QString nameIn(const Language* language, quint32 symbol) const {
        if (language && language->names[symbol].name.size > 0)
            return string(language->names[symbol].name);
        return string(languages.front().names[symbol].name);
    }
    QStringList keywordsIn(const Language* language, quint32 symbol) const {
        QStringList words;
        for (const Language* l : {language, &languages.front()}) {
            if (!l)
                continue;
            const Named& named = l->names[symbol];
            for (quint32 i = 0; i < named.keywordCount; ++i)
                words << string(l->keywords[named.keywordFirst + i]);
            if (!words.isEmpty())
                break;
        }
        return words;
    }
};

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
    const quint32 poolSize = in.number();
    data->poolStart = in.at();
    in.skip(poolSize);

    const quint32 symbolCount = in.count(12);
    if (symbolCount == 0)
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "it holds no symbols")));
    data->symbols.resize(symbolCount);
    for (Symbol& symbol : data->symbols) {
        symbol.hexcode = in.text(poolSize);
        symbol.base = in.number();
        if (symbol.base != symbolindex::noSymbol && symbol.base >= symbolCount)
            in.fail(translated(
                QT_TRANSLATE_NOOP("Symbols", "a symbol folds under one that isn't there")));
    }
    data->byHexcode.reserve(symbolCount);
    for (quint32 s = 0; s < symbolCount; ++s) {
        // A hexcode names a file of the set: upper-case hexadecimal numbers joined by '-', once.
        const QByteArrayView hexcode = data->view(data->symbols[s].hexcode);
        const bool wellFormed =
            hexcode.size() >= 2 && hexcode.size() <= 120 && hexcode.front() != '-' &&
            hexcode.back() != '-' && std::all_of(hexcode.begin(), hexcode.end(), [](char c) {
                return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || c == '-';
            });
        if (!wellFormed || data->byHexcode.contains(hexcode.toByteArray()))
            in.fail(translated(
                QT_TRANSLATE_NOOP("Symbols", "a symbol's hexcode is malformed or given twice")));
        data->byHexcode.insert(hexcode.toByteArray(), s);
    }
    for (const Symbol& symbol : data->symbols) {
        if (symbol.base != symbolindex::noSymbol &&
            data->symbols[symbol.base].base != symbolindex::noSymbol)
            in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "a symbol folds under a variant")));
        data->ownSymbols += symbol.base == symbolindex::noSymbol ? 1 : 0;
    }

    const quint32 languageCount = in.count(8 + qsizetype(symbolCount) * 12 + 8);
    if (languageCount == 0)
        in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "it holds no language")));
    data->languages.resize(languageCount);
    for (Language& language : data->languages) {
        const QString code = data->string(in.text(poolSize));
        if (code.isEmpty() || code.contains(QLatin1Char('_')) || code.contains(QLatin1Char('-')) ||
            data->language(code))
            in.fail(
                translated(QT_TRANSLATE_NOOP("Symbols", "a language is unnamed or named twice")));
        language.code = code;
        in.mustHold(qsizetype(symbolCount) * 12); // the names, before they are allocated
        language.names.resize(symbolCount);
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
        language.terms.resize(in.count(16));
        for (Term& term : language.terms) {
            term.text = in.text(poolSize);
            term.symbol = in.number();
            term.kind = in.number();
            if (term.symbol >= symbolCount ||
                data->symbols[term.symbol].base != symbolindex::noSymbol ||
                term.kind > symbolindex::kindWord)
                in.fail(
                    translated(QT_TRANSLATE_NOOP("Symbols", "a term names no symbol of its own")));
        }
        for (size_t i = 1; i < language.terms.size(); ++i)
            if (data->view(language.terms[i].text) < data->view(language.terms[i - 1].text))
                in.fail(translated(QT_TRANSLATE_NOOP("Symbols", "its terms are out of order")));
    }
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

namespace {

struct Candidate {
    int tier = 0; // 0: the language searched (and the user's files), 1: English
    int rank = 0;
    int user = 1;         // 0: a user's file, ahead of a symbol of the same rank
    qsizetype length = 0; // of the term that matched: the closer to the word, the better
    quint32 kind = 0;     // of the term that matched: a name before a keyword
    quint32 order = 0;
    auto key() const { return std::tie(tier, rank, user, length, kind, order); }
};

} // namespace

QVector<SymbolMatch> SymbolIndex::search(const QString& word, const QString& language,
                                         int limit) const {
    return search(word, language, limit, readSymbolFolders());
}

QVector<SymbolMatch> SymbolIndex::search(const QString& word, const QString& language, int limit,
                                         const QStringList& userFolders) const {
    const QString folded = foldForSearch(word);
    if (folded.isEmpty() || limit <= 0)
        return {};
    const QByteArray wanted = folded.toUtf8();
    std::vector<std::pair<Candidate, SymbolMatch>> found;

    if (m_data) {
        const Language* shown = m_data->language(language);
        const Language* english = &m_data->languages.front();
        // The best candidate of each symbol, by its index.
        QHash<quint32, Candidate> best;
        int tier = 0;
        for (const Language* searched : {shown, english}) {
            if (!searched || (tier == 1 && searched == shown)) {
                ++tier;
                continue;
            }
            const auto& terms = searched->terms;
            const auto firstFrom = [&](const QByteArray& w) {
                return std::lower_bound(terms.begin(), terms.end(), w,
                                        [&](const Term& term, const QByteArray& w) {
                                            return m_data->view(term.text) < QByteArrayView(w);
                                        });
            };
            const auto consider = [&](const Term& term, int rank) {
                Candidate c;
                c.tier = tier;
                c.rank = rank;
                c.kind = term.kind;
                c.length = m_data->view(term.text).size();
                c.order = term.symbol;
                const auto known = best.find(term.symbol);
                if (known == best.end())
                    best.insert(term.symbol, c);
                else if (c.key() < known->key())
                    *known = c;
            };
            for (auto it = firstFrom(wanted); it != terms.end(); ++it) {
                const QByteArrayView text = m_data->view(it->text);
                if (!text.startsWith(wanted))
                    break;
                consider(*it,
                         text.size() == wanted.size()
                             ? (it->kind == symbolindex::kindName ? 0 : 1)
                             : (isInflection(searched->code, text.sliced(wanted.size())) ? 1 : 2));
            }
            // The word's stem, as a keyword: "grapes" finds "grape", "تفاحة" finds "تفاح".
            for (const QString& stem : wordStems(searched->code, folded)) {
                const QByteArray form = stem.toUtf8();
                for (auto it = firstFrom(form); it != terms.end() && m_data->view(it->text) == form;
                     ++it)
                    consider(*it, 1);
            }
            ++tier;
        }
        found.reserve(size_t(best.size()));
        std::vector<std::pair<Candidate, quint32>> ranked;
        for (auto it = best.cbegin(); it != best.cend(); ++it)
            ranked.emplace_back(it.value(), it.key());
        const auto byKey = [](const auto& a, const auto& b) {
            return a.first.key() < b.first.key();
        };
        const size_t keep = std::min(ranked.size(), size_t(limit));
        std::partial_sort(ranked.begin(), ranked.begin() + qsizetype(keep), ranked.end(), byKey);
        ranked.resize(keep);
        for (const auto& [candidate, symbol] : ranked) {
            SymbolMatch match;
            match.hexcode = m_data->string(m_data->symbols[symbol].hexcode);
            match.name = m_data->nameIn(shown, symbol);
            match.keywords = m_data->keywordsIn(shown, symbol);
            match.rank = candidate.rank;
            found.emplace_back(candidate, std::move(match));
        }
    }

    if (!userFolders.isEmpty()) {
        quint32 order = 0;
        forEachUserFile(userFolders, [&](const UserFile& file) {
            ++order;
            Candidate c;
            c.user = 0;
            if (file.folded == folded)
                c.rank = 0;
            else if (file.words.contains(folded))
                c.rank = 1;
            else if (file.folded.startsWith(folded) ||
                     std::any_of(file.words.begin(), file.words.end(),
                                 [&](const QString& w) { return w.startsWith(folded); }))
                c.rank = 2;
            else
                return;
            c.length = file.folded.size();
            c.order = order;
            SymbolMatch match;
            match.name = file.word;
            match.rank = c.rank;
            match.kind = SymbolMatch::Kind::UserFile;
            match.file = file.path;
            found.emplace_back(c, std::move(match));
        });
    }

    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first.key() < b.first.key(); });
    QVector<SymbolMatch> matches;
    for (auto& entry : found) {
        if (matches.size() >= limit)
            break;
        matches << std::move(entry.second);
    }
    return matches;
}

std::optional<SymbolMatch> SymbolIndex::best(const QString& word, const QString& language) const {
    return best(word, language, readSymbolFolders());
}

std::optional<SymbolMatch> SymbolIndex::best(const QString& word, const QString& language,
                                             const QStringList& userFolders) const {
    const QVector<SymbolMatch> matches = search(word, language, 1, userFolders);
    if (matches.isEmpty() || matches.front().rank > 1)
        return std::nullopt;
    return matches.front();
}

} // namespace ferlo
