#include "mainwindow/FerloMainForm.h"

#include "mainwindow/ActivityCommands.h"
#include "mainwindow/ArrangeCommands.h"
#include "mainwindow/BrowserCommands.h"
#include "mainwindow/CardPictures.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckCommands.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/LayoutCommands.h"
#include "mainwindow/PrintCommands.h"
#include "mainwindow/Recovery.h"
#include "mainwindow/ShapeCommands.h"
#include "mainwindow/SoundCommands.h"
#include "mainwindow/SymbolCommands.h"
#include "printing/CardPage.h"

#include <QFrame>
#include <QStatusBar>

// The window's parts, each made on first use with what it asks of the others (its hooks), and
// the window's public commands that one of them carries out.

namespace ferlo {

WindowPart TFerloMainForm::windowPart() {
    WindowPart part;
    part.window = this;
    part.deck = &m_deck;
    part.runCommand = [this](const std::function<void()>& handler) {
        runCommand(handler);
    };
    part.whenPicturesPlaced = [this](std::function<void()> action) {
        cardPictures().whenPicturesPlaced(std::move(action));
    };
    part.showStatus = [this](const QString& text) {
        showStatus(text);
    };
    part.view = [this]() -> CardView& {
        return view();
    };
    part.changeDeck = [this](const Deck& deck, int current, const QString& name) {
        changeDeck(deck, current, name);
    };
    part.render = [this] {
        render();
    };
    return part;
}

Recovery& TFerloMainForm::recovery() {
    if (!m_recovery) {
        Recovery::Deck deck;
        deck.maybeSaveChanges = [this] {
            return deckCommands().maybeSaveChanges();
        };
        deck.showCurrentCard = [this] {
            showCurrentCard();
        };
        deck.tellMissingSheets = [this] {
            layoutCommands().tellMissingSheets();
        };
        deck.shownDirectory = [this] {
            return shownDirectory();
        };
        deck.openDeck = [this](const QString& path) {
            return openDeck(path);
        };
        m_recovery = std::make_unique<Recovery>(windowPart(), std::move(deck));
    }
    return *m_recovery;
}

void TFerloMainForm::createRecovery() {
    recovery().createRecovery();
    connect(this, &TFerloMainForm::deckChanged, this, [this] { m_recovery->noteDeckState(); });
}

void TFerloMainForm::resumeWork(bool reopenLastDeck) {
    recovery().resumeWork(reopenLastDeck);
}

PrintCommands& TFerloMainForm::printCommands() {
    if (!m_print)
        m_print = std::make_unique<PrintCommands>(windowPart(), m_commands,
                                                  [this] { deckCommands().updateDeckControls(); });
    return *m_print;
}

DeckCommands& TFerloMainForm::deckCommands() {
    if (!m_deckCommands) {
        DeckCommands::Hooks hooks;
        hooks.showCurrentCard = [this] {
            showCurrentCard();
        };
        hooks.shownDirectory = [this] {
            return shownDirectory();
        };
        hooks.browseTo = [this](const QString& directory) {
            return browseTo(directory);
        };
        hooks.tellMissingSheets = [this] {
            layoutCommands().tellMissingSheets();
        };
        hooks.dropStaleStatus = [this] {
            dropStaleStatus();
        };
        hooks.updateStrip = [this] {
            arrangeCommands().updateStrip();
        };
        m_deckCommands = std::make_unique<DeckCommands>(windowPart(), m_commands, std::move(hooks));
    }
    return *m_deckCommands;
}

bool TFerloMainForm::openDeck(const QString& path) {
    return deckCommands().openDeck(path);
}

void TFerloMainForm::startDeck(const DeckCard& layout) {
    deckCommands().startDeck(layout);
}

ArrangeCommands& TFerloMainForm::arrangeCommands() {
    if (!m_arrange) {
        ArrangeCommands::Hooks hooks;
        hooks.showCard = [this](int index) {
            deckCommands().showCard(index);
        };
        hooks.removeCard = [this] {
            deckCommands().removeCard();
        };
        hooks.followStrip = [this] {
            layoutClientArea(ClientArea->size());
            // The card follows its base as after a resize, but as a command's pass: the event
            // loop keeps turning while big pictures are fitted again.
            cardPictures().whenPicturesPlaced([this] {
                const QSize before = PACard->size();
                shapeCommands().SetOrientation();
                if (PACard->size() == before)
                    return;
                shapeCommands().ToggleCutLines();
                labelCommands().Display_All_Labels();
                cardPictures().notePartialPictures(cardPictures().fitAllPictures(false, true));
            });
        };
        m_arrange = std::make_unique<ArrangeCommands>(windowPart(), m_commands, std::move(hooks));
    }
    return *m_arrange;
}

LabelCommands& TFerloMainForm::labelCommands() {
    if (!m_labels) {
        LabelCommands::Hooks hooks;
        hooks.displayAllPictures = [this] {
            cardPictures().Display_All_Pictures();
        };
        hooks.toolPushButton = [this](const QString& name, const QString& caption, int width) {
            return toolPushButton(name, caption, width);
        };
        m_labels = std::make_unique<LabelCommands>(windowPart(), m_commands, std::move(hooks));
    }
    return *m_labels;
}

void TFerloMainForm::editLabel(int index) {
    labelCommands().editLabel(index);
}

CardPage TFerloMainForm::currentPage() const {
    return m_print->currentPage();
}

QList<CardPage> TFerloMainForm::deckPages() const {
    return m_print->deckPages();
}

void TFerloMainForm::setWordBacks(bool on) {
    printCommands().setWordBacks(on);
}

SoundCommands& TFerloMainForm::soundCommands() {
    if (!m_sound) {
        SoundCommands::Hooks hooks;
        hooks.updateDeckControls = [this] {
            deckCommands().updateDeckControls();
        };
        hooks.shownPanel = [this]() -> QWidget* {
            return view().surface();
        };
        m_sound = std::make_unique<SoundCommands>(windowPart(), m_commands, std::move(hooks));
    }
    return *m_sound;
}

namespace {
// The client area's size as it was last laid out: the status bar spans it at its bottom. (Before
// the window is shown the client area widget has no size of its own yet.)
QSize laidOutClient(const QWidget* statusBar) {
    return {statusBar->geometry().right() + 1, statusBar->geometry().bottom() + 1};
}
} // namespace

SymbolCommands& TFerloMainForm::symbolCommands() {
    if (!m_symbols) {
        SymbolCommands::Hooks hooks;
        hooks.shownDirectory = [this] {
            return shownDirectory();
        };
        hooks.relayout = [this] {
            layoutClientArea(laidOutClient(StatusBar1));
        };
        m_symbols = std::make_unique<SymbolCommands>(windowPart(), std::move(hooks));
    }
    return *m_symbols;
}

ActivityCommands& TFerloMainForm::activityCommands() {
    if (!m_activities) {
        ActivityCommands::Hooks hooks;
        hooks.changeDeck = [this](const Deck& deck, int current, const QString& name) {
            changeDeck(deck, current, name);
        };
        hooks.speakText = [this](const QString& word) {
            soundCommands().speakText(word);
        };
        hooks.shownDirectory = [this] {
            return shownDirectory();
        };
        m_activities =
            std::make_unique<ActivityCommands>(windowPart(), soundCommands().player(), hooks);
    }
    return *m_activities;
}

BrowserCommands& TFerloMainForm::browser() {
    if (!m_browser) {
        BrowserCommands::Hooks hooks;
        hooks.view = [this]() -> CardView& {
            return view();
        };
        hooks.clearCell = [this](int index) {
            ClearCell(index);
        };
        hooks.render = [this] {
            render();
        };
        hooks.history = [this]() -> DeckHistory& {
            return deckCommands().history();
        };
        hooks.newCard = [this] {
            deckCommands().newCard();
        };
        hooks.showCard = [this](int index) {
            deckCommands().showCard(index);
        };
        hooks.openDeck = [this](const QString& path) {
            return openDeck(path);
        };
        m_browser = std::make_unique<BrowserCommands>(windowPart(), std::move(hooks));
    }
    return *m_browser;
}

CardPictures& TFerloMainForm::cardPictures() {
    if (!m_pictures) {
        CardPictures::Hooks hooks;
        hooks.releaseLabel = [this](int index) {
            labelCommands().releaseLabel(index);
        };
        hooks.withholdLabel = [this](int index) {
            labelCommands().withholdLabel(index);
        };
        m_pictures = std::make_unique<CardPictures>(windowPart(), CellImages, std::move(hooks));
    }
    return *m_pictures;
}

ShapeCommands& TFerloMainForm::shapeCommands() {
    if (!m_shape) {
        ShapeCommands::Controls controls{LABSelect, PACard, PACardBase, CutLines, TBCutLines};
        ShapeCommands::Hooks hooks;
        hooks.refreshLayoutPanel = [this] {
            refreshLayoutPanel();
        };
        hooks.clearShownCell = [this](int index) {
            clearShownCell(index);
        };
        hooks.showLayoutState = [this] {
            showLayoutState();
        };
        hooks.displayAllLabels = [this] {
            labelCommands().Display_All_Labels();
        };
        hooks.pictures = [this]() -> CardPictures& {
            return cardPictures();
        };
        m_shape = std::make_unique<ShapeCommands>(windowPart(), controls, std::move(hooks));
    }
    return *m_shape;
}

LayoutCommands& TFerloMainForm::layoutCommands() {
    if (!m_layoutCommands) {
        LayoutCommands::Hooks hooks;
        hooks.cardBase = [this]() -> QWidget* {
            return PACardBase;
        };
        hooks.pressCell = [this](int index, Qt::MouseButton button) {
            pressCell(index, button);
        };
        hooks.dragPicture = [this](int index) {
            arrangeCommands().dragPicture(index);
        };
        hooks.editLabel = [this](int index) {
            editLabel(index);
        };
        hooks.showPictureMenu = [this](int index) {
            showPictureMenu(index);
        };
        hooks.keepLabelWord = [this](int index, const QString& word) {
            labelCommands().keepLabelWord(index, word);
        };
        m_layoutCommands = std::make_unique<LayoutCommands>(windowPart(), std::move(hooks));
    }
    return *m_layoutCommands;
}

} // namespace ferlo
