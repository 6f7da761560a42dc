#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
#include "layout/CardGeometry.h"
#include "mainwindow/CardPictures.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckCommands.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PrintCommands.h"
#include "mainwindow/Recovery.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

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
    cardPictures().Display_All_Pictures();
}

void TFerloMainForm::fitCardToBase() {
    if (m_openingBase.isEmpty())
        return;
    if (cardPictures().placing()) {
        cardPictures().whenPicturesPlaced([this] { fitCardToBase(); });
        return;
    }
    const QSize before = PACard->size();
    SetOrientation();
    if (PACard->size() == before)
        return; // centred anew, nothing else moves
    ToggleCutLines();
    labelCommands().Display_All_Labels();
    cardPictures().fitAllPictures(false, false);
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
                    cardPictures().whenPicturesPlaced([this, paths] {
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

// ---------------------------------------------------------------------------------------------
// The card panel and the toolbar's shape buttons as the card's layout says

void TFerloMainForm::showLayoutState() {
    renderOrientation();
    // The card of the five counts first, then a grid's or a sheet's panel: the one the card
    // needs is shown, the other hidden.
    CardView& shown = view();
    for (CardView* panel : {m_countView.get(), m_layoutView.get()})
        panel->setShown(panel == &shown);
    refreshLayoutPanel();
}

void TFerloMainForm::renderOrientation() {
    const CardView::Shape shape = view().shape();
    // A count button that does not stand for the card (a grid or a sheet) is unchecked.
    if (QAction* checked = CountGroup->checkedAction();
        checked && checked->data().toInt() != shape.count) {
        CountGroup->setExclusive(false);
        checked->setChecked(false);
        CountGroup->setExclusive(true);
    }
    TBPortrait->setEnabled(shape.orientable);
    TBLandScape->setEnabled(shape.orientable);
    (shape.portrait ? TBPortrait : TBLandScape)->setChecked(true);
}

void TFerloMainForm::refreshLayoutPanel() {
    view().refresh();
}

} // namespace ferlo
