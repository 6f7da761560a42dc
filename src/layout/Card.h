#pragma once

#include "layout/CardGeometry.h"
#include "layout/SymbolRef.h"

#include <optional>
#include <string>
#include <vector>

namespace ferlo {

// One cell of a card as the user filled it: the picture's full path or the symbol drawn in its
// place (neither: a free cell), its edited label word and its recording. Where it lies and how
// large its picture is shown are the card's layout (TCard), never the cell's.
struct TCell {
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

// Whether a number of pictures per page is one of the five counts 1, 2, 4, 6 and 8.
bool IsValidPicturesPerPage(int picturesPerPage);

// The card's layout on screen, computed from its count, orientation and labels switch at a
// screen scale: the card's size, the cells' size and origins (the count's plan, CountPlan), the
// picture-area size and the label band. Pure arithmetic on integers and one real.
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
    // The cells' top-left corners on the card panel, in cell order; empty for a grid or a sheet.
    std::vector<CardPoint> CellOrigins;

    // Sets the label font size, the cell size and the cells' origins from the count's plan at
    // the card size, then the picture area. A count that is not 1, 2, 4, 6 or 8 (a grid or a
    // sheet) leaves cell size and font size as they were, has no origins and recomputes only
    // the area.
    void LayoutCells();
    // A cell's top-left corner on the card panel; (0, 0) for a cell without one.
    CardPoint CellOrigin(int index) const {
        return index >= 0 && index < int(CellOrigins.size()) ? CellOrigins[size_t(index)]
                                                             : CardPoint();
    }

    // Sets Portrait and the card size for the orientation at the current ScreenScale.
    void SetCardSize(bool portrait);
};

} // namespace ferlo
