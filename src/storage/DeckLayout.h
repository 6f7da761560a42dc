#pragma once

// A deck card's grid or sheet (format version 2, docs/deck-format.md): the "layout" object.

#include "layout/CardLayout.h"

#include <QJsonObject>
#include <QString>

namespace ferlo {

// A fault in a "layout" object: where (a JSON path) and what is wrong.
struct LayoutFault {
    QString place;
    QString cause;
};

// The "layout" object of a grid or a sheet.
QJsonObject layoutObject(const CardLayout& layout);
// The layout a "layout" object describes; `place` is its JSON path. Throws LayoutFault.
CardLayout readLayoutObject(const QJsonObject& object, const QString& place);
// The number of cards a grid holds (columns x rows); 0 for a sheet, whose count is its own.
int layoutCells(const CardLayout& layout);

} // namespace ferlo
