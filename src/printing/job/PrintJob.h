#pragma once

#include "printing/CardPage.h"
#include "printing/PagePainter.h"

#include <QList>
#include <QPageRanges>
#include <QPrinter>

#include <optional>

class QAction;
class QWidget;

namespace ferlo {

// Print, Print Preview and Export PDF take the cards of a deck (one card is a list of one) and
// print one page per card in the card's own count and orientation. With the word-backs option on
// (get_PrintWordBacks), each card's word back follows it.

// Print, the preview and Export PDF show a "Page n of m" progress dialog with Cancel for more
// pages than this; Cancel stops the work and leaves nothing behind. Fewer show the wait cursor.
inline constexpr int kProgressAbovePages = 3;

// The Print command's work: the print dialog, whose page range picks cards (a card's back goes
// with it), then the job on the chosen printer. Cancelling the dialog does nothing. Errors come
// out as ferlo::Error after the job has been aborted.
void printCard(QWidget* parent, const QList<CardPage>& cards);

// The printer-setup dialog on the program's printer; its result is ignored.
void printerSetup(QWidget* parent);

// The print preview of every page, each on paper of the program printer's size in its own
// orientation, with a button that goes on to Print.
void previewCard(QWidget* parent, const QList<CardPage>& cards);

// Asks for a file name and writes the pages as a PDF at 600 dpi on the printer's page size.
void exportCardPdf(QWidget* parent, const QList<CardPage>& cards);

// The File menu's checkable "Print Word Backs" command, showing and saving the stored option.
// A store that cannot be read shows the option off; a failed save is reported in a message box
// over `window` and leaves the command as it was.
QAction* makeWordBacksAction(QWidget* window);

// The one printer of the program's run: the printer chosen, its page setup and orientation stay
// from one job to the next.
QPrinter& programPrinter();

// The jobs that print the cards `range` picks (counting cards from 1; empty: all of them): one
// job for one document (a PDF file), else one per run of cards of one orientation. With word
// backs, each card's back follows it and the job asks for the duplex mode that puts the backs
// behind their fronts (DuplexLongSide for portrait cards, DuplexShortSide for landscape ones);
// without, the job leaves the printer's duplex mode alone.
struct PrintJobPlan {
    QList<CardPage> pages;
    std::optional<QPrinter::DuplexMode> duplex;
};
QList<PrintJobPlan> planPrintJobs(const QList<CardPage>& cards, const QPageRanges& range,
                                  bool wordBacks, bool oneDocument);

// Printing on an already chosen printer, without any dialog: the cards the printer's page range
// picks (all of them without one), each page in its card's orientation, document name "Ferlo".
// With word backs on, each card's back follows it and the printer is asked for double-sided
// output turned over on the page's vertical axis: the long edge for portrait cards, the short
// edge for landscape ones (planPrintJobs). Qt's PDF engine ignores the duplex mode, and a printer
// of the system takes it only when it offers it. Every picture is checked before the first job
// begins. On an error the job is aborted and the error is thrown as
// ferlo::Error. Returns false when options.progress stopped the work: the job was aborted, and a
// PDF file the printer writes to is left as it was.
bool runPrintJob(QPrinter& printer, const QList<CardPage>& cards);
bool runPrintJob(QPrinter& printer, const QList<CardPage>& cards, const PaintOptions& options);

} // namespace ferlo
