#pragma once

#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QPoint>
#include <QString>

#include <functional>

class QWidget;

namespace ferlo {

struct Deck;
class DeckSession;
class LayoutPanel;
struct LayoutChoice;

// Grids and sheets, a part of the main window: Card > Layout ..., the sheets of a deck that are
// not installed, and the panel that shows a grid's or a sheet's card in place of the card of
// the five counts. The cells, clicks, sounds and the label editor are the window's own; only
// where a cell is drawn differs.
class LayoutCommands : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the other parts of the window: the card base the panel lies on, a change
    // of the deck as one named step, and what a press, a drag, a double click or the menu on a
    // cell of the panel does, as on the card of the five counts.
    struct Hooks {
        std::function<QWidget*()> cardBase;
        std::function<void(int, Qt::MouseButton)> pressCell;
        std::function<void(int)> dragPicture;
        std::function<void(int)> editLabel;
        std::function<void(int)> showPictureMenu;
        std::function<void(int, const QString&)> keepLabelWord;
    };
    LayoutCommands(const WindowPart& part, Hooks hooks);
    LayoutCommands(const LayoutCommands&) = delete;
    LayoutCommands& operator=(const LayoutCommands&) = delete;

    // Card > Layout ...: the dialog, then its choice applied as one step of the history.
    void chooseLayout();
    // Names the sheets of the deck that are not installed; their cards keep what they hold.
    void tellMissingSheets();
    // The panel of grids and sheets on the card base, made hidden on first use.
    LayoutPanel* layoutPanel();

private:
    void applyLayoutChoice(const LayoutChoice& choice);

    Hooks m_hooks;
    LayoutPanel* m_layoutPanel = nullptr;
};

} // namespace ferlo
