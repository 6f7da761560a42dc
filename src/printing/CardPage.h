#pragma once

#include "layout/CardModel.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <functional>

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
};

// The page of a card, made the same way for the card on screen, every other card of a deck and
// the command line's cards: the card's count, orientation and switches, and per cell the
// picture's path and its label (cellLabelText). A picture that `readable` refuses is passed
// over, with its label; by default one that is not there. Labels print in bold Arial.
CardPage makeCardPage(const CardModel& card,
                      const std::function<bool(const QString&)>& readable = {});

// The back of a card's page: no pictures, and each placed cell's word moved to the mirrored
// cell (column c of C goes to column C - 1 - c, rows stay), so that once the sheet is turned over
// on its vertical axis the word lies behind its picture. Count, orientation, cut lines and font
// are the front's.
CardPage wordBack(const CardPage& front);

// The pages of the cards, each card's word back right after it.
QList<CardPage> withWordBacks(const QList<CardPage>& cards);

} // namespace ferlo
