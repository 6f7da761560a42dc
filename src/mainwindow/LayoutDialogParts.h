#pragma once

#include "layout/CardLayout.h"

#include <QString>

class QDoubleSpinBox;
class QLabel;
class QWidget;

// The pieces the layout dialog's tabs are built of (LayoutDialogPages.cpp).

namespace ferlo::layoutdialog {

enum Tab { CountTab, GridTab, PresetTab, SheetTab };
enum Unit { Millimetres, Inches };

// The suffix of a length in each unit, after the number.
QString millimetres();
QString inches();
// A box for a length in millimetres, 0 to `most`.
QDoubleSpinBox* lengthBox(QWidget* parent, const char* name, double most = 1000);
// A row's label that gives its mnemonic's focus to a control.
QLabel* buddyLabel(const QString& text, QWidget* buddy);
// A new grid: on the paper Print and Export PDF start on (the default printer's, else the
// locale's), the page divided evenly inside the printer's printable margins, so that the outer
// cut lines print.
GridSpec defaultGrid();

} // namespace ferlo::layoutdialog
