#include "mainwindow/FerloMainForm.h"

#include "mainwindow/BrowserCommands.h"
#include "mainwindow/CardPictures.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckCommands.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/ShapeCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QStatusBar>

// The render pass: after every command the window shows the model, and nothing of the card is
// read back from a control.

namespace ferlo {

void TFerloMainForm::render() {
    // Nothing to show before start-up has built the card.
    if (!shapeCommands().opened())
        return;
    renderSwitches();
    // The card panel's own part: the labels and cut lines of the five counts.
    view().render();
    browser().renderSelection();
    deckCommands().updateDeckControls();
}

void TFerloMainForm::renderSwitches() {
    const CardModel& card = model();
    const int count = view().shape().count;
    // Checking a button runs no handler, so nothing is cleared or fitted twice.
    for (QAction* action : CountGroup->actions()) {
        if (action->data().toInt() == count)
            action->setChecked(true);
    }
    TBCutLines->setChecked(card.cutLinesOn());
    labelCommands().renderSwitches();
    renderOrientation();
}

void TFerloMainForm::showCurrentCard() {
    // The deck's card on screen is shown as a change of count shows it, with the toolbar as it
    // says, and filled as if its pictures had been picked: labels first, then the pictures.
    clearShownCell(-1);
    renderSwitches();
    showLayoutState();
    shapeCommands().showSelectCaption();
    shapeCommands().SetOrientation();
    shapeCommands().ToggleCutLines();
    labelCommands().ToggleLabels();
    // Coming back to a card is no command about one picture: a picture that cannot be shown
    // leaves its cell empty-looking, as after a resize (opening a deck names the missing ones).
    // The window keeps painting while a card of big pictures loads.
    cardPictures().notePartialPictures(cardPictures().fitAllPictures(false, true));
    // The file list mirrors the card on screen, as after browsing away and back.
    browser().renderSelection();
    deckCommands().updateDeckControls();
}

void TFerloMainForm::changeDeck(const Deck& deck, int current, const QString& name) {
    if (!name.isEmpty())
        deckCommands().history().nameNextStep(name);
    deckCommands().restoreDeck(deck, current);
    render();
}

void TFerloMainForm::showStatus(const QString& text) {
    StatusBar1->showMessage(text);
    m_statusDeck = m_deck.deck();
    m_statusGeneration = m_deck.generation();
}

void TFerloMainForm::dropStaleStatus() {
    if (StatusBar1 && !StatusBar1->currentMessage().isEmpty() &&
        (m_deck.generation() != m_statusGeneration || m_deck.deck() != m_statusDeck))
        StatusBar1->clearMessage();
}

} // namespace ferlo
