#pragma once

#include <QDialog>

class QFrame;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace ferlo {

// The options dialog: chooses how pictures go onto the printer (the stored option of
// platform/PrintOption.h).
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
    // Opens the speech options (Options > Speech), through speechRequested().
    QPushButton* SpeechBtn = nullptr;
    // Opens the user's symbol folders (Options > Symbols), through symbolsRequested().
    QPushButton* SymbolsBtn = nullptr;

signals:
    void speechRequested();
    void symbolsRequested();

protected:
    // Sets the radio buttons from the store on every showing.
    void showEvent(QShowEvent* event) override;

private slots:
    void FormCreate();
    void createSymbolsPage();
    void OKBtnClick();
};

} // namespace ferlo
