#include "printing/job/PrintJob.h"

#include "printing/DocumentPictures.h"

#include "printing/job/DuplexDialog.h"

#include "dialogs/Messages.h"
#include "dialogs/SaveDialog.h"
#include "dialogs/ScreenFit.h"
#include "dialogs/WaitCursor.h"
#include "pictures/PictureDecoder.h"
#include "printing/PagePainter.h"
#include "printing/PdfExport.h"
#include "storage/Errors.h"
#include "storage/PrintOption.h"
#include "symbols/SvgPicture.h"

#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPageRanges>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include <QProgressDialog>
#include <QTemporaryFile>

#include <langinfo.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <sys/statvfs.h>

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

QPageLayout::Orientation orientationOf(const CardPage& page) {
    return page.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

// The paper of a grid's or a sheet's page: its own size, in its orientation.
QPageSize planPaper(const PagePlan& plan) {
    return QPageSize(QSizeF(std::min(plan.PaperWidth, plan.PaperHeight),
                            std::max(plan.PaperWidth, plan.PaperHeight)),
                     QPageSize::Millimeter);
}

// Sets the printer up for a page before it begins: a grid or a sheet on its own paper, the five
// counts on the paper chosen for the job (`chosen`), each in its orientation. The page is
// returned knowing where the printer's printable area lies on the paper.
CardPage turnPrinterFor(QPrinter& printer, const CardPage& page, const QPageSize& chosen) {
    const QPageSize paper = page.Plan ? planPaper(*page.Plan) : chosen;
    if (!printer.pageLayout().pageSize().isEquivalentTo(paper))
        printer.setPageSize(paper);
    printer.setPageOrientation(orientationOf(page));
    CardPage turned = page;
    if (page.Plan) {
        const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        turned.MarginLeft = area.left();
        turned.MarginTop = area.top();
    }
    return turned;
}

bool wordBacksOn(const PaintOptions& options) {
    return options.wordBacks ? *options.wordBacks : get_PrintWordBacks();
}

// What the preview and Export PDF show: fold-over sheets, or the cards with or without backs.
QList<CardPage> pagesOf(const QList<CardPage>& cards, bool wordBacks,
                        const BackPlacement& placement, bool foldOver) {
    if (wordBacks && foldOver)
        return foldOverPages(cards);
    return wordBacks ? withWordBacks(cards, placement) : cards;
}

// The placement of the backs on a printer: the deck's turn and the printer's offset.
BackPlacement placementFor(const DuplexChoices& duplex, const QPrinter& printer) {
    const BackOffset offset = get_BackOffset(backOffsetPrinter(printer));
    return {duplex.turn, offset.x / 10.0, offset.y / 10.0};
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

// Why a PDF file that Qt's printer wrote is not whole, empty when it is: the printer does not
// say when a write fails, so its end must name the cross-reference table where that is. A full
// disk is named by the system's cause.
QString unfinishedPdfCause(const QString& path) {
    bool whole = false;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() > 32) {
        const qint64 tailSize = std::min<qint64>(file.size(), 1024);
        file.seek(file.size() - tailSize);
        const QByteArray tail = file.read(tailSize);
        const qsizetype at = tail.lastIndexOf("startxref");
        bool ok = false;
        const qint64 table =
            at < 0 ? -1 : tail.mid(at + 9).trimmed().split('\n').value(0).trimmed().toLongLong(&ok);
        whole = ok && tail.trimmed().endsWith("%%EOF") && table > 0 && table < file.size() &&
                file.seek(table) && file.read(4) == "xref";
    }
    if (whole)
        return {};
    struct statvfs room {};
    if (::statvfs(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &room) == 0 &&
        room.f_bavail == 0)
        return QString::fromLocal8Bit(std::strerror(ENOSPC));
    return QCoreApplication::translate("Printing", "the file was not written whole");
}

// Qt's PDF printer writes its file from the first page on and keeps what it has when the job is
// aborted. While this lives, the printer writes to a temporary file beside the chosen one, which
// commit() renames over the chosen name; otherwise it is removed and the chosen file is untouched.
class PdfPrinterOutput {
public:
    explicit PdfPrinterOutput(QPrinter& printer)
        : m_printer(printer)
        , m_target(printer.outputFileName())
        , m_partial(m_target + QStringLiteral(".XXXXXX")) {
        if (printer.outputFormat() != QPrinter::PdfFormat || m_target.isEmpty() ||
            !m_partial.open())
            return;
        m_partial.close();
        m_partial.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ReadGroup | QFileDevice::ReadOther);
        printer.setOutputFileName(m_partial.fileName());
        m_active = true;
    }
    ~PdfPrinterOutput() {
        if (m_active)
            m_printer.setOutputFileName(m_target);
    }
    PdfPrinterOutput(const PdfPrinterOutput&) = delete;
    PdfPrinterOutput& operator=(const PdfPrinterOutput&) = delete;

    void commit() {
        if (!m_active)
            return;
        // The printer writes the file itself and does not say when a write fails.
        if (const QString cause = unfinishedPdfCause(m_partial.fileName()); !cause.isEmpty())
            throw Error(QCoreApplication::translate("Printing", "Cannot print to the file %1: %2")
                            .arg(m_target, cause));
        if (std::rename(QFile::encodeName(m_partial.fileName()).constData(),
                        QFile::encodeName(m_target).constData()) != 0)
            throw Error(QCoreApplication::translate("Printing", "Cannot print to the file %1: %2")
                            .arg(m_target, QString::fromLocal8Bit(std::strerror(errno))));
        m_partial.setAutoRemove(false);
    }

private:
    QPrinter& m_printer;
    QString m_target;
    QTemporaryFile m_partial;
    bool m_active = false;
};

QImage previewImage(const CardPage& page, QPageLayout paper, int dpi) {
    // A grid or a sheet is shown on the whole of its own paper, as Export PDF writes it.
    if (page.Plan)
        paper = QPageLayout(planPaper(*page.Plan), orientationOf(page), QMarginsF());
    paper.setOrientation(orientationOf(page));
    QImage image(paper.fullRectPixels(dpi).size(), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    const QRect area = paper.paintRectPixels(dpi);
    QPainter painter(&image);
    painter.translate(area.topLeft());
    paintCardPage(painter, area.size(), page);
    painter.resetTransform();
    painter.setPen(QPen(Qt::darkGray));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

// The progress of one command's pages: the wait cursor, and from the first page on, for more
// than kProgressAbovePages pages, a "Page n of m" dialog with Cancel in its place.
class PageProgress {
public:
    PageProgress(QWidget* parent, const QString& title)
        : m_parent(parent)
        , m_title(title) {
        m_wait.emplace();
    }

    // PaintOptions::progress: false once the user has cancelled.
    bool operator()(int page, int count) {
        if (count <= kProgressAbovePages)
            return true;
        if (!m_dialog) {
            m_wait.reset();
            m_dialog = std::make_unique<QProgressDialog>(m_parent);
            m_dialog->setObjectName(QStringLiteral("PageProgress"));
            m_dialog->setWindowTitle(m_title);
            m_dialog->setWindowModality(Qt::ApplicationModal);
            m_dialog->setAutoReset(false);
            m_dialog->setAutoClose(false);
            m_dialog->setMinimumDuration(0);
            m_dialog->setRange(0, count);
        }
        m_dialog->setLabelText(
            QCoreApplication::translate("Printing", "Page %1 of %2").arg(page).arg(count));
        m_dialog->setValue(page - 1);
        QCoreApplication::processEvents(); // a click on Cancel
        return !m_dialog->wasCanceled();
    }

private:
    QWidget* m_parent;
    QString m_title;
    std::optional<WaitCursor> m_wait;
    std::unique_ptr<QProgressDialog> m_dialog;
};

} // namespace

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
    // The dialog shows the double-sided output the backs need; once backs are off, a duplex mode
    // set for them goes back to one-sided.
    const QPrinter::DuplexMode offered = duplexFor(duplex.turn, cards.first().Portrait);
    if (*options.wordBacks) {
        printer.setDuplex(duplex.feed == ManualFeed::Off ? offered : QPrinter::DuplexNone);
        holder.duplexForBacks = true;
    } else if (holder.duplexForBacks) {
        printer.setDuplex(QPrinter::DuplexNone);
        holder.duplexForBacks = false;
    }
    // The page range counts cards; each print starts with all of them.
    printer.setPrintRange(QPrinter::AllPages);
    printer.setPageRanges(QPageRanges());
    QPrintDialog dialog(&printer, parent);
    // Besides the system's printers the dialog offers Qt's "Print to File (PDF)", which writes
    // the pages as this printer would print them.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintPageRange);
    dialog.setMinMax(1, int(cards.size()));
    if (dialog.exec() != QDialog::Accepted)
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

constexpr QSize kPreviewSize(760, 820);

void previewCard(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex,
                 std::optional<bool> gameBacks) {
    const bool backs = gameBacks ? *gameBacks : get_PrintWordBacks();
    const QList<CardPage> pages =
        pagesOf(cards, backs, placementFor(duplex, programPrinter()), duplex.foldOver);
    const QPageLayout paper = programPrinter().pageLayout();

    // Qt's own preview frames every page in one orientation, so the pages are shown here, each
    // on its own paper.
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(QCoreApplication::translate("Printing", "Print Preview"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* scroll = new QScrollArea(&dialog);
    scroll->setObjectName(QStringLiteral("previewPages"));
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Dark);
    auto* sheet = new QWidget;
    auto* sheets = new QVBoxLayout(sheet);
    QList<QLabel*> pictures;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const bool folded = pages.at(i).Fold != CardPage::FoldLine::None;
        const qsizetype card = backs && !folded ? i / 2 + 1 : i + 1;
        auto* caption = new QLabel(
            folded ? QCoreApplication::translate("Printing", "Sheet %1, to fold").arg(card)
            : pages.at(i).Back ? QCoreApplication::translate("Printing", "Card %1, back").arg(card)
                               : QCoreApplication::translate("Printing", "Card %1").arg(card));
        auto* picture = new QLabel;
        picture->setObjectName(QStringLiteral("previewPage%1").arg(i + 1));
        sheets->addWidget(caption, 0, Qt::AlignHCenter);
        sheets->addWidget(picture, 0, Qt::AlignHCenter);
        pictures << picture;
    }
    sheets->addStretch();
    scroll->setWidget(sheet);
    layout->addWidget(scroll);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
    QPushButton* print = buttons->addButton(QCoreApplication::translate("Printing", "&Print ..."),
                                            QDialogButtonBox::ActionRole);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(print, &QPushButton::clicked, &dialog, [&dialog, &cards, &duplex, gameBacks] {
        runGuarded(&dialog, [&] { printCard(&dialog, cards, duplex, nullptr, gameBacks); });
    });
    // The pages are painted once the dialog shows; an error is shown from inside the preview.
    QTimer::singleShot(0, &dialog, [&dialog, &pages, &pictures, &paper] {
        fitInRoom(&dialog, kPreviewSize); // now with the frame the window manager gave it
        runGuarded(&dialog, [&] {
            PageProgress progress(&dialog,
                                  QCoreApplication::translate("Printing", "Print Preview"));
            // 48 dots an inch on the screen, drawn with the device's pixels (crisp on HiDPI).
            const qreal ratio = dialog.devicePixelRatioF();
            const int previewDpi = qRound(48 * ratio);
            for (qsizetype i = 0; i < pages.size(); ++i) {
                if (!progress(int(i + 1), int(pages.size()))) {
                    dialog.reject(); // cancelled: the preview closes
                    return;
                }
                QPixmap pixmap = QPixmap::fromImage(previewImage(pages.at(i), paper, previewDpi));
                pixmap.setDevicePixelRatio(ratio);
                pictures.at(i)->setPixmap(pixmap);
            }
        });
    });
    // The designed size where the screen holds it; on a smaller screen the pages scroll in
    // what room there is, and the buttons stay on the screen.
    fitInRoom(&dialog, kPreviewSize);
    dialog.exec();
}

JobOutcome exportCardPdf(QWidget* parent, const QList<CardPage>& cards, const DuplexChoices& duplex,
                         std::optional<bool> gameBacks) {
    const bool backs = gameBacks ? *gameBacks : get_PrintWordBacks();
    const QString path = askSaveFileName(
        parent, QCoreApplication::translate("Printing", "Export PDF"), QStringLiteral("Ferlo.pdf"),
        QCoreApplication::translate("Printing", "PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return {};
    PageProgress progress(parent, QCoreApplication::translate("Printing", "Export PDF"));
    PaintOptions options;
    options.progress = std::ref(progress);
    const QList<CardPage> pages =
        pagesOf(cards, backs, placementFor(duplex, programPrinter()), duplex.foldOver);
    const QPageSize paper = programPrinter().pageLayout().pageSize();
    std::optional<DocumentPictures> pictures;
    if (gameBacks) {
        pictures.emplace(pages, 600, paper.size(QPageSize::Millimeter));
        pictures->attach(options);
    }
    const bool done = writeCardPdf(path, pages, paper, 600, options);
    return {done ? JobOutcome::End::Done : JobOutcome::End::Cancelled, path, true};
}

QAction* makeWordBacksAction(QWidget* window) {
    auto* action =
        new QAction(QCoreApplication::translate("Printing", "Print Word &Backs"), window);
    action->setObjectName(QStringLiteral("mnWordBacks"));
    action->setCheckable(true);
    try {
        action->setChecked(get_PrintWordBacks());
    } catch (const Error&) {
        // Shown off; printing reports the unreadable store.
    }
    QObject::connect(action, &QAction::toggled, window, [action, window](bool on) {
        runGuarded(window, [action, on] {
            try {
                save_PrintWordBacks(on);
            } catch (...) {
                const QSignalBlocker blocker(action);
                action->setChecked(!on);
                throw;
            }
        });
    });
    return action;
}

} // namespace ferlo
