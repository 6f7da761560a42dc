#pragma once

#include "layout/CardModel.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>
#include <optional>

namespace ferlo {

// What one printed page shows: the grid, the switches, and per cell the picture file, whether
// to pass its picture over, and the label's text.
struct CardPage {
    int PicturesPerPage = 4;
    bool Portrait = false;
    bool CutLinesOn = true;
    bool LabelsOn = true;
    QStringList FileNames;     // one per cell (PicturesPerPage entries), "" for a free cell
    QList<bool> PictureLoaded; // per cell: false to pass the picture over (the file is not there)
    QStringList LabelTexts;    // per cell: the label's text ("" for none)
    QFont LabelFont;           // face and style (bold, italic, underline, strike-out) of the labels
    // A word back: the page printed behind a card, with no pictures, each word in LabelTexts
    // already in the cell it is printed in (see wordBack).
    bool Back = false;
    // A grid or a sheet: its cards in millimetres on its paper (PicturesPerPage is their number);
    // nothing for the five counts. Fill crops pictures to fill their areas, Bleed (mm) lets
    // filled pictures run past the trim, Outlines draws each card's edge.
    std::optional<PagePlan> Plan;
    bool Fill = false;
    double Bleed = 0;
    bool Outlines = false;
    // Where the printable area's top-left corner lies on the paper, in millimetres (a printer's
    // margins; 0 where the whole paper is painted, as in a PDF).
    double MarginLeft = 0;
    double MarginTop = 0;
};

// The page of a card, made the same way for the card on screen, every other card of a deck and
// the command line's cards: the card's count, orientation and switches, and per cell the
// picture's path and its label (cellLabelText). A picture that `readable` refuses is passed
// over, with its label; by default one that is not there. Labels print in bold Arial. A grid or
// a sheet is planned here; throws ferlo::Error when it cannot be (a sheet not installed, a grid
// that does not fit its paper).
CardPage makeCardPage(const CardModel& card,
                      const std::function<bool(const QString&)>& readable = {});

// The page plan of a grid or a sheet (Count gives none). Throws ferlo::Error naming the sheet that
// is not installed or the grid that does not fit.
PagePlan planLayout(const CardLayout& layout);

// The back of a card's page: no pictures, and each placed cell's word moved to the mirrored
// cell (column c of C goes to column C - 1 - c, rows stay), so that once the sheet is turned over
// on its vertical axis the word lies behind its picture. Count, orientation, cut lines and font
// are the front's. A grid's or a sheet's back is its plan mirrored about the paper's vertical
// centre line, each word on the mirror image of its card.
CardPage wordBack(const CardPage& front);

// The pages of the cards, each card's word back right after it.
QList<CardPage> withWordBacks(const QList<CardPage>& cards);

} // namespace ferlo
