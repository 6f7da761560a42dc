#pragma once

#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QString>

#include <functional>

namespace ferlo {

struct Deck;
struct DeckCell;
class DeckSession;
class SoundPlayer;

// Card > Make Activity ..., a part of the main window: the games made from the deck's pictures
// (ActivityDialog), spoken as cards are, and added to the deck or saved as a deck of their
// own, each as one step.
class ActivityCommands {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the window: a change of several cards as one step of the history (the
    // card `current` coming on screen), a word spoken as a cell's word is, the folder the
    // browser shows (where a game saved as a deck goes first).
    struct Hooks {
        std::function<void(const Deck&, int, const QString&)> changeDeck;
        std::function<void(const QString&)> speakText;
        std::function<QString()> shownDirectory;
    };
    ActivityCommands(const WindowPart& part, SoundPlayer* player, Hooks hooks);
    ActivityCommands(const ActivityCommands&) = delete;
    ActivityCommands& operator=(const ActivityCommands&) = delete;

    void makeActivity();

private:
    // As a click on a card's picture: its recording, else its word spoken.
    void speakDeckCell(const DeckCell& cell);
    void changeDeck(const Deck& deck, int current, const QString& name) {
        m_deckCommands.changeDeck(deck, current, name);
    }
    void speakText(const QString& word) { m_deckCommands.speakText(word); }

    QWidget* m_window;
    DeckSession& m_deck;
    std::function<void(const QString&)> m_showStatus;
    SoundPlayer* MediaPlayer1;
    Hooks m_deckCommands;
};

} // namespace ferlo
