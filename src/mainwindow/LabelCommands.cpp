#include "mainwindow/FerloMainForm.h"

#include "layout/CardGeometry.h"
#include "layout/FitSize.h"
#include "mainwindow/LabelEditor.h"
#include "printing/LabelText.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace ferlo {

// ---------------------------------------------------------------------------------------------
// The labels under the pictures: their words, their size in the band, the switch and the case,
// and editing a word in place.

void TFerloMainForm::Display_Label(int index) {
    if (showsLayout())
        return refreshLayoutPanel();
    if (index < 0 || index >= int(cells().size()) || index >= int(CellLabels.size()))
        return;
    const TCell& cell = cells()[size_t(index)];
    QLabel* label = CellLabels[size_t(index)];
    const QString text = cellLabelText(cell, m_card.upperCase());
    const TRect band = LabelBand(card(), cell.Left, cell.Top);

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
    if (m_card.labelsOn())
        label->show();
}

void TFerloMainForm::editLabel(int index) {
    if (showsLayout())
        return editLayoutLabel(index);
    if (!m_card.labelsOn() || index < 0 || index >= m_card.count() ||
        index >= int(cells().size()) || index >= int(CellLabels.size()))
        return;
    if (!cells()[size_t(index)].filled())
        return;
    // The editor shows the word as the user typed it (or as the file name has it): the card's
    // case applies to what is kept, so a word keeps its own case from one edit to the next.
    CellLabelEditor->open(index, CellLabels[size_t(index)],
                          displayName(pathFromModel(m_card.labelWord(index))));
}

void TFerloMainForm::keepLabelWord(int index, const QString& word) {
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
    m_card.editWord(index, kept.toStdString());
    Display_Label(index);
    ToggleLabels();
}

void TFerloMainForm::Display_All_Labels() {
    for (int i = 0; i < int(CellLabels.size()); ++i) {
        if (!CellLabels[size_t(i)]->text().isEmpty())
            Display_Label(i);
    }
}

void TFerloMainForm::SetAllLabelsCase() {
    for (int i = 0; i < m_card.count(); ++i)
        Display_Label(i);
}

void TFerloMainForm::setLabelsSwitch(bool on) {
    m_card.setLabels(on);
    PBToggleLabels->setToolTip(on ? tr("Turn Labels Off") : tr("Turn Labels on"));
    TBUpperLabels->setVisible(on);
    TBLowerLabels->setVisible(on);
    PBToggleLabels->setText(on ? tr("&Labels Off") : tr("&Labels On"));
}

void TFerloMainForm::PBToggleLabelsClick() {
    setLabelsSwitch(!m_card.labelsOn());
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

void TFerloMainForm::ToggleLabels() {
    refreshLayoutPanel();
    for (int i = 0; i < m_card.count() && i < int(CellLabels.size()); ++i) {
        QLabel* label = CellLabels[size_t(i)];
        label->setVisible(m_card.labelsOn() && !isBlankLabel(label->text()));
    }
}

} // namespace ferlo
