#pragma once

#include "layout/SymbolRef.h"

#include <QString>
#include <QStringList>

namespace ferlo {

// The installed OpenMoji set: <dir of ferlo>/symbols/openmoji beside an uninstalled program, else
// <prefix>/share/ferlo/symbols/openmoji. "" when neither holds it.
QString symbolSetDir();

// The SVG file of a symbol in the installed set ("1F415", Color → …/color/1F415.svg), or "" when
// the set or that symbol is not installed. A hexcode is upper-case hexadecimal numbers joined by
// '-': anything else (a path, "..") names no file.
QString symbolFile(const QString& hexcode, SymbolStyle style);
QString symbolFileIn(const QString& setDir, const QString& hexcode, SymbolStyle style);

// The index of the installed set's names and keywords (openmoji.index beside the set's folder),
// or "" when it is not installed.
QString symbolIndexFile();

// The user's own symbol folders (folders of SVG, PNG and JPEG files named by their word), stored
// under \Software\Ferlo, at most 100. Reading never throws: a store that
// can't be read gives none. Saving throws ERegistryException naming the settings file, and
// ferlo::Error for a folder name that can't be stored (one holding a line break).
QStringList readSymbolFolders();
void saveSymbolFolders(const QStringList& folders);

} // namespace ferlo
