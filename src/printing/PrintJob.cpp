#include "printing/PrintJob.h"

#include <QPrinter>

namespace ferlo {

QPrinter& programPrinter() {
    static QPrinter printer(QPrinter::HighResolution);
    return printer;
}

void printCard(QWidget*, const CardPage&) {}
void printerSetup(QWidget*) {}
void previewCard(QWidget*, const CardPage&) {}
void exportCardPdf(QWidget*, const CardPage&) {}
void runPrintJob(QPrinter&, const CardPage&) {}

} // namespace ferlo
