// Card > Make Activity ...: the games made from the deck's pictures (ActivityDialog), spoken
// as cards are, and added to the deck as one step.
#include "mainwindow/ActivityCommands.h"
#include "mainwindow/ActivityDialog.h"

#include "layout/DeckSession.h"

#include "sound/SoundFile.h"
#include "sound/SoundPlayer.h"
#include "storage/NativePath.h"

namespace ferlo {

ActivityCommands::ActivityCommands(const WindowPart& part, SoundPlayer* player, Hooks hooks)
    : m_window(part.window)
    , m_deck(*part.deck)
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
