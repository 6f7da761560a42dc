#pragma once

#include "layout/DeckSession.h"

#include <QString>

#include <functional>

class QWidget;

namespace ferlo {

class CardView;
class CommandRegistry;

// Asks where a deck file goes (".ferlo" added when left off), starting at `start`; "" when the
// user cancels.
QString askDeckFileToSave(QWidget* parent, const QString& caption, const QString& start);

// What a part of the main window reaches of the window: the deck, the parent of its dialogs and
// messages, and the window's few services that every command goes through. A part reaches
// nothing else of the window; what one part needs of another it is handed by name.
struct WindowPart {
    QWidget* window = nullptr;
    DeckSession* deck = nullptr;
    // Runs a handler as a command: inside the error guard, one step of the history.
    std::function<void(const std::function<void()>&)> runCommand;
    // Runs an action now, or after the picture passes under way.
    std::function<void(std::function<void()>)> whenPicturesPlaced;
    // A message in the status bar that holds for the deck as the window shows it now.
    std::function<void(const QString&)> showStatus;
    // The card's panel as the handlers see it: the card of the five counts, or a grid's or a
    // sheet's page.
    std::function<CardView&()> view;
    // A change of several cards or cells made on the deck: it replaces the deck, and the card
    // `current` comes on screen; `name` names its step in the history.
    std::function<void(const Deck& deck, int current, const QString& name)> changeDeck;
    // The render pass: the toolbar, labels, cut lines and selection from the model.
    std::function<void()> render;
};

// What every part keeps of the window it was made with, and its ways to the deck and the
// window's services. A part derives from it; `commands` is the registry its commands go to
// (none for a part that registers nothing).
class PartOfWindow {
protected:
    explicit PartOfWindow(const WindowPart& part, CommandRegistry* commands = nullptr)
        : m_part(part)
        , m_window(part.window)
        , m_deck(*part.deck)
        , m_commands(commands) {}

    // The model of the card on screen, which the deck keeps.
    const CardModel& model() const { return m_deck.card(); }
    const TCellArray& cells() const { return model().cells(); }
    void runCommand(const std::function<void()>& handler) { m_part.runCommand(handler); }
    void showStatus(const QString& text) { m_part.showStatus(text); }
    CardView& view() { return m_part.view(); }
    void changeDeck(const Deck& deck, int current, const QString& name = QString()) {
        m_part.changeDeck(deck, current, name);
    }
    void render() { m_part.render(); }

    WindowPart m_part;
    QWidget* m_window;
    DeckSession& m_deck;
    CommandRegistry* m_commands;
};

} // namespace ferlo
