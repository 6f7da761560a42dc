#pragma once

#include "layout/Duplex.h"

#include <QString>

class QWidget;

namespace ferlo {

// What the user does between the sides when printing double-sided by hand, as one paragraph,
// and a one-line picture of the case: the output stack, what the user does, the paper tray.
QString manualFeedSteps(ManualFeed feed);
QString manualFeedPicture(ManualFeed feed);

// File > Double-Sided Printing: how the sheet turns, printing by hand for a printer without
// duplex (with the feed case), fold-over, and the back offset of the program's printer with the
// calibration sheet. The deck's choices are edited in `choices`; the offset is stored for the
// printer at once. False when cancelled (nothing changes).
bool editDuplexChoices(QWidget* parent, DuplexChoices& choices);

// File > Print Calibration Sheet: the print dialog, then the sheet's front and back (without any
// back offset, so that what the sheet shows is the whole offset), turned and fed as `choices`
// say.
void printCalibrationSheet(QWidget* parent, const DuplexChoices& choices);

} // namespace ferlo
