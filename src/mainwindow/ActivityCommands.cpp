// Card > Make Activity ...: the games made from the deck's pictures (ActivityDialog), spoken
// as cards are, and added to the deck or saved as a deck of their own, each as one step.
#include "mainwindow/ActivityCommands.h"
#include "mainwindow/ActivityDialog.h"

#include "layout/DeckSession.h"

#include "sound/SoundFile.h"
#include "sound/SoundPlayer.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QFileInfo>

namespace ferlo {

ActivityCommands::ActivityCommands(const WindowPart& part, SoundPlayer* player, Hooks hooks)
    : m_window(part.window)
    , m_deck(*part.deck)
    , m_showStatus(part.showStatus)
    , MediaPlayer1(player)
    , m_deckCommands(std::move(hooks)) {}

void ActivityCommands::makeActivity() {
    const Deck& deck = m_deck.deck();
    ActivityDialog::Hooks hooks;
    hooks.speak = [this](const DeckCell& cell) {
        speakDeckCell(cell);
    };
    // The game's pages follow the deck's cards, the first of them on screen: one step.
    hooks.addToDeck = [this](const Deck& game) {
        Deck changed = m_deck.deck();
        const int first = int(changed.cards.size());
        changed.cards.insert(changed.cards.end(), game.cards.begin(), game.cards.end());
        changeDeck(changed, first, tr("Add activity"));
    };
    // The game as a new deck file, in the open deck's double-sided choices and language: one
    // step, a save dialog; the open deck is untouched.
    hooks.saveAsDeck = [this](const Deck& game) {
        Deck saved = game;
        saved.duplex = m_deck.deck().duplex;
        saved.language = m_deck.deck().language;
        const QString path = askDeckFileToSave(
            m_window, tr("Save activity as deck"),
            joinPath(m_deckCommands.shownDirectory(), tr("activity") + QStringLiteral(".ferlo")));
        if (path.isEmpty())
            return;
        const QString file = QFileInfo(path).absoluteFilePath();
        writeDeck(file, saved);
        m_showStatus(tr("Saved %1").arg(displayName(file)));
    };
    ActivityDialog dialog(DeckPictures(deck), m_deck.currentCard(), deck.duplex, hooks, m_window);
    dialog.exec();
}

void ActivityCommands::speakDeckCell(const DeckCell& cell) {
    const QString picture = pathFromModel(cell.picture);
    const QString shown = cell.label ? QString::fromStdString(*cell.label) : QString();
    if (!picture.isEmpty()) {
        const QString sound =
            findCellSound(picture, shown, cell.sound ? pathFromModel(*cell.sound) : QString());
        if (!sound.isEmpty()) {
            MediaPlayer1->playFile(sound);
            return;
        }
    }
    speakText(QString::fromStdString(ActivityWord(cell)));
}

} // namespace ferlo
