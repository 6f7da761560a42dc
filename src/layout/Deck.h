#pragma once

#include "layout/CardLayout.h"
#include "layout/Duplex.h"
#include "layout/SymbolRef.h"

#include <optional>
#include <string>
#include <vector>

namespace ferlo {

// One filled cell of a deck card: the picture's path as the file system's bytes (absolute once
// read from a deck file), and the label word typed over the one made from the file name, if any.
// An edited word is UTF-8 text in no particular case: the card's case switch applies to it as to
// any label. An empty edited word is a label left blank on purpose.
struct DeckCell {
    std::string picture;
    std::optional<std::string> label;
    // The cell's own recording (file-system bytes, absolute), heard before any found by name.
    std::optional<std::string> sound;
    // A symbol in place of the picture file (picture is then empty); its label is the word it
    // was found by.
    std::optional<SymbolRef> symbol = std::nullopt;
    // A word card: the cell shows its label word alone, large, in place of a picture (picture
    // is then empty and symbol none; label holds the word).
    bool word = false;

    bool operator==(const DeckCell&) const = default;
};

// One card of a deck, as it would stand on screen: its arrangement (one of the five counts, a grid
// or a sheet), the orientation, the three switches, and its cells in order. Fewer cells than the
// arrangement's leave the rest free; an empty entry is a free cell; never more cells than it has.
struct DeckCard {
    bool portrait = false;
    bool labels = true;
    bool upperCase = true;
    bool cutLines = true;
    std::vector<std::optional<DeckCell>> cells;
    // The count, or a grid or a sheet of 1 to MaxLayoutCells cards in its place.
    CardLayout layout;
    // A line of small print at the foot of its page, such as a game board's number ("" none).
    std::string smallPrint = {};

    // The cells its arrangement has: the count, or the number of cards of its grid or sheet.
    int perPage() const { return layout.cells(); }

    bool operator==(const DeckCard&) const = default;
};

// Several cards kept together in one file, in the order they print.
struct Deck {
    std::vector<DeckCard> cards;
    DuplexChoices duplex; // how its double-sided pages are printed
    // The language its words are spoken in (BCP 47, "de", "en-GB"); none: the program's.
    std::optional<std::string> language;

    bool operator==(const Deck&) const = default;
};

} // namespace ferlo
