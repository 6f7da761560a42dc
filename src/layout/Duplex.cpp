#include "layout/Duplex.h"

namespace ferlo {

bool turnsAboutVerticalAxis(SheetTurn turn, bool portrait) {
    switch (turn) {
    case SheetTurn::LongEdge:
        return portrait; // a portrait page's long edges are its left and right sides
    case SheetTurn::ShortEdge:
        return !portrait;
    case SheetTurn::Standard:
        break;
    }
    return true;
}

ManualBacks manualBacks(ManualFeed feed, SheetTurn turn, bool portrait) {
    ManualBacks backs;
    if (feed == ManualFeed::Off)
        return backs;
    // A printer that prints the last page first does so for the backs too, which undoes what it
    // did to the stack: only the face decides. A face-down stack, the first sheet at the bottom,
    // is turned over and so feeds the first sheet first; a face-up one feeds the last first.
    backs.reversed = feed == ManualFeed::FaceUp || feed == ManualFeed::FaceUpReversing;
    // Either way the sheet goes in with the same edge first, so the back's top lies behind the
    // front's top as for a turn about the long edge.
    const bool aboutLongEdge = turnsAboutVerticalAxis(turn, portrait) == portrait;
    backs.turnedRound = !aboutLongEdge;
    return backs;
}

} // namespace ferlo
