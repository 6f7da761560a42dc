#include "mainwindow/RelayoutDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ferlo {

bool askDeckLayout(QWidget* parent, int pictures, int& perPage, bool& portrait) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("RelayoutDialog"));
    dialog.setWindowTitle(QStringLiteral("Change Layout of All Cards"));

    auto* count = new QComboBox(&dialog);
    count->setObjectName(QStringLiteral("RelayoutCount"));
    for (const int each : {1, 2, 4, 6, 8}) {
        count->addItem(each == 1 ? QStringLiteral("1 picture per card")
                                 : QStringLiteral("%1 pictures per card").arg(each),
                       each);
        if (each == perPage)
            count->setCurrentIndex(count->count() - 1);
    }
    auto* upright = new QRadioButton(QStringLiteral("&Portrait"), &dialog);
    upright->setObjectName(QStringLiteral("RelayoutPortrait"));
    auto* wide = new QRadioButton(QStringLiteral("&Landscape"), &dialog);
    wide->setObjectName(QStringLiteral("RelayoutLandscape"));
    (portrait ? upright : wide)->setChecked(true);
    auto* orientation = new QVBoxLayout;
    orientation->addWidget(upright);
    orientation->addWidget(wide);

    auto* outcome = new QLabel(&dialog);
    outcome->setObjectName(QStringLiteral("RelayoutOutcome"));
    outcome->setTextFormat(Qt::PlainText);
    const auto showOutcome = [=] {
        const int each = count->currentData().toInt();
        const int cards = pictures == 0 ? 1 : (pictures + each - 1) / each;
        outcome->setText(QStringLiteral("The deck's %1 in order, with their words: %2.")
                             .arg(pictures == 1 ? QStringLiteral("1 picture")
                                                : QStringLiteral("%1 pictures").arg(pictures),
                                  cards == 1 ? QStringLiteral("1 card")
                                             : QStringLiteral("%1 cards").arg(cards)));
    };
    QObject::connect(count, &QComboBox::currentIndexChanged, &dialog, showOutcome);
    showOutcome();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Count:"), count);
    form->addRow(QStringLiteral("Orientation:"), orientation);
    auto* all = new QVBoxLayout(&dialog);
    all->addLayout(form);
    all->addWidget(outcome);
    all->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return false;
    perPage = count->currentData().toInt();
    portrait = upright->isChecked();
    return true;
}

} // namespace ferlo
