#include "mainwindow/LayoutDialog.h"

#include "layout/CardModel.h"
#include "mainwindow/LayoutDialogParts.h"
#include "printing/job/PrintJob.h"
#include "storage/SheetTemplates.h"
#include "storage/TranslatedText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

// The tabs of Card > Layout ...: the five counts, a grid, the presets and the sheets.

namespace ferlo {

namespace layoutdialog {

QString millimetres() {
    //: The suffix of a length in millimetres, after the number (with its space).
    return LayoutDialog::tr(" mm");
}

QString inches() {
    //: The suffix of a length in inches, after the number (with its space).
    return LayoutDialog::tr(" in");
}

QDoubleSpinBox* lengthBox(QWidget* parent, const char* name, double most) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, most);
    box->setDecimals(2);
    box->setKeyboardTracking(false);
    box->setSuffix(millimetres());
    return box;
}

QLabel* buddyLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

GridSpec defaultGrid() {
    GridSpec grid;
    const QPageLayout page = programPrinter().pageLayout();
    const QSizeF size = page.pageSize().size(QPageSize::Millimeter);
    grid.Paper =
        PaperSize{"", std::min(size.width(), size.height()), std::max(size.width(), size.height())};
    for (const std::string& name : PaperNames()) {
        const auto named = NamedPaper(name);
        if (named && std::abs(named->Width - grid.Paper.Width) < 1 &&
            std::abs(named->Height - grid.Paper.Height) < 1)
            grid.Paper = *named;
    }
    const QMarginsF margins = page.margins(QPageLayout::Millimeter);
    const double widest =
        std::max({margins.left(), margins.top(), margins.right(), margins.bottom(), 0.0});
    grid.Margin = std::ceil(widest * 10 - 1e-3) / 10;
    return grid;
}

} // namespace layoutdialog

using namespace layoutdialog;

namespace {

// Controls side by side, then the rest of the row empty.
QHBoxLayout* inRow(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets)
        row->addWidget(widget);
    row->addStretch(1);
    return row;
}

QString sheetLine(const SheetTemplate& sheet) {
    //: The shape of a sheet's labels, before their size ("round 40.0 × 40.0 mm"), with its space.
    const QString shape = sheet.Shape == LabelShape::Round ? LayoutDialog::tr("round ")
                          //: The shape of a sheet's labels, before their size, with its space.
                          : sheet.Shape == LabelShape::Ellipse ? LayoutDialog::tr("elliptic ")
                                                               : QString();
    //: A sheet in the list: its name, description, labels' shape and size, labels per sheet.
    return LayoutDialog::tr("%1 — %2 (%3%4 × %5 mm, %6 per sheet)")
        .arg(QString::fromStdString(sheet.name()), QString::fromStdString(sheet.Description), shape,
             QString::number(sheet.LabelWidth, 'f', 1), QString::number(sheet.LabelHeight, 'f', 1),
             QString::number(sheet.Labels.size()));
}

} // namespace

QWidget* LayoutDialog::makeCountPage(const CardModel& card) {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    m_count = new QComboBox(page);
    m_count->setObjectName(QStringLiteral("countBox"));
    for (int count : {1, 2, 4, 6, 8})
        m_count->addItem(QString::number(count), count);
    const bool counted = card.layout().kind == CardLayout::Kind::Count;
    m_count->setCurrentIndex(std::max(0, m_count->findData(counted ? card.count() : 4)));
    form->addRow(tr("Pictures &per page:"), m_count);
    if (m_dealt >= 0) {
        m_portrait = new QRadioButton(tr("Por&trait"), page);
        m_portrait->setObjectName(QStringLiteral("RelayoutPortrait"));
        auto* wide = new QRadioButton(tr("&Landscape"), page);
        wide->setObjectName(QStringLiteral("RelayoutLandscape"));
        (card.portrait() ? m_portrait : wide)->setChecked(true);
        auto* orientation = new QVBoxLayout;
        orientation->addWidget(m_portrait);
        orientation->addWidget(wide);
        form->addRow(tr("Orientation:"), orientation);
    }
    auto* note =
        new QLabel(tr("The card fills the page, as the toolbar's buttons lay it out."), page);
    note->setWordWrap(true);
    form->addRow(note);
    return page;
}

QWidget* LayoutDialog::makeGridPage() {
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    const auto side = [page](const char* name) {
        auto* box = new QSpinBox(page);
        box->setObjectName(QLatin1String(name));
        box->setRange(1, MaxGridSide);
        box->setKeyboardTracking(false);
        return box;
    };
    m_columns = side("columnsBox");
    m_rows = side("rowsBox");
    const auto times = [page] {
        return new QLabel(QStringLiteral("×"), page);
    };
    form->addRow(buddyLabel(tr("&Columns × rows:"), m_columns),
                 inRow({m_columns, times(), m_rows}));

    m_paper = new QComboBox(page);
    m_paper->setObjectName(QStringLiteral("paperBox"));
    for (const std::string& name : PaperNames())
        m_paper->addItem(QString::fromStdString(name));
    m_paper->addItem(tr("Custom"));
    m_orientation = new QComboBox(page);
    m_orientation->setObjectName(QStringLiteral("orientationBox"));
    m_orientation->addItems({tr("Portrait"), tr("Landscape")});
    form->addRow(buddyLabel(tr("P&aper:"), m_paper), inRow({m_paper, m_orientation}));
    m_paperWidth = lengthBox(page, "paperWidthBox");
    m_paperHeight = lengthBox(page, "paperHeightBox");
    form->addRow(tr("Paper size:"), inRow({m_paperWidth, times(), m_paperHeight}));
    m_unit = new QComboBox(page);
    m_unit->setObjectName(QStringLiteral("unitBox"));
    //: The units of the lengths: millimetres, inches.
    m_unit->addItems({tr("mm"), tr("in")});
    form->addRow(buddyLabel(tr("&Unit:"), m_unit), inRow({m_unit}));

    m_sized = new QRadioButton(tr("Cards of this si&ze, centred:"), page);
    m_sized->setObjectName(QStringLiteral("sizedButton"));
    m_cardWidth = lengthBox(page, "cardWidthBox");
    m_cardHeight = lengthBox(page, "cardHeightBox");
    form->addRow(m_sized, inRow({m_cardWidth, times(), m_cardHeight}));
    m_gapX = lengthBox(page, "gapXBox");
    m_gapY = lengthBox(page, "gapYBox");
    form->addRow(tr("Gaps:"), inRow({m_gapX, new QLabel(tr("across,"), page), m_gapY,
                                     new QLabel(tr("down"), page)}));
    m_even = new QRadioButton(tr("The page &divided evenly, margins:"), page);
    m_even->setObjectName(QStringLiteral("evenButton"));
    m_margin = lengthBox(page, "marginBox", 500);
    form->addRow(m_even, m_margin);
    auto* group = new QButtonGroup(page);
    group->addButton(m_sized);
    group->addButton(m_even);
    return page;
}

QWidget* LayoutDialog::makePresetPage() {
    auto* page = new QWidget;
    auto* box = new QVBoxLayout(page);
    m_presets = new QListWidget(page);
    m_presets->setObjectName(QStringLiteral("presetList"));
    // A preset is found by the name kept with its item, whatever text the list shows.
    for (const GridPreset& preset : GridPresets()) {
        auto* item = new QListWidgetItem(
            QCoreApplication::translate("GridPresets", preset.Name.c_str()), m_presets);
        item->setData(Qt::UserRole, QString::fromStdString(preset.Name));
    }
    m_presets->setCurrentRow(0);
    box->addWidget(m_presets);
    return page;
}

QWidget* LayoutDialog::makeSheetPage() {
    auto* page = new QWidget;
    auto* box = new QVBoxLayout(page);
    m_search = new QLineEdit(page);
    m_search->setObjectName(QStringLiteral("sheetSearch"));
    m_search->setPlaceholderText(tr("Brand, part number or description"));
    m_search->setClearButtonEnabled(true);
    m_sheets = new QListWidget(page);
    m_sheets->setObjectName(QStringLiteral("sheetList"));
    m_sheets->setUniformItemSizes(true);
    m_sheetNote = new QLabel(page);
    m_sheetNote->setObjectName(QStringLiteral("sheetNote"));
    m_sheetNote->setWordWrap(true);
    m_sheetNote->setTextFormat(Qt::PlainText);
    auto* row = new QHBoxLayout;
    row->addWidget(buddyLabel(tr("&Find:"), m_search));
    row->addWidget(m_search);
    box->addLayout(row);
    box->addWidget(m_sheets, 1);
    box->addWidget(m_sheetNote);
    findSheets(QString());
    return page;
}

void LayoutDialog::findSheets(const QString& text) {
    const SheetCatalogue& catalogue = installedSheets();
    m_sheets->clear();
    if (!catalogue.Missing.isEmpty()) {
        m_sheetNote->setText(catalogue.Missing);
        return;
    }
    for (const SheetTemplate* sheet : ferlo::findSheets(catalogue, text)) {
        auto* item = new QListWidgetItem(sheetLine(*sheet), m_sheets);
        item->setData(Qt::UserRole, QString::fromStdString(sheet->name()));
    }
    m_sheetNote->setText(m_sheets->count() == 0 ? tr("No installed sheet matches \"%1\".").arg(text)
                                                : tr("%1 sheets").arg(m_sheets->count()));
    if (m_sheets->count() > 0)
        m_sheets->setCurrentRow(0);
}

} // namespace ferlo
