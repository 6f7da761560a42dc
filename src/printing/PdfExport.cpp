#include "printing/PdfExport.h"

#include "printing/LabelText.h"
#include "storage/Errors.h"
#include "storage/FileReplacement.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "symbols/SymbolCells.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <optional>

namespace ferlo {

namespace {

Error writeError(const QString& path, const QString& cause) {
    return Error(QCoreApplication::translate("Printing", "Cannot write the PDF file %1: %2")
                     .arg(path, cause));
}

// A grid's or a sheet's page is the whole of its own paper; the five counts' pages keep the
// export's paper with Qt's default margins (`counted`).
void setPageFor(QPdfWriter& writer, const CardPage& page, const QPageLayout& counted) {
    if (const PagePlan* plan = page.Arrangement.plan()) {
        const double w = plan->PaperWidth, h = plan->PaperHeight;
        writer.setPageLayout(
            QPageLayout(QPageSize(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Millimeter),
                        w > h ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
        return;
    }
    if (!(writer.pageLayout().pageSize() == counted.pageSize() &&
          writer.pageLayout().margins() == counted.margins()))
        writer.setPageLayout(counted);
    writer.setPageOrientation(page.Portrait ? QPageLayout::Portrait : QPageLayout::Landscape);
}

// Whether a label word of the pages needs the text layer that Qt's writer cannot write.
bool needsTextLayer(const QList<CardPage>& pages) {
    for (const CardPage& page : pages) {
        for (const QStringList* words : {&page.LabelTexts, &page.FoldWords}) {
            if (std::any_of(words->begin(), words->end(), needsPdfTextLayer))
                return true;
        }
    }
    return false;
}

// The document's XMP metadata when it holds symbols: their source and licence as its rights, so
// that the credit travels with the file.
QByteArray symbolsXmp(const QString& credit) {
    const QString rights = credit.toHtmlEscaped();
    return QStringLiteral(
               "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
               "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
               "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
               "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
               "xmlns:xmp='http://ns.adobe.com/xap/1.0/' "
               "xmlns:xmpRights='http://ns.adobe.com/xap/1.0/rights/' "
               "xmlns:pdf='http://ns.adobe.com/pdf/1.3/'>\n"
               "<dc:title><rdf:Alt><rdf:li "
               "xml:lang='x-default'>Ferlo</rdf:li></rdf:Alt></dc:title>\n"
               "<dc:rights><rdf:Alt><rdf:li "
               "xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:rights>\n"
               "<xmpRights:WebStatement>https://creativecommons.org/licenses/by-sa/4.0/"
               "</xmpRights:WebStatement>\n"
               "<xmp:CreatorTool>Ferlo</xmp:CreatorTool>\n"
               "<pdf:Producer>Qt " QT_VERSION_STR "</pdf:Producer>\n"
               "</rdf:Description>\n</rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>")
        .arg(rights)
        .toUtf8();
}

// Refuses a target that is a folder, not a plain file, or in no folder. Asked by the file
// system's bytes, as the file is written (a name need not be UTF-8).
void checkTarget(const QString& path) {
    const PathKind target = pathKind(path);
    if (target == PathKind::Directory)
        throw writeError(path, QCoreApplication::translate("Printing", "it is a folder."));
    // The document replaces the target by a rename, which would turn a device or a pipe into a
    // plain file: only a plain file (or a link to one) is written over.
    if (target == PathKind::Other)
        throw writeError(path, QCoreApplication::translate("Printing", "it is not a plain file."));
    const QString folder = directoryPart(QDir::current().absoluteFilePath(path));
    if (pathKind(folder) != PathKind::Directory)
        throw writeError(
            path,
            QCoreApplication::translate("Printing", "the folder %1 does not exist.").arg(folder));
}

// The writer's resolution, first page and credits; returns the page layout of the five counts.
QPageLayout setUpWriter(QPdfWriter& writer, const QList<CardPage>& pages, const QPageSize& pageSize,
                        int resolution) {
    writer.setResolution(resolution);
    // Qt's default PDF margins, 10 points, the same as a PDF printer's.
    writer.setPageSize(pageSize);
    const QPageLayout counted = writer.pageLayout();
    setPageFor(writer, pages.first(), counted);
    writer.setTitle(QStringLiteral("Ferlo"));
    writer.setCreator(QStringLiteral("Ferlo"));
    if (holdsSymbols(pages)) {
        // Readers show the creator; the licence's address and the rights go in XMP.
        const QString credit = symbolSetCredit();
        writer.setCreator(QStringLiteral("Ferlo. ") + credit);
        writer.setDocumentXmpMetadata(symbolsXmp(credit));
    }
    return counted;
}

// Where the pages are painted to: the target's name, its file, the five counts' page layout,
// and the text layer, if any.
struct PageTarget {
    const QString& path;
    const FileReplacement& file;
    const QPageLayout& counted;
    PdfTextLayer* layer = nullptr;
};

// Paints the pages one by one; false when the progress callback cancels. A full disk stops the
// work at the page it is found on.
bool paintPages(QPainter& painter, QPdfWriter& writer, const PageTarget& target,
                const QList<CardPage>& pages, const PaintOptions& options) {
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (options.progress && !options.progress(int(i + 1), int(pages.size())))
            return false;
        if (!target.file.failure().isEmpty())
            break;
        if (i > 0) {
            // Each page turns as its card does: the cards of a deck may differ.
            setPageFor(writer, pages.at(i), target.counted);
            if (!writer.newPage())
                throw writeError(
                    target.path,
                    QCoreApplication::translate("Printing", "could not start page %1.").arg(i + 1));
        }
        if (target.layer)
            target.layer->beginPage(int(i));
        paintCardPage(painter, QSize(writer.width(), writer.height()), pages.at(i), options);
    }
    return true;
}

} // namespace

bool writeCardPdf(const QString& path, const QList<CardPage>& pages, const QPageSize& pageSize,
                  int resolution, const PaintOptions& options) {
    if (pages.isEmpty())
        throw writeError(path,
                         QCoreApplication::translate("Printing", "there is no page to write."));
    checkTarget(path);

    // The document goes to a temporary file that has no name until commit() links it in as the
    // target, replacing an old one in one step (on Linux an O_TMPFILE file in the target's
    // folder). A failure, a full disk or the program being killed leaves the folder as it was.
    FileReplacement file(path);
    if (!file.open())
        throw writeError(path, file.failure());

    // A document whose words need a text layer is written to memory first; the layer is added
    // to it there.
    QBuffer unlayered;
    if (needsTextLayer(pages))
        unlayered.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(unlayered.isOpen() ? static_cast<QIODevice*>(&unlayered) : file.device());
        std::optional<PdfTextLayer> layer;
        if (unlayered.isOpen())
            layer.emplace(writer);
        const QPageLayout counted = setUpWriter(writer, pages, pageSize, resolution);

        QPainter painter;
        if (!painter.begin(&writer))
            throw writeError(path, QCoreApplication::translate(
                                       "Printing", "the PDF writer could not start the document."));
        try {
            if (!paintPages(painter, writer, {path, file, counted, layer ? &*layer : nullptr},
                            pages, options)) {
                painter.end();
                return false; // `file` is discarded uncommitted
            }
        } catch (...) {
            painter.end();
            throw; // `file` is discarded uncommitted
        }
        if (!painter.end() && file.failure().isEmpty())
            throw writeError(path,
                             QCoreApplication::translate("Printing", "the PDF writer failed."));
        if (layer) {
            QByteArray layered;
            try {
                layered = layer->addTo(unlayered.data());
            } catch (const Error& error) {
                throw writeError(path, error.message());
            }
            // A short write is seen by the device and reported by commit() below.
            file.device()->write(layered);
        }
    }

    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    if (!file.commit())
        throw writeError(path, file.failure());
    return true;
}

} // namespace ferlo
