#pragma once

// Label and card sheets from the installed sheet templates (the glabels-data package: XML files
// under /usr/share/libglabels-3.0/templates, paper sizes in paper-sizes.xml), read at run time.

#include "layout/CardLayout.h"

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <vector>

namespace ferlo {

// The folder the templates are read from: $FERLO_SHEET_TEMPLATES when set, else the package's.
QString sheetTemplateFolder();

// Paper sizes by their id ("A4", "US-Letter"), width and height in millimetres.
using PaperSizes = QHash<QString, std::pair<double, double>>;

struct SheetCatalogue {
    std::vector<SheetTemplate> Sheets; // equivalents resolved, in the order of the files
    // One sentence per template or file left out, naming the file and the cause.
    QStringList Refused;
    // Empty when the folder was read; else why there are no sheets (the package is missing).
    QString Missing;
    // Each sheet by SearchKey(brand + part): the first of that name.
    QHash<QString, int> ByName;
    QSet<QString> RefusedNames; // likewise the sheets left out
};

// The paper sizes of a paper-sizes.xml.
PaperSizes readPaperSizes(const QByteArray& xml);
// The templates of one file, added to `into` (equivalents of templates already there resolved);
// what is refused is named in into.Refused. Never throws for what the file holds.
void readTemplateFile(const QByteArray& xml, const QString& fileName, const PaperSizes& papers,
                      SheetCatalogue& into);
// Every *-templates.xml of a folder.
SheetCatalogue readSheetCatalogue(const QString& folder);
// The installed sheets, read once per run from sheetTemplateFolder().
const SheetCatalogue& installedSheets();

// The sheets whose brand, part number and description hold the text, case and blanks ignored,
// or each of its words ("5371", "zweckform 32010", "business card", "avery round"); every sheet
// for an empty text.
std::vector<const SheetTemplate*> findSheets(const SheetCatalogue& catalogue, const QString& text);
// The sheet named brand and part ("Avery 5371"), case and blanks ignored. Throws ferlo::Error
// naming the sheet when there is none, or the package when no templates are installed.
const SheetTemplate& sheetNamed(const SheetCatalogue& catalogue, const QString& name);

} // namespace ferlo
