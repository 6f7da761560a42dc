#include "dialogs/Options.h"

#include "dialogs/DesignFont.h"
#include "dialogs/Messages.h"
#include "storage/PrintOption.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

namespace ferlo {

TdlgOptions::TdlgOptions(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgOptions"));
    setWindowTitle(tr("Options"));
    // A dialog border: no resizing, no help button.
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setFixedSize(313, 214);
    setFont(designFont(8));

    Bevel1 = placed(new QFrame(this), QStringLiteral("Bevel1"), {8, 8, 297, 161});
    Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);

    RadioGroup1 = placed(new QGroupBox(tr("Printing Options"), this), QStringLiteral("RadioGroup1"),
                         {40, 32, 241, 89});

    // The radio buttons belong to the dialog and lie over the group box; being the dialog's only
    // radio buttons, they exclude each other.
    rbPrintAsDIB = placed(new QRadioButton(tr("Print as DIB"), this),
                          QStringLiteral("rbPrintAsDIB"), {56, 56, 113, 17});
    rbPrintAsDIB->setAutoExclusive(true);

    rbPrintAsOriginal = placed(new QRadioButton(tr("Print image as original format"), this),
                               QStringLiteral("rbPrintAsOriginal"), {56, 88, 169, 17});
    rbPrintAsOriginal->setAutoExclusive(true);

    OKBtn = placed(new QPushButton(tr("OK"), this), QStringLiteral("OKBtn"), {79, 180, 75, 25});
    OKBtn->setDefault(true);

    CancelBtn = placed(new QPushButton(tr("Cancel"), this), QStringLiteral("CancelBtn"),
                       {159, 180, 75, 25});
    CancelBtn->setAutoDefault(false);

    SpeechBtn = placed(new QPushButton(tr("Spee&ch ..."), this), QStringLiteral("SpeechBtn"),
                       {239, 180, 66, 25});
    SpeechBtn->setAutoDefault(false);
    connect(SpeechBtn, &QPushButton::clicked, this, &TdlgOptions::speechRequested);
    createSymbolsPage();

    connect(OKBtn, &QPushButton::clicked, this, &TdlgOptions::OKBtnClick);
    // Cancel, Escape and closing the window all reject, and store nothing.
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

// Options > Symbols: the user's own symbol folders, in a dialog of the window's (the folders are
// searched with the symbol set, a layer this one does not reach).
void TdlgOptions::createSymbolsPage() {
    SymbolsBtn = placed(new QPushButton(tr("Sym&bols ..."), this), QStringLiteral("SymbolsBtn"),
                        {8, 180, 66, 25});
    SymbolsBtn->setAutoDefault(false);
    connect(SymbolsBtn, &QPushButton::clicked, this, &TdlgOptions::symbolsRequested);
}

bool TdlgOptions::get_PrintAsDIB() {
    return ferlo::get_PrintAsDIB();
}

void TdlgOptions::save_PrintAsDIB() {
    ferlo::save_PrintAsDIB(rbPrintAsDIB->isChecked());
}

void TdlgOptions::FormCreate() {
    // The value is not used here: the read creates the key at the first start. A broken store
    // must not stop the program from starting, so its error is shown and passed over.
    runGuarded(this, [this] { get_PrintAsDIB(); });
}

void TdlgOptions::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Centred on the screen, whatever the parent.
    if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    // A stored value that cannot be read is shown as the default, so that one button is always
    // checked and OK stores a proper value over it.
    bool printAsDib = true;
    runGuarded(this, [this, &printAsDib] { printAsDib = get_PrintAsDIB(); });
    rbPrintAsDIB->setChecked(printAsDib);
    rbPrintAsOriginal->setChecked(!printAsDib);
    OKBtn->setFocus(Qt::OtherFocusReason);
}

void TdlgOptions::OKBtnClick() {
    runGuarded(this, [this] { save_PrintAsDIB(); });
    accept();
}

} // namespace ferlo
