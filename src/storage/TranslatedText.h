#pragma once

#include "layout/LayoutText.h"

#include <QString>

namespace ferlo {

// A text of the card model in the user's language: the text translated in its scope, then its
// arguments, themselves translated, filled in. Data arguments are shown as they are.
QString translatedText(const LayoutText& text);

} // namespace ferlo
