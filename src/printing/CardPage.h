#pragma once

#include "layout/Card.h"
#include "layout/Deck.h"

#include <QFont>
#include <QList>
#include <QStringList>

namespace ferlo {

// What one printed page shows, taken from the card on screen: the grid, the switches, and per
// cell the picture file, whether it loaded on screen, and the label's text.
struct CardPage {
    int PicturesPerPage = 4;
    bool Portrait = false;
    bool CutLinesOn = true;
    bool LabelsOn = true;
    QStringList FileNames;     // one per cell (PicturesPerPage entries), "" for a free cell
    QList<bool> PictureLoaded; // per cell: false when the file failed to load on screen (pass over)
    QStringList LabelTexts;    // per cell: the on-screen label's text ("" for none)
    QFont LabelFont;           // face and style (bold, italic, underline, strike-out) of the labels
    // A word back: the page printed behind a card, with no pictures, each word in LabelTexts
    // already in the cell it is printed in (see wordBack).
    bool Back = false;
};

// The page of a card: the card's count, orientation and label switch, the cut-line switch, and
// per cell the picture's path, whether it loaded and its label word in its case (missing entries
// count as not loaded and unlabelled). Labels print in bold Arial.
CardPage makeCardPage(const TCard& card, bool cutLinesOn, const TCellArray& cells,
                      const QList<bool>& pictureLoaded, const QStringList& labelWords);

// The page of a deck card: its count, orientation and switches, per cell the picture and its label
// word (the edited word, else the one made from the file name) in the card's case, and whether
// the picture loaded (missing entries count as loaded).
CardPage makeDeckCardPage(const DeckCard& card, const QList<bool>& pictureLoaded = {});

// The back of a card's page: no pictures, and each placed cell's word moved to the mirrored
// cell (column c of C goes to column C - 1 - c, rows stay), so that once the sheet is turned over
// on its vertical axis the word lies behind its picture. Count, orientation, cut lines and font
// are the front's.
CardPage wordBack(const CardPage& front);

// The pages of the cards, each card's word back right after it.
QList<CardPage> withWordBacks(const QList<CardPage>& cards);

} // namespace ferlo
