#pragma once

#include "layout/Deck.h"

#include <QByteArray>
#include <QString>

namespace ferlo {

// The deck file (docs/deck-format.md): several cards in one JSON file with the extension .ferlo.
// Picture paths are stored relative to the deck file's folder when they lie under it and absolute
// otherwise; a path whose bytes are not UTF-8 is stored percent-encoded in "pictureBytes".

// The highest format version this program reads, and the one it writes for a deck with a word
// card, a line of small print or an SVG drawing as a picture; a deck with a symbol in a cell is
// written as version 3, one with a grid or a sheet as version 2, one of the five counts and
// picture files only as version 1.
inline constexpr int kDeckFormatVersion = 4;

// Whether a picture file is an SVG drawing (its name ends in ".svg", in any case): shown and
// printed as a drawing, in vectors, not decoded as a picture.
bool isDrawingFile(const QString& path);
bool isDrawingFile(const std::string& path);

// Whether a file name is a deck's: it ends in ".ferlo", in any case.
bool isDeckFileName(const QString& path);

// Reads a deck file. Every picture path of the result is absolute (file-system bytes). Throws
// ferlo::Error naming the file and the place of the fault ("cards[1].cells[0].picture: expected a
// string", "line 3, column 14: ...").
Deck readDeck(const QString& path);

// The same on the file's text; `path` names the file in messages and gives the folder that
// relative picture paths start from.
Deck parseDeck(const QByteArray& json, const QString& path);

// The JSON text of a deck that is to be saved at `path`.
QByteArray deckJson(const Deck& deck, const QString& path);

// Writes a deck file in one step (FileReplacement): an old file is replaced only by a complete new
// one. Throws ferlo::Error naming the file and the cause.
void writeDeck(const QString& path, const Deck& deck);

// The message naming the deck's pictures that are not there (the first five, then "and N more"),
// each named once; empty when every picture is there.
QString missingPicturesMessage(const QString& deckPath, const Deck& deck);

// The longest label word, in characters (Unicode code points), that a deck file or the label
// editor takes: a label is one line under a picture.
inline constexpr qsizetype kMaxLabelLength = 1000;

// Why a label word is refused ("the word is 5000 characters long; ..."), empty when it is taken.
QString labelLengthFault(const QString& word);

} // namespace ferlo
