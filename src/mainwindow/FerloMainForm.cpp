#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
#include "dialogs/WaitCursor.h"
#include "layout/CardGeometry.h"
#include "layout/FitSize.h"
#include "mainwindow/ActivityCommands.h"
#include "mainwindow/ArrangeCommands.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckCommands.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/PrintCommands.h"
#include "mainwindow/Recovery.h"
#include "mainwindow/SoundCommands.h"
#include "mainwindow/SymbolCommands.h"
#include "mainwindow/SymbolPictures.h"
#include "pictures/PictureCache.h"
#include "pictures/Workers.h"
#include "printing/CardPage.h"
#include "sound/SoundFile.h"
#include "sound/SoundPlayer.h"
#include "sound/Speech.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/SpeechOption.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStatusBar>
#include <QUrl>
#include <QtMath>

#include <vector>

namespace ferlo {

// ---------------------------------------------------------------------------------------------
// Start-up and the commands that change the shape of the card

void TFerloMainForm::FormCreate() {
    move(0, 0);

    const int screenWidth = QGuiApplication::primaryScreen()->geometry().width();
    QSize designed(kDesignedClientWidth, kDesignedClientHeight + menuBar()->sizeHint().height());
    if (screenWidth > 800) {
        m_deck.setScreenScale(1024 / 800.0);
        designed = QSize(1024, 768);
    }
    // The card base takes its size now, so that the card is centred in it. (A window that is
    // not used, on a narrow screen, keeps the designed size.)
    openAt(designed, screenWidth >= 800);
    if (screenWidth < 800) {
        showError(this, tr("This application requires a screen resolution of 800x600 or higher."));
        m_terminateRequested = true;
        QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }

    createCells();

    showSelectCaption();
    SetOrientation();
    ToggleCutLines();
    m_openingBase = PACardBase->size();
    m_openingScale = card().ScreenScale;
    printCommands().renderWordBacks();
}

void TFerloMainForm::showSelectCaption() {
    const int count = model().count();
    LABSelect->setText(count == 1 ? tr("Select A Picture")
                                  : tr("Select up to %1 Pictures").arg(count));
    LABSelect->adjustSize();
}

void TFerloMainForm::TBNumPerPageClick(int count) {
    // A new count empties the card.
    if (!m_deck.edit([count](CardModel& card) { return card.setCount(count); }))
        return;
    showSelectCaption();
    clearShownCell(-1);
    showLayoutState();
    ToggleCutLines();
}

void TFerloMainForm::SetOrientation() {
    // Once the window is open, the card takes the largest size that its base holds with the
    // opening's margins (the opening size at the opening base). A base that does not hold it
    // (the card strip took part of it) shows it smaller, whole.
    if (!m_openingBase.isEmpty()) {
        const double scale =
            ScreenScaleForBase(model().portrait(), m_openingScale, m_openingBase.width(),
                               m_openingBase.height(), PACardBase->width(), PACardBase->height());
        m_deck.setScreenScale(ScreenScaleInBase(model().portrait(), scale, PACardBase->width(),
                                                PACardBase->height()));
    }
    PACard->resize(card().CardWidth, card().CardHeight);
    const int top = (PACardBase->height() - PACard->height()) / 2;
    const int left = (PACardBase->width() - PACard->width()) / 2;
    PACard->move(left, top);
    refreshLayoutPanel();
}

void TFerloMainForm::TBOrientationClick(bool portrait) {
    if (!m_deck.edit([&](CardModel& card) { return card.setOrientation(portrait); }))
        return;
    SetOrientation();
    ToggleCutLines();
    labelCommands().Display_All_Labels();
    Display_All_Pictures();
}

void TFerloMainForm::fitCardToBase() {
    if (m_openingBase.isEmpty())
        return;
    if (m_picturePasses > 0) {
        whenPicturesPlaced([this] { fitCardToBase(); });
        return;
    }
    const QSize before = PACard->size();
    SetOrientation();
    if (PACard->size() == before)
        return; // centred anew, nothing else moves
    ToggleCutLines();
    labelCommands().Display_All_Labels();
    fitAllPictures(false, false);
}

bool TFerloMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ClientArea && event->type() == QEvent::Resize) {
        layoutClientArea(ClientArea->size());
        fitCardToBase();
    } else if (watched == PACardBase) {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasUrls())
                drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            QStringList paths;
            for (const QUrl& url : drop->mimeData()->urls())
                paths << (url.isLocalFile() ? url.toLocalFile() : url.toDisplayString());
            drop->acceptProposedAction();
            // The drop returns to the file manager at once; the pictures are placed after it.
            QMetaObject::invokeMethod(
                this,
                [this, paths] {
                    whenPicturesPlaced([this, paths] {
                        runGuarded(this, [&] { openFiles(paths); });
                        render();
                    });
                },
                Qt::QueuedConnection);
            return true;
        }
        default:
            break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFerloMainForm::closeEvent(QCloseEvent* event) {
    bool close = m_closeConfirmed;
    if (!close)
        runGuarded(this, [&] { close = deckCommands().maybeSaveChanges(); });
    m_closeConfirmed = close;
    if (close && m_recovery)
        m_recovery->drop(); // saved or discarded: the copy goes with the deck
    if (close)
        event->accept();
    else
        event->ignore();
}

// ---------------------------------------------------------------------------------------------
// Cut lines

void TFerloMainForm::ToggleCutLines() {
    refreshLayoutPanel();
    showCutLines();
}

void TFerloMainForm::showCutLines() {
    for (TLine* line : CutLines)
        line->hide();
    if (!model().cutLinesOn()) {
        TBCutLines->setToolTip(tr("Turn Cutlines On"));
        return;
    }
    TBCutLines->setToolTip(tr("Turn Cutlines Off"));
    const auto segments =
        ScreenCutLines(model().count(), model().portrait(), PACard->width(), PACard->height());
    for (size_t k = 0; k < segments.size() && k < CutLines.size(); ++k) {
        CutLines[k]->SetPoints(QPoint(segments[k].First.X, segments[k].First.Y),
                               QPoint(segments[k].Second.X, segments[k].Second.Y));
        CutLines[k]->raise();
        CutLines[k]->show();
    }
}

WindowPart TFerloMainForm::windowPart() {
    WindowPart part;
    part.window = this;
    part.deck = &m_deck;
    part.runCommand = [this](const std::function<void()>& handler) {
        runCommand(handler);
    };
    part.whenPicturesPlaced = [this](std::function<void()> action) {
        whenPicturesPlaced(std::move(action));
    };
    part.showStatus = [this](const QString& text) {
        showStatus(text);
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
            tellMissingSheets();
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
            tellMissingSheets();
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
        hooks.view = [this]() -> CardView& {
            return view();
        };
        hooks.changeDeck = [this](const Deck& deck, int current, const QString& name) {
            changeDeck(deck, current, name);
        };
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
            whenPicturesPlaced([this] {
                const QSize before = PACard->size();
                SetOrientation();
                if (PACard->size() == before)
                    return;
                ToggleCutLines();
                labelCommands().Display_All_Labels();
                notePartialPictures(fitAllPictures(false, true));
            });
        };
        m_arrange = std::make_unique<ArrangeCommands>(windowPart(), m_commands, std::move(hooks));
    }
    return *m_arrange;
}

LabelCommands& TFerloMainForm::labelCommands() {
    if (!m_labels) {
        LabelCommands::Hooks hooks;
        hooks.view = [this]() -> CardView& {
            return view();
        };
        hooks.displayAllPictures = [this] {
            Display_All_Pictures();
        };
        hooks.render = [this] {
            render();
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
        hooks.render = [this] {
            render();
        };
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
        hooks.view = [this]() -> CardView& {
            return view();
        };
        hooks.changeDeck = [this](const Deck& deck, int current, const QString& name) {
            changeDeck(deck, current, name);
        };
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

} // namespace ferlo
