#pragma once

namespace ferlo {

// How a printed sheet is turned over to read its back.
//   Standard: about the page's vertical axis whatever the orientation, which is the long edge of
//   portrait paper and the short edge of landscape paper.
//   LongEdge, ShortEdge: about that edge of the paper, for either orientation.
enum class SheetTurn { Standard, LongEdge, ShortEdge };

// True when a back is read after turning the sheet about the page's vertical axis: its words
// then stand in mirrored columns; false: about the horizontal axis, mirrored rows.
bool turnsAboutVerticalAxis(SheetTurn turn, bool portrait);

// Double-sided printing by hand, on a printer that prints one side: the fronts are printed, the
// user puts the stack back into the paper tray, and the backs follow. The cases say how the
// printer lays the printed sheets out:
//   FaceDown: printed side down;   FaceUp: printed side up;
//   ...Reversing: the printer prints the last page first (so the first page ends up on top).
// The paper tray is taken to feed the top sheet first and print its lower side, as most trays
// do (a tray that prints the upper side is the other face's case). The user turns a face-down
// stack over sideways, about the paper's long edge, so that the same edge goes in first, and
// puts a face-up stack back as it lies; either way each sheet meets the printer turned over
// about its long edge, with the same edge first.
enum class ManualFeed { Off, FaceDown, FaceDownReversing, FaceUp, FaceUpReversing };

struct ManualBacks {
    bool reversed = false;    // the back of the last card prints first
    bool turnedRound = false; // each back page is printed turned by 180 degrees
};
// What the backs need so that each meets its front when the sheet is turned as `turn` says:
// the stack's order decides theirs, and a sheet read by turning it about the short edge has its
// back upside down from where the printer put it.
ManualBacks manualBacks(ManualFeed feed, SheetTurn turn, bool portrait);

// A deck's double-sided choices (the printer's own back offset is stored per printer).
struct DuplexChoices {
    SheetTurn turn = SheetTurn::Standard;
    ManualFeed feed = ManualFeed::Off;
    // Single-sided: each card's front and its words on one sheet, folded in the middle.
    bool foldOver = false;
    bool isDefault() const { return *this == DuplexChoices(); }
    bool operator==(const DuplexChoices&) const = default;
};

} // namespace ferlo
