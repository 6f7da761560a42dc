#pragma once

#include "layout/Card.h"
#include "layout/Deck.h"

#include <string>

namespace ferlo {

// The label word of a file name (the file system's bytes): folder and extension dropped, then
// trailing decimal digits of any script (IsDecimalDigit: 2, Arabic-Indic ٢, Devanagari २, ...)
// dropped one whole character at a time while the rest, trimmed of blanks and control
// characters, is not empty. "/pics/dog2.jpg" -> "dog", "dog 2.jpg" -> "dog ", "123.jpg" -> "".
std::string MakeLabelText(const std::string& fileName);

// The label word of a cell before the card's case applies: the word typed over the file name's,
// else the file name's; "" for a free cell.
std::string LabelWord(const TCell& cell);

// One card: the truth that the window shows, the deck keeps and the page prints. It holds the
// arrangement (one of the five counts, a grid or a sheet: CardLayout) and orientation, the three
// switches and per cell its picture and edited word. Every change goes through one of its
// operations; what follows from them (the picture count, whether the card is full, its layout on
// screen: ScreenLayout) is computed.
class CardModel {
public:
    // Four pictures, landscape, labels on in upper case, cut lines on.
    CardModel();
    // A deck's card; cells beyond its count are dropped. A count that is not one of the five,
    // or a grid or a sheet of no cards or more than MaxLayoutCells, gives four pictures.
    explicit CardModel(const DeckCard& stored);
    // The card as a deck stores it: free cells at the end left out.
    DeckCard stored() const;

    const TCellArray& cells() const { return m_cells; }
    // The cells of its arrangement: the count's pictures, or a grid's or a sheet's cards.
    int count() const { return m_layout.cells(); }
    bool portrait() const { return m_portrait; }
    bool labelsOn() const { return m_labelsOn; }
    bool upperCase() const { return m_upperCase; }
    bool cutLinesOn() const { return m_cutLines; }
    // The filled cells.
    int pictureCount() const;
    bool full() const { return pictureCount() >= count(); }
    // The cell that holds the file, or -1; for "" the free cell of lowest index.
    int indexOf(const std::string& fileName) const;
    // The label word of a cell; "" for a free cell or one outside the card.
    std::string labelWord(int index) const;

    // Puts a file into the free cell of lowest index, with the file name's word; the cell, or
    // -1 when the file is on the card already or no cell is free.
    int place(const std::string& fileName);
    // Puts a file into a cell in place of what it held, with the file name's word, even when it
    // is on the card already (a deck or the command line may print a picture twice).
    bool setPicture(int index, const std::string& fileName);
    // Puts a symbol into the free cell of lowest index with `word` as its label word (the word it
    // was found by); the cell, or -1 when no cell is free. A symbol may stand on a card twice.
    int placeSymbol(const SymbolRef& symbol, const std::string& word);
    // Puts a symbol into a cell in place of what it held, with `word` as its label word.
    bool setSymbol(int index, const SymbolRef& symbol, const std::string& word);
    // Makes a cell a word card showing `word` alone, in place of what it held.
    bool setWordCard(int index, const std::string& word);
    // The card's line of small print ("" for none).
    const std::string& smallPrint() const { return m_smallPrint; }
    // Makes a cell free; false when it held no picture.
    bool takeOff(int index);
    void clear();
    // A new count frees every cell and ends a grid or a sheet; false (no change) for the same
    // count or not 1, 2, 4, 6, 8.
    bool setCount(int count);
    // A grid or a sheet of its cells() cards (1 to MaxLayoutCells) in place of the count. A new
    // arrangement frees every cell; a change of only Fill, Bleed or Outlines keeps the pictures.
    // False (no change) for a Count kind, a bad number of cells or the same layout.
    bool setLayout(const CardLayout& layout);
    const CardLayout& layout() const { return m_layout; }
    // A new orientation keeps the pictures in their cells; false when unchanged.
    bool setOrientation(bool portrait);
    // The label band comes and goes with the labels: the picture area changes.
    void setLabels(bool on) { m_labelsOn = on; }
    void setUpperCase(bool upper) { m_upperCase = upper; }
    void setCutLines(bool on) { m_cutLines = on; }
    // The word typed for a filled cell; an empty word gives back the file name's. False for a
    // free cell.
    bool editWord(int index, const std::string& word);
    // The recording a filled cell plays before any found by name; empty for none. False for a
    // free cell.
    bool setSound(int index, const std::string& sound);

private:
    bool holds(int index) const { return index >= 0 && index < int(m_cells.size()); }
    bool m_portrait = false;
    bool m_labelsOn = true;
    TCellArray m_cells;
    CardLayout m_layout;
    bool m_upperCase = true;
    bool m_cutLines = true;
    std::string m_smallPrint;
};

// The card's layout on screen at a screen scale: its size, its cells' size and origins, the
// picture area and the label band, all computed from the card's count, orientation and labels.
TCard ScreenLayout(const CardModel& card, double screenScale);

} // namespace ferlo
