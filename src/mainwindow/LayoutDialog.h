#pragma once

#include "layout/CardLayout.h"

#include <QDialog>
#include <QString>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace ferlo {

class CardModel;
class PlanPreview;

// What Card > Layout ... chose: one of the five counts, or a grid, a preset or a sheet;
// `problem` says why it cannot be used (the grid does not fit its paper, no sheet chosen), empty
// when it can.
struct LayoutChoice {
    CardLayout layout;
    QString problem;
    int cells() const { return layout.cells(); }
};

// Card > Layout ...: the five counts, a grid (columns and rows, its paper and orientation, the
// cards' size and gaps or the page divided evenly inside margins), the presets, and the
// installed sheets found by brand, part number or description; the switches Fill, Bleed and
// Outlines; and a preview of the page. OK is offered only for a layout that can be used.
class LayoutDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the card's own layout. With `dealtPictures` (0 or more) it is Card > Change
    // Layout of All Cards: the count tab also asks the orientation, and the dialog says how many
    // cards the deck's pictures make, dealt onto the choice.
    LayoutDialog(const CardModel& card, QWidget* parent = nullptr, int dealtPictures = -1);
    ~LayoutDialog() override;

    LayoutChoice choice() const;
    // The orientation chosen for one of the five counts, when asked.
    bool portrait() const;

private:
    QWidget* makeCountPage(const CardModel& card);
    QWidget* makeGridPage();
    QWidget* makePresetPage();
    QWidget* makeSheetPage();
    QLayout* makeSwitches();
    void showLayout(const CardLayout& layout);
    void connectChoices();
    // The grid tab's lengths are shown in this many millimetres per unit.
    double unitMm() const;
    void setUnit(int index);
    void setGrid(const GridSpec& grid);
    GridSpec grid() const;
    void findSheets(const QString& text);
    // Shows the choice's page and whether it can be used.
    void choiceChanged();

    QTabWidget* m_tabs = nullptr;
    QComboBox* m_count = nullptr;
    QSpinBox* m_columns = nullptr;
    QSpinBox* m_rows = nullptr;
    QComboBox* m_paper = nullptr;
    QDoubleSpinBox* m_paperWidth = nullptr;
    QDoubleSpinBox* m_paperHeight = nullptr;
    QComboBox* m_unit = nullptr;
    int m_unitShown = 0;
    QComboBox* m_orientation = nullptr;
    QRadioButton* m_sized = nullptr;
    QRadioButton* m_even = nullptr;
    QDoubleSpinBox* m_cardWidth = nullptr;
    QDoubleSpinBox* m_cardHeight = nullptr;
    QDoubleSpinBox* m_gapX = nullptr;
    QDoubleSpinBox* m_gapY = nullptr;
    QDoubleSpinBox* m_margin = nullptr;
    QListWidget* m_presets = nullptr;
    QLineEdit* m_search = nullptr;
    QListWidget* m_sheets = nullptr;
    QLabel* m_sheetNote = nullptr;
    QCheckBox* m_fill = nullptr;
    QDoubleSpinBox* m_bleed = nullptr;
    QCheckBox* m_outlines = nullptr;
    QLabel* m_problem = nullptr;
    PlanPreview* m_preview = nullptr;
    QPushButton* m_ok = nullptr;
    int m_dealt = -1;
    QRadioButton* m_portrait = nullptr;
    QLabel* m_outcome = nullptr;
};

} // namespace ferlo
