#pragma once

#include "layout/Deck.h"
#include "layout/LayoutText.h"

#include <string>

namespace ferlo {

// Changes of a deck that reach over one card's cells or over several cards, and the name a
// change goes by in the Edit menu. Every cell moves whole: picture, edited word and recording.

// Swaps two cells of a card (a free cell included: the picture moves there); false for a cell
// outside the card's count or a cell with itself.
bool swapCells(DeckCard& card, int first, int second);
// Puts a cell into the free cell of lowest index; that index, or -1 when the card is full.
int putInFreeCell(DeckCard& card, const DeckCell& cell);
// Takes a cell out of a card; false when it held no picture.
bool takeCell(DeckCard& card, int index);
// Moves the card at `from` so that it stands at `to`; false for an index outside the deck or no
// move.
bool moveCard(Deck& deck, int from, int to);
// The deck's pictures in order, card by card and cell by cell, dealt onto cards shaped like
// `shape` (its count or layout, orientation and switches; its cells are ignored), each filled
// before the next, as many as needed and at least one.
Deck relaidOut(const Deck& deck, const DeckCard& shape);

// What a change of the deck did, for "Undo ..." and "Redo ...": "Remove card 3", "Place dog",
// "Clear card 2", "Move card 4", ... Cards are counted from 1.
// No change gives an empty text. describeChange is its English.
LayoutText describeChangeText(const Deck& before, const Deck& after);
std::string describeChange(const Deck& before, const Deck& after);

} // namespace ferlo
