#include "FuzzChecks.h"

#include "storage/SheetTemplates.h"

#include <cmath>

// The sheet-template reader on hostile XML: it never crashes, every sheet it keeps has labels
// of a size on its paper, and every refusal names the file.
void ferlo::fuzz::fuzzOne(const QByteArray& bytes, const QString&) {
    PaperSizes papers = readPaperSizes(bytes);
    papers.insert(QStringLiteral("A4"), {210.0, 297.0});
    SheetCatalogue catalogue;
    const QString file = QStringLiteral("fuzz-templates.xml");
    readTemplateFile(bytes, file, papers, catalogue);
    for (const QString& refused : catalogue.Refused)
        require(refused.contains(file), QStringLiteral("a refusal without the file: ") + refused);
    for (const SheetTemplate& sheet : catalogue.Sheets) {
        require(!sheet.Labels.empty() && sheet.Labels.size() <= size_t(MaxLayoutCells),
                QStringLiteral("a sheet with %1 labels").arg(sheet.Labels.size()));
        require(sheet.PaperWidth > 0 && sheet.PaperHeight > 0 && sheet.PaperWidth <= 1000 &&
                    sheet.PaperHeight <= 1000,
                QStringLiteral("a sheet without a paper"));
        const PagePlan plan = PlanSheet(sheet);
        for (const PageCard& card : plan.Cards) {
            const MmRect& t = card.Trim;
            require(std::isfinite(t.Left) && std::isfinite(t.Top) && t.Width > 0 && t.Height > 0 &&
                        t.Left > -3 && t.Top > -3 && t.right() < sheet.PaperWidth + 3 &&
                        t.bottom() < sheet.PaperHeight + 3,
                    QStringLiteral("a label off its paper"));
            const TPrinterCell cell = PrinterCellFor(card, 600 / MillimetresPerInch, true);
            require(cell.Width >= 1 && cell.Height >= 1, QStringLiteral("a cell of no size"));
        }
    }
    // A name search over whatever was read.
    findSheets(catalogue, QString::fromUtf8(bytes.left(16)));
}
