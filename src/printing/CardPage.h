#pragma once

#include "layout/CardModel.h"
#include "layout/Duplex.h"
#include "layout/PageArrangement.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace ferlo {

// What one printed page shows: how its cards stand, the switches, and per cell the picture file,
// whether to pass its picture over, and the label's text.
struct CardPage {
    // One of the five counts in the page's orientation, or a grid's or a sheet's cards in
    // millimetres on its paper; the page has Arrangement.cells() cells.
    PageArrangement Arrangement;
    bool Portrait = false;
    bool CutLinesOn = true;
    bool LabelsOn = true;
    QStringList FileNames;     // one per cell, "" for a free cell
    QList<bool> PictureLoaded; // per cell: false to pass the picture over (the file is not there)
    QStringList LabelTexts;    // per cell: the label's text ("" for none)
    // Per cell: the drawing (SVG file) of a symbol printed in place of a picture file, as
    // vectors, or "" for none; a picture file that is an SVG drawing stands here too, and in
    // FileNames. PictureLoaded is false for a symbol whose set is not installed, which is passed
    // over with its label.
    QStringList SymbolFiles;
    QFont LabelFont; // face and style (bold, italic, underline, strike-out) of the labels
    // A word back: the page printed behind a card, with no pictures, each word in LabelTexts
    // already in the cell it is printed in (see wordBack).
    bool Back = false;
    // A back page is moved by this much on the paper, in millimetres, x to the right and y down
    // as the back is printed (the printer's back offset), and printed turned by 180 degrees
    // about the middle of the printable area when BackTurnedRound is set (double-sided by hand).
    double BackOffsetXMm = 0;
    double BackOffsetYMm = 0;
    bool BackTurnedRound = false;
    // The calibration sheet's front, or its back (Back), in place of a card (paintCalibrationSide).
    bool Calibration = false;
    // A fold-over sheet (foldOverPages): the fronts stand in the first half of the cells, before
    // the fold line, and each front's word in FoldWords at the cell the fold puts behind it.
    enum class FoldLine { None, Vertical, Horizontal };
    FoldLine Fold = FoldLine::None;
    QStringList FoldWords; // per cell: a word printed as on a back ("" for none)
    // A grid or a sheet: Fill crops pictures to fill their areas, Bleed (mm) lets filled pictures
    // run past the trim, Outlines draws each card's edge.
    bool Fill = false;
    double Bleed = 0;
    bool Outlines = false;
    // A game's cards. Per cell: a word card's word, printed alone in place of a picture, as
    // large as the cell holds, centred, in the label font ("" for none).
    QStringList WordCells;
    // What each card's back shows (wordBack): its word, or for a game a plain pattern or the
    // back picture, the same on every card, so that the cards cannot be told apart face down.
    enum class CardBacks { Words, Pattern, Picture };
    CardBacks Backs = CardBacks::Words;
    QString BackPicture;
    // A back's cells that show the pattern (CardBacks::Pattern).
    QList<bool> PatternCells;
    // Small print at the foot of the page, such as a board's number ("" for none).
    QString Caption;
    // Where the printable area's top-left corner lies on the paper, in millimetres (a printer's
    // margins; 0 where the whole paper is painted, as in a PDF).
    double MarginLeft = 0;
    double MarginTop = 0;
};

// The front of the calibration sheet, on portrait paper; its back is wordBack of it.
CardPage calibrationSheet();

// The page of a card, made the same way for the card on screen, every other card of a deck and
// the command line's cards: the card's count, orientation and switches, and per cell the
// picture's path or the symbol's drawing in the installed set, and its label (cellLabelText). A
// picture that `readable` refuses is passed over, with its label; by default one that is not there.
// Labels print in bold Arial. A grid or a sheet is planned here; throws ferlo::Error when it cannot
// be (a sheet not installed, a grid that does not fit its paper).
CardPage makeCardPage(const CardModel& card,
                      const std::function<bool(const QString&)>& readable = {});

// The page plan of a grid or a sheet (Count gives none). Throws ferlo::Error naming the sheet that
// is not installed or the grid that does not fit.
PagePlan planLayout(const CardLayout& layout);

// The back of a card's page: no pictures, and each placed cell's word moved to the cell behind
// its picture once the sheet is turned over as `turn` says. Turned about the page's vertical axis
// (the standard turn), column c of C goes to column C - 1 - c and rows stay; about the horizontal
// axis, row r of R goes to row R - 1 - r and columns stay. Count, orientation, cut lines and
// font are the front's. With CardBacks other than Words, each cell behind a card shows the
// pattern or the back picture instead, and no word. A grid's or a sheet's back is its plan mirrored
// about the paper's centre line on that axis, each word on the mirror image of its card.
CardPage wordBack(const CardPage& front, SheetTurn turn = SheetTurn::Standard);

// How the backs of a print or an export are made and placed.
struct BackPlacement {
    SheetTurn turn = SheetTurn::Standard;
    double offsetXMm = 0; // the printer's back offset
    double offsetYMm = 0;
};
// Where a card of this count and orientation folds: between the middle columns when it has an
// even number of columns (a book's fold: words upright), else between the middle rows when it
// has an even number of rows (words turned round, upright once the folded card is turned like a
// page), else nowhere (None).
CardPage::FoldLine foldLineFor(int picturesPerPage, bool portrait);
// Fold-over for single-sided printing: each card becomes as many sheets as its pictures need,
// each sheet holding half the card's cells as fronts, in the cells before the fold, and each
// front's word mirrored about the fold line. Switches, orientation and font are the card's.
// Throws ferlo::Error naming the count and orientation of a card that cannot fold.
QList<CardPage> foldOverPages(const QList<CardPage>& cards);

// Whether any of the pages prints a symbol of the installed set (not a drawing of one's own).
bool holdsSymbols(const QList<CardPage>& pages);

// The pages of the cards, each card's word back right after it.
QList<CardPage> withWordBacks(const QList<CardPage>& cards, const BackPlacement& placement = {});

} // namespace ferlo
