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
    if (deck.cards.empty())
        deck.cards.emplace_back();
    for (DeckCard& card : deck.cards)
        trimFreeCells(card);
    // What the file holds, before the card on screen is read into its model.
    m_saved = deck;
    m_path = std::move(path);
    ++m_generation;
    restore(std::move(deck), 0);
}

void DeckSession::recovered(Deck deck, std::string path) {
    reset(std::move(deck), std::move(path));
    // No deck of the session is without cards: this one differs from every state of it.
    m_saved = Deck{};
    tell();
}

void DeckSession::restore(Deck deck, int current) {
    if (deck.cards.empty())
        deck.cards.emplace_back();
    for (DeckCard& card : deck.cards)
        trimFreeCells(card);
    m_deck = std::move(deck);
    m_current = std::clamp(current, 0, count() - 1);
    showCurrent();
}

void DeckSession::showCurrent() {
    m_card = CardModel(currentCard());
    layOutScreen();
    // The deck holds the card as its model keeps it (cells beyond its count dropped).
    cardChanged();
    tell();
}

bool DeckSession::cardChanged() {
    DeckCard shown = m_card.stored();
    if (shown == currentCard())
        return false;
    m_deck.cards[size_t(m_current)] = std::move(shown);
    return true;
}

void DeckSession::tell() {
    if (m_listener)
        m_listener(*this);
}

bool DeckSession::select(int index) {
    if (index < 0 || index >= count())
        return false;
    m_current = index;
    showCurrent();
    return true;
}

void DeckSession::insertAfterCurrent(DeckCard card) {
    trimFreeCells(card);
    m_deck.cards.insert(m_deck.cards.begin() + m_current + 1, std::move(card));
    ++m_current;
    showCurrent();
}

bool DeckSession::removeCurrent() {
    if (count() <= 1)
        return false;
    m_deck.cards.erase(m_deck.cards.begin() + m_current);
    if (m_current >= count())
        m_current = count() - 1;
    showCurrent();
    return true;
}

void DeckSession::setDuplex(const DuplexChoices& duplex) {
    m_deck.duplex = duplex;
    tell();
}

void DeckSession::setLanguage(std::optional<std::string> language) {
    m_deck.language = std::move(language);
    tell();
}

void DeckSession::saved(std::string path) {
    m_saved = m_deck;
    m_path = std::move(path);
    tell();
}

} // namespace ferlo
