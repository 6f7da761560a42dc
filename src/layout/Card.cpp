#include "layout/Card.h"

#include "layout/CountPlan.h"
#include "layout/Rounding.h"

#include <algorithm>

namespace ferlo {

CardSize CardSizeFor(bool portrait, double screenScale) {
    if (portrait)
        return {Round(350 * screenScale), Round(490 * screenScale)};
    return {Round(595 * screenScale), Round(425 * screenScale)};
}

double ScreenScaleForBase(bool portrait, double openingScale, int openingBaseWidth,
                          int openingBaseHeight, int baseWidth, int baseHeight) {
    if (baseWidth == openingBaseWidth && baseHeight == openingBaseHeight)
        return openingScale;
    const CardSize opening = CardSizeFor(portrait, openingScale);
    const double scale =
        ScreenScaleForRoom(portrait, baseWidth - (openingBaseWidth - opening.Width),
                           baseHeight - (openingBaseHeight - opening.Height));
    return std::max(scale, openingScale);
}

double ScreenScaleForRoom(bool portrait, int roomWidth, int roomHeight) {
    // The card at scale 1 is 350 x 490 or 595 x 425: the room divided by that is the largest
    // scale whose rounded card still fits the room.
    return std::min(roomWidth / (portrait ? 350.0 : 595.0),
                    roomHeight / (portrait ? 490.0 : 425.0));
}

double ScreenScaleInBase(bool portrait, double scale, int baseWidth, int baseHeight) {
    const CardSize card = CardSizeFor(portrait, scale);
    if (card.Width <= baseWidth && card.Height <= baseHeight)
        return scale;
    return std::max(0.0, ScreenScaleForRoom(portrait, baseWidth - 2 * kShrunkCardMargin,
                                            baseHeight - 2 * kShrunkCardMargin));
}

bool IsValidPicturesPerPage(int count) {
    return CountPlan(count, true).valid();
}

void TCard::LayoutCells() {
    const CountPlan plan(PicturesPerPage, Portrait);
    CellOrigins.clear();
    if (plan.valid()) {
        LabelFontSize = plan.labelFontSize();
        CellWidth = plan.screenCellWidth(CardWidth);
        CellHeight = plan.screenCellHeight(CardHeight);
        CellOrigins = plan.screenOrigins(CardWidth, CardHeight);
    }

    PictureWidth = CellWidth - 32;
    PictureHeight = LabelsOn ? CellHeight - 2 * LabelFontSize - 16 : CellHeight - 16;
    PictureAspect = static_cast<double>(PictureHeight) / static_cast<double>(PictureWidth);
}

void TCard::SetCardSize(bool portrait) {
    Portrait = portrait;
    const CardSize size = CardSizeFor(portrait, ScreenScale);
    CardWidth = size.Width;
    CardHeight = size.Height;
}

} // namespace ferlo
