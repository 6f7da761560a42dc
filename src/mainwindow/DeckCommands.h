#pragma once

#include "layout/Deck.h"
#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

class QAction;
class QLabel;
class QToolBar;

namespace ferlo {

class CommandRegistry;
class DeckHistory;
class DeckSession;

// The deck and its history, a part of the main window: new, open, save and save as, the cards
// (previous, next, new, remove), the question about unsaved changes, the deck's state in the
// title and on the toolbar, and undo and redo.
class DeckCommands : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the other parts of the window.
    struct Hooks {
        // Puts the deck's current card on screen with the toolbar and the file list.
        std::function<void()> showCurrentCard;
        // The browser's folder, and showing another.
        std::function<QString()> shownDirectory;
        std::function<bool(const QString&)> browseTo;
        // Names the sheets of the deck that are not installed.
        std::function<void()> tellMissingSheets;
        // After every change of the deck: the status bar's message that no longer holds goes,
        // and the card strip follows.
        std::function<void()> dropStaleStatus;
        std::function<void()> updateStrip;
    };
    DeckCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks);
    DeckCommands(const DeckCommands&) = delete;
    DeckCommands& operator=(const DeckCommands&) = delete;

    // Registers the File menu's deck commands, the Card menu's card commands, the toolbar's
    // card buttons with the card number between them, and the Edit menu's undo and redo (with
    // their toolbar buttons).
    void createFileCommands();
    void createCardCommands();
    void createCardButtons(QToolBar* toolBar);
    void createUndoCommands();

    // The history of the deck's changes.
    DeckHistory& history() { return *m_history; }

    // Puts a card of the deck on screen, the one leaving the screen kept in the deck.
    void showCard(int index);
    void newCard();
    void removeCard();
    void newDeck();
    // Starts an untitled deck whose one card, empty, has the given count, orientation and
    // switches.
    void startDeck(const DeckCard& layout);
    void openDeckDialog();
    // Opens a deck file in place of the deck (after the question about unsaved changes): its
    // first card comes on screen and the missing pictures are named in one message. A deck
    // that cannot be read changes nothing and throws. False when the user kept the deck.
    bool openDeck(const QString& path);
    // Saves to the deck's file, or asks for one; false when the user cancelled.
    bool saveDeck();
    bool saveDeckAs();
    // Asks whether to save unsaved changes before they are lost; false when the user cancels
    // (or the save was cancelled).
    bool maybeSaveChanges();
    // The deck's name in the title and the questions.
    QString deckName() const;
    // The title, the card number and which card commands apply; one step of the history.
    void updateDeckControls();
    // Puts a state of the deck on screen: its card `current` with the toolbar and the file list.
    void restoreDeck(const Deck& deck, int current);

private:
    void writeDeckTo(const QString& path);
    void showCurrentCard() { m_hooks.showCurrentCard(); }
    QString shownDirectory() const { return m_hooks.shownDirectory(); }

    Hooks m_hooks;
    DeckHistory* m_history;
    QAction* TBPreviousCard = nullptr;
    QAction* TBNextCard = nullptr;
    QAction* TBNewCard = nullptr;
    QAction* TBRemoveCard = nullptr;
    QLabel* LABCardNumber = nullptr;
};

} // namespace ferlo
