#pragma once

// Card layouts beside the five counts: a grid of cards on a paper, a named preset (a grid with a
// name), or a pre-cut label sheet. Each is planned in millimetres on its paper, (0, 0) at the
// paper's top-left corner; the page painter turns millimetres into device pixels. Plain C++.

#include "layout/LayoutText.h"
#include "layout/PrinterCells.h"

#include <optional>
#include <string>
#include <vector>

namespace ferlo {

constexpr double MillimetresPerInch = 25.4;
constexpr double MillimetresPerPoint = 25.4 / 72.0;

// Where a printer can print: cards of a grid with a given size must stay this far inside the
// paper's edges.
constexpr double PrintableMarginMm = 3.0;
// The bleed runs from 0 to this many millimetres.
constexpr double MaxBleedMm = 6.0;
// Columns and rows of a grid run from 1 to this.
constexpr int MaxGridSide = 10;
// The most cards one page of a grid or a sheet holds.
constexpr int MaxLayoutCells = 2000;

enum class LabelShape { Rectangle, Round, Ellipse };

struct MmRect {
    double Left = 0;
    double Top = 0;
    double Width = 0;
    double Height = 0;
    double right() const { return Left + Width; }
    double bottom() const { return Top + Height; }
    friend bool operator==(const MmRect&, const MmRect&) = default;
};

// One card on the page: its trim (where it is cut, or the label's edge on a sheet), its shape
// and corner radius, and the markup margin inside which its picture and label lie.
struct PageCard {
    MmRect Trim;
    LabelShape Shape = LabelShape::Rectangle;
    double Radius = 0;
    double Markup = 0;
    // The trim grown by the bleed on each side where there is room (towards a neighbour at most
    // half the way, never past the paper).
    MmRect Bleed;
};

// A paper by its name and its portrait size in millimetres.
struct PaperSize {
    std::string Name;
    double Width = 0;
    double Height = 0;
    friend bool operator==(const PaperSize&, const PaperSize&) = default;
};

// A4, A5, A3, Letter, Legal by name, case ignored ("letter", "US-Letter"); nothing otherwise.
std::optional<PaperSize> NamedPaper(const std::string& name);
// The names NamedPaper knows, in the order menus list them.
std::vector<std::string> PaperNames();

// A grid: columns x rows on a paper. With a card size the cards stand at that size with the gaps
// between them, centred on the paper; without one (CardWidth 0) the page inside Margin is
// divided evenly and the cards touch.
struct GridSpec {
    int Columns = 4;
    int Rows = 5;
    PaperSize Paper{"Letter", 215.9, 279.4};
    bool Landscape = false;
    double CardWidth = 0;
    double CardHeight = 0;
    double GapX = 0;
    double GapY = 0;
    double Margin = 0;
    friend bool operator==(const GridSpec&, const GridSpec&) = default;
};

// A label sheet as its template describes it: who sells it, its paper, and its labels.
struct SheetTemplate {
    std::string Brand;
    std::string Part;
    std::string Description;
    std::string File; // where it was read from, for messages
    double PaperWidth = 0;
    double PaperHeight = 0;
    LabelShape Shape = LabelShape::Rectangle;
    double LabelWidth = 0;
    double LabelHeight = 0;
    std::vector<PageCard> Labels;
    // "Avery 5371"
    std::string name() const { return Brand + ' ' + Part; }
};

// The page a layout makes: its paper (as printed, turned when landscape) and its cards in the
// order pictures fill them.
struct PagePlan {
    double PaperWidth = 0;
    double PaperHeight = 0;
    std::vector<PageCard> Cards;
    // Cards that touch share one dotted cut line per boundary; the others get crop marks.
    bool SharedCuts = false;
};

// A grid's plan, or the reason it cannot be made (one sentence, naming what does not fit).
struct PlanResult {
    PagePlan Plan;
    LayoutText Problem; // empty when the grid fits; else what is wrong, translated where shown
    std::string Error() const { return Problem.english(); } // the problem in English
};
PlanResult PlanGrid(const GridSpec& grid);
// A sheet's plan: its labels as they stand.
PagePlan PlanSheet(const SheetTemplate& sheet);
// Grows each card's Bleed rectangle by `bleed` millimetres where there is room.
void ApplyBleed(PagePlan& plan, double bleed);

// A named grid.
struct GridPreset {
    std::string Name; // English, the key a deck stores; shown translated in the "GridPresets" scope
    GridSpec Grid;
};
// "2 × 2 in picture cards" (Letter and A4), "3 × 5 in index cards", "business cards 85 × 55 mm",
// "A6", "A7".
const std::vector<GridPreset>& GridPresets();
// The preset of that name, case, blanks and brackets ignored and "x" taken for "×" ("2x2 in
// picture cards a4"); a name that begins only one kind ("2 x 2 in picture cards") gives its first.
std::optional<GridPreset> FindPreset(const std::string& name);

// How a card is arranged: one value, whose kind says which of three it is. Count: one of the
// five counts, cells() pictures (1, 2, 4, 6 or 8) placed by the count's plan (CountPlan). Grid:
// Grid, with Name the preset's if it came from one; its cards are its columns x rows. Sheet: the
// template named Name ("Avery 5371") with cells() labels, the number the card was made with, so
// that a deck keeps what its cards hold where the template is not installed.
struct CardLayout {
    enum class Kind { Count, Grid, Sheet };
    Kind kind = Kind::Count;
    GridSpec Grid;
    std::string Name;
    bool Fill = false; // crop each picture to fill its area instead of fitting it
    double Bleed = 0;  // mm, 0 to MaxBleedMm
    bool Outlines = false;

    // The count of `pictures` (the caller checks it is one of the five).
    static CardLayout counted(int pictures) {
        CardLayout layout;
        layout.m_cells = pictures;
        return layout;
    }
    // The cards the arrangement lays out: the count, the grid's columns x rows, the sheet's
    // labels.
    int cells() const { return kind == Kind::Grid ? Grid.Columns * Grid.Rows : m_cells; }
    // Sets the count's pictures or the sheet's labels; a grid's cards follow from its columns
    // and rows, which this leaves as they are.
    void setCells(int cells) { m_cells = cells; }

    friend bool operator==(const CardLayout& a, const CardLayout& b) {
        return a.kind == b.kind && a.cells() == b.cells() && a.Grid == b.Grid && a.Name == b.Name &&
               a.Fill == b.Fill && a.Bleed == b.Bleed && a.Outlines == b.Outlines;
    }

private:
    int m_cells = 4; // a count's pictures or a sheet's labels
};

// The printer cell of a card at a resolution, inside the card's markup margin, with today's
// margins for the picture area and the label band.
TPrinterCell PrinterCellFor(const PageCard& card, double pixelsPerMm, bool labelsOn);
// A rectangle in millimetres in device pixels.
TRect DeviceRect(const MmRect& rect, double pixelsPerMm);

// Where a picture of its own size is drawn to fill `area`: it keeps its proportions and covers
// the area, centred, and what lies outside is cropped. Empty when either has no size.
TRect FillPictureRect(const TRect& area, int pictureWidth, int pictureHeight);
// The area a filled picture covers: the cell's picture area, and with a bleed rectangle its
// outer sides (top, left, right, and the bottom when there is no label band) run out to it.
TRect FillArea(const TPrinterCell& cell, const TRect* bleed, bool labelsOn);

// A length with its unit, "2in", "55mm", "1.5 cm", "12pt"; a bare number is `bareUnit`
// millimetres per unit (0: a unit is required). Nothing for anything else, a negative length,
// or one that is not finite.
std::optional<double> ParseLength(const std::string& text, double bareUnit = 0);
// "2inx2in", "85x55mm" (a unit after the second applies to both): width and height in mm.
std::optional<std::pair<double, double>> ParseSize(const std::string& text);

// The text of a search made comparable: lower case (ASCII), blanks dropped.
std::string SearchKey(const std::string& text);

} // namespace ferlo
