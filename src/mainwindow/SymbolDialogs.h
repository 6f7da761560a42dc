#pragma once

#include "layout/SymbolRef.h"

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace ferlo {

// Options > Symbols: the user's own symbol folders, added (a folder chooser) and removed. False
// when the user cancelled; `folders` then keeps what it held.
bool editSymbolFolderList(QWidget* parent, QStringList& folders);

// Card > Cards from Words: a typed or pasted list of words (one a line, or separated by commas),
// the folders whose pictures named after a word come before the symbols, and the symbols'
// style. Nothing when the user cancelled.
struct WordsRequest {
    QString text;
    QStringList pictureFolders;
    SymbolStyle style = SymbolStyle::Color;
};
std::optional<WordsRequest> askWordList(QWidget* parent, const QStringList& startFolders);

} // namespace ferlo
