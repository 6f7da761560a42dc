#include "layout/CardGeometry.h"

#include "layout/Card.h"
#include "layout/Rounding.h"

namespace ferlo {

FittedSize FitPictureToArea(int ownWidth, int ownHeight, int areaWidth, int areaHeight,
                            double areaAspect) {
    // A side never fits to nothing: a very long, thin picture still shows (and takes presses) as
    // a line one pixel thick.
    const auto atLeastOne = [](int side) {
        return side < 1 ? 1 : side;
    };
    const double imageAspect = static_cast<double>(ownHeight) / static_cast<double>(ownWidth);
    if (imageAspect >= areaAspect) {
        const double scale = static_cast<double>(ownHeight) / areaHeight;
        return {atLeastOne(Round(ownWidth / scale)), atLeastOne(areaHeight)};
    }
    const double scale = static_cast<double>(ownWidth) / areaWidth;
    return {atLeastOne(areaWidth), atLeastOne(Round(ownHeight / scale))};
}

CardPoint PicturePosition(const TCard& card, int cellLeft, int cellTop, FittedSize fitted) {
    return {cellLeft + 16 + (card.PictureWidth - fitted.Width) / 2,
            cellTop + 8 + (card.PictureHeight - fitted.Height) / 2};
}

TRect LabelBand(const TCard& card, int cellLeft, int cellTop) {
    const int left = cellLeft + 8;
    const int top = cellTop + card.CellHeight - 2 * card.LabelFontSize - 1;
    return {left, top, left + card.CellWidth - 16, top + 2 * card.LabelFontSize};
}

std::vector<CutLineSegment> ScreenCutLines(int count, bool portrait, int W, int H) {
    const auto horizontal = [W](int y) {
        return CutLineSegment{{0, y}, {W, y}};
    };
    const auto vertical = [H](int x) {
        return CutLineSegment{{x, 0}, {x, H}};
    };
    switch (count) {
    case 2:
        return portrait ? std::vector{horizontal(H / 2)} : std::vector{vertical(W / 2)};
    case 4:
        return portrait ? std::vector{horizontal(H / 2), vertical(W / 2)}
                        : std::vector{vertical(W / 2), horizontal(H / 2)};
    case 6:
        return portrait ? std::vector{vertical(W / 2), horizontal(H / 3), horizontal(2 * (H / 3))}
                        : std::vector{horizontal(H / 2), vertical(W / 3), vertical(2 * (W / 3))};
    case 8:
        return portrait ? std::vector{horizontal(H / 2), vertical(W / 2), horizontal(H / 4),
                                      horizontal(3 * (H / 4))}
                        : std::vector{vertical(W / 2), horizontal(H / 2), vertical(W / 4),
                                      vertical(3 * (W / 4))};
    default:
        return {};
    }
}

} // namespace ferlo
