#include "mainwindow/FerloMainForm.h"

#include "mainwindow/CardPictures.h"
#include "mainwindow/CardView.h"
#include "mainwindow/LabelCommands.h"
#include "mainwindow/LayoutCommands.h"
#include "mainwindow/LayoutPanel.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/ShapeCommands.h"
#include "pictures/PictureDecoder.h"
#include "printing/CardPage.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QFrame>
#include <QLabel>

// The two card panels behind one interface: the card of the five counts, drawn by the window's
// own controls, and a grid's or a sheet's page on the LayoutPanel.

namespace ferlo {

class TFerloMainForm::CountView : public CardView {
public:
    explicit CountView(TFerloMainForm& form)
        : m_form(form) {}

    void showPicture(int index) override { m_form.cardPictures().display_picture(index); }
    QStringList showPictures(bool throwErrors, bool serveEvents) override {
        return m_form.cardPictures().fitCardPictures(throwErrors, serveEvents);
    }
    void refresh() override {}
    void render() override {
        m_form.labelCommands().Display_All_Labels();
        m_form.shapeCommands().showCutLines();
    }
    void redrawWordCards() override {
        for (int i = 0; i < int(m_form.cells().size()); ++i)
            if (m_form.cells()[size_t(i)].WordCard)
                m_form.cardPictures().display_picture(i);
    }
    void showLabel(int index) override { m_form.labelCommands().Display_Label(index); }
    void editLabel(int index) override { m_form.labelCommands().openCardEditor(index); }
    int cellAt(QPoint inBase) override {
        const QPoint onCard = m_form.PACard->mapFrom(m_form.PACardBase, inBase);
        for (int i = 0; i < int(m_form.cells().size()); ++i) {
            const CardPoint origin = m_form.card().CellOrigin(i);
            if (QRect(origin.X, origin.Y, m_form.card().CellWidth, m_form.card().CellHeight)
                    .contains(onCard))
                return i;
        }
        return -1;
    }
    QPoint cellOrigin(int index) override {
        const CardPoint origin = m_form.card().CellOrigin(index);
        return {origin.X, origin.Y};
    }
    int focusedCell() override {
        for (int i = 0; i < int(m_form.cells().size()) && i < int(m_form.CellImages.size()); ++i) {
            if (m_form.CellImages[size_t(i)]->hasFocus())
                return i;
        }
        return -1;
    }
    void focusCell(int index) override {
        m_form.CellImages[size_t(index)]->setFocus(Qt::OtherFocusReason);
    }
    QWidget* dragSource(int index) override { return m_form.CellImages[size_t(index)]; }
    QImage dragImage(int index) override { return m_form.CellImages[size_t(index)]->picture(); }
    QPoint menuPoint(int index) override {
        PictureControl* control = m_form.CellImages[size_t(index)];
        return control->mapToGlobal(control->rect().center());
    }
    void setShown(bool shown) override { m_form.PACard->setVisible(shown); }
    QWidget* surface() override { return m_form.PACard; }
    Shape shape() override { return {m_form.model().count(), true, m_form.model().portrait()}; }

private:
    TFerloMainForm& m_form;
};

class TFerloMainForm::LayoutView : public CardView {
public:
    explicit LayoutView(TFerloMainForm& form)
        : m_form(form) {}

    void refresh() override { panel()->showCard(m_form.model(), m_form.PACardBase->size()); }
    void render() override {}
    void redrawWordCards() override {}
    void showPicture(int index) override {
        refresh();
        // A picture that cannot be read is named as on the five counts; its card stays blank.
        if (!m_form.cells()[size_t(index)].Symbol)
            readPictureSize(pathFromModel(m_form.cells()[size_t(index)].FileName));
    }
    QStringList showPictures(bool, bool) override {
        refresh();
        return {};
    }
    void showLabel(int) override { refresh(); }
    void editLabel(int index) override {
        const auto& cells = m_form.cells();
        if (!m_form.model().labelsOn() || index < 0 || index >= int(cells.size()) ||
            !cells[size_t(index)].filled())
            return;
        panel()->editLabel(index, displayName(pathFromModel(m_form.model().labelWord(index))));
    }
    int cellAt(QPoint inBase) override {
        return panel()->cellAt(panel()->mapFrom(m_form.PACardBase, inBase));
    }
    QPoint cellOrigin(int index) override { return panel()->pictureRect(index).topLeft(); }
    int focusedCell() override { return panel()->hasFocus() ? panel()->focusedCell() : -1; }
    void focusCell(int index) override { panel()->setFocusedCell(index); }
    QWidget* dragSource(int) override { return panel(); }
    QImage dragImage(int index) override {
        return panel()->grab(panel()->pictureRect(index)).toImage();
    }
    QPoint menuPoint(int index) override {
        return panel()->mapToGlobal(panel()->pictureRect(index).center());
    }
    void setShown(bool shown) override { panel()->setVisible(shown); }
    QWidget* surface() override { return m_form.PACardBase; }
    Shape shape() override {
        // The buttons show the orientation of the page shown: a grid's or a sheet's own paper.
        Shape shown{0, false, m_form.model().portrait()};
        try {
            const PagePlan plan = planLayout(m_form.model().layout());
            shown.portrait = plan.PaperWidth <= plan.PaperHeight;
        } catch (...) {
            // A sheet that is not installed: the panel says so.
        }
        return shown;
    }

private:
    LayoutPanel* panel() { return m_form.layoutCommands().layoutPanel(); }
    TFerloMainForm& m_form;
};

CardView& TFerloMainForm::view() {
    if (!m_countView) {
        m_countView = std::make_unique<CountView>(*this);
        m_layoutView = std::make_unique<LayoutView>(*this);
    }
    // The one place that asks which panel the card needs.
    if (model().layout().kind != CardLayout::Kind::Count)
        return *m_layoutView;
    return *m_countView;
}

} // namespace ferlo
