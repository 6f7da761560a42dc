#pragma once

#include "layout/SymbolRef.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace ferlo {

class CardModel;
class SymbolIndex;

// A list of words (or phrases) that become cards: each one a picture file named after it, else
// the best symbol of the installed set.
struct WordList {
    QStringList words;       // as typed, in order
    QStringList pictureDirs; // looked in first, in order
    SymbolStyle style = SymbolStyle::Color;
    QString language; // the language the words are looked up in first ("de"); English follows
};

// What one word becomes: a picture file or a symbol, and the word as typed for its label.
struct WordCell {
    QString word;
    QString picture;
    std::optional<SymbolRef> symbol;
};

// The words of a typed or pasted list: split at commas and line breaks, each trimmed, blanks
// dropped.
QStringList splitWords(const QString& text);

// The words of a file, one word or phrase a line (UTF-8, at most kMaxWordsFileBytes). Throws
// ferlo::Error naming the file: missing, not a regular file, too large, not UTF-8, or no words.
constexpr qint64 kMaxWordsFileBytes = 1024 * 1024;
QStringList readWordsFile(const QString& path);

// The picture file in `folders` whose label word is `word` (ignoring case): "dog" finds dog.jpg,
// Dog2.png; the first in folder order, then in name order. "" when there is none.
QString pictureNamedAfter(const QString& word, const QStringList& folders);

// Each word's cell: a picture named after it in the list's folders, else the best symbol for it
// in the list's language, then English, then the other languages of the index. Throws
// ferlo::Error naming every word that finds neither (and why, when the set is not installed),
// or a picture folder that is not a folder.
QList<WordCell> findWordCells(const WordList& list, const SymbolIndex& index);

// The pictures per page of a card of words when none is asked for: the smallest count that
// holds them all, up to 8.
int wordsPerPage(int words);

// Puts a word's cell into a card's cell, labelled with the word as typed.
bool setWordCell(CardModel& card, int index, const WordCell& cell);

} // namespace ferlo
