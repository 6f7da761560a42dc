#pragma once

#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <functional>

class QTabBar;
class QWidget;

namespace ferlo {

struct Deck;
class CardModel;
class CardView;
class DeckSession;
class SymbolBrowser;
struct SymbolChoice;

// Symbols, a part of the main window: the Symbols tab beside the file browser, a symbol placed by
// a click or a drop, Card > Cards from Words and Options > Symbols.
class SymbolCommands : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the window: the card panel shown now (to find and show a cell), a change of
    // several cards as one step of the history (the card `current` coming on screen), the folder
    // the browser shows, and the client area laid out anew (when the tab changes).
    struct Hooks {
        std::function<QString()> shownDirectory;
        std::function<void()> relayout;
    };
    // The file browser the tabs share its column with.
    struct Browser {
        QWidget* column = nullptr;
        // Tab reaches the tabs before the drive box, and the Symbols tab after the file list.
        QWidget* drives = nullptr;
        QWidget* fileList = nullptr;
        // What the Files tab shows, hidden while the Symbols tab shows.
        QList<QWidget*> files;
        // Where a symbol is dropped on the card.
        QWidget* cardBase = nullptr;
    };
    SymbolCommands(const WindowPart& part, Hooks hooks);
    SymbolCommands(const SymbolCommands&) = delete;
    SymbolCommands& operator=(const SymbolCommands&) = delete;

    void createSymbolCommands(const Browser& browser);
    // Places the tabs over the browser at `top` of its column of `height`; their height (none
    // before they are made).
    int placeSymbolTab(int top, int height);
    void cardsFromWords();
    // Options > Symbols, over `parent`, the Options dialog.
    void editSymbolFolders(QWidget* parent);

private:
    // Puts a choice into a cell (-1: the free cell of lowest index), one step of the history.
    void placeSymbolChoice(const SymbolChoice& choice, int cell);

    Hooks m_hooks;
    Browser m_browser;
    QTabBar* BrowserTabs = nullptr;
    SymbolBrowser* Symbols = nullptr;
};

} // namespace ferlo
