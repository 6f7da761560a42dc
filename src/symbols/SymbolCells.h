#pragma once

#include "layout/Deck.h"
#include "layout/SymbolRef.h"

#include <QString>

namespace ferlo {

// The SVG file of a cell's symbol in the installed set, or "" when its set or the symbol is not
// installed.
QString installedSymbolFile(const SymbolRef& symbol);

// A symbol as messages name it: "1F415 (openmoji)", "1F415 (openmoji, line art)".
QString symbolDisplayName(const SymbolRef& symbol);

// The message for a deck whose cells name symbols that are not installed: each card (from 1) and
// symbol, the first few of them; "" when every symbol is there. The cells keep their symbols, so
// the deck is saved back as it was read.
QString missingSymbolsMessage(const QString& deckPath, const Deck& deck);

// The credit a document holding symbols of the installed set carries in its properties.
QString symbolSetCredit();

} // namespace ferlo
