#pragma once

#include <QFont>
#include <QIcon>
#include <QString>

namespace ferlo {

// The 16 x 16 toolbar glyphs, drawn by the program on a transparent background.
enum class Glyph {
    Digit1,
    Digit2,
    Digit4,
    Digit6,
    Digit8,
    Portrait,
    Landscape,
    CutLines,
    UpperA,
    LowerA,
    Printer,
    PreviousCard,
    NextCard,
    NewCard,
    RemoveCard,
    Record
};

// The glyph's icon. The previous and next cards' arrows point the way the application's layout
// direction reads at the time (mirrored in a right-to-left language, as their buttons are).
QIcon glyphIcon(Glyph glyph);

// A sans-serif font of the window's design, sized in pixels.
QFont sansFont(const QString& family, int pixelHeight, bool bold);

} // namespace ferlo
