#include "storage/SheetTemplates.h"

#include "storage/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ferlo {

namespace {

// Limits no sheet sold comes near: a template beyond them is refused rather than laid out.
constexpr double MaxSheetMm = 1000.0;
constexpr int MaxLabelsAcross = 200;
constexpr int MaxLabelsPerSheet = 2000;
// A label may stand this far past the paper's edge and no further: several sheets sold run a
// millimetre or so over in their templates (rounding), and the paper's edge trims them.
constexpr double OffPaperToleranceMm = 2.0;

// A template's own complaint: the cause of its refusal.
struct Refusal {
    QString cause;
};

// A length of a template: a number with an optional unit; a bare number is points.
double length(const QXmlStreamAttributes& attributes, const char* name, bool required = true) {
    const QString text = attributes.value(QLatin1String(name)).toString().trimmed();
    if (text.isEmpty()) {
        if (required)
            throw Refusal{QCoreApplication::translate("SheetTemplates", "it has no %1")
                              .arg(QLatin1String(name))};
        return 0;
    }
    const std::optional<double> mm = ParseLength(text.toStdString(), MillimetresPerPoint);
    if (!mm)
        throw Refusal{QCoreApplication::translate(
                          "SheetTemplates", "its %1 \"%2\" is not a length in pt, mm, cm, in or pc")
                          .arg(QLatin1String(name), text.left(40))};
    if (*mm > MaxSheetMm)
        throw Refusal{
            QCoreApplication::translate("SheetTemplates", "its %1 of %2 is more than a metre")
                .arg(QLatin1String(name), text.left(40))};
    return *mm;
}

int whole(const QXmlStreamAttributes& attributes, const char* name) {
    bool ok = false;
    const int value = attributes.value(QLatin1String(name)).toInt(&ok);
    if (!ok || value < 1 || value > MaxLabelsAcross)
        throw Refusal{
            QCoreApplication::translate("SheetTemplates",
                                        "its %1 \"%2\" is not a whole number from 1 to %3")
                .arg(QLatin1String(name), attributes.value(QLatin1String(name)).toString().left(40),
                     QString::number(MaxLabelsAcross))};
    return value;
}

QString describeTemplate(const QString& brand, const QString& part) {
    return QStringLiteral("%1 %2").arg(brand.left(60), part.left(60));
}

// The template's names and paper, from its element's attributes.
SheetTemplate readSheetPaper(const QXmlStreamAttributes& attributes, const PaperSizes& papers) {
    SheetTemplate sheet;
    sheet.Brand = attributes.value(QLatin1String("brand")).toString().toStdString();
    sheet.Part = attributes.value(QLatin1String("part")).toString().toStdString();
    QString description = attributes.value(QLatin1String("_description")).toString();
    if (description.isEmpty())
        description = attributes.value(QLatin1String("description")).toString();
    sheet.Description = description.toStdString();
    const QString size = attributes.value(QLatin1String("size")).toString();
    if (size == QLatin1String("Other") || size.isEmpty()) {
        sheet.PaperWidth = length(attributes, "width");
        sheet.PaperHeight = length(attributes, "height");
    } else if (const auto paper = papers.constFind(size); paper != papers.constEnd()) {
        sheet.PaperWidth = paper->first;
        sheet.PaperHeight = paper->second;
    } else {
        throw Refusal{
            QCoreApplication::translate("SheetTemplates", "its paper size \"%1\" is not known")
                .arg(size.left(40))};
    }
    if (!(sheet.PaperWidth > 0 && sheet.PaperHeight > 0))
        throw Refusal{QCoreApplication::translate("SheetTemplates", "its paper has no size")};
    return sheet;
}

// A label's own elements, the reader inside it: its markup margin, and its layouts, whose
// labels are added to the sheet.
void readLabelLayouts(QXmlStreamReader& xml, PageCard& label, double width, double height,
                      SheetTemplate& sheet) {
    while (xml.readNextStartElement()) {
        const QXmlStreamAttributes e = xml.attributes();
        if (xml.name() == QLatin1String("Markup-margin")) {
            label.Markup = length(e, "size");
        } else if (xml.name() == QLatin1String("Layout")) {
            const int nx = whole(e, "nx");
            const int ny = whole(e, "ny");
            const double x0 = length(e, "x0", false), y0 = length(e, "y0", false);
            const double dx = length(e, "dx", nx > 1), dy = length(e, "dy", ny > 1);
            if (int(sheet.Labels.size()) + nx * ny > MaxLabelsPerSheet)
                throw Refusal{QCoreApplication::translate("SheetTemplates",
                                                          "it has more than %1 labels on a sheet")
                                  .arg(MaxLabelsPerSheet)};
            for (int y = 0; y < ny; ++y)
                for (int x = 0; x < nx; ++x) {
                    PageCard card = label;
                    card.Trim = {x0 + x * dx, y0 + y * dy, width, height};
                    card.Bleed = card.Trim;
                    sheet.Labels.push_back(card);
                }
        }
        xml.skipCurrentElement();
    }
}

// Refuses a label that stands off the paper further than a template's rounding explains.
void checkOnPaper(const SheetTemplate& sheet) {
    for (const PageCard& card : sheet.Labels) {
        const MmRect& t = card.Trim;
        const double over = std::max(
            {-t.Left, -t.Top, t.right() - sheet.PaperWidth, t.bottom() - sheet.PaperHeight});
        if (over > OffPaperToleranceMm)
            throw Refusal{QCoreApplication::translate(
                              "SheetTemplates", "a label at %1, %2 mm runs %3 mm off the paper")
                              .arg(t.Left, 0, 'f', 1)
                              .arg(t.Top, 0, 'f', 1)
                              .arg(over, 0, 'f', 1)};
    }
}

// One <Template> element, the reader on its start; leaves the reader on its end.
SheetTemplate readTemplate(QXmlStreamReader& xml, const PaperSizes& papers) {
    SheetTemplate sheet = readSheetPaper(xml.attributes(), papers);
    bool cd = false;
    PageCard label;
    double width = 0, height = 0;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        const QXmlStreamAttributes a = xml.attributes();
        if (name == QLatin1String("Label-rectangle") || name == QLatin1String("Label-ellipse")) {
            width = length(a, "width");
            height = length(a, "height");
            label.Shape = name == QLatin1String("Label-ellipse") ? LabelShape::Ellipse
                                                                 : LabelShape::Rectangle;
            label.Radius = label.Shape == LabelShape::Rectangle ? length(a, "round", false) : 0;
        } else if (name == QLatin1String("Label-round")) {
            width = height = 2 * length(a, "radius");
            label.Shape = LabelShape::Round;
            label.Radius = width / 2;
        } else if (name == QLatin1String("Label-cd")) {
            cd = true;
            xml.skipCurrentElement();
            continue;
        } else {
            xml.skipCurrentElement(); // Meta and whatever a later package adds
            continue;
        }
        if (!(width > 0 && height > 0))
            throw Refusal{QCoreApplication::translate("SheetTemplates", "its labels have no size")};
        label.Radius = std::min(label.Radius, std::min(width, height) / 2);
        label.Markup = 0;
        readLabelLayouts(xml, label, width, height, sheet);
        sheet.LabelWidth = width;
        sheet.LabelHeight = height;
        sheet.Shape = label.Shape;
    }
    if (sheet.Labels.empty())
        throw Refusal{
            cd ? QCoreApplication::translate("SheetTemplates", "CD and DVD labels are not offered")
               : QCoreApplication::translate("SheetTemplates", "it has no labels")};
    checkOnPaper(sheet);
    // Pictures fill the labels row by row, top row first, whatever the layouts' order.
    std::stable_sort(sheet.Labels.begin(), sheet.Labels.end(),
                     [](const PageCard& a, const PageCard& b) {
                         const double rowA = std::round(a.Trim.Top * 10);
                         const double rowB = std::round(b.Trim.Top * 10);
                         return rowA != rowB ? rowA < rowB : a.Trim.Left < b.Trim.Left;
                     });
    return sheet;
}

const SheetTemplate* findExact(const SheetCatalogue& catalogue, const std::string& key) {
    const auto at = catalogue.ByName.constFind(QString::fromStdString(key));
    return at == catalogue.ByName.constEnd() ? nullptr : &catalogue.Sheets[size_t(*at)];
}

void add(SheetCatalogue& catalogue, SheetTemplate&& sheet) {
    const QString key = QString::fromStdString(SearchKey(sheet.Brand + sheet.Part));
    if (!catalogue.ByName.contains(key))
        catalogue.ByName.insert(key, int(catalogue.Sheets.size()));
    catalogue.Sheets.push_back(std::move(sheet));
}

} // namespace

QString sheetTemplateFolder() {
    const QString folder = qEnvironmentVariable("FERLO_SHEET_TEMPLATES");
    return folder.isEmpty() ? QStringLiteral("/usr/share/libglabels-3.0/templates") : folder;
}

PaperSizes readPaperSizes(const QByteArray& bytes) {
    PaperSizes papers;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("Paper-size"))
            continue;
        try {
            const double width = length(xml.attributes(), "width");
            const double height = length(xml.attributes(), "height");
            if (width > 0 && height > 0)
                papers.insert(xml.attributes().value(QLatin1String("id")).toString(),
                              {width, height});
        } catch (const Refusal&) {
            // A paper that cannot be measured is left out; templates on it are refused.
        }
    }
    return papers;
}

void readTemplateFile(const QByteArray& bytes, const QString& fileName, const PaperSizes& papers,
                      SheetCatalogue& into) {
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement ||
            xml.name() != QLatin1String("Template"))
            continue;
        const QString brand = xml.attributes().value(QLatin1String("brand")).toString();
        const QString part = xml.attributes().value(QLatin1String("part")).toString();
        const QString equiv = xml.attributes().value(QLatin1String("equiv")).toString();
        const auto refuse = [&](const QString& cause) {
            into.RefusedNames.insert(
                QString::fromStdString(SearchKey((brand + part).toStdString())));
            into.Refused << QCoreApplication::translate("SheetTemplates",
                                                        "The sheet %1 in %2 is left out: %3.")
                                .arg(describeTemplate(brand, part), fileName, cause);
        };
        if (brand.trimmed().isEmpty() || part.trimmed().isEmpty()) {
            refuse(QCoreApplication::translate("SheetTemplates", "it has no brand or part number"));
            xml.skipCurrentElement();
            continue;
        }
        if (!equiv.isEmpty()) {
            // An equivalent is another part number of a sheet of the same brand read before.
            const SheetTemplate* same = findExact(into, SearchKey((brand + equiv).toStdString()));
            if (same) {
                SheetTemplate copy = *same;
                copy.Part = part.toStdString();
                copy.File = fileName.toStdString();
                add(into, std::move(copy));
            } else {
                const bool left = into.RefusedNames.contains(
                    QString::fromStdString(SearchKey((brand + equiv).toStdString())));
                refuse(QCoreApplication::translate("SheetTemplates",
                                                   "the sheet %1 it is equal to is %2")
                           .arg(describeTemplate(brand, equiv),
                                left ? QCoreApplication::translate("SheetTemplates", "left out")
                                     : QCoreApplication::translate("SheetTemplates", "not there")));
            }
            xml.skipCurrentElement();
            continue;
        }
        try {
            SheetTemplate sheet = readTemplate(xml, papers);
            sheet.File = fileName.toStdString();
            add(into, std::move(sheet));
        } catch (const Refusal& refusal) {
            refuse(refusal.cause);
            if (!xml.hasError() && xml.isStartElement())
                xml.skipCurrentElement();
        }
    }
    if (xml.hasError() && xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        into.Refused << QCoreApplication::translate(
                            "SheetTemplates",
                            "The sheet templates in %1 are read only up to line %2: "
                            "%3.")
                            .arg(fileName, QString::number(xml.lineNumber()), xml.errorString());
}

SheetCatalogue readSheetCatalogue(const QString& folder) {
    SheetCatalogue catalogue;
    const QDir dir(folder);
    QFile paperFile(dir.filePath(QStringLiteral("paper-sizes.xml")));
    if (!dir.exists() || !paperFile.open(QIODevice::ReadOnly)) {
        catalogue.Missing = QCoreApplication::translate(
                                "SheetTemplates", "No label sheets are installed: %1 does not hold "
                                                  "paper-sizes.xml (the package glabels-data).")
                                .arg(folder);
        return catalogue;
    }
    const PaperSizes papers = readPaperSizes(paperFile.readAll());
    const QStringList files =
        dir.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            catalogue.Refused << QCoreApplication::translate(
                                     "SheetTemplates",
                                     "The sheet templates in %1 cannot be read: %2.")
                                     .arg(file.fileName(), file.errorString());
            continue;
        }
        readTemplateFile(file.readAll(), file.fileName(), papers, catalogue);
    }
    return catalogue;
}

const SheetCatalogue& installedSheets() {
    static const SheetCatalogue catalogue = readSheetCatalogue(sheetTemplateFolder());
    return catalogue;
}

std::vector<const SheetTemplate*> findSheets(const SheetCatalogue& catalogue, const QString& text) {
    // The text with its blanks dropped, or else each of its words, found in the sheet's brand,
    // part number and description run together.
    const std::string whole = SearchKey(text.toStdString());
    std::vector<std::string> words;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words.push_back(SearchKey(word.toStdString()));
    std::vector<const SheetTemplate*> found;
    for (const SheetTemplate& sheet : catalogue.Sheets) {
        const std::string key = SearchKey(sheet.Brand + sheet.Part + ' ' + sheet.Description);
        if (key.find(whole) != std::string::npos ||
            std::all_of(words.begin(), words.end(), [&](const std::string& word) {
                return key.find(word) != std::string::npos;
            }))
            found.push_back(&sheet);
    }
    return found;
}

const SheetTemplate& sheetNamed(const SheetCatalogue& catalogue, const QString& name) {
    if (!catalogue.Missing.isEmpty())
        throw Error(QCoreApplication::translate("SheetTemplates", "Cannot use the sheet %1. %2")
                        .arg(name, catalogue.Missing));
    if (const SheetTemplate* sheet = findExact(catalogue, SearchKey(name.toStdString())))
        return *sheet;
    throw Error(QCoreApplication::translate(
                    "SheetTemplates",
                    "There is no sheet named %1 among the installed sheet templates "
                    "(%2).")
                    .arg(name, sheetTemplateFolder()));
}

} // namespace ferlo
