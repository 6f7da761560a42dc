#pragma once

#include <QDialog>
#include <QLabel>

class QFrame;
class QPushButton;

namespace ferlo {

// A label that reports a click of the left mouse button.
class TClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The About box: product name, version, notice line, contact address, web address and a note.
// Created once and shown modally each time; it keeps no state between showings.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QLabel* Copyright = nullptr;
    TClickableLabel* LABMoxEmail = nullptr;
    QLabel* Label1 = nullptr;
    TClickableLabel* paFerloURL = nullptr;
    QFrame* Bevel1 = nullptr;
    QLabel* Comments = nullptr;
    QPushButton* OKButton = nullptr;

public slots:
    // Opens the web address shown on the link panel.
    void paFerloURLClick();
    // The contact address is shown to be copied; a click does nothing.
    void LABMoxEmailClick();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace ferlo
