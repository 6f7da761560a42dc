#pragma once

#include <QString>

namespace ferlo {

// The path rules of the program, in one place. Paths are native: on Linux the separator is '/'
// and there are no drive letters.

// The directory part of a path: up to the last separator, less that separator unless it is the
// root's. "/pics/cat1.jpg" -> "/pics", "/cat1.jpg" -> "/", "cat1.jpg" -> "".
QString directoryPart(const QString& path);

// The text after the last separator: "/pics/cat1.jpg" -> "cat1.jpg".
QString fileNamePart(const QString& path);

// The full path of a file-list item: the directory, a separator unless it already ends in one,
// then the item's text.
QString joinPath(const QString& directory, const QString& name);

// The label word of a file name: directory and extension dropped, then trailing decimal digits
// dropped one by one while the text, trimmed of blanks and control characters, is not empty.
// "/pics/dog2.jpg" -> "dog", "dog 2.jpg" -> "dog ", "123.jpg" -> "".
QString MakeLabelText(const QString& fileName);

// The text in upper or lower case, every letter mapped by Unicode case rules.
QString labelInCase(const QString& text, bool upperCase);

// True when the text, trimmed of blanks and control characters (codes 0 to 32), is empty.
bool isBlankLabel(const QString& text);

} // namespace ferlo
