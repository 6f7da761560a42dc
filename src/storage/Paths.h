#pragma once

#include "layout/Card.h"

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

// The label word of a file name (layout's MakeLabelText on the name's bytes):
// "/pics/dog2.jpg" -> "dog", "dog 2.jpg" -> "dog ", "123.jpg" -> "".
QString MakeLabelText(const QString& fileName);

// The label of a cell as the card shows it and the page prints it: the cell's word (LabelWord)
// in the card's case, bytes of a file name that are not UTF-8 shown as U+FFFD; "" for a free
// cell and a word card (its word stands in the cell).
QString cellLabelText(const TCell& cell, bool upperCase);

// The text in upper or lower case, every letter mapped by Unicode case rules.
QString labelInCase(const QString& text, bool upperCase);

// True when the text, trimmed of blanks and control characters (codes 0 to 32), is empty.
bool isBlankLabel(const QString& text);

} // namespace ferlo
