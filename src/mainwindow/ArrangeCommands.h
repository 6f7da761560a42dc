#pragma once

#include "layout/Deck.h"
#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

class QAction;
class QObject;
class QToolBar;
class QWidget;

namespace ferlo {

class CardModel;
class CardStrip;
class CardView;
class CommandRegistry;
class DeckSession;

// Arranging the deck, a part of the main window: moving pictures between cells (a drag, Alt+arrow)
// and onto other cards, moving cards, laying the deck's pictures out anew on cards of one layout,
// and the card strip under the card (View > Card Strip).
class ArrangeCommands : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the other parts of the window.
    struct Hooks {
        // Puts a card of the deck on screen; removes the card on screen.
        std::function<void(int index)> showCard;
        std::function<void()> removeCard;
        // The strip was shown or hidden: the window lays out its client area again and the card
        // follows its base.
        std::function<void()> followStrip;
    };
    ArrangeCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks);
    ArrangeCommands(const ArrangeCommands&) = delete;
    ArrangeCommands& operator=(const ArrangeCommands&) = delete;

    // Registers the Card menu's moving commands and the Alt+arrow keys, takes the drops of a
    // cell's picture on `cardBase` and on the toolbar's previous and next card buttons, and
    // makes the card strip on `stripParent`.
    void createArrangeCommands(QWidget* cardBase, QToolBar* toolBar, QWidget* stripParent);
    // Drags a cell's picture: onto another cell (the two change places), onto the previous or
    // next card's button (the first free cell of that card).
    void dragPicture(int cell);
    // The card strip under the card: shown for a deck of several cards when View > Card Strip
    // is checked, and its height taken from the card base.
    void updateStrip();
    int stripHeight() const;
    void placeStrip(const QRect& room);

private:
    void createPictureDrops();
    void createStrip();
    void dropPicture(QObject* target, QPoint at, int cell);
    // Moves the picture of a cell to another cell of the card, the two changing places.
    void moveCell(int from, int to);
    // Alt+arrow: the focused picture goes to the neighbouring cell that way.
    void moveFocusedPicture(int dx, int dy);
    // Moves a cell's picture into the first free cell of another card.
    void movePictureToCard(int cell, int card);
    void moveCurrentCard(int to);
    void changeLayoutOfAllCards();

    Hooks m_hooks;
    QWidget* PACardBase = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QWidget* ClientArea = nullptr;
    CardStrip* m_strip = nullptr;
    QAction* m_stripShown = nullptr;
    bool m_stripWanted = true; // View > Card Strip
};

} // namespace ferlo
