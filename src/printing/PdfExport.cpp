#include "printing/PdfExport.h"

#include "platform/Errors.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ferlo {

namespace {

Error writeError(const QString& path, const QString& cause) {
    return Error(QStringLiteral("Cannot write the PDF file %1: %2").arg(path, cause));
}

} // namespace

void writeCardPdf(const QString& path, const QList<CardPage>& pages, const QPageSize& pageSize,
                  int resolution, const PaintOptions& options) {
    if (pages.isEmpty())
        throw writeError(path, QStringLiteral("there is no page to write."));
    const QFileInfo target(path);
    if (target.isDir())
        throw writeError(path, QStringLiteral("it is a folder."));
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        throw writeError(path, QStringLiteral("the folder %1 does not exist.").arg(folder));

    QTemporaryFile partial(folder + QStringLiteral("/.") + target.fileName() +
                           QStringLiteral(".XXXXXX.part"));
    if (!partial.open())
        throw writeError(path, partial.errorString());
    partial.close();

    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(partial.fileName());
        printer.setResolution(resolution);
        printer.setPageSize(pageSize);
        printer.setPageOrientation(pages.first().Portrait ? QPageLayout::Portrait
                                                          : QPageLayout::Landscape);
        printer.setFullPage(false);
        printer.setDocName(QStringLiteral("Ferlo"));
        printer.setCreator(QStringLiteral("Ferlo"));

        QPainter painter;
        if (!painter.begin(&printer))
            throw writeError(
                path, QStringLiteral("the PDF writer could not open %1.").arg(partial.fileName()));
        try {
            for (qsizetype i = 0; i < pages.size(); ++i) {
                if (i > 0 && !printer.newPage())
                    throw writeError(path, QStringLiteral("could not start page %1.").arg(i + 1));
                paintCardPage(painter, QSize(printer.width(), printer.height()), pages.at(i),
                              options);
            }
        } catch (...) {
            painter.end();
            throw; // the partial file is removed with `partial`
        }
        if (!painter.end() || printer.printerState() == QPrinter::Error)
            throw writeError(path, QStringLiteral("the PDF writer failed."));
    }

    QFile::setPermissions(partial.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // rename() replaces an existing file in one step.
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(path).constData()) != 0)
        throw writeError(path, QString::fromLocal8Bit(std::strerror(errno)));
    partial.setAutoRemove(false);
}

} // namespace ferlo
