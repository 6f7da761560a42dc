#include "printing/job/DuplexDialog.h"

#include "dialogs/Messages.h"
#include "dialogs/ScreenFit.h"
#include "printing/job/PrintJob.h"
#include "storage/PrintOption.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace ferlo {

QString manualFeedSteps(ManualFeed feed) {
    switch (feed) {
    case ManualFeed::FaceDown:
    case ManualFeed::FaceDownReversing:
        return QCoreApplication::translate(
            "DuplexDialog", "Take the printed sheets out of the printer, turn the stack over "
                            "sideways (about its long edge, so that the same edge goes in "
                            "first) and put it back into the paper tray.");
    case ManualFeed::FaceUp:
    case ManualFeed::FaceUpReversing:
        return QCoreApplication::translate(
            "DuplexDialog", "Take the printed sheets out of the printer and put the stack back "
                            "into the paper tray as it lies, printed side up, the same edge "
                            "first.");
    case ManualFeed::Off:
        break;
    }
    return QString();
}

QString manualFeedPicture(ManualFeed feed) {
    switch (feed) {
    case ManualFeed::FaceDown:
        return QCoreApplication::translate(
            "DuplexDialog", "out: [3][2][1] face down, 1 at the bottom  \u27f6  turn over "
                            "sideways  \u27f6  in: card 1 first");
    case ManualFeed::FaceDownReversing:
        return QCoreApplication::translate(
            "DuplexDialog", "out: [1][2][3] face down, 1 on top  \u27f6  turn over sideways  "
                            "\u27f6  in: the last card first");
    case ManualFeed::FaceUp:
        return QCoreApplication::translate(
            "DuplexDialog", "out: [3][2][1] face up, 1 at the bottom  \u27f6  as it lies  "
                            "\u27f6  in: the last card first");
    case ManualFeed::FaceUpReversing:
        return QCoreApplication::translate(
            "DuplexDialog", "out: [1][2][3] face up, 1 on top  \u27f6  as it lies  \u27f6  "
                            "in: card 1 first");
    case ManualFeed::Off:
        break;
    }
    return QString();
}

namespace {

// One radio button per value, in a group box, the checked one `current`.
template <typename Value>
QButtonGroup* addChoices(QGroupBox* box, const QList<std::pair<Value, QString>>& choices,
                         Value current, const std::function<QString(Value)>& note = {}) {
    auto* layout = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    for (const auto& [value, text] : choices) {
        auto* button = new QRadioButton(text, box);
        button->setChecked(value == current);
        group->addButton(button, int(value));
        layout->addWidget(button);
        if (const QString extra = note ? note(value) : QString(); !extra.isEmpty()) {
            auto* label = new QLabel(extra, box);
            label->setIndent(24);
            layout->addWidget(label);
        }
    }
    return group;
}

QDoubleSpinBox* offsetBox(QWidget* parent, int tenths, const QString& name) {
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-kMaxBackOffset / 10.0, kMaxBackOffset / 10.0);
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setSuffix(QCoreApplication::translate("DuplexDialog", " mm"));
    // The field's text takes its direction from its first letter, and a locale's minus sign may
    // carry a right-to-left mark: led by the mark of the window's direction, every value reads
    // (and is aligned) the same way, negative or not.
    box->setPrefix(QString(box->isRightToLeft() ? QChar(0x200F) : QChar(0x200E)));
    box->setValue(tenths / 10.0);
    return box;
}

QString offsetTitle(const QString& printer) {
    return printer.isEmpty()
               ? QCoreApplication::translate("DuplexDialog", "Back offset of PDF files")
               : QCoreApplication::translate("DuplexDialog", "Back offset of the printer %1")
                     .arg(printer);
}

// The turn of the sheet, one choice of three.
QButtonGroup* addTurnBox(QDialog& dialog, QVBoxLayout* layout, SheetTurn turn, QGroupBox*& box) {
    box = new QGroupBox(QCoreApplication::translate("DuplexDialog", "Turning the sheet over"),
                        &dialog);
    QButtonGroup* turns = addChoices<SheetTurn>(
        box,
        {{SheetTurn::Standard,
          QCoreApplication::translate("DuplexDialog",
                                      "Standard: the long edge for portrait cards, the "
                                      "short edge for landscape cards")},
         {SheetTurn::LongEdge, QCoreApplication::translate("DuplexDialog", "On the long edge")},
         {SheetTurn::ShortEdge, QCoreApplication::translate("DuplexDialog", "On the short edge")}},
        turn);
    turns->setObjectName(QStringLiteral("turns"));
    layout->addWidget(box);
    return turns;
}

// Printing both sides: by the printer, or by hand in one of four feed cases.
QButtonGroup* addFeedBox(QDialog& dialog, QVBoxLayout* layout, ManualFeed feed, QGroupBox*& box) {
    box =
        new QGroupBox(QCoreApplication::translate("DuplexDialog", "Printing both sides"), &dialog);
    QButtonGroup* feeds = addChoices<ManualFeed>(
        box,
        {{ManualFeed::Off,
          QCoreApplication::translate("DuplexDialog", "The printer prints both sides")},
         {ManualFeed::FaceDown,
          QCoreApplication::translate("DuplexDialog",
                                      "By hand: the printer lays the sheets face down")},
         {ManualFeed::FaceDownReversing,
          QCoreApplication::translate(
              "DuplexDialog", "By hand: face down, the printer prints the last page first")},
         {ManualFeed::FaceUp, QCoreApplication::translate(
                                  "DuplexDialog", "By hand: the printer lays the sheets face up")},
         {ManualFeed::FaceUpReversing,
          QCoreApplication::translate("DuplexDialog",
                                      "By hand: face up, the printer prints the last page first")}},
        feed, std::function<QString(ManualFeed)>(manualFeedPicture));
    feeds->setObjectName(QStringLiteral("feeds"));
    auto* trayNote =
        new QLabel(QCoreApplication::translate("DuplexDialog",
                                               "By hand, the fronts print first; then the program "
                                               "asks you to put the stack back.\nIf your paper "
                                               "tray prints on the upper side of the sheet, "
                                               "choose the other face."),
                   box);
    box->layout()->addWidget(trayNote);
    layout->addWidget(box);
    return feeds;
}

// The back offset of the program's printer, and the calibration sheet that measures it.
struct OffsetGroup {
    QGroupBox* box = nullptr;
    QDoubleSpinBox* x = nullptr;
    QDoubleSpinBox* y = nullptr;
    QPushButton* calibrate = nullptr;
    QString printer;

    // Shows the offset stored for a printer.
    void show(const QString& shown) {
        printer = shown;
        box->setTitle(offsetTitle(printer));
        const BackOffset offset = get_BackOffset(printer);
        x->setValue(offset.x / 10.0);
        y->setValue(offset.y / 10.0);
    }
};

OffsetGroup addOffsetGroup(QDialog& dialog, QVBoxLayout* layout) {
    // The offset shown is the program printer's; printing the calibration sheet on another
    // printer (or to a file) makes that one the program printer, and the offset typed then is
    // the one measured on it.
    OffsetGroup group;
    group.printer = backOffsetPrinter(programPrinter());
    group.box = new QGroupBox(offsetTitle(group.printer), &dialog);
    group.box->setObjectName(QStringLiteral("offsetGroup"));
    const BackOffset stored = get_BackOffset(group.printer);
    auto* form = new QFormLayout(group.box);
    group.x = offsetBox(group.box, stored.x, QStringLiteral("offsetX"));
    group.y = offsetBox(group.box, stored.y, QStringLiteral("offsetY"));
    form->addRow(QCoreApplication::translate("DuplexDialog", "X (to the right on the back):"),
                 group.x);
    form->addRow(QCoreApplication::translate("DuplexDialog", "Y (down on the back):"), group.y);
    auto* how =
        new QLabel(QCoreApplication::translate(
                       "DuplexDialog", "Print the calibration sheet, hold it to the light with "
                                       "its back towards you,\nand type where the front's "
                                       "lines cross the top and the left scale."),
                   group.box);
    form->addRow(how);
    group.calibrate = new QPushButton(
        QCoreApplication::translate("DuplexDialog", "Print &Calibration Sheet ..."), group.box);
    group.calibrate->setObjectName(QStringLiteral("printCalibration"));
    form->addRow(group.calibrate);
    layout->addWidget(group.box);
    return group;
}

} // namespace

bool editDuplexChoices(QWidget* parent, DuplexChoices& choices) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("DuplexDialog"));
    dialog.setWindowTitle(QCoreApplication::translate("DuplexDialog", "Double-Sided Printing"));
    auto* layout = new QVBoxLayout(&dialog);
    QGroupBox* turnBox = nullptr;
    QGroupBox* feedBox = nullptr;
    QButtonGroup* turns = addTurnBox(dialog, layout, choices.turn, turnBox);
    QButtonGroup* feeds = addFeedBox(dialog, layout, choices.feed, feedBox);

    auto* fold =
        new QCheckBox(QCoreApplication::translate(
                          "DuplexDialog", "&Fold-over: each front and its word on one sheet, "
                                          "printed on one side and folded in the middle"),
                      &dialog);
    fold->setObjectName(QStringLiteral("foldOver"));
    fold->setChecked(choices.foldOver);
    layout->addWidget(fold);
    // Fold-over prints one side: the turn and the feed do not apply.
    const auto foldChanged = [turnBox, feedBox](bool on) {
        turnBox->setEnabled(!on);
        feedBox->setEnabled(!on);
    };
    QObject::connect(fold, &QCheckBox::toggled, &dialog, foldChanged);
    foldChanged(choices.foldOver);
    OffsetGroup offset = addOffsetGroup(dialog, layout);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(offset.calibrate, &QPushButton::clicked, &dialog, [&] {
        DuplexChoices shown = choices;
        shown.turn = SheetTurn(turns->checkedId());
        shown.feed = ManualFeed(feeds->checkedId());
        runGuarded(&dialog, [&] { printCalibrationSheet(&dialog, shown); });
        if (const QString printed = backOffsetPrinter(programPrinter()); printed != offset.printer)
            offset.show(printed);
    });
    fitDialogInRoom(&dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    choices.turn = SheetTurn(turns->checkedId());
    choices.feed = ManualFeed(feeds->checkedId());
    choices.foldOver = fold->isChecked();
    runGuarded(parent, [&] {
        save_BackOffset(offset.printer, {int(std::lround(offset.x->value() * 10)),
                                         int(std::lround(offset.y->value() * 10))});
    });
    return true;
}

} // namespace ferlo
