#include "layout/CardGeometry.h"

#include "layout/Card.h"
#include "layout/CountPlan.h"
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
    std::vector<CutLineSegment> lines;
    for (const CountPlan::Line& line :
         CountPlan(count, portrait).cutLines(W, H, /*thirdsFirst=*/false))
        lines.push_back(line.across ? CutLineSegment{{0, line.at}, {W, line.at}}
                                    : CutLineSegment{{line.at, 0}, {line.at, H}});
    return lines;
}

} // namespace ferlo
