#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
#include "dialogs/SaveDialog.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/Recovery.h"
#include "printing/job/DuplexDialog.h"
#include "printing/job/PrintJob.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/PrintOption.h"
#include "symbols/SymbolCells.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

// The deck's commands: the card on screen is one card of the deck the window keeps.

namespace ferlo {

void TFerloMainForm::render() {
    // Nothing to show before start-up has built the card.
    if (m_openingBase.isEmpty())
        return;
    renderSwitches();
    // The card panel of the five counts; a grid's or a sheet's is drawn by its commands.
    if (!showsLayout()) {
        Display_All_Labels();
        showCutLines();
    }
    renderSelection();
    updateDeckControls();
}

void TFerloMainForm::renderSwitches() {
    const CardModel& card = model();
    // Checking a button runs no handler, so nothing is cleared or fitted twice.
    for (QAction* action : CountGroup->actions()) {
        if (action->data().toInt() == card.count() && !showsLayout())
            action->setChecked(true);
    }
    TBCutLines->setChecked(card.cutLinesOn());
    (card.upperCase() ? TBUpperLabels : TBLowerLabels)->setChecked(true);
    const bool on = card.labelsOn();
    PBToggleLabels->setToolTip(on ? tr("Turn Labels Off") : tr("Turn Labels on"));
    TBUpperLabels->setVisible(on);
    TBLowerLabels->setVisible(on);
    PBToggleLabels->setText(on ? tr("&Labels Off") : tr("&Labels On"));
    renderOrientation();
}

void TFerloMainForm::showCard(int index) {
    if (index == m_deck.current() || !m_deck.select(index))
        return;
    showCurrentCard();
}

void TFerloMainForm::showCurrentCard() {
    // The deck's card on screen is shown as a change of count shows it, with the toolbar as it
    // says, and filled as if its pictures had been picked: labels first, then the pictures.
    clearShownCell(-1);
    renderSwitches();
    showLayoutState();
    showSelectCaption();
    SetOrientation();
    ToggleCutLines();
    ToggleLabels();
    // Coming back to a card is no command about one picture: a picture that cannot be shown
    // leaves its cell empty-looking, as after a resize (opening a deck names the missing ones).
    // The window keeps painting while a card of big pictures loads.
    notePartialPictures(fitAllPictures(false, true));
    // The file list mirrors the card on screen, as after browsing away and back.
    renderSelection();
    updateDeckControls();
}

void TFerloMainForm::newCard() {
    DeckCard next = m_deck.currentCard(); // the same layout and switches, no pictures
    next.cells.clear();
    m_deck.insertAfterCurrent(next);
    showCurrentCard();
}

void TFerloMainForm::removeCard() {
    if (!m_deck.removeCurrent())
        return;
    showCurrentCard();
}

void TFerloMainForm::newDeck() {
    if (!maybeSaveChanges())
        return;
    m_deck.reset(Deck{}, std::string());
    showCurrentCard();
}

void TFerloMainForm::startDeck(const DeckCard& layout) {
    DeckCard card = layout; // its layout and switches, no pictures
    card.cells.clear();
    Deck deck;
    deck.cards = {card};
    m_deck.reset(std::move(deck), std::string());
    showCurrentCard();
}

void TFerloMainForm::openDeckDialog() {
    const QString start =
        m_deck.path().empty() ? shownDirectory() : directoryPart(pathFromModel(m_deck.path()));
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Open deck"), start, tr("Ferlo decks (%1)").arg(QStringLiteral("*.ferlo")));
    if (!path.isEmpty())
        openDeck(path);
}

bool TFerloMainForm::openDeck(const QString& given) {
    const QString path = QFileInfo(given).absoluteFilePath();
    // Read whole before anything changes or is asked: a damaged deck leaves the window as it
    // was.
    Deck deck = readDeck(path);
    if (!maybeSaveChanges())
        return false;
    QStringList missingParts{missingPicturesMessage(path, deck), missingSymbolsMessage(path, deck)};
    missingParts.removeAll(QString());
    const QString missing = missingParts.join(QLatin1Char('\n'));
    m_deck.reset(std::move(deck), modelPath(path));
    // The browser shows the folder of the first card's first picture, else the deck's own.
    QString folder = directoryPart(path);
    for (const std::optional<DeckCell>& cell : m_deck.currentCard().cells) {
        if (cell && pathKind(pathFromModel(cell->picture)) != PathKind::Missing) {
            folder = directoryPart(pathFromModel(cell->picture));
            break;
        }
    }
    if (folder != shownDirectory())
        browseTo(folder);
    showCurrentCard();
    if (!missing.isEmpty())
        showError(this, missing);
    tellMissingSheets();
    return true;
}

bool TFerloMainForm::saveDeck() {
    if (m_deck.path().empty())
        return saveDeckAs();
    writeDeckTo(pathFromModel(m_deck.path()));
    return true;
}

QString askDeckFileToSave(QWidget* parent, const QString& caption, const QString& start) {
    return askSaveFileName(parent, caption, start,
                           TFerloMainForm::tr("Ferlo decks (%1)").arg(QStringLiteral("*.ferlo")),
                           QStringLiteral("ferlo"));
}

bool TFerloMainForm::saveDeckAs() {
    const QString start = m_deck.path().empty()
                              ? joinPath(shownDirectory(), QStringLiteral("deck.ferlo"))
                              : pathFromModel(m_deck.path());
    const QString path = askDeckFileToSave(this, tr("Save deck"), start);
    if (path.isEmpty())
        return false;
    writeDeckTo(QFileInfo(path).absoluteFilePath());
    return true;
}

void TFerloMainForm::writeDeckTo(const QString& path) {
    writeDeck(path, m_deck.deck());
    m_deck.saved(modelPath(path));
    updateDeckControls();
    showStatus(tr("Saved %1").arg(displayName(path)));
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

bool TFerloMainForm::maybeSaveChanges() {
    if (!m_deck.modified())
        return true;
    switch (askToSaveChanges(this, deckName())) {
    case SaveAnswer::Save:
        return saveDeck();
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

QString TFerloMainForm::deckName() const {
    if (m_deck.path().empty())
        return tr("Untitled deck");
    return displayName(fileNamePart(pathFromModel(m_deck.path())));
}

void TFerloMainForm::updateDeckControls() {
    //: The window's title: the deck's name, the mark of unsaved changes, the program's name.
    setWindowTitle(tr("%1[*] - Ferlo").arg(deckName()));
    setWindowModified(m_deck.modified());
    LABCardNumber->setText(tr("Card %1 of %2").arg(m_deck.current() + 1).arg(m_deck.count()));
    TBPreviousCard->setEnabled(m_deck.current() > 0);
    TBNextCard->setEnabled(m_deck.current() + 1 < m_deck.count());
    TBRemoveCard->setEnabled(m_deck.count() > 1);
    // Every change of the deck ends here: it is one step of the history.
    m_history->record(m_deck);
    dropStaleStatus();
    updateStrip();
}

void TFerloMainForm::closeEvent(QCloseEvent* event) {
    bool close = m_closeConfirmed;
    if (!close)
        runGuarded(this, [&] { close = maybeSaveChanges(); });
    m_closeConfirmed = close;
    if (close && m_recovery)
        m_recovery->drop(); // saved or discarded: the copy goes with the deck
    if (close)
        event->accept();
    else
        event->ignore();
}

} // namespace ferlo
