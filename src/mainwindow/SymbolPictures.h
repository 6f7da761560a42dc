#pragma once

#include "layout/Card.h"
#include "pictures/PictureDecoder.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace ferlo {

// Where a picture shown on screen comes from: a picture file, an SVG drawing (a symbol's or one
// of the user's own), or a word card's word drawn large (a drawing without a path).
struct PictureSource {
    PictureSource() = default;
    PictureSource(QString file, bool isDrawing)
        : path(std::move(file))
        , drawing(isDrawing) {}
    static PictureSource ofWord(QString text) {
        PictureSource source;
        source.drawing = source.wordCard = true;
        source.word = std::move(text);
        return source;
    }

    QString path;
    bool drawing = false;
    QString word; // a word card's word, in the card's case
    bool wordCard = false;

    bool isEmpty() const { return path.isEmpty() && !wordCard; }
    bool operator==(const PictureSource&) const = default;
};

// A cell's picture file, its symbol's drawing in the installed set, an SVG file's drawing, or a
// word card's word in the card's case (`upperCase`). A symbol that is not installed gives a
// drawing without a path, which loadShownPicture refuses with its name.
PictureSource cellPictureSource(const TCell& cell, bool upperCase = true);
// What a cell shows, as one string that tells it from anything else a cell may show: its picture
// file, or its symbol with its set and style; "" for a free cell.
std::string cellPictureKey(const TCell& cell);
// What the hint and the accessible name call a cell's picture: the file (its name alone when
// `nameOnly`), or the symbol as messages name it.
QString cellPictureName(const TCell& cell, bool nameOnly);

// The one way a picture for the screen is obtained, for the card of the counts and for grids
// and sheets alike: a file from the picture cache, a drawing rasterised at the size
// wanted(ownSize) asks for (device pixels; the own size is the drawing's proportions on a side
// of 10000); a word card's word large and centred in bold Arial, on white, its own size the
// word's extent. Safe on worker threads. Throws ferlo::Error naming the file and the cause.
DecodedPicture loadShownPicture(const PictureSource& source, const WantedSize& wanted);

// A drawing rasterised at `pixels` on a transparent background, from a small cache of recent
// sizes (the Symbols tab's results, the card's cells). Safe on worker threads. Throws
// ferlo::Error naming the file and the cause.
QImage drawnSymbol(const QString& svgFile, QSize pixels);

} // namespace ferlo
