#pragma once

#include <QFont>

namespace ferlo {

// The dialogs were laid out in "MS Sans Serif". Where that font is missing, Arial (or its metric
// twin) keeps the texts about as wide as designed; the generic sans-serif the system would pick
// instead is wider and cuts "Version: 1.0" and "Print image as original format" off.
QFont designFont(int points, bool bold = false);

} // namespace ferlo
