#pragma once

#include "layout/Deck.h"

#include <QImage>

namespace ferlo {

// A small picture of a card as it prints: its page made by makeCardPage and drawn by the page
// painter onto an image whose longer side is `longSide` pixels (A4 in the card's orientation).
// A picture that is missing or cannot be read is left out, as on screen. Never throws. Meant
// for a worker thread of the caller's own: the pictures are decoded on it, one after another,
// and Qt's global pool, which painting the window waits for, stays free.
QImage renderCardPreview(const DeckCard& card, int longSide);

} // namespace ferlo
