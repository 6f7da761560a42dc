#pragma once

#include <QString>
#include <QTemporaryFile>

class QPrinter;

namespace ferlo {

// Why a PDF file that Qt's printer wrote is not whole, empty when it is: the printer does not
// say when a write fails, so its end must name the cross-reference table where that is. A full
// disk is named by the system's cause.
QString unfinishedPdfCause(const QString& path);

// Qt's PDF printer writes its file from the first page on and keeps what it has when the job is
// aborted. While this lives, the printer writes to a temporary file beside the chosen one, which
// commit() renames over the chosen name; otherwise it is removed and the chosen file is untouched.
class PdfPrinterOutput {
public:
    explicit PdfPrinterOutput(QPrinter& printer);
    ~PdfPrinterOutput();
    PdfPrinterOutput(const PdfPrinterOutput&) = delete;
    PdfPrinterOutput& operator=(const PdfPrinterOutput&) = delete;

    // Renames the finished file over the chosen name; throws ferlo::Error naming the file and
    // the cause when it is not whole or cannot be renamed.
    void commit();

private:
    QPrinter& m_printer;
    QString m_target;
    QTemporaryFile m_partial;
    bool m_active = false;
};

} // namespace ferlo
