#include "layout/DeckSession.h"

#include <algorithm>
#include <utility>

namespace ferlo {

namespace {

// A deck file may leave free cells at the end out or write them as null: both are one card.
void trimFreeCells(DeckCard& card) {
    while (!card.cells.empty() && !card.cells.back())
        card.cells.pop_back();
}

} // namespace

DeckSession::DeckSession() {
    reset(Deck{}, std::string());
}

void DeckSession::reset(Deck deck, std::string path) {
    restore(std::move(deck), 0);
    m_saved = m_deck;
    m_path = std::move(path);
    ++m_generation;
}

void DeckSession::recovered(Deck deck, std::string path) {
    reset(std::move(deck), std::move(path));
    // No deck of the session is without cards: this one differs from every state of it.
    m_saved = Deck{};
}

void DeckSession::restore(Deck deck, int current) {
    if (deck.cards.empty())
        deck.cards.emplace_back();
    for (DeckCard& card : deck.cards)
        trimFreeCells(card);
    m_deck = std::move(deck);
    m_current = std::clamp(current, 0, count() - 1);
}

void DeckSession::update(const DeckCard& shown) {
    m_deck.cards[size_t(m_current)] = shown;
}

bool DeckSession::select(int index) {
    if (index < 0 || index >= count())
        return false;
    m_current = index;
    return true;
}

void DeckSession::insertAfterCurrent(DeckCard card) {
    trimFreeCells(card);
    m_deck.cards.insert(m_deck.cards.begin() + m_current + 1, std::move(card));
    ++m_current;
}

bool DeckSession::removeCurrent() {
    if (count() <= 1)
        return false;
    m_deck.cards.erase(m_deck.cards.begin() + m_current);
    if (m_current >= count())
        m_current = count() - 1;
    return true;
}

void DeckSession::saved(std::string path) {
    m_saved = m_deck;
    m_path = std::move(path);
}

} // namespace ferlo
