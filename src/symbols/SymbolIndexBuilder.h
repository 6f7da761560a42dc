#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace ferlo {

// Builds the symbol index (SymbolIndexFormat.h) from the OpenMoji table (openmoji.csv: hexcode,
// annotation, tags, openmoji_tags, skintone_base_hexcode) and, for each language, the Unicode
// CLDR's names and keywords (<cldrCommonDir>/annotations/<language>.xml and
// annotationsDerived/<language>.xml). English comes from the table, with the CLDR's English
// keywords when cldrCommonDir is given; without it the index holds English alone.
// Throws std::runtime_error naming the file and the cause.
struct SymbolIndexBuild {
    QByteArray index;
    int symbols = 0;
    int ownSymbols = 0; // not a variant of another
    QStringList languages;
};
SymbolIndexBuild buildSymbolIndex(const QString& csvFile, const QString& cldrCommonDir,
                                  const QStringList& languages);

} // namespace ferlo
