#pragma once

#include "printing/CardPage.h"
#include "printing/PagePainter.h"

class QWidget;
class QPrinter;

namespace ferlo {

// The Print command's work: the print dialog, then one page on the chosen printer. Cancelling
// the dialog does nothing. Errors come out as ferlo::Error after the job has been aborted.
void printCard(QWidget* parent, const CardPage& page);

// The printer-setup dialog on the program's printer; its result is ignored.
void printerSetup(QWidget* parent);

// The print preview of the page on the program's printer, in the card's orientation.
void previewCard(QWidget* parent, const CardPage& page);

// Asks for a file name and writes the page as a PDF at 600 dpi on the printer's page size.
void exportCardPdf(QWidget* parent, const CardPage& page);

// The one printer of the program's run: the printer chosen, its page setup and orientation stay
// from one job to the next.
QPrinter& programPrinter();

// One print job on an already chosen printer, without any dialog: orientation from the page,
// document name "Ferlo", begin, paint, end. On an error the job is aborted and the error is
// thrown as ferlo::Error.
void runPrintJob(QPrinter& printer, const CardPage& page);
void runPrintJob(QPrinter& printer, const CardPage& page, const PaintOptions& options);

} // namespace ferlo
