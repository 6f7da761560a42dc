#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
#include "mainwindow/ArrangeCommands.h"
#include "mainwindow/CardView.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/LayoutDialog.h"
#include "mainwindow/LayoutPanel.h"
#include "pictures/PictureDecoder.h"
#include "printing/CardPage.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/SheetTemplates.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QFrame>

// Grids and sheets in the window: Card > Layout ..., and the panel that shows such a card in
// place of the card of the five counts. The cells, clicks, sounds and the label editor are the
// window's own; only where a cell is drawn differs.

namespace ferlo {

void TFerloMainForm::chooseLayout() {
    LayoutDialog dialog(model(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    applyLayoutChoice(dialog.choice());
}

void TFerloMainForm::applyLayoutChoice(const LayoutChoice& choice) {
    if (!choice.problem.isEmpty())
        throw Error(choice.problem);
    const DeckCard before = m_deck.currentCard();
    CardModel next(before);
    const bool count = choice.layout.kind == CardLayout::Kind::Count;
    if (count ? !next.setCount(choice.cells()) : !next.setLayout(choice.layout))
        return;
    DeckCard shaped = next.stored();
    // A new arrangement takes the card's pictures, with their words and recordings, in order
    // as far as its cells go; a change of Fill, Bleed or Outlines keeps them where they are.
    int dropped = 0;
    if (shaped.cells.empty()) {
        for (const auto& cell : before.cells) {
            if (!cell)
                continue;
            if (int(shaped.cells.size()) < shaped.perPage())
                shaped.cells.push_back(cell);
            else
                ++dropped;
        }
    }
    Deck deck = m_deck.deck();
    deck.cards[size_t(m_deck.current())] = shaped;
    // The step of the history by the layout's name: "Layout Avery 5371", "Layout A6",
    // "Layout 3 × 4 grid"; a count's by what changed.
    QString name;
    if (!count) {
        const GridSpec& grid = choice.layout.Grid;
        //: A step of the undo history: the layout's name, or a grid's size.
        name =
            tr("Layout %1")
                .arg(choice.layout.Name.empty()
                         ? tr("%1 × %2 grid").arg(grid.Columns).arg(grid.Rows)
                         : QCoreApplication::translate("GridPresets", choice.layout.Name.c_str()));
    }
    changeDeck(deck, m_deck.current(), name);
    if (dropped > 0)
        showStatus(tr("Pictures that did not fit on the new layout: %1 (Undo brings them back)")
                       .arg(dropped));
}

LayoutPanel* TFerloMainForm::layoutPanel() {
    if (m_layoutPanel)
        return m_layoutPanel;
    m_layoutPanel = new LayoutPanel(PACardBase);
    m_layoutPanel->hide();
    connect(m_layoutPanel, &LayoutPanel::pressed, this,
            [this](int i, Qt::MouseButton button) { pressCell(i, button); });
    connect(m_layoutPanel, &LayoutPanel::dragRequested, this,
            [this](int index) { runGuarded(this, [&] { arrangeCommands().dragPicture(index); }); });
    connect(m_layoutPanel, &LayoutPanel::editRequested, this,
            [this](int index) { runGuarded(this, [&] { editLabel(index); }); });
    connect(m_layoutPanel, &LayoutPanel::menuRequested, this,
            [this](int index) { showPictureMenu(index); });
    LabelEditor* editor = m_layoutPanel->editor();
    connect(editor, &LabelEditor::cardDoubleClicked, this, [this](QPoint at) {
        const int index = m_layoutPanel->bandAt(at);
        if (index >= 0)
            runGuarded(this, [&] { editLabel(index); });
    });
    connect(editor, &LabelEditor::kept, this, [this](int index, const QString& word) {
        runGuarded(this, [&] { labelCommands().keepLabelWord(index, word); });
        render();
    });
    return m_layoutPanel;
}

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

void TFerloMainForm::tellMissingSheets() {
    QStringList missing;
    for (size_t i = 0; i < m_deck.deck().cards.size(); ++i) {
        const CardLayout& layout = m_deck.deck().cards[i].layout;
        if (layout.kind != CardLayout::Kind::Sheet)
            continue;
        try {
            sheetNamed(installedSheets(), QString::fromStdString(layout.Name));
        } catch (...) {
            missing << tr("Card %1: %2")
                           .arg(QString::number(i + 1), errorMessage(std::current_exception()));
        }
    }
    if (!missing.isEmpty())
        showError(this, tr("The deck %1 uses sheets that are not installed. Their "
                           "cards keep their pictures and are saved as they are, "
                           "but cannot be shown or printed here.\n%2")
                            .arg(displayName(pathFromModel(m_deck.path())),
                                 missing.join(QLatin1Char('\n'))));
}

} // namespace ferlo
