#pragma once

// The printed page's geometry: printer cells with their margins, the picture area inside them,
// the fitted picture rectangle, the label band and the cut lines. Plain integer arithmetic on
// the printable area's size in device pixels, free of any painting, so that every number can be
// checked on its own.

#include "layout/CardGeometry.h"

#include <vector>

namespace ferlo {

// One cell of the printed page with its margins in percent of its size.
class TPrinterCell {
public:
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Height = 0; // Bottom - Top + 1
    int Width = 0;  // Right - Left + 1
    int TopMargin = 3;
    int BottomMargin = 2; // 14 while labels are on: the label band lies under the picture
    int LeftMargin = 2;
    int RightMargin = 2;

    void SetCellRect(const TRect& rect);

    // The part of the cell inside the margins.
    TRect PictureArea() const;
    int PictureAreaHeight() const;
    int PictureAreaWidth() const;
    // Height over width of the picture area; 0 when the area has no width.
    double PictureAreaAspect() const;
};

using TPrinterCellArray = std::vector<TPrinterCell>;

// One cell per picture of the card, numbered row by row, left to right, top row first, between
// the count plan's boundaries (CountPlan), with the bottom margin for labels on or off. Empty
// for a count that is not 1, 2, 4, 6 or 8.
TPrinterCellArray LayoutPrinterCells(int W, int H, int picturesPerPage, bool portrait,
                                     bool labelsOn);

// The rectangle a picture of the given own size is drawn into: fitted into the cell's picture
// area keeping its proportions, centred along the other axis; the fitted side is at least 1 pixel.
// Empty when the picture or the area has no size (nothing is drawn then).
TRect FitPictureRect(const TPrinterCell& cell, int pictureWidth, int pictureHeight);

// The band under the picture area in which the label is printed: a gap of 2 % of the picture
// area's height above and below it.
TRect LabelBand(const TPrinterCell& cell);
// The band's height and width counted inclusively, as the label font is fitted to them.
inline int LabelBandHeight(const TRect& band) {
    return band.Bottom - band.Top + 1;
}
inline int LabelBandWidth(const TRect& band) {
    return band.Right - band.Left + 1;
}

// One cut line: horizontal at y = Position from x 0 to W, or vertical at x = Position from
// y 0 to H.
struct CutLine {
    bool Horizontal = false;
    int Position = 0;
    friend bool operator==(const CutLine&, const CutLine&) = default;
};

// The cut lines of a page in the order they are drawn.
std::vector<CutLine> CutLines(int W, int H, int picturesPerPage, bool portrait);

} // namespace ferlo
