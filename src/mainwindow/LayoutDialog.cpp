#include "mainwindow/LayoutDialog.h"

#include "mainwindow/LayoutDialogParts.h"
#include "mainwindow/PlanPreview.h"

#include "dialogs/ScreenFit.h"
#include "layout/CardModel.h"
#include "printing/CardPage.h"
#include "printing/PlanPainter.h"
#include "printing/job/PrintJob.h"
#include "storage/Errors.h"
#include "storage/SheetTemplates.h"
#include "storage/TranslatedText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPageLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace ferlo {

using namespace layoutdialog;

LayoutDialog::LayoutDialog(const CardModel& card, QWidget* parent, int dealtPictures)
    : QDialog(parent)
    , m_dealt(dealtPictures) {
    const bool dealing = m_dealt >= 0;
    setObjectName(dealing ? QStringLiteral("RelayoutDialog") : QStringLiteral("LayoutDialog"));
    setWindowTitle(dealing ? tr("Change Layout of All Cards") : tr("Layout"));
    auto* main = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    main->addLayout(top);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("layoutKind"));
    m_tabs->addTab(makeCountPage(card), tr("&Pictures per page"));
    m_tabs->addTab(makeGridPage(), tr("&Grid"));
    m_tabs->addTab(makePresetPage(), tr("P&resets"));
    m_tabs->addTab(makeSheetPage(), tr("&Sheets"));
    top->addWidget(m_tabs, 1);
    m_preview = new PlanPreview(this);
    top->addWidget(m_preview);

    main->addLayout(makeSwitches());

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("layoutProblem"));
    m_problem->setWordWrap(true);
    m_problem->setTextFormat(Qt::PlainText);
    QPalette warning = m_problem->palette();
    warning.setColor(QPalette::WindowText, QColor(0xb0, 0x00, 0x20));
    m_problem->setPalette(warning);
    main->addWidget(m_problem);
    if (dealing) {
        m_outcome = new QLabel(this);
        m_outcome->setObjectName(QStringLiteral("RelayoutOutcome"));
        m_outcome->setTextFormat(Qt::PlainText);
        main->addWidget(m_outcome);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    main->addWidget(buttons);

    showLayout(card.layout());

    connectChoices();
    choiceChanged();
    // Designed at 820 x 500, as far as the screen holds it.
    fitDialogInRoom(this, QSize(820, 500));
}

LayoutDialog::~LayoutDialog() = default;

// The switches of a grid's or a sheet's cards.
QLayout* LayoutDialog::makeSwitches() {
    auto* switches = new QHBoxLayout;
    m_fill = new QCheckBox(tr("&Fill: crop pictures to fill their cards"), this);
    m_fill->setObjectName(QStringLiteral("fillBox"));
    m_bleed = lengthBox(this, "bleedBox", MaxBleedMm);
    m_bleed->setDecimals(1);
    m_outlines = new QCheckBox(tr("&Outlines"), this);
    m_outlines->setObjectName(QStringLiteral("outlinesBox"));
    switches->addWidget(m_fill);
    switches->addSpacing(12);
    switches->addWidget(buddyLabel(tr("&Bleed:"), m_bleed));
    switches->addWidget(m_bleed);
    switches->addSpacing(12);
    switches->addWidget(m_outlines);
    switches->addStretch(1);
    return switches;
}

// Shows the card's own layout: its switches, and its tab with its grid, preset or sheet chosen.
void LayoutDialog::showLayout(const CardLayout& layout) {
    m_fill->setChecked(layout.Fill);
    m_bleed->setValue(layout.Bleed);
    m_outlines->setChecked(layout.Outlines);
    setGrid(layout.kind == CardLayout::Kind::Grid ? layout.Grid : defaultGrid());
    if (layout.kind == CardLayout::Kind::Grid) {
        const auto preset = FindPreset(layout.Name);
        if (!layout.Name.empty() && preset && preset->Grid == layout.Grid) {
            m_tabs->setCurrentIndex(PresetTab);
            const QModelIndexList items = m_presets->model()->match(
                m_presets->model()->index(0, 0), Qt::UserRole, QString::fromStdString(preset->Name),
                1, Qt::MatchExactly);
            if (!items.isEmpty())
                m_presets->setCurrentRow(items.first().row());
        } else {
            m_tabs->setCurrentIndex(GridTab);
        }
    } else if (layout.kind == CardLayout::Kind::Sheet) {
        m_tabs->setCurrentIndex(SheetTab);
        m_search->setText(QString::fromStdString(layout.Name));
        if (m_sheets->count() > 0)
            m_sheets->setCurrentRow(0);
    }
}

// Every choice shows its outcome as it changes.
void LayoutDialog::connectChoices() {
    const auto changed = [this] {
        choiceChanged();
    };
    connect(m_tabs, &QTabWidget::currentChanged, this, changed);
    for (QSpinBox* box : {m_columns, m_rows})
        connect(box, &QSpinBox::valueChanged, this, changed);
    for (QDoubleSpinBox* box : {m_paperWidth, m_paperHeight, m_cardWidth, m_cardHeight, m_gapX,
                                m_gapY, m_margin, m_bleed})
        connect(box, &QDoubleSpinBox::valueChanged, this, changed);
    for (QComboBox* box : {m_count, m_orientation})
        connect(box, &QComboBox::currentIndexChanged, this, changed);
    connect(m_paper, &QComboBox::currentIndexChanged, this, [this] {
        const auto named = NamedPaper(m_paper->currentText().toStdString());
        m_paperWidth->setEnabled(!named);
        m_paperHeight->setEnabled(!named);
        if (named) {
            m_paperWidth->setValue(named->Width / unitMm());
            m_paperHeight->setValue(named->Height / unitMm());
        }
        choiceChanged();
    });
    connect(m_unit, &QComboBox::currentIndexChanged, this, [this](int index) { setUnit(index); });
    connect(m_sized, &QRadioButton::toggled, this, changed);
    for (QListWidget* list : {m_presets, m_sheets})
        connect(list, &QListWidget::currentRowChanged, this, changed);
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        findSheets(text);
        choiceChanged();
    });
    for (QCheckBox* box : {m_fill, m_outlines})
        connect(box, &QCheckBox::toggled, this, changed);
}

double LayoutDialog::unitMm() const {
    return m_unitShown == Inches ? MillimetresPerInch : 1.0;
}

void LayoutDialog::setUnit(int index) {
    const GridSpec shown = grid(); // in millimetres, read in the old unit
    m_unitShown = index;
    const QString suffix = index == Inches ? inches() : millimetres();
    for (QDoubleSpinBox* box :
         {m_paperWidth, m_paperHeight, m_cardWidth, m_cardHeight, m_gapX, m_gapY, m_margin})
        box->setSuffix(suffix);
    setGrid(shown);
}

void LayoutDialog::setGrid(const GridSpec& grid) {
    const double unit = unitMm();
    m_columns->setValue(grid.Columns);
    m_rows->setValue(grid.Rows);
    const int named =
        grid.Paper.Name.empty()
            ? -1
            : m_paper->findText(QString::fromStdString(
                  NamedPaper(grid.Paper.Name).value_or(PaperSize{grid.Paper.Name}).Name));
    m_paper->setCurrentIndex(named >= 0 ? named : m_paper->count() - 1);
    m_paperWidth->setEnabled(named < 0);
    m_paperHeight->setEnabled(named < 0);
    m_paperWidth->setValue(grid.Paper.Width / unit);
    m_paperHeight->setValue(grid.Paper.Height / unit);
    m_orientation->setCurrentIndex(grid.Landscape ? 1 : 0);
    const bool sized = grid.CardWidth > 0 || grid.CardHeight > 0;
    (sized ? m_sized : m_even)->setChecked(true);
    m_cardWidth->setValue(sized ? grid.CardWidth / unit : 50 / unit);
    m_cardHeight->setValue(sized ? grid.CardHeight / unit : 50 / unit);
    m_gapX->setValue(grid.GapX / unit);
    m_gapY->setValue(grid.GapY / unit);
    m_margin->setValue(grid.Margin / unit);
}

GridSpec LayoutDialog::grid() const {
    const double unit = unitMm();
    GridSpec grid;
    grid.Columns = m_columns->value();
    grid.Rows = m_rows->value();
    if (const auto named = NamedPaper(m_paper->currentText().toStdString()))
        grid.Paper = *named;
    else
        grid.Paper = PaperSize{"", m_paperWidth->value() * unit, m_paperHeight->value() * unit};
    grid.Landscape = m_orientation->currentIndex() == 1;
    if (m_sized->isChecked()) {
        grid.CardWidth = m_cardWidth->value() * unit;
        grid.CardHeight = m_cardHeight->value() * unit;
        grid.GapX = m_gapX->value() * unit;
        grid.GapY = m_gapY->value() * unit;
    } else {
        grid.Margin = m_margin->value() * unit;
    }
    return grid;
}

bool LayoutDialog::portrait() const {
    return m_portrait && m_portrait->isChecked();
}

LayoutChoice LayoutDialog::choice() const {
    LayoutChoice chosen;
    CardLayout& layout = chosen.layout;
    switch (m_tabs->currentIndex()) {
    case CountTab:
        layout.setCells(m_count->currentData().toInt());
        return chosen;
    case GridTab:
        layout.kind = CardLayout::Kind::Grid;
        layout.Grid = grid();
        break;
    case PresetTab: {
        const auto preset =
            FindPreset(m_presets->currentItem()
                           ? m_presets->currentItem()->data(Qt::UserRole).toString().toStdString()
                           : std::string());
        if (!preset) {
            chosen.problem = tr("Choose a preset.");
            return chosen;
        }
        layout.kind = CardLayout::Kind::Grid;
        layout.Grid = preset->Grid;
        layout.Name = preset->Name;
        break;
    }
    default: {
        const SheetCatalogue& catalogue = installedSheets();
        if (!catalogue.Missing.isEmpty()) {
            chosen.problem = catalogue.Missing;
            return chosen;
        }
        if (!m_sheets->currentItem()) {
            chosen.problem = tr("Choose a sheet.");
            return chosen;
        }
        const SheetTemplate& sheet =
            sheetNamed(catalogue, m_sheets->currentItem()->data(Qt::UserRole).toString());
        layout.kind = CardLayout::Kind::Sheet;
        layout.Name = sheet.name();
        layout.setCells(int(sheet.Labels.size()));
        break;
    }
    }
    layout.Fill = m_fill->isChecked();
    layout.Bleed = m_bleed->value();
    layout.Outlines = m_outlines->isChecked();
    if (layout.kind == CardLayout::Kind::Grid) {
        const PlanResult plan = PlanGrid(layout.Grid);
        chosen.problem = translatedText(plan.Problem);
    }
    return chosen;
}

void LayoutDialog::choiceChanged() {
    const LayoutChoice chosen = choice();
    const bool counted = m_tabs->currentIndex() == CountTab;
    for (QWidget* control : std::initializer_list<QWidget*>{m_fill, m_bleed, m_outlines})
        control->setEnabled(!counted);
    const bool sized = m_sized->isChecked();
    for (QWidget* control :
         std::initializer_list<QWidget*>{m_cardWidth, m_cardHeight, m_gapX, m_gapY})
        control->setEnabled(sized);
    m_margin->setEnabled(!sized);
    m_problem->setText(chosen.problem);
    m_ok->setEnabled(chosen.problem.isEmpty());
    if (m_outcome) {
        const int cards = m_dealt == 0 || chosen.cells() < 1
                              ? 1
                              : (m_dealt + chosen.cells() - 1) / chosen.cells();
        m_outcome->setText(
            chosen.problem.isEmpty()
                ? tr("The deck's %1 in order, with their words: %2.")
                      .arg(m_dealt == 1 ? tr("1 picture") : tr("%1 pictures").arg(m_dealt),
                           cards == 1 ? tr("1 card") : tr("%1 cards").arg(cards))
                : QString());
    }
    if (counted) {
        m_preview->show(std::nullopt,
                        tr("%1 per page, as the toolbar lays it out").arg(chosen.cells()));
        return;
    }
    std::optional<PagePlan> plan;
    try {
        if (chosen.problem.isEmpty())
            plan = planLayout(chosen.layout);
    } catch (...) {
        m_problem->setText(errorMessage(std::current_exception()));
        m_ok->setEnabled(false);
    }
    m_preview->show(plan, m_problem->text());
}

} // namespace ferlo
