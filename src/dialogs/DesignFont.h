#pragma once

#include <QFont>
#include <QRect>
#include <QString>

namespace ferlo {

// The dialogs were laid out in "MS Sans Serif". Where that font is missing, Arial (or its metric
// twin) keeps the texts about as wide as designed; the generic sans-serif the system would pick
// instead is wider and cuts "Version: 1.0" and "Print image as original format" off.
QFont designFont(int points, bool bold = false);

// A control of a dialog laid out at fixed places, named and put at its designed place.
template <typename Control> Control* placed(Control* control, const QString& name, QRect place) {
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

} // namespace ferlo
