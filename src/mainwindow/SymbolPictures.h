#pragma once

#include "layout/Card.h"
#include "pictures/PictureDecoder.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace ferlo {

// Where a picture shown on screen comes from: a picture file, or the SVG drawing of a symbol.
struct PictureSource {
    QString path;
    bool drawing = false;

    bool isEmpty() const { return path.isEmpty(); }
};

// A cell's picture file, or its symbol's drawing in the installed set. A symbol that is not
// installed gives a drawing without a path, which loadShownPicture refuses with its name.
PictureSource cellPictureSource(const TCell& cell);
// What a cell shows, as one string that tells it from anything else a cell may show: its picture
// file, or its symbol with its set and style; "" for a free cell.
std::string cellPictureKey(const TCell& cell);
// What the hint and the accessible name call a cell's picture: the file (its name alone when
// `nameOnly`), or the symbol as messages name it.
QString cellPictureName(const TCell& cell, bool nameOnly);

// The one way a picture for the screen is obtained, for the card of the counts and for grids
// and sheets alike: a file from the picture cache, a drawing rasterised at the size
// wanted(ownSize) asks for (device pixels; the own size is the drawing's proportions on a side
// of 10000). Safe on worker threads. Throws ferlo::Error naming the file and the cause.
DecodedPicture loadShownPicture(const PictureSource& source, const WantedSize& wanted);

// A drawing rasterised at `pixels` on a transparent background, from a small cache of recent
// sizes (the Symbols tab's results, the card's cells). Safe on worker threads. Throws
// ferlo::Error naming the file and the cause.
QImage drawnSymbol(const QString& svgFile, QSize pixels);

} // namespace ferlo
