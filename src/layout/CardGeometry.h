#pragma once

#include <vector>

namespace ferlo {

class TCard;

// A rectangle by its edges: right and bottom are the neighbouring rectangle's left and top, so
// the size in pixels is (Right - Left) x (Bottom - Top). Cells, picture areas and label bands on
// the card and on paper are all kept in it; QRect appears only where Qt draws.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int width() const { return Right - Left; }
    int height() const { return Bottom - Top; }
    bool isEmpty() const { return Right <= Left || Bottom <= Top; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// The size at which a picture is shown in a picture area: it keeps its proportions, touches
// the area on two opposite sides and is enlarged when it is smaller than the area. Each side is
// at least 1 pixel.
struct FittedSize {
    int Width = 0;
    int Height = 0;
};
FittedSize FitPictureToArea(int ownWidth, int ownHeight, int areaWidth, int areaHeight,
                            double areaAspect);

// A picture's top-left corner on the card: centred in the cell's picture area, which lies 16
// pixels in from the cell's left edge and 8 down from its top.
struct CardPoint {
    int X = 0;
    int Y = 0;
};
CardPoint PicturePosition(const TCard& card, int cellLeft, int cellTop, FittedSize fitted);

// The label band of a cell: under the picture area, 8 pixels in from either side.
TRect LabelBand(const TCard& card, int cellLeft, int cellTop);

// One dotted cut line on the card, from one end point to the other (both belong to the line).
struct CutLineSegment {
    CardPoint First;
    CardPoint Second;
};

// The cut lines on a card panel of width W and height H for a count and orientation, in the
// order of the four line controls: the middle lines first, then thirds or quarters.
std::vector<CutLineSegment> ScreenCutLines(int picturesPerPage, bool portrait, int W, int H);

} // namespace ferlo
