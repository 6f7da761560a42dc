#include "mainwindow/CardView.h"
#include "mainwindow/FerloMainForm.h"

#include "layout/CardGeometry.h"
#include "layout/FitSize.h"
#include "mainwindow/LabelEditor.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/SymbolPictures.h"
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

void TFerloMainForm::layOutLabel(QLabel* label, const QString& text, const TRect& band) {
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

void TFerloMainForm::editLabel(int index) {
    view().editLabel(index);
}

void TFerloMainForm::editFocusedLabel() {
    for (size_t i = 0; i < CellImages.size(); ++i) {
        if (CellImages[i] && CellImages[i]->hasFocus())
            editLabel(int(i));
    }
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
    m_deck.edit([&](CardModel& card) { return card.editWord(index, kept.toStdString()); });
    ToggleLabels();
}

void TFerloMainForm::Display_All_Labels() {
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

void TFerloMainForm::PBToggleLabelsClick() {
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

void TFerloMainForm::ToggleLabels() {
    refreshLayoutPanel();
    Display_All_Labels();
    // A word card shows its word in the card's case: an edit or a new case draws it again.
    for (int i = 0; i < int(cells().size()) && !showsLayout(); ++i)
        if (cells()[size_t(i)].WordCard)
            view().showPicture(i);
}

} // namespace ferlo
