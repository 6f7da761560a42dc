#pragma once

#include <vector>

namespace ferlo {

class TCard;

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
struct CardRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};
CardRect LabelBand(const TCard& card, int cellLeft, int cellTop);

// One dotted cut line on the card, from one end point to the other (both belong to the line).
struct CutLineSegment {
    CardPoint First;
    CardPoint Second;
};

// The cut lines on a card panel of width W and height H for a count and orientation, in the
// order of the four line controls: the middle lines first, then thirds or quarters.
std::vector<CutLineSegment> ScreenCutLines(int picturesPerPage, bool portrait, int W, int H);

} // namespace ferlo
