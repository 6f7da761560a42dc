#pragma once

#include "mainwindow/WindowPart.h"
#include "printing/CardPage.h"

#include <QCoreApplication>
#include <QList>

#include <functional>

class QAction;

namespace ferlo {

class CardModel;
class CommandRegistry;
class DeckSession;
struct JobOutcome;

// The printing commands, a part of the main window: Print, Print Preview, Export PDF, Print
// Word Backs, Double-Sided Printing and the calibration sheet, each made from the deck's pages.
class PrintCommands : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // `updateDeckControls` shows the deck's state after its double-sided choices changed.
    PrintCommands(const WindowPart& part, CommandRegistry* commands,
                  std::function<void()> updateDeckControls);
    PrintCommands(const PrintCommands&) = delete;
    PrintCommands& operator=(const PrintCommands&) = delete;

    // Registers the File menu's printing commands.
    void createPrintCommands();
    // File > Print Word Backs as the stored option says.
    void renderWordBacks();
    // Stores the option, which the menu then shows.
    void setWordBacks(bool on);
    // Print: the deck keeps the turn chosen in the print dialog.
    void printDeck();
    // The card as it prints now.
    CardPage currentPage() const;
    // The deck as it prints now: one page per card in order, the card on screen as shown.
    QList<CardPage> deckPages() const;

private:
    void toggleWordBacks();
    void exportPdf();
    // Says in the status bar how Print or Export PDF ended.
    void showJobOutcome(const JobOutcome& outcome);
    // File > Double-Sided Printing: the deck keeps the choices (a change marks it modified).
    void editDoubleSided();

    void updateDeckControls() { m_updateDeckControls(); }

    std::function<void()> m_updateDeckControls;
    QAction* m_wordBacks = nullptr;
};

} // namespace ferlo
