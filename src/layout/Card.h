#pragma once

#include "layout/SymbolRef.h"

#include <optional>
#include <string>
#include <vector>

namespace ferlo {

// One cell of the card on screen: its origin on the card panel, the size at which its picture
// is shown and the picture's own proportions, the picture's full path or the symbol drawn in its
// place (neither: a free cell) and its edited label word.
struct TCell {
    int Top = 0;
    int Left = 0;
    int ImageHeight = 0;
    int ImageWidth = 0;
    double ImageAspect = 0.0;
    std::string FileName;
    // A symbol of a symbol set in place of a picture file (FileName is then empty). Its label
    // word is its EditedLabel: the word it was found by, as typed.
    std::optional<SymbolRef> Symbol = std::nullopt;
    // The word typed over the one made from the file name (UTF-8, in no particular case: the
    // card's case switch applies to it), if any. It goes with the picture: a free cell has none.
    std::optional<std::string> EditedLabel;
    // The cell's own recording (file-system bytes), if any. It goes with the picture too.
    std::optional<std::string> Sound;
    // A word card: the cell shows its EditedLabel alone, large, in place of a picture.
    bool WordCard = false;

    // Whether the cell holds a picture file, a symbol or a word.
    bool filled() const { return !FileName.empty() || Symbol.has_value() || WordCard; }
};

using TCellArray = std::vector<TCell>;

// Size of the white card panel for an orientation at a screen scale.
struct CardSize {
    int Width = 0;
    int Height = 0;
};
CardSize CardSizeFor(bool portrait, double screenScale);

// The screen scale at which the card fills a card base of baseWidth x baseHeight the way the
// card at openingScale fills the base the window opened with: the margins around it stay those
// of the opening, and the card takes the largest size in the room left, keeping its proportions.
// The opening base gives openingScale itself; the card never gets smaller than it opened.
double ScreenScaleForBase(bool portrait, double openingScale, int openingBaseWidth,
                          int openingBaseHeight, int baseWidth, int baseHeight);

// The largest screen scale whose card fits a room of roomWidth x roomHeight.
double ScreenScaleForRoom(bool portrait, int roomWidth, int roomHeight);

// The room kept free around a card that is shown smaller than designed, so that it fits its
// base: on each side, in logical pixels.
constexpr int kShrunkCardMargin = 12;

// The screen scale at which the card is shown in a base of baseWidth x baseHeight: `scale`
// wherever its card fits the base, so the designed geometry stays where there is room for it;
// else the largest scale whose card fits the base less kShrunkCardMargin on each side.
double ScreenScaleInBase(bool portrait, double scale, int baseWidth, int baseHeight);

// Label font size in points for a number of pictures per page; 0 for a count that is not one of
// 1, 2, 4, 6 and 8.
int LabelFontSizeFor(int picturesPerPage);

bool IsValidPicturesPerPage(int picturesPerPage);

// The grid of a count and orientation, the same on the card and on paper: columns and rows
// (1 x 1 for a count that is not 1, 2, 4, 6 or 8).
int GridColumns(int picturesPerPage, bool portrait);
int GridRows(int picturesPerPage, bool portrait);

// The page layout: how many pictures, the orientation, the card's size on screen, the cell and
// picture-area sizes and the label band. Pure arithmetic on integers and one real.
class TCard {
public:
    bool Portrait = true;
    int PicturesPerPage = 1;
    int CellWidth = 0;
    int CellHeight = 0;
    int PictureWidth = 0;
    int PictureHeight = 0;
    double PictureAspect = 0.0;
    int CardWidth = 0;
    int CardHeight = 0;
    double ScreenScale = 0.0;
    int LabelFontSize = 0;
    bool LabelsOn = false;

    // Sets the label font size, the cell size, the number of cells and their origins from the
    // count, orientation and card size, then the picture area. A count that is not 1, 2, 4, 6
    // or 8 leaves cells, cell size and font size as they were and recomputes only the area.
    void LayoutCells(TCellArray& Cells);

    // Sets Portrait and the card size for the orientation at the current ScreenScale.
    void SetCardSize(bool portrait);
};

} // namespace ferlo
