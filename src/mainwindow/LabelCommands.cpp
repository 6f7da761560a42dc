#include "mainwindow/LabelCommands.h"

#include "dialogs/Messages.h"
#include "layout/CardGeometry.h"
#include "layout/DeckSession.h"
#include "layout/FitSize.h"
#include "mainwindow/CardView.h"
#include "mainwindow/CommandRegistry.h"
#include "mainwindow/Glyphs.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/SymbolPictures.h"
#include "printing/LabelText.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QPushButton>

namespace ferlo {

LabelCommands::LabelCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks)
    : PartOfWindow(part, commands)
    , m_hooks(std::move(hooks)) {}

const TCard& LabelCommands::card() const {
    return m_deck.screen();
}

void LabelCommands::createTestLabel(QWidget* parent) {
    TestLabel = new QLabel(parent);
    TestLabel->setObjectName(QStringLiteral("TestLabel"));
    TestLabel->setTextFormat(Qt::PlainText);
    TestLabel->move(187, 40);
    TestLabel->hide();
}

void LabelCommands::createCellLabel(int index, QWidget* card) {
    auto* label = new QLabel(card);
    label->setObjectName(QStringLiteral("CellLabel%1").arg(index));
    // A label word is shown as it is written, never read as markup, so it is drawn as wide as
    // it was measured.
    label->setTextFormat(Qt::PlainText);
    label->hide();
    CellLabels[size_t(index)] = label;
}

void LabelCommands::createEditor(QWidget* onCard) {
    // A double click on a label's band edits the word in place.
    CellLabelEditor = new LabelEditor(onCard);
    QObject::connect(CellLabelEditor, &LabelEditor::cardDoubleClicked, m_window, [this](QPoint at) {
        for (int i = 0; i < model().count() && i < int(cells().size()); ++i) {
            const TRect band = LabelBand(card(), card().CellOrigin(i).X, card().CellOrigin(i).Y);
            if (QRect(band.Left, band.Top, band.width(), band.height()).contains(at))
                runGuarded(m_window, [&] { editLabel(i); });
        }
    });
    QObject::connect(CellLabelEditor, &LabelEditor::kept, m_window,
                     [this](int index, const QString& word) {
                         runGuarded(m_window, [&] { keepLabelWord(index, word); });
                         render();
                     });
}

void LabelCommands::createLabelButtons() {
    PBToggleLabels =
        m_hooks.toolPushButton(QStringLiteral("PBToggleLabels"), tr("&Labels Off"), 81);
    QObject::connect(PBToggleLabels, &QPushButton::clicked, m_window,
                     [this] { m_part.runCommand([this] { PBToggleLabelsClick(); }); });
    m_commands->addToolSpace();

    auto* caseGroup = new QActionGroup(m_window);
    const auto caseButton = [&](const QString& name, Glyph glyph, const QString& hint, bool upper) {
        QAction* action = m_commands->newButton(name, glyphIcon(glyph), hint, true, [this, upper] {
            m_deck.edit([upper](CardModel& card) { card.setUpperCase(upper); });
            // Every label is shown in the case chosen, those of pictures that failed too.
            m_withheldLabels.fill(std::string());
            ToggleLabels();
        });
        caseGroup->addAction(action);
        return action;
    };
    TBUpperLabels =
        caseButton(QStringLiteral("TBUpperLabels"), Glyph::UpperA, tr("Uppercase Labels"), true);
    TBLowerLabels =
        caseButton(QStringLiteral("TBLowerLabels"), Glyph::LowerA, tr("Lowercase Labels"), false);
    TBUpperLabels->setChecked(true);
    m_commands->addToolSpace();
}

void LabelCommands::renderSwitches() {
    (model().upperCase() ? TBUpperLabels : TBLowerLabels)->setChecked(true);
    const bool on = model().labelsOn();
    PBToggleLabels->setToolTip(on ? tr("Turn Labels Off") : tr("Turn Labels on"));
    TBUpperLabels->setVisible(on);
    TBLowerLabels->setVisible(on);
    PBToggleLabels->setText(on ? tr("&Labels Off") : tr("&Labels On"));
}

// ---------------------------------------------------------------------------------------------
// The labels under the pictures: their words, their size in the band, the switch and the case,
// and editing a word in place.

void LabelCommands::Display_Label(int index) {
    if (index < 0 || index >= int(cells().size()) || index >= int(CellLabels.size()))
        return;
    const TCell& cell = cells()[size_t(index)];
    QLabel* label = CellLabels[size_t(index)];
    const QString text = cellLabelText(cell, model().upperCase());
    const TRect band = LabelBand(card(), card().CellOrigin(index).X, card().CellOrigin(index).Y);
    const ShownLabel shown{text, QRect(band.Left, band.Top, band.width(), band.height()),
                           card().LabelFontSize};
    // A label laid out already for this word, band and size only follows the labels switch.
    if (shown != m_shownLabels[size_t(index)]) {
        m_shownLabels[size_t(index)] = shown;
        layOutLabel(label, text, band);
    }
    label->setVisible(model().labelsOn() && !isBlankLabel(text));
}

void LabelCommands::layOutLabel(QLabel* label, const QString& text, const TRect& band) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(qMax(1, card().LabelFontSize));
    font.setBold(true);
    label->setWordWrap(false);
    label->setText(text);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(band.Left, band.Top, band.width(), band.height());

    // The label takes the largest point size at which the shaped text fits the band: its width,
    // and the height of its line where a fallback font's letters reach higher or lower.
    QFont trial = font;
    TestLabel->setText(text);
    trial.setPointSize(LargestFittingSize(font.pointSize(), [&](int points) {
        trial.setPointSize(points);
        const ShapedLine line = measureShapedLine(trial, text, TestLabel);
        return line.width <= band.width() && line.height <= band.height();
    }));
    TestLabel->setFont(trial);
    label->setFont(trial);
}

void LabelCommands::editLabel(int index) {
    view().editLabel(index);
}

void LabelCommands::openCardEditor(int index) {
    if (!model().labelsOn() || index < 0 || index >= model().count() ||
        index >= int(cells().size()) || index >= int(CellLabels.size()) ||
        !cells()[size_t(index)].filled())
        return;
    // The editor shows the word as the user typed it (or as the file name has it): the card's
    // case applies to what is kept, so a word keeps its own case from one edit to the next.
    CellLabelEditor->open(index, CellLabels[size_t(index)],
                          displayName(pathFromModel(model().labelWord(index))));
}

void LabelCommands::editFocusedLabel() {
    if (const int index = view().focusedCell(); index >= 0)
        editLabel(index);
}

void LabelCommands::keepLabelWord(int index, const QString& word) {
    // A label is one line of plain text: control characters (a pasted line break) become
    // blanks, and blanks at the ends would only push the centred word aside. A blank word gives
    // the cell back the file name's word.
    QString kept = word;
    for (QChar& c : kept) {
        if (c.unicode() < 32 || c.unicode() == 127)
            c = QLatin1Char(' ');
    }
    kept = kept.trimmed();
    // A word too long for a label is refused, and the cell keeps the word it had.
    if (index < 0 || index >= int(cells().size()) || !cells()[size_t(index)].filled())
        return;
    if (const QString fault = labelLengthFault(kept); !fault.isEmpty())
        throw Error(
            tr("Cannot keep the label word of card %1, cell %2: %3.")
                .arg(QString::number(m_deck.current() + 1), QString::number(index + 1), fault));
    m_deck.edit([&](CardModel& card) { return card.editWord(index, kept.toStdString()); });
    ToggleLabels();
}

void LabelCommands::Display_All_Labels() {
    // Every filled cell's label is laid out for the card as it is now, a blank word's too, so
    // that the editor opens over the band of its own cell; it shows while labels are on.
    for (int i = 0; i < int(CellLabels.size()); ++i) {
        const bool filled = i < int(cells().size()) && cells()[size_t(i)].filled();
        if (filled && m_withheldLabels[size_t(i)] != cellPictureKey(cells()[size_t(i)]))
            view().showLabel(i);
        else
            CellLabels[size_t(i)]->hide();
    }
}

void LabelCommands::PBToggleLabelsClick() {
    m_deck.edit([](CardModel& card) { card.setLabels(!card.labelsOn()); });
    renderSwitches();
    // Labels follow the switch even when a picture can no longer be read: the error still
    // reaches the user, but no label stays shown while labels are off.
    try {
        Display_All_Pictures();
    } catch (...) {
        ToggleLabels();
        throw;
    }
    ToggleLabels();
}

void LabelCommands::ToggleLabels() {
    view().refresh();
    Display_All_Labels();
    // A word card shows its word in the card's case: an edit or a new case draws it again.
    view().redrawWordCards();
}

void LabelCommands::clearLabel(int index) {
    CellLabels[size_t(index)]->setText(QString());
    CellLabels[size_t(index)]->hide();
    m_shownLabels[size_t(index)] = ShownLabel();
    m_withheldLabels[size_t(index)].clear();
}

void LabelCommands::releaseLabel(int index) {
    m_withheldLabels[size_t(index)].clear();
}

void LabelCommands::withholdLabel(int index) {
    m_withheldLabels[size_t(index)] = cellPictureKey(cells()[size_t(index)]);
    CellLabels[size_t(index)]->clear();
    CellLabels[size_t(index)]->hide();
    m_shownLabels[size_t(index)] = ShownLabel();
}

} // namespace ferlo
