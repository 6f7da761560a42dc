#pragma once

#include "layout/CardModel.h"
#include "layout/Deck.h"

#include <functional>
#include <string>
#include <type_traits>

namespace ferlo {

// The deck the window keeps: its cards, the model of the one on screen, the file it was opened
// from or saved to (empty: not yet saved), and whether it differs from that file. It is the one
// truth of the window: every change of a card goes through edit(), every change of the deck
// through its other operations, and each ends in the listener (setListener), the one place
// where every change is seen. The deck is modified exactly when its cards differ from those
// last opened or saved, so undoing a change clears the mark.
class DeckSession {
public:
    // Told after every change of the deck, the card on screen or the file it belongs to.
    using Listener = std::function<void(const DeckSession&)>;

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
    // The model of the card on screen; the deck holds its stored form.
    const CardModel& card() const { return m_card; }
    const std::string& path() const { return m_path; }
    bool modified() const { return m_deck != m_saved; }

    // Changes the card on screen with one of the model's operations and hands the result to the
    // deck (the listener is told when the card changed); returns what the operation returns.
    template <typename Change>
    auto edit(Change change) -> std::invoke_result_t<Change, CardModel&> {
        const Changed changed(*this);
        return change(m_card);
    }

    // The layout on screen of the card on screen, computed from its model at the screen's scale.
    const TCard& screen() const { return m_screen; }
    // The screen's scale: how the card is shown, no change of the deck.
    void setScreenScale(double scale) { m_screenScale = scale, layOutScreen(); }
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
    void setDuplex(const DuplexChoices& duplex);
    // The language the deck's words are spoken in; none: the program's.
    void setLanguage(std::optional<std::string> language);
    // The deck has been written to `path`.
    void saved(std::string path);

    void setListener(Listener listener) { m_listener = std::move(listener); }

private:
    // Hands the card on screen to the deck and tells the listener when it goes out of scope.
    class Changed {
    public:
        explicit Changed(DeckSession& session)
            : m_session(session) {}
        Changed(const Changed&) = delete;
        Changed& operator=(const Changed&) = delete;
        ~Changed() {
            m_session.layOutScreen();
            if (m_session.cardChanged())
                m_session.tell();
        }

    private:
        DeckSession& m_session;
    };
    // Hands the model of the card on screen to the deck; false when the deck held it already.
    bool cardChanged();
    // The card on screen's model made anew from the deck, shown at the screen's scale.
    void showCurrent();
    void layOutScreen() { m_screen = ScreenLayout(m_card, m_screenScale); }
    void tell();

    Deck m_deck;
    Deck m_saved;
    CardModel m_card;
    double m_screenScale = 1.0;
    TCard m_screen;
    int m_current = 0;
    std::string m_path;
    int m_generation = 0;
    Listener m_listener;
};

} // namespace ferlo
