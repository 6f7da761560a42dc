#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
#include "mainwindow/CardPictures.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckCommands.h"
#include "mainwindow/PrintCommands.h"
#include "mainwindow/Recovery.h"
#include "mainwindow/ShapeCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFrame>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QUrl>

namespace ferlo {

// ---------------------------------------------------------------------------------------------
// Start-up, the window's events and closing it

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

    shapeCommands().showSelectCaption();
    shapeCommands().SetOrientation();
    shapeCommands().ToggleCutLines();
    shapeCommands().noteOpening();
    printCommands().renderWordBacks();
}

bool TFerloMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ClientArea && event->type() == QEvent::Resize) {
        layoutClientArea(ClientArea->size());
        shapeCommands().fitCardToBase();
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
