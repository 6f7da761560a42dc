#pragma once

#include "layout/Card.h"
#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <string>

class QAction;
class QLabel;
class QPushButton;
class QWidget;

namespace ferlo {

class CardModel;
class CardView;
class CommandRegistry;
class DeckSession;
class LabelEditor;
struct TRect;

// The labels under the pictures, a part of the main window: their words laid out in their bands
// at the largest size that fits, the labels switch and the case, and editing a word in place.
// The label controls on the card of the five counts are its own; a grid's or a sheet's panel
// draws its labels itself, which this part reaches through the card's view.
class LabelCommands : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the other parts of the window.
    struct Hooks {
        // Fits every picture of the card anew (the labels switch changes the picture areas).
        std::function<void()> displayAllPictures;
        // A push button of the toolbar, named `name`, `width` wide.
        std::function<QPushButton*(const QString& name, const QString& caption, int width)>
            toolPushButton;
    };
    LabelCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks);
    LabelCommands(const LabelCommands&) = delete;
    LabelCommands& operator=(const LabelCommands&) = delete;

    // The controls: the measuring label (hidden, behind the card base), a cell's label on the
    // card (made after the cell's picture control, so that it lies above it), the label editor
    // on the card, and the labels switch and the case buttons on the toolbar.
    void createTestLabel(QWidget* parent);
    void createCellLabel(int index, QWidget* card);
    void createEditor(QWidget* onCard);
    void createLabelButtons();
    // The labels switch and the case buttons as the model says.
    void renderSwitches();

    void Display_Label(int index);
    // The label editor: opened on a cell's label (labels on, a picture placed), on either panel;
    // openCardEditor, on the card of the five counts.
    void editLabel(int index);
    void openCardEditor(int index);
    void keepLabelWord(int index, const QString& word);
    // Lays out every filled cell's label for the card as it is now.
    void Display_All_Labels();
    // Shows or hides the labels as the model says: each filled cell's label laid out in its
    // band, in the card's case, shown when labels are on and its word is not blank.
    void ToggleLabels();
    // F2: the label of the picture that has the keyboard focus.
    void editFocusedLabel();

    // A cell emptied on screen: its label control too.
    void clearLabel(int index);
    // A new picture in a cell: its label may show again.
    void releaseLabel(int index);
    // A picture that cannot be shown: its label is not shown until the cell changes, another
    // card comes on screen or a case is chosen.
    void withholdLabel(int index);

private:
    void PBToggleLabelsClick();
    // Sets a label's word, band and the largest font size at which the word fits the band.
    void layOutLabel(QLabel* label, const QString& text, const TRect& band);

    const TCard& card() const;
    void Display_All_Pictures() { m_hooks.displayAllPictures(); }

    Hooks m_hooks;

    std::array<QLabel*, 8> CellLabels{};
    LabelEditor* CellLabelEditor = nullptr;
    QLabel* TestLabel = nullptr;
    QPushButton* PBToggleLabels = nullptr;
    QAction* TBUpperLabels = nullptr;
    QAction* TBLowerLabels = nullptr;
    // What each label was last laid out for (its text, band and font size), so a render lays
    // out again only the labels that changed.
    struct ShownLabel {
        QString text;
        QRect band;
        int points = 0;
        bool operator==(const ShownLabel&) const = default;
    };
    std::array<ShownLabel, 8> m_shownLabels{};
    // The file of a cell whose picture could not be shown when it was placed: its label is not
    // shown until the cell changes, another card comes on screen or a case is chosen.
    std::array<std::string, 8> m_withheldLabels{};
};

} // namespace ferlo
