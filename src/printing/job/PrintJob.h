#pragma once

#include "printing/CardPage.h"
#include "printing/PagePainter.h"

#include <QList>
#include <QPageRanges>
#include <QPageSize>
#include <QPrinter>

#include <optional>

class QWidget;

namespace ferlo {

// Print, Print Preview and Export PDF take the cards of a deck (one card is a list of one) and
// print one page per card in the card's own count and orientation. With the word-backs option on
// (get_PrintWordBacks), each card's word back follows it.

// Print, the preview and Export PDF show a "Page n of m" progress dialog with Cancel for more
// pages than this; Cancel stops the work and leaves nothing behind. Fewer show the wait cursor.
inline constexpr int kProgressAbovePages = 3;

// How Print or Export PDF ended: not begun (its dialog cancelled), done, or stopped with Cancel
// while it worked (nothing was written); `target` is the file written to, or the printer's name.
struct JobOutcome {
    enum class End { NotBegun, Done, Cancelled };
    End end = End::NotBegun;
    QString target;
    bool toFile = false;
};

// The Print command's work: the print dialog, whose page range picks cards (a card's back goes
// with it), then the job on the chosen printer. Cancelling the dialog does nothing. Errors come
// out as ferlo::Error after the job has been aborted.
// The print dialog starts on the duplex mode of the deck's turn; the turn the user leaves it
// on is returned (the deck's, when word backs are off or the dialog is cancelled). The backs
// are moved by the chosen printer's back offset, and printed by hand when the deck says so.
// `outcome`, when given, is set to how the command ended.
// `gameBacks`, given for a game's pages, says whether their backs follow, whatever the stored
// option; such a document decodes each of its pictures once (DocumentPictures).
SheetTurn printCard(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex = {},
                    JobOutcome* outcome = nullptr, std::optional<bool> gameBacks = {});

// The printer a back offset belongs to (get_BackOffset): a printer of the system by its name;
// PDF output (Print to File, or no printer at all) by the empty name, whatever printer it was
// chosen after.
QString backOffsetPrinter(const QPrinter& printer);

// The printer-setup dialog on the program's printer; its result is ignored.
void printerSetup(QWidget* parent);

// The print preview of every page, each on paper of the program printer's size in its own
// orientation, with a button that goes on to Print.
void previewCard(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex = {},
                 std::optional<bool> gameBacks = {});

// Asks for a file name and writes the pages as a PDF at 600 dpi on the printer's page size.
// The backs are turned as the deck says and moved by the program printer's back offset.
JobOutcome exportCardPdf(QWidget* parent, const QList<CardPage>& cards,
                         const DuplexChoices& duplex = {}, std::optional<bool> gameBacks = {});

// The one printer of the program's run: the printer chosen, its page setup and orientation stay
// from one job to the next. It starts on the default printer and its paper; without one it
// writes PDF on the paper of the system's locale (localePaper).
QPrinter& programPrinter();
// The paper of the system's locale (its LC_PAPER: Letter in the United States, Canada, Mexico,
// ...; A4 in most other places); A4 where the C library does not say.
QPageSize localePaper();

// A card page's orientation on the printer, and a grid's or a sheet's own paper in its
// orientation.
QPageLayout::Orientation orientationOf(const CardPage& page);
QPageSize planPaper(const PagePlan& plan);
// What the preview and Export PDF show: fold-over sheets, or the cards with or without backs.
QList<CardPage> pagesOf(const QList<CardPage>& cards, bool wordBacks,
                        const BackPlacement& placement, bool foldOver);
// The placement of the backs on a printer: the deck's turn and the printer's offset.
BackPlacement placementFor(const DuplexChoices& duplex, const QPrinter& printer);

// The jobs that print the cards `range` picks (counting cards from 1; empty: all of them): one
// job for one document (a PDF file), else one per run of cards of one orientation. With word
// backs, each card's back follows it and the job asks for the duplex mode of the placement's
// turn (duplexFor); without, the job leaves the printer's duplex mode alone. Double-sided by
// hand, the fronts' jobs come first, one-sided, and then the backs' jobs, the first of them
// marked afterStack, in the order and turn manualBacks gives.
struct PrintJobPlan {
    QList<CardPage> pages;
    std::optional<QPrinter::DuplexMode> duplex;
    bool afterStack = false; // the printed fronts go back into the printer before this job
};
QList<PrintJobPlan> planPrintJobs(const QList<CardPage>& cards, const QPageRanges& range,
                                  bool wordBacks, bool oneDocument,
                                  const BackPlacement& placement = {},
                                  ManualFeed feed = ManualFeed::Off);
// The duplex mode that prints a card's back for the turn: the standard turn is the long edge for
// portrait cards and the short edge for landscape ones.
QPrinter::DuplexMode duplexFor(SheetTurn turn, bool portrait);
// The turn a duplex mode chosen in the print dialog stands for, given the mode the dialog
// started on for `turn` (an unchanged choice keeps the turn; no duplex keeps it too).
SheetTurn turnChosen(QPrinter::DuplexMode chosen, QPrinter::DuplexMode offered, SheetTurn turn);

// Printing on an already chosen printer, without any dialog: the cards the printer's page range
// picks (all of them without one), each page in its card's orientation, document name "Ferlo".
// With word backs on, each card's back follows it and the printer is asked for double-sided
// output turned over on the page's vertical axis: the long edge for portrait cards, the short
// edge for landscape ones (planPrintJobs). Qt's PDF engine ignores the duplex mode, and a printer
// of the system takes it only when it offers it. Every picture is checked before the first job
// begins. On an error the job is aborted and the error is thrown as
// ferlo::Error. Returns false when options.progress stopped the work: the job was aborted, and a
// PDF file the printer writes to is left as it was.
bool runPrintJob(QPrinter& printer, const QList<CardPage>& cards, const PaintOptions& options);

} // namespace ferlo
