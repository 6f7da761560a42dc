#include "printing/PrintJob.h"

#include "platform/Errors.h"
#include "platform/Messages.h"
#include "platform/WaitCursor.h"
#include "printing/PagePainter.h"
#include "printing/PdfExport.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <exception>

namespace ferlo {

namespace {

// Owns the program's printer; a child of the application object, so it goes before the
// application's own clean-up.
class PrinterHolder : public QObject {
public:
    using QObject::QObject;
    QPrinter printer{QPrinter::HighResolution};
};

QPageLayout::Orientation orientationOf(const CardPage& page) {
    return page.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

} // namespace

QPrinter& programPrinter() {
    static QPointer<PrinterHolder> holder;
    if (!holder) {
        holder = new PrinterHolder(QCoreApplication::instance());
        holder->printer.setFullPage(false);
    }
    return holder->printer;
}

void runPrintJob(QPrinter& printer, const CardPage& page, const PaintOptions& options) {
    if (!printer.isValid())
        throw Error(QStringLiteral("Cannot print: the printer \"%1\" is not available.")
                        .arg(printer.printerName()));
    printer.setFullPage(false);
    printer.setDocName(QStringLiteral("Ferlo"));
    printer.setPageOrientation(orientationOf(page));

    // Everything that can fail (a picture gone, the stored option unreadable) is done before
    // the job begins: the print server prints whatever a begun job holds, aborted or not.
    PreparedPage prepared;
    try {
        prepared = prepareCardPage(QSize(printer.width(), printer.height()), printer.resolution(),
                                   page, options);
    } catch (...) {
        throw Error(errorMessage(std::current_exception(), QStringLiteral("Cannot print")));
    }

    QPainter painter;
    if (!painter.begin(&printer))
        throw Error(QStringLiteral("Cannot print: the printer \"%1\" did not start the job.")
                        .arg(printer.printerName()));
    try {
        paintPreparedPage(painter, prepared);
    } catch (...) {
        printer.abort();
        painter.end();
        throw Error(errorMessage(std::current_exception(), QStringLiteral("Cannot print")));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw Error(QStringLiteral("Cannot print: the printer \"%1\" reported an error.")
                        .arg(printer.printerName()));
}

void runPrintJob(QPrinter& printer, const CardPage& page) {
    runPrintJob(printer, page, {});
}

void printCard(QWidget* parent, const CardPage& page) {
    QPrinter& printer = programPrinter();
    QPrintDialog dialog(&printer, parent);
    // No page range and no selection: the card is one page. Besides the system's printers the
    // dialog offers Qt's "Print to File (PDF)", which writes the page as this printer would print
    // it.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return;
    WaitCursor wait;
    runPrintJob(printer, page);
}

void printerSetup(QWidget* parent) {
    QPrintDialog dialog(&programPrinter(), parent);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    dialog.exec();
}

void previewCard(QWidget* parent, const CardPage& page) {
    QPrinter& printer = programPrinter();
    printer.setDocName(QStringLiteral("Ferlo"));
    printer.setPageOrientation(orientationOf(page));
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&dialog, &page](QPrinter* previewPrinter) {
                         runGuarded(&dialog, [&] {
                             WaitCursor wait;
                             QPainter painter(previewPrinter);
                             paintCardPage(painter,
                                           QSize(previewPrinter->width(), previewPrinter->height()),
                                           page);
                         });
                     });
    dialog.exec();
}

void exportCardPdf(QWidget* parent, const CardPage& page) {
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export PDF"),
                                                QStringLiteral("Ferlo.pdf"),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    WaitCursor wait;
    writeCardPdf(path, {page}, programPrinter().pageLayout().pageSize(), 600);
}

} // namespace ferlo
