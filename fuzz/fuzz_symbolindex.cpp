#include "FuzzChecks.h"

#include "symbols/SymbolIndex.h"

// The symbol index reader on a hostile file: it never crashes and refuses with a message naming
// the file, or gives an index whose every search answers with symbols of the index, best first.
void ferlo::fuzz::fuzzOne(const QByteArray& bytes, const QString&) {
    const QString file = QStringLiteral("fuzz.index");
    SymbolIndex index;
    try {
        index = SymbolIndex::fromBytes(bytes, file);
    } catch (const Error& e) {
        requireNamesFile(e, file);
        return;
    }
    require(index.available() && index.symbolCount() > 0,
            QStringLiteral("an empty index was read"));
    const QStringList languages = index.languages();
    require(!languages.isEmpty() && languages.front() == QLatin1String("en"),
            QStringLiteral("an index without English was read"));
    for (const QString& language : languages + QStringList{QStringLiteral("xx")})
        for (const QString& word :
             {QStringLiteral("a"), QStringLiteral("dog"), QStringLiteral("ك")}) {
            const QVector<SymbolMatch> matches = index.search(word, language, 20, {});
            for (const SymbolMatch& match : matches) {
                require(match.kind == SymbolMatch::Kind::OpenMoji && match.rank >= 0 &&
                            match.rank <= 2,
                        QStringLiteral("a match of another kind or rank"));
                require(index.name(match.hexcode, language) == match.name ||
                            match.hexcode.isEmpty(),
                        QStringLiteral("a match whose name is not its symbol's"));
            }
            require(matches.size() <= 20, QStringLiteral("more matches than asked for"));
        }
}
