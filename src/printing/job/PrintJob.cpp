#include "printing/job/PrintJob.h"

#include "printing/DocumentPictures.h"

#include "printing/job/DuplexDialog.h"
#include "printing/job/PageProgress.h"
#include "printing/job/PdfPrinterOutput.h"

#include "dialogs/Messages.h"
#include "pictures/PictureDecoder.h"
#include "printing/PagePainter.h"
#include "storage/Errors.h"
#include "storage/PrintOption.h"
#include "symbols/SvgPicture.h"

#include <QCoreApplication>
#include <QDialog>
#include <QPageRanges>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>

#include <langinfo.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>

namespace ferlo {

namespace {

// Owns the program's printer; a child of the application object, so it goes before the
// application's own clean-up.
class PrinterHolder : public QObject {
public:
    using QObject::QObject;
    QPrinter printer{QPrinter::HighResolution};
    // The printer's duplex mode was set for word backs, not chosen by the user.
    bool duplexForBacks = false;
};

PrinterHolder& printerHolder() {
    static QPointer<PrinterHolder> holder;
    if (!holder) {
        holder = new PrinterHolder(QCoreApplication::instance());
        holder->printer.setFullPage(false);
        // Qt's PDF output starts on A4 everywhere.
        if (holder->printer.outputFormat() == QPrinter::PdfFormat)
            holder->printer.setPageSize(localePaper());
    }
    return *holder;
}

// Sets the printer up for a page before it begins: a grid or a sheet on its own paper, the five
// counts on the paper chosen for the job (`chosen`), each in its orientation. The page is
// returned knowing where the printer's printable area lies on the paper.
CardPage turnPrinterFor(QPrinter& printer, const CardPage& page, const QPageSize& chosen) {
    const PagePlan* plan = page.Arrangement.plan();
    const QPageSize paper = plan ? planPaper(*plan) : chosen;
    if (!printer.pageLayout().pageSize().isEquivalentTo(paper))
        printer.setPageSize(paper);
    printer.setPageOrientation(orientationOf(page));
    CardPage turned = page;
    if (plan) {
        const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        turned.MarginLeft = area.left();
        turned.MarginTop = area.top();
    }
    return turned;
}

bool wordBacksOn(const PaintOptions& options) {
    return options.wordBacks ? *options.wordBacks : get_PrintWordBacks();
}

// Reads the header of every picture the pages print, so that a missing or damaged one stops the
// printing before any job begins.
void checkPictures(const QList<CardPage>& pages) {
    for (const CardPage& page : pages) {
        for (qsizetype i = 0; i < page.FileNames.size(); ++i) {
            const QString& drawing = page.SymbolFiles.value(i);
            const QString& fileName = drawing.isEmpty() ? page.FileNames.at(i) : drawing;
            if (page.Back || fileName.isEmpty() || !page.PictureLoaded.value(i, true))
                continue;
            try {
                if (drawing.isEmpty())
                    readPictureSize(fileName);
                else
                    SvgPicture::fromFile(drawing);
            } catch (...) {
                QString message = errorMessage(std::current_exception());
                if (!message.contains(fileName))
                    message =
                        QCoreApplication::translate("Printing", "Cannot print the picture %1: %2")
                            .arg(fileName, message);
                throw Error(message);
            }
        }
    }
}

PreparedPage preparePage(QPrinter& printer, const CardPage& page, const PaintOptions& options) {
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    return prepareCardPage(area.size(), printer.resolution(), page, options);
}

// Tells options.progress that page `page` of `count` begins; false when it asks to stop.
bool goOn(const PaintOptions& options, int page, int count) {
    return !options.progress || options.progress(page, count);
}

// One job: the pages in order, each turned as its card is before its page begins (Qt's PDF and
// print-server engines take a new page layout between pages). The pages are `done` + 1 onwards
// of `total`; false when the progress stopped the job, which is then aborted.
bool runOneJob(QPrinter& printer, const QList<CardPage>& pages, const PaintOptions& options,
               int done, int total) {
    if (!goOn(options, done + 1, total))
        return false;
    const QPageSize chosen = printer.pageLayout().pageSize();
    // The printer keeps the paper chosen for the job once it is done.
    const auto keepPaper = qScopeGuard([&] {
        if (!printer.pageLayout().pageSize().isEquivalentTo(chosen))
            printer.setPageSize(chosen);
    });
    const CardPage first = turnPrinterFor(printer, pages.first(), chosen);
    // Everything that can fail for the first page (a picture gone, the stored option unreadable)
    // is done before the job begins: the print server prints whatever a begun job holds, aborted
    // or not. The later pages' pictures were checked before.
    PreparedPage prepared;
    try {
        prepared = preparePage(printer, first, options);
    } catch (...) {
        throw Error(errorMessage(std::current_exception(),
                                 QCoreApplication::translate("Printing", "Cannot print")));
    }

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QCoreApplication::translate(
                        "Printing", "Cannot print: the printer \"%1\" did not start the job.")
                        .arg(printer.printerName()));
    try {
        for (qsizetype i = 0; i < pages.size(); ++i) {
            if (i > 0) {
                if (!goOn(options, done + int(i) + 1, total)) {
                    printer.abort();
                    painter.end();
                    return false;
                }
                prepared =
                    preparePage(printer, turnPrinterFor(printer, pages.at(i), chosen), options);
                if (!printer.newPage())
                    throw Error(QCoreApplication::translate(
                                    "Printing", "the printer \"%1\" could not start page %2.")
                                    .arg(printer.printerName(), QString::number(i + 1)));
            }
            paintPreparedPage(painter, prepared);
        }
    } catch (...) {
        printer.abort();
        painter.end();
        throw Error(errorMessage(std::current_exception(),
                                 QCoreApplication::translate("Printing", "Cannot print")));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw Error(QCoreApplication::translate(
                        "Printing", "Cannot print: the printer \"%1\" reported an error.")
                        .arg(printer.printerName()));
    return true;
}

} // namespace

QPageLayout::Orientation orientationOf(const CardPage& page) {
    return page.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

QPageSize planPaper(const PagePlan& plan) {
    return QPageSize(QSizeF(std::min(plan.PaperWidth, plan.PaperHeight),
                            std::max(plan.PaperWidth, plan.PaperHeight)),
                     QPageSize::Millimeter);
}

QList<CardPage> pagesOf(const QList<CardPage>& cards, bool wordBacks,
                        const BackPlacement& placement, bool foldOver) {
    if (wordBacks && foldOver)
        return foldOverPages(cards);
    return wordBacks ? withWordBacks(cards, placement) : cards;
}

BackPlacement placementFor(const DuplexChoices& duplex, const QPrinter& printer) {
    const BackOffset offset = get_BackOffset(backOffsetPrinter(printer));
    return {duplex.turn, offset.x / 10.0, offset.y / 10.0};
}

QPrinter& programPrinter() {
    return printerHolder().printer;
}

QPageSize localePaper() {
#ifdef __GLIBC__
    // The C library gives the paper's sides in millimetres as numbers in place of the text.
    const auto millimetres = [](nl_item item) {
        return int(reinterpret_cast<std::intptr_t>(nl_langinfo(item)));
    };
    const int width = millimetres(_NL_PAPER_WIDTH);
    const int height = millimetres(_NL_PAPER_HEIGHT);
    if (width > 0 && height > 0 && width < 2000 && height < 2000)
        return QPageSize(QSizeF(width, height), QPageSize::Millimeter);
#endif
    return QPageSize(QPageSize::A4);
}

QString backOffsetPrinter(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? QString() : printer.printerName();
}

QPrinter::DuplexMode duplexFor(SheetTurn turn, bool portrait) {
    const bool aboutLongEdge = turnsAboutVerticalAxis(turn, portrait) == portrait;
    return aboutLongEdge ? QPrinter::DuplexLongSide : QPrinter::DuplexShortSide;
}

SheetTurn turnChosen(QPrinter::DuplexMode chosen, QPrinter::DuplexMode offered, SheetTurn turn) {
    if (chosen == offered ||
        (chosen != QPrinter::DuplexLongSide && chosen != QPrinter::DuplexShortSide))
        return turn;
    return chosen == QPrinter::DuplexLongSide ? SheetTurn::LongEdge : SheetTurn::ShortEdge;
}

QList<PrintJobPlan> planPrintJobs(const QList<CardPage>& cards, const QPageRanges& range,
                                  bool wordBacks, bool oneDocument, const BackPlacement& placement,
                                  ManualFeed feed) {
    // A document (a PDF file) is one job: it has no stack to put back.
    const bool byHand = wordBacks && feed != ManualFeed::Off && !oneDocument;
    QList<CardPage> fronts;
    QList<CardPage> backs;
    for (qsizetype i = 0; i < cards.size(); ++i) {
        if (range.isEmpty() || range.contains(int(i + 1))) {
            fronts << cards.at(i);
            backs << withWordBacks({cards.at(i)}, placement).last();
        }
    }
    QList<PrintJobPlan> jobs;
    // Adds a page, in a new job when the orientation changes on a printer of the system.
    const auto add = [&](const CardPage& page, bool newSide) {
        if (newSide || jobs.isEmpty() ||
            (!oneDocument && jobs.last().pages.last().Portrait != page.Portrait)) {
            jobs.append(PrintJobPlan());
            if (wordBacks)
                jobs.last().duplex =
                    byHand ? QPrinter::DuplexNone : duplexFor(placement.turn, page.Portrait);
        }
        jobs.last().pages << page;
    };
    for (qsizetype i = 0; i < fronts.size(); ++i) {
        add(fronts.at(i), false);
        if (wordBacks && !byHand)
            add(backs.at(i), false);
    }
    if (!byHand || backs.isEmpty())
        return jobs;
    const qsizetype firstBackJob = jobs.size();
    for (qsizetype n = 0; n < backs.size(); ++n) {
        const bool reversed = manualBacks(feed, placement.turn, true).reversed;
        CardPage back = backs.at(reversed ? backs.size() - 1 - n : n);
        back.BackTurnedRound = manualBacks(feed, placement.turn, back.Portrait).turnedRound;
        add(back, n == 0);
    }
    jobs[firstBackJob].afterStack = true;
    return jobs;
}

bool runPrintJob(QPrinter& printer, const QList<CardPage>& cards, const PaintOptions& options) {
    if (!printer.isValid())
        throw Error(QCoreApplication::translate(
                        "Printing", "Cannot print: the printer \"%1\" is not available.")
                        .arg(printer.printerName()));
    printer.setFullPage(false);
    printer.setDocName(QStringLiteral("Ferlo"));
    QList<PrintJobPlan> jobs;
    try {
        jobs = planPrintJobs(cards,
                             printer.printRange() == QPrinter::PageRange ? printer.pageRanges()
                                                                         : QPageRanges(),
                             wordBacksOn(options), printer.outputFormat() == QPrinter::PdfFormat,
                             options.backPlacement, options.manualFeed);
        for (const PrintJobPlan& job : jobs)
            checkPictures(job.pages);
    } catch (...) {
        throw Error(errorMessage(std::current_exception(),
                                 QCoreApplication::translate("Printing", "Cannot print")));
    }
    if (jobs.isEmpty())
        throw Error(QCoreApplication::translate(
                        "Printing", "Cannot print: the page range picks none of the %1 cards.")
                        .arg(cards.size()));
    int total = 0;
    for (const PrintJobPlan& job : jobs)
        total += int(job.pages.size());
    PdfPrinterOutput output(printer);
    int done = 0;
    for (const PrintJobPlan& job : jobs) {
        if (job.afterStack && options.stackTurned && !options.stackTurned())
            return false;
        if (job.duplex)
            printer.setDuplex(*job.duplex);
        if (!runOneJob(printer, job.pages, options, done, total))
            return false;
        done += int(job.pages.size());
    }
    output.commit();
    return true;
}

namespace {
// The dialog shows the double-sided output the backs need; once backs are off, a duplex mode
// set for them goes back to one-sided. Returns the mode offered for the backs.
QPrinter::DuplexMode offerDuplex(PrinterHolder& holder, const DuplexChoices& duplex, bool wordBacks,
                                 bool portrait) {
    const QPrinter::DuplexMode offered = duplexFor(duplex.turn, portrait);
    if (wordBacks) {
        holder.printer.setDuplex(duplex.feed == ManualFeed::Off ? offered : QPrinter::DuplexNone);
        holder.duplexForBacks = true;
    } else if (holder.duplexForBacks) {
        holder.printer.setDuplex(QPrinter::DuplexNone);
        holder.duplexForBacks = false;
    }
    return offered;
}

// The print dialog over all the cards; false when the user cancels it.
bool choosePrinter(QWidget* parent, QPrinter& printer, int cardCount) {
    // The page range counts cards; each print starts with all of them.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    QPrintDialog dialog(&printer, parent);
    // Besides the system's printers the dialog offers Qt's "Print to File (PDF)", which writes
    // the pages as this printer would print them.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, cardCount);
    return dialog.exec() == QDialog::Accepted;
}

// Print and the calibration sheet: the print dialog, then the job. `backOffset`: the chosen
// printer's back offset moves the backs.
SheetTurn printPages(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex,
                     bool wordBacks, bool backOffset, JobOutcome* outcome = nullptr,
                     bool decodeOnce = false) {
    if (cards.isEmpty())
        return duplex.turn;
    // Fold-over sheets print on one side, each holding its backs.
    if (duplex.foldOver && wordBacks) {
        DuplexChoices oneSided = duplex;
        oneSided.foldOver = false;
        printPages(parent, foldOverPages(cards), oneSided, false, false, outcome);
        return duplex.turn;
    }
    PrinterHolder& holder = printerHolder();
    QPrinter& printer = holder.printer;
    PaintOptions options;
    options.wordBacks = wordBacks;
    const QPrinter::DuplexMode offered =
        offerDuplex(holder, duplex, *options.wordBacks, cards.first().Portrait);
    if (!choosePrinter(parent, printer, int(cards.size())))
        return duplex.turn;
    const SheetTurn turn =
        *options.wordBacks ? turnChosen(printer.duplex(), offered, duplex.turn) : duplex.turn;
    DuplexChoices chosen = duplex;
    chosen.turn = turn;
    options.backPlacement = placementFor(chosen, printer);
    if (!backOffset)
        options.backPlacement.offsetXMm = options.backPlacement.offsetYMm = 0;
    options.manualFeed = duplex.feed;
    // Double-sided by hand: between the sides the user puts the stack back in.
    options.stackTurned = [parent, &duplex] {
        return askToContinue(
            parent, QStringLiteral("PrintBacks"),
            QCoreApplication::translate("Printing", "The fronts are printed.\n\n%1\n\nThen click "
                                                    "Continue to print the backs.")
                .arg(manualFeedSteps(duplex.feed)));
    };
    PageProgress progress(parent, QCoreApplication::translate("Printing", "Printing"));
    options.progress = std::ref(progress);
    std::optional<DocumentPictures> pictures;
    if (decodeOnce) {
        pictures.emplace(pagesOf(cards, wordBacks, options.backPlacement, false),
                         printer.resolution(),
                         printer.pageLayout().pageSize().size(QPageSize::Millimeter));
        pictures->attach(options);
    }
    const bool done = runPrintJob(printer, cards, options);
    if (outcome) {
        outcome->end = done ? JobOutcome::End::Done : JobOutcome::End::Cancelled;
        outcome->toFile = printer.outputFormat() == QPrinter::PdfFormat;
        outcome->target = outcome->toFile ? printer.outputFileName() : printer.printerName();
    }
    return turn;
}
} // namespace

SheetTurn printCard(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex,
                    JobOutcome* outcome, std::optional<bool> gameBacks) {
    return printPages(parent, cards, duplex, gameBacks ? *gameBacks : get_PrintWordBacks(), true,
                      outcome, gameBacks.has_value());
}

void printCalibrationSheet(QWidget* parent, const DuplexChoices& choices) {
    printPages(parent, {calibrationSheet()}, choices, true, false);
}

void printerSetup(QWidget* parent) {
    QPrintDialog dialog(&programPrinter(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
}

} // namespace ferlo
