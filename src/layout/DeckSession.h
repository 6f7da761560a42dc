#pragma once

#include "layout/Deck.h"

#include <string>

namespace ferlo {

// The deck the window keeps: its cards, which of them is on screen, the file it was opened from
// or saved to (empty: not yet saved), and whether it differs from that file. The window hands
// over the card on screen after every change (update); the deck is modified exactly when its
// cards differ from those last opened or saved, so undoing a change clears the mark.
class DeckSession {
public:
    // An untitled deck of one empty card in the start-up layout.
    DeckSession();

    // Starts over with a deck opened from `path` (empty for a new deck), unmodified, its first
    // card on screen. A deck without cards gets one empty card.
    void reset(Deck deck, std::string path);

    // Starts over with a deck brought back after a crash: it keeps the file it belongs to
    // (empty: untitled) and counts as modified until it is saved.
    void recovered(Deck deck, std::string path);

    const Deck& deck() const { return m_deck; }
    int count() const { return int(m_deck.cards.size()); }
    int current() const { return m_current; }
    const DeckCard& currentCard() const { return m_deck.cards[size_t(m_current)]; }
    const std::string& path() const { return m_path; }
    bool modified() const { return m_deck != m_saved; }

    // The card on screen as it stands now.
    void update(const DeckCard& shown);
    // Puts another card on screen; false for an index outside the deck.
    bool select(int index);
    // Inserts a card after the one on screen and puts it on screen.
    void insertAfterCurrent(DeckCard card);
    // Takes the card on screen out of the deck; the next card comes on screen, or the previous
    // one after the last. The last card of a deck stays.
    bool removeCurrent();
    // Puts back a state of the deck and its card on screen (undo, redo, a change of several
    // cards); the file and what was saved to it stay. A deck without cards gets one empty card.
    void restore(Deck deck, int current);
    // Counts the decks started over (reset): a history of changes belongs to one of them.
    int generation() const { return m_generation; }
    // How the deck's double-sided pages are printed.
    void setDuplex(const DuplexChoices& duplex) { m_deck.duplex = duplex; }
    // The language the deck's words are spoken in; none: the program's.
    void setLanguage(std::optional<std::string> language) { m_deck.language = std::move(language); }
    // The deck has been written to `path`.
    void saved(std::string path);

private:
    Deck m_deck;
    Deck m_saved;
    int m_current = 0;
    std::string m_path;
    int m_generation = 0;
};

} // namespace ferlo
