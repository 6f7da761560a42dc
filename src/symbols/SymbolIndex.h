#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>
#include <optional>

namespace ferlo {

// One symbol found for a word. An OpenMoji symbol has its hexcode ("1F415"; its SVG through
// symbolFile) and its name and keywords in the language searched (else English); a picture
// from one of the user's symbol folders has its file and the word its name gives ("dog_2.svg":
// "dog") as its name.
struct SymbolMatch {
    enum class Kind { OpenMoji, UserFile };

    QString hexcode;
    QString name;
    QStringList keywords;
    // 0: the name is the word; 1: a keyword or a word of the name is the word, or the word with
    // a plural ending of the language ("Socke": "Socken"); 2: a name or keyword begins with it.
    int rank = 0;
    Kind kind = Kind::OpenMoji;
    QString file; // a user file's path; "" for an OpenMoji symbol
};

// The names and keywords of the OpenMoji symbols in the program's languages (the index built
// with the program), and the search over them and the user's symbol folders. Loaded once and
// shared; every const member may be called from any thread.
class SymbolIndex {
public:
    // No symbols: unavailable, and a search finds only the user's files.
    SymbolIndex();
    // Reads an index file. Throws ferlo::Error naming the file and the cause when it can't be
    // read or is not a whole, sound index (truncated, lying counts or offsets, unsorted terms).
    static SymbolIndex fromFile(const QString& file);
    static SymbolIndex fromBytes(const QByteArray& bytes, const QString& file);
    // The installed set's index, loaded at the first call; unavailable when it is not installed
    // or can't be read (missingReason says which).
    static const SymbolIndex& installed();

    bool available() const;
    QString missingReason() const;
    int symbolCount() const;       // symbols of their own, variants not counted
    QStringList languages() const; // "en" first

    // The symbols for a word in a language ("de", "de_AT"; English when the index has none of
    // it), best first: the language's names and keywords, then the English ones, each ranked
    // (SymbolMatch::rank); a skin-tone or gender variant is found as its base symbol. The user's
    // symbol folders (readSymbolFolders) are searched by file name in the same list.
    QVector<SymbolMatch> search(const QString& word, const QString& language,
                                int limit = 100) const;
    QVector<SymbolMatch> search(const QString& word, const QString& language, int limit,
                                const QStringList& userFolders) const;
    // The first match, when it is a name or keyword match (rank 0 or 1).
    std::optional<SymbolMatch> best(const QString& word, const QString& language) const;
    std::optional<SymbolMatch> best(const QString& word, const QString& language,
                                    const QStringList& userFolders) const;

    // A symbol's name in a language (else English), "" for a hexcode not in the index.
    QString name(const QString& hexcode, const QString& language) const;

    struct Data;

private:
    std::shared_ptr<const Data> m_data;
    QString m_missing;
};

// The word a user's symbol file stands for: its name without the extension and a trailing
// number ("dog_2.svg", "dog (2).png" → "dog"), underscores as spaces ("ice_cream.svg" →
// "ice cream").
QString userSymbolWord(const QString& fileName);

} // namespace ferlo

#include <cstdio>

namespace ferlo {

// `ferlo --list-symbols WORD`: one line for each match in `language` (empty: the language the
// program shows): hexcode, name and keywords separated by tabs, keywords by ", "; a user's file
// with its path in place of a hexcode. Returns 0 when something was found; 1 with a line on
// `errors` when nothing was, or when the symbol set is missing (said even when the user's
// folders found something).
int printSymbolList(const QString& word, const QString& language, const SymbolIndex& index,
                    std::FILE* out, std::FILE* errors);

} // namespace ferlo
