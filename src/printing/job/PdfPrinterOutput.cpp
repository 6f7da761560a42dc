#include "printing/job/PdfPrinterOutput.h"

#include "storage/Errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/statvfs.h>

namespace ferlo {

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

PdfPrinterOutput::PdfPrinterOutput(QPrinter& printer)
    : m_printer(printer)
    , m_target(printer.outputFileName())
    , m_partial(m_target + QStringLiteral(".XXXXXX")) {
    if (printer.outputFormat() != QPrinter::PdfFormat || m_target.isEmpty() || !m_partial.open())
        return;
    m_partial.close();
    m_partial.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                             QFileDevice::ReadGroup | QFileDevice::ReadOther);
    printer.setOutputFileName(m_partial.fileName());
    m_active = true;
}

PdfPrinterOutput::~PdfPrinterOutput() {
    if (m_active)
        m_printer.setOutputFileName(m_target);
}

void PdfPrinterOutput::commit() {
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

} // namespace ferlo
