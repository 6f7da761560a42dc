#pragma once

#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <memory>

class QMenu;

namespace ferlo {

class DeckSession;
struct RecoveryCopy;
class RecoveryWriter;

// Keeping work between runs, a part of the main window: the recovery copy of the deck while it
// has unsaved changes, the question about copies left by a run that ended without saving them,
// and File > Recent Decks.
class Recovery : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the deck's commands: the question about unsaved changes (false when the
    // user cancels), putting the deck's card on screen, naming the sheets that are not
    // installed, the browser's folder, opening a deck.
    struct Deck {
        std::function<bool()> maybeSaveChanges;
        std::function<void()> showCurrentCard;
        std::function<void()> tellMissingSheets;
        std::function<QString()> shownDirectory;
        std::function<bool(const QString&)> openDeck;
    };
    Recovery(const WindowPart& part, Deck deck);
    ~Recovery();
    Recovery(const Recovery&) = delete;
    Recovery& operator=(const Recovery&) = delete;

    // Starts the recovery copy, which follows every change of the deck (noteDeckState).
    void createRecovery();
    // Every change of the deck reaches the recovery copy and the recent decks.
    void noteDeckState();
    // After start: offers the recovery copies, then, when nothing was restored, `reopenLastDeck`
    // allows it and the user chose it in Options, opens the last deck.
    void resumeWork(bool reopenLastDeck);
    QMenu* createRecentDecksMenu();
    // The deck was saved or its changes discarded: its copy goes with it.
    void drop();

private:
    // True when a copy was restored into the window.
    bool offerRecoveryCopies();
    void restoreRecovered(RecoveryCopy& copy);
    bool saveRecoveredAs(RecoveryCopy& copy);

    void whenPicturesPlaced(std::function<void()> action) {
        m_part.whenPicturesPlaced(std::move(action));
    }
    bool maybeSaveChanges() { return m_deckCommands.maybeSaveChanges(); }
    bool openDeck(const QString& path) { return m_deckCommands.openDeck(path); }
    QString shownDirectory() const { return m_deckCommands.shownDirectory(); }
    void showCurrentCard() { m_deckCommands.showCurrentCard(); }
    void tellMissingSheets() { m_deckCommands.tellMissingSheets(); }

    Deck m_deckCommands;
    QString m_recentNoted;
    std::unique_ptr<RecoveryWriter> m_recovery;
};

} // namespace ferlo
