#include "app/LayoutOptions.h"

#include "storage/Errors.h"
#include "storage/SheetTemplates.h"
#include "storage/TranslatedText.h"

#include <QCoreApplication>

namespace ferlo {

const QStringList layoutValueOptions{"sheet", "grid", "card-size", "gap", "paper", "bleed"};
const QStringList layoutSwitchOptions{"fill", "outlines", "list-sheets"};

namespace {

[[noreturn]] void bad(const QString& option, const QString& value, const QString& allowed) {
    throw LayoutOptionError{
        QCoreApplication::translate("CommandLine", "bad value \"%1\" for --%2: %3")
            .arg(value, option, allowed)};
}

QString mm(double value) {
    return QString::number(value, 'f', 1);
}

// COLUMNSxROWS, each side 1 to the largest a grid has.
void takeGrid(const QString& name, const QString& value, LayoutRequest& request) {
    const QStringList parts = value.toLower().split(QLatin1Char('x'));
    bool ok1 = false, ok2 = false;
    const int columns = parts.size() == 2 ? parts[0].trimmed().toInt(&ok1) : 0;
    const int rows = parts.size() == 2 ? parts[1].trimmed().toInt(&ok2) : 0;
    if (!ok1 || !ok2 || columns < 1 || columns > MaxGridSide || rows < 1 || rows > MaxGridSide)
        bad(name, value,
            QCoreApplication::translate("CommandLine",
                                        "use COLUMNSxROWS, each 1 to 10, such as 4x5"));
    GridSpec grid = request.grid.value_or(GridSpec{});
    grid.Columns = columns, grid.Rows = rows;
    request.grid = grid;
}

// One length for both directions, or ACROSSxDOWN.
void takeGap(const QString& name, const QString& value, LayoutRequest& request) {
    const std::string text = value.trimmed().toStdString();
    if (const auto length = ParseLength(text))
        request.gap = std::pair{*length, *length};
    else
        request.gap = ParseSize(text);
    if (!request.gap)
        bad(name, value,
            QCoreApplication::translate("CommandLine",
                                        "use a length with a unit such as 3mm or 0.125in, or "
                                        "ACROSSxDOWN such as 3x5mm"));
}

// A named paper or WIDTHxHEIGHT, at most a metre on either side.
void takePaper(const QString& name, const QString& value, LayoutRequest& request) {
    const std::string text = value.trimmed().toStdString();
    if (const auto named = NamedPaper(text)) {
        request.paper = *named;
    } else if (const auto size = ParseSize(text)) {
        request.paper = PaperSize{"", size->first, size->second};
    } else {
        bad(name, value,
            QCoreApplication::translate(
                "CommandLine", "use A4, A5, A3, Letter, Legal, or WIDTHxHEIGHT with a unit, such "
                               "as 100x150mm or 4inx6in"));
    }
    if (request.paper->Width > 1000 || request.paper->Height > 1000)
        bad(name, value,
            QCoreApplication::translate("CommandLine",
                                        "a paper is at most 1000 mm on either side"));
}

} // namespace

void takeLayoutOption(const QString& name, const QString& value, LayoutRequest& request) {
    request.given << name;
    const std::string text = value.trimmed().toStdString();
    if (name == QLatin1String("sheet")) {
        if (value.trimmed().isEmpty())
            bad(name, value,
                QCoreApplication::translate("CommandLine",
                                            "give a brand and part number, such as \"Avery "
                                            "5371\" (see --list-sheets)"));
        request.sheet = value.trimmed();
    } else if (name == QLatin1String("grid")) {
        takeGrid(name, value, request);
    } else if (name == QLatin1String("card-size")) {
        request.cardSize = ParseSize(text);
        if (!request.cardSize)
            bad(name, value,
                QCoreApplication::translate(
                    "CommandLine", "use WIDTHxHEIGHT with a unit mm, cm, in or pt, such as 2inx2in "
                                   "or 85x55mm"));
    } else if (name == QLatin1String("gap")) {
        takeGap(name, value, request);
    } else if (name == QLatin1String("paper")) {
        takePaper(name, value, request);
    } else if (name == QLatin1String("bleed")) {
        const auto bleed = ParseLength(text);
        if (!bleed || *bleed > MaxBleedMm + 1e-9)
            bad(name, value,
                QCoreApplication::translate("CommandLine",
                                            "use 0 to 6 mm with a unit, such as 3mm"));
        request.bleed = *bleed;
    } else if (name == QLatin1String("fill")) {
        request.fill = true;
    } else if (name == QLatin1String("outlines")) {
        request.outlines = true;
    }
}

std::optional<ChosenLayout> finishLayout(const LayoutRequest& request) {
    const auto needs = [&](const char* option, const QString& what) {
        if (request.given.contains(QLatin1String(option)))
            throw LayoutOptionError{
                QCoreApplication::translate("CommandLine", "the option --%1 needs %2")
                    .arg(QLatin1String(option), what)};
    };
    if (!request.sheet && !request.grid) {
        for (const char* option : {"card-size", "gap", "paper", "fill", "bleed", "outlines"})
            needs(option, QCoreApplication::translate("CommandLine", "--grid or --sheet"));
        return std::nullopt;
    }
    if (request.sheet && request.grid)
        throw LayoutOptionError{
            QCoreApplication::translate("CommandLine", "give either --grid or --sheet, not both")};
    ChosenLayout chosen;
    CardLayout& layout = chosen.layout;
    layout.Fill = request.fill;
    layout.Bleed = request.bleed;
    layout.Outlines = request.outlines;
    if (request.sheet) {
        for (const char* option : {"card-size", "gap", "paper"})
            needs(option, QCoreApplication::translate(
                              "CommandLine", "--grid (a sheet has its own paper and labels)"));
        try {
            const SheetTemplate& sheet = sheetNamed(installedSheets(), *request.sheet);
            layout.kind = CardLayout::Kind::Sheet;
            layout.Name = sheet.name();
            layout.setCells(int(sheet.Labels.size()));
        } catch (const Error& error) {
            throw LayoutOptionError{
                QCoreApplication::translate("CommandLine", "bad value \"%1\" for --sheet: %2")
                    .arg(*request.sheet, error.message())};
        }
        return chosen;
    }
    if (request.gap && !request.cardSize)
        needs("gap", QCoreApplication::translate(
                         "CommandLine", "--card-size (without it the page is divided evenly)"));
    GridSpec grid = *request.grid;
    if (request.paper)
        grid.Paper = *request.paper;
    grid.Landscape = request.landscape;
    if (request.cardSize) {
        grid.CardWidth = request.cardSize->first;
        grid.CardHeight = request.cardSize->second;
    }
    if (request.gap)
        grid.GapX = request.gap->first, grid.GapY = request.gap->second;
    const PlanResult plan = PlanGrid(grid);
    if (!plan.Problem.empty())
        throw LayoutOptionError{
            QCoreApplication::translate("CommandLine", "the grid does not fit: %1")
                .arg(translatedText(plan.Problem))};
    layout.kind = CardLayout::Kind::Grid;
    layout.Grid = grid;
    return chosen;
}

QStringList sheetListing(const QString& text) {
    const SheetCatalogue& catalogue = installedSheets();
    if (!catalogue.Missing.isEmpty())
        throw Error(catalogue.Missing);
    QStringList lines;
    for (const SheetTemplate* sheet : findSheets(catalogue, text)) {
        const QString shape = sheet->Shape == LabelShape::Round
                                  ? QCoreApplication::translate("CommandLine", "round ")
                              : sheet->Shape == LabelShape::Ellipse
                                  ? QCoreApplication::translate("CommandLine", "ellipse ")
                                  : QString();
        lines << QCoreApplication::translate("CommandLine",
                                             "%1\t%2\t%3\t%4%5 x %6 mm\t%7 per sheet")
                     .arg(QString::fromStdString(sheet->Brand), QString::fromStdString(sheet->Part),
                          QString::fromStdString(sheet->Description), shape, mm(sheet->LabelWidth),
                          mm(sheet->LabelHeight))
                     .arg(sheet->Labels.size());
    }
    if (lines.isEmpty())
        lines << QCoreApplication::translate("CommandLine", "No installed sheet matches \"%1\".")
                     .arg(text);
    return lines;
}

} // namespace ferlo
