#pragma once

#include "layout/Card.h"
#include "layout/Deck.h"

#include <optional>
#include <string>

namespace ferlo {

// The label word of a file name (the file system's bytes): folder and extension dropped, then
// trailing decimal digits dropped one by one while the rest, trimmed of blanks and control
// characters, is not empty. "/pics/dog2.jpg" -> "dog", "dog 2.jpg" -> "dog ", "123.jpg" -> "".
std::string MakeLabelText(const std::string& fileName);

// The label word of a cell before the card's case applies: the word typed over the file name's,
// else the file name's; "" for a free cell.
std::string LabelWord(const TCell& cell);

// One card, the truth that the window shows, the deck keeps and the page prints: the count and
// orientation, the three switches, and per cell its picture and edited word. Every change goes
// through one of its operations, each of which leaves the card whole (PictureCount counts the
// filled cells, every cell of the count is there). The card's geometry on screen (TCard's sizes,
// each cell's origin and shown picture size) is laid out here too, at the screen scale the
// window sets.
class CardModel {
public:
    // Four pictures, landscape, labels on in upper case, cut lines on, at screen scale 1.
    CardModel();
    // The card a deck holds, cells beyond its count dropped.
    explicit CardModel(const DeckCard& stored);

    const TCard& card() const { return m_card; }
    const TCellArray& cells() const { return m_cells; }
    int count() const { return m_card.PicturesPerPage; }
    bool portrait() const { return m_card.Portrait; }
    bool labelsOn() const { return m_card.LabelsOn; }
    bool upperCase() const { return m_upperCase; }
    bool cutLinesOn() const { return m_cutLines; }
    int pictureCount() const { return m_card.PictureCount; }
    bool full() const { return m_card.PictureCount >= m_card.PicturesPerPage; }
    // The cell that holds the file, or -1.
    int indexOf(const std::string& fileName) const;
    // The label word of a cell (LabelWord), "" for an index outside the card.
    std::string labelWord(int index) const;

    // The card as a deck stores it: free cells at the end left out.
    DeckCard stored() const;

    // Puts a file into the free cell of lowest index, its word the one made from the file name.
    // Returns that cell, or -1 when the file is on the card already or no cell is free.
    int place(const std::string& fileName);
    // Puts a file into a cell, in place of what it held, its word the one made from the file
    // name; the file may be on the card already (a deck or the command line may print a picture
    // twice). False for an index outside the card or an empty name.
    bool setPicture(int index, const std::string& fileName);
    // Makes a cell free; false when it held no picture (or is outside the card).
    bool takeOff(int index);
    // Makes every cell free.
    void clear();
    // A new count: every cell is free, laid out for the count. False (and nothing changes) for
    // the count the card has or one that is not 1, 2, 4, 6 or 8.
    bool setCount(int count);
    // A new orientation: the pictures keep their cells, laid out anew. False when unchanged.
    bool setOrientation(bool portrait);
    // The screen scale the card is shown at: card size and cells laid out anew, pictures kept.
    void setScreenScale(double scale);
    // Labels on or off: the picture area grows or shrinks with the label band.
    void setLabels(bool on);
    void setUpperCase(bool upper) { m_upperCase = upper; }
    void setCutLines(bool on) { m_cutLines = on; }
    // The word typed for a filled cell; an empty word gives the cell back the file name's word.
    // False for a free cell.
    bool editWord(int index, const std::string& word);
    // The size a cell's picture is shown at on screen, and the picture's own proportions.
    void setShownSize(int index, int width, int height, double aspect);

private:
    void layOut();
    void recount();

    TCard m_card;
    TCellArray m_cells;
    bool m_upperCase = true;
    bool m_cutLines = true;
};

} // namespace ferlo
