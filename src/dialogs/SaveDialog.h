#pragma once

#include <QString>

class QWidget;

namespace ferlo {

// Asks for the name of a file to write with Qt's save dialog. A name typed without an extension
// gets `suffix` ("pdf") from the dialog itself, so the dialog's question about replacing an
// existing file is asked of the name that will be written. A name that ends otherwise still gets
// the suffix added after the dialog, and when that file exists the user is asked again before it
// is replaced (a "No" goes back to the dialog). Returns the chosen path, empty when cancelled.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& start,
                        const QString& filter, const QString& suffix);

} // namespace ferlo
