#pragma once

#include <QDialog>

class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace ferlo {

// The stored print option: true = print pictures through their device-independent form.
// Reads the store anew on every call, creating the key when it is missing; an absent value, or a
// store that can be neither opened nor created, reads as true.
// Throws ERegistryException (a ferlo::Error) with "Failed to get data for 'PrintAsDIB'" or
// "Invalid data type for 'PrintAsDIB'" when the stored value is not a 4-byte integer.
bool get_PrintAsDIB();

// Stores 1 or 0. When the key can neither be opened nor created, throws a ferlo::Error that names
// the settings file and the system's reason; a failed write throws
// "Failed to set data for 'PrintAsDIB'" followed by the file and the reason on a second line.
void save_PrintAsDIB(bool printAsDib);

// The options dialog: chooses how pictures go onto the printer.
class TdlgOptions : public QDialog {
    Q_OBJECT
public:
    explicit TdlgOptions(QWidget* parent = nullptr);

    bool get_PrintAsDIB();
    // Stores whether rbPrintAsDIB is checked.
    void save_PrintAsDIB();

    QFrame* Bevel1 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* rbPrintAsDIB = nullptr;
    QRadioButton* rbPrintAsOriginal = nullptr;
    QPushButton* OKBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

protected:
    // Sets the radio buttons from the store on every showing.
    void showEvent(QShowEvent* event) override;

private slots:
    void FormCreate();
    void OKBtnClick();
};

} // namespace ferlo
