#include "symbols/SymbolFolders.h"
#include "symbols/SymbolIndex.h"
#include "symbols/SymbolIndexData.h"
#include "symbols/SymbolSet.h"
#include "symbols/SymbolText.h"

#include <QHash>

#include <algorithm>
#include <tuple>
#include <vector>

// The search of the symbol index and of the user's symbol folders by a word.

namespace ferlo {

namespace {

using symbolindex::Language;
using symbolindex::Term;

struct Candidate {
    int tier = 0; // 0: the language searched (and the user's files), 1: English
    int rank = 0;
    int user = 1;         // 0: a user's file, ahead of a symbol of the same rank
    qsizetype length = 0; // of the term that matched: the closer to the word, the better
    quint32 kind = 0;     // of the term that matched: a name before a keyword
    quint32 order = 0;
    auto key() const { return std::tie(tier, rank, user, length, kind, order); }
};

using Found = std::vector<std::pair<Candidate, SymbolMatch>>;

// Ranks the symbols whose terms in one language begin with the folded word, or are one of its
// stems, keeping each symbol's best candidate.
void rankTerms(const SymbolIndex::Data& data, const Language& searched, int tier,
               const QString& folded, QHash<quint32, Candidate>& best) {
    const QByteArray wanted = folded.toUtf8();
    const auto& terms = searched.terms;
    const auto firstFrom = [&](const QByteArray& w) {
        return std::lower_bound(terms.begin(), terms.end(), w,
                                [&](const Term& term, const QByteArray& w) {
                                    return data.view(term.text) < QByteArrayView(w);
                                });
    };
    const auto consider = [&](const Term& term, int rank) {
        Candidate c;
        c.tier = tier;
        c.rank = rank;
        c.kind = term.kind;
        c.length = data.view(term.text).size();
        c.order = term.symbol;
        const auto known = best.find(term.symbol);
        if (known == best.end())
            best.insert(term.symbol, c);
        else if (c.key() < known->key())
            *known = c;
    };
    for (auto it = firstFrom(wanted); it != terms.end(); ++it) {
        const QByteArrayView text = data.view(it->text);
        if (!text.startsWith(wanted))
            break;
        consider(*it, text.size() == wanted.size()
                          ? (it->kind == symbolindex::kindName ? 0 : 1)
                          : (isInflection(searched.code, text.sliced(wanted.size())) ? 1 : 2));
    }
    // The word's stem, as a keyword: "grapes" finds "grape", "تفاحة" finds "تفاح".
    for (const QString& stem : wordStems(searched.code, folded)) {
        const QByteArray form = stem.toUtf8();
        for (auto it = firstFrom(form); it != terms.end() && data.view(it->text) == form; ++it)
            consider(*it, 1);
    }
}

// The best `limit` symbols of the index for the folded word: the shown language's terms, then
// the English ones.
Found indexMatches(const SymbolIndex::Data& data, const QString& folded, const QString& language,
                   int limit) {
    const Language* shown = data.language(language);
    const Language* english = &data.languages.front();
    // The best candidate of each symbol, by its index.
    QHash<quint32, Candidate> best;
    int tier = 0;
    for (const Language* searched : {shown, english}) {
        if (!searched || (tier == 1 && searched == shown)) {
            ++tier;
            continue;
        }
        rankTerms(data, *searched, tier, folded, best);
        ++tier;
    }
    Found found;
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
        match.hexcode = data.string(data.symbols[symbol].hexcode);
        match.name = data.nameIn(shown, symbol);
        match.keywords = data.keywordsIn(shown, symbol);
        match.rank = candidate.rank;
        found.emplace_back(candidate, std::move(match));
    }
    return found;
}

// The user's files whose name, or a word of it, is the folded word or begins with it.
void addUserFiles(const QStringList& userFolders, const QString& folded, Found& found) {
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
    Found found;
    if (m_data)
        found = indexMatches(*m_data, folded, language, limit);
    if (!userFolders.isEmpty())
        addUserFiles(userFolders, folded, found);
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
