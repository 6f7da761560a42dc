#include "mainwindow/FerloMainForm.h"

#include "dialogs/Messages.h"
#include "mainwindow/DeckHistory.h"
#include "mainwindow/FileBrowser.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/LayoutDialog.h"
#include "mainwindow/LayoutPanel.h"
#include "pictures/PictureDecoder.h"
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
    LayoutDialog dialog(m_card, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    applyLayoutChoice(dialog.choice());
}

void TFerloMainForm::applyLayoutChoice(const LayoutChoice& choice) {
    if (!choice.problem.isEmpty())
        throw Error(choice.problem);
    if (choice.layout.kind == CardLayout::Kind::Count) {
        // As the count's button does.
        for (QAction* action : CountGroup->actions()) {
            if (action->data().toInt() == choice.cells && !action->isChecked()) {
                action->setChecked(true);
                TBNumPerPageClick(action);
            }
        }
        return;
    }
    if (!m_card.setLayout(choice.layout, choice.cells))
        return;
    // The step of the history by the layout's name: "Layout Avery 5371", "Layout A6",
    // "Layout 3 × 4 grid".
    const GridSpec& grid = choice.layout.Grid;
    //: A step of the undo history: the layout's name, or a grid's size.
    m_history->nameNextStep(
        tr("Layout %1")
            .arg(choice.layout.Name.empty()
                     ? tr("%1 × %2 grid").arg(grid.Columns).arg(grid.Rows)
                     : QCoreApplication::translate("GridPresets", choice.layout.Name.c_str())));
    // A new arrangement empties the card as a new count does; a change of Fill, Bleed or
    // Outlines keeps the pictures and their selection.
    showSelectCaption();
    clearShownCell(-1);
    ClearFileSelections();
    showLayoutState();
    selectCardFiles(-1);
}

LayoutPanel* TFerloMainForm::layoutPanel() {
    if (m_layoutPanel)
        return m_layoutPanel;
    m_layoutPanel = new LayoutPanel(PACardBase);
    m_layoutPanel->hide();
    connect(m_layoutPanel, &LayoutPanel::pressed, this,
            [this](int i, Qt::MouseButton button) { pressCell(i, button); });
    connect(m_layoutPanel, &LayoutPanel::dragRequested, this,
            [this](int index) { runGuarded(this, [&] { dragPicture(index); }); });
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
        runGuarded(this, [&] { keepLabelWord(index, word); });
        noteCardChanged();
    });
    return m_layoutPanel;
}

void TFerloMainForm::showLayoutState() {
    const bool layout = showsLayout();
    // No count button stands for a grid or a sheet.
    if (QAction* checked = CountGroup->checkedAction(); layout && checked) {
        CountGroup->setExclusive(false);
        checked->setChecked(false);
        CountGroup->setExclusive(true);
    }
    TBPortrait->setEnabled(!layout);
    TBLandScape->setEnabled(!layout);
    PACard->setVisible(!layout);
    layoutPanel()->setVisible(layout);
    if (!RecordPanel->isVisible())
        RecordPanel->setParent(layout ? static_cast<QWidget*>(PACardBase) : PACard);
    refreshLayoutPanel();
}

void TFerloMainForm::refreshLayoutPanel() {
    if (showsLayout())
        layoutPanel()->showCard(m_card, PACardBase->size());
}

void TFerloMainForm::showLayoutPicture(int index) {
    refreshLayoutPanel();
    // A picture that cannot be read is named as on the five counts; its card stays blank.
    readPictureSize(pathFromModel(cells()[size_t(index)].FileName));
}

void TFerloMainForm::editLayoutLabel(int index) {
    if (!m_card.labelsOn() || index < 0 || index >= int(cells().size()) ||
        cells()[size_t(index)].FileName.empty())
        return;
    layoutPanel()->editLabel(index, displayName(pathFromModel(m_card.labelWord(index))));
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
