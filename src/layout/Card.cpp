#include "layout/Card.h"

#include "layout/Rounding.h"

#include <algorithm>

namespace ferlo {

namespace {

struct Grid {
    int columns;
    int rows;
};

Grid GridFor(int count, bool portrait) {
    switch (count) {
    case 2:
        return portrait ? Grid{1, 2} : Grid{2, 1};
    case 4:
        return Grid{2, 2};
    case 6:
        return portrait ? Grid{2, 3} : Grid{3, 2};
    case 8:
        return portrait ? Grid{2, 4} : Grid{4, 2};
    default:
        return Grid{1, 1};
    }
}

} // namespace

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
    return count == 1 || count == 2 || count == 4 || count == 6 || count == 8;
}

int LabelFontSizeFor(int count) {
    switch (count) {
    case 1:
        return 24;
    case 2:
        return 20;
    case 4:
        return 18;
    case 6:
        return 16;
    case 8:
        return 14;
    default:
        return 0;
    }
}

int GridColumns(int count, bool portrait) {
    return GridFor(count, portrait).columns;
}

int GridRows(int count, bool portrait) {
    return GridFor(count, portrait).rows;
}

void TCard::LayoutCells(TCellArray& Cells) {
    if (IsValidPicturesPerPage(PicturesPerPage)) {
        const Grid grid = GridFor(PicturesPerPage, Portrait);
        LabelFontSize = LabelFontSizeFor(PicturesPerPage);
        Cells.resize(static_cast<size_t>(PicturesPerPage));
        CellWidth = CardWidth / grid.columns;
        CellHeight = CardHeight / grid.rows;

        const int w = CellWidth;
        const int h = CellHeight;
        for (int k = 0; k < PicturesPerPage; ++k) {
            const int row = k / grid.columns;
            const int column = k % grid.columns;
            TCell& cell = Cells[static_cast<size_t>(k)];
            cell.Top = row == 0 ? 1 : row * h;
            cell.Left = column == 0 ? 1 : column * w + 1;
        }
        // The second cell of the 2 x 2 grids and of the 6-picture portrait grid starts one
        // pixel further left than the cell under it.
        if (PicturesPerPage == 4 || (PicturesPerPage == 6 && Portrait))
            Cells[1].Left = w;
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
