#include "layout/CardLayout.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace ferlo {

namespace {

std::string formatMm(double mm) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", mm);
    return text;
}

constexpr const char* Scope = "CardLayout";

LayoutText mmText(double mm) {
    return layoutData(formatMm(mm));
}

LayoutText paperName(const GridSpec& grid) {
    if (!grid.Paper.Name.empty())
        return grid.Landscape ? layoutText(Scope, QT_TRANSLATE_NOOP("CardLayout", "%1 landscape"),
                                           {layoutData(grid.Paper.Name)})
                              : layoutText(Scope, QT_TRANSLATE_NOOP("CardLayout", "%1 portrait"),
                                           {layoutData(grid.Paper.Name)});
    const LayoutText width = mmText(grid.Paper.Width);
    const LayoutText height = mmText(grid.Paper.Height);
    return grid.Landscape
               ? layoutText(Scope, QT_TRANSLATE_NOOP("CardLayout", "%1 × %2 mm paper landscape"),
                            {width, height})
               : layoutText(Scope, QT_TRANSLATE_NOOP("CardLayout", "%1 × %2 mm paper portrait"),
                            {width, height});
}

// Sets the plan's problem.
void fail(PlanResult& result, LayoutText problem) {
    result.Problem = std::move(problem);
}

// The largest paper a grid is planned on: a metre on either side is far beyond any printer.
constexpr double MaxPaperMm = 1000.0;

} // namespace

std::optional<PaperSize> NamedPaper(const std::string& name) {
    static const std::vector<std::pair<std::vector<std::string>, PaperSize>> papers = {
        {{"a4"}, {"A4", 210, 297}},
        {{"a5"}, {"A5", 148, 210}},
        {{"a3"}, {"A3", 297, 420}},
        {{"letter", "us-letter", "usletter"}, {"Letter", 215.9, 279.4}},
        {{"legal", "us-legal", "uslegal"}, {"Legal", 215.9, 355.6}},
    };
    const std::string key = SearchKey(name);
    for (const auto& [keys, paper] : papers)
        if (std::find(keys.begin(), keys.end(), key) != keys.end())
            return paper;
    return std::nullopt;
}

std::vector<std::string> PaperNames() {
    return {"A4", "A5", "A3", "Letter", "Legal"};
}

namespace {

// Where a grid's cards go on paper of pw x ph millimetres: their size, gaps and the first
// card's corner.
struct GridPlacement {
    double width = 0, height = 0, gapX = 0, gapY = 0, left = 0, top = 0;
};

// Cards of the grid's own size, centred; false (with the fault in `result`) when they do not
// fit the printable area.
bool placeSizedCards(const GridSpec& grid, double pw, double ph, GridPlacement& at,
                     PlanResult& result) {
    if (!(grid.CardWidth > 0 && grid.CardHeight > 0 && grid.GapX >= 0 && grid.GapY >= 0)) {
        fail(result,
             layoutText(Scope, QT_TRANSLATE_NOOP("CardLayout", "A card needs a width and a height "
                                                               "above 0 and gaps of 0 or more.")));
        return false;
    }
    at.width = grid.CardWidth, at.height = grid.CardHeight, at.gapX = grid.GapX,
    at.gapY = grid.GapY;
    const double needX = grid.Columns * at.width + (grid.Columns - 1) * at.gapX;
    const double needY = grid.Rows * at.height + (grid.Rows - 1) * at.gapY;
    const double roomX = pw - 2 * PrintableMarginMm;
    const double roomY = ph - 2 * PrintableMarginMm;
    // A hundredth of a millimetre is rounding, not a card too large.
    if (needX > roomX + 0.01 || needY > roomY + 0.01) {
        fail(result,
             layoutText(
                 Scope,
                 QT_TRANSLATE_NOOP("CardLayout", "%1 × %2 cards of %3 × %4 mm with their gaps need "
                                                 "%5 × %6 mm, more than the %7 × %8 mm that can be "
                                                 "printed on %9."),
                 {layoutData(std::to_string(grid.Columns)), layoutData(std::to_string(grid.Rows)),
                  mmText(at.width), mmText(at.height), mmText(needX), mmText(needY), mmText(roomX),
                  mmText(roomY), paperName(grid)}));
        return false;
    }
    at.left = (pw - needX) / 2;
    at.top = (ph - needY) / 2;
    return true;
}

// The page inside the grid's margin divided evenly; false (with the fault in `result`) when
// the margin leaves no room.
bool placeEvenCards(const GridSpec& grid, double pw, double ph, GridPlacement& at,
                    PlanResult& result) {
    const double roomX = pw - 2 * grid.Margin;
    const double roomY = ph - 2 * grid.Margin;
    if (!(grid.Margin >= 0 && roomX > 0 && roomY > 0)) {
        fail(result,
             layoutText(Scope,
                        QT_TRANSLATE_NOOP("CardLayout", "A margin of %1 mm leaves no room on %2."),
                        {mmText(grid.Margin), paperName(grid)}));
        return false;
    }
    at.width = roomX / grid.Columns, at.height = roomY / grid.Rows;
    at.left = at.top = grid.Margin;
    return true;
}

} // namespace

PlanResult PlanGrid(const GridSpec& grid) {
    PlanResult result;
    if (grid.Columns < 1 || grid.Columns > MaxGridSide || grid.Rows < 1 ||
        grid.Rows > MaxGridSide) {
        fail(result, layoutText(Scope,
                                QT_TRANSLATE_NOOP("CardLayout", "A grid has 1 to 10 columns and 1 "
                                                                "to 10 rows, not %1 × %2."),
                                {layoutData(std::to_string(grid.Columns)),
                                 layoutData(std::to_string(grid.Rows))}));
        return result;
    }
    double pw = grid.Paper.Width;
    double ph = grid.Paper.Height;
    if (!(pw > 0 && ph > 0 && pw <= MaxPaperMm && ph <= MaxPaperMm)) {
        fail(result, layoutText(Scope,
                                QT_TRANSLATE_NOOP("CardLayout",
                                                  "The paper must be more than 0 and at most 1000 "
                                                  "mm on either side, not %1 × %2 mm."),
                                {mmText(pw), mmText(ph)}));
        return result;
    }
    if (grid.Landscape)
        std::swap(pw, ph);
    PagePlan& plan = result.Plan;
    plan.PaperWidth = pw;
    plan.PaperHeight = ph;
    GridPlacement at;
    const bool sized = grid.CardWidth > 0 || grid.CardHeight > 0;
    if (!(sized ? placeSizedCards(grid, pw, ph, at, result)
                : placeEvenCards(grid, pw, ph, at, result)))
        return result;
    plan.SharedCuts = at.gapX == 0 && at.gapY == 0;
    for (int row = 0; row < grid.Rows; ++row)
        for (int column = 0; column < grid.Columns; ++column) {
            PageCard card;
            card.Trim = {at.left + column * (at.width + at.gapX),
                         at.top + row * (at.height + at.gapY), at.width, at.height};
            card.Bleed = card.Trim;
            plan.Cards.push_back(card);
        }
    return result;
}

PagePlan PlanSheet(const SheetTemplate& sheet) {
    PagePlan plan;
    plan.PaperWidth = sheet.PaperWidth;
    plan.PaperHeight = sheet.PaperHeight;
    plan.Cards = sheet.Labels;
    for (PageCard& card : plan.Cards)
        card.Bleed = card.Trim;
    return plan;
}

void ApplyBleed(PagePlan& plan, double bleed) {
    bleed = std::clamp(bleed, 0.0, MaxBleedMm);
    const auto overlaps = [](double a0, double a1, double b0, double b1) {
        return a0 < b1 && b0 < a1;
    };
    for (PageCard& card : plan.Cards) {
        const MmRect& t = card.Trim;
        double left = std::min(bleed, t.Left), top = std::min(bleed, t.Top);
        double right = std::min(bleed, plan.PaperWidth - t.right());
        double bottom = std::min(bleed, plan.PaperHeight - t.bottom());
        for (const PageCard& other : plan.Cards) {
            const MmRect& o = other.Trim;
            if (&other == &card)
                continue;
            if (overlaps(t.Top, t.bottom(), o.Top, o.bottom())) {
                if (o.right() <= t.Left)
                    left = std::min(left, (t.Left - o.right()) / 2);
                if (o.Left >= t.right())
                    right = std::min(right, (o.Left - t.right()) / 2);
            }
            if (overlaps(t.Left, t.right(), o.Left, o.right())) {
                if (o.bottom() <= t.Top)
                    top = std::min(top, (t.Top - o.bottom()) / 2);
                if (o.Top >= t.bottom())
                    bottom = std::min(bottom, (o.Top - t.bottom()) / 2);
            }
        }
        left = std::max(0.0, left), top = std::max(0.0, top);
        right = std::max(0.0, right), bottom = std::max(0.0, bottom);
        card.Bleed = {t.Left - left, t.Top - top, t.Width + left + right, t.Height + top + bottom};
    }
}

const std::vector<GridPreset>& GridPresets() {
    static const std::vector<GridPreset> presets = [] {
        const PaperSize a4 = *NamedPaper("A4");
        const PaperSize letter = *NamedPaper("Letter");
        const double inch = MillimetresPerInch;
        std::vector<GridPreset> list;
        list.push_back({QT_TRANSLATE_NOOP("GridPresets", "2 × 2 in picture cards (Letter)"),
                        {4, 5, letter, false, 2 * inch, 2 * inch, 0, 0, 0}});
        list.push_back({QT_TRANSLATE_NOOP("GridPresets", "2 × 2 in picture cards (A4)"),
                        {4, 5, a4, false, 2 * inch, 2 * inch, 0, 0, 0}});
        list.push_back({QT_TRANSLATE_NOOP("GridPresets", "3 × 5 in index cards"),
                        {2, 2, letter, true, 5 * inch, 3 * inch, 0, 0, 0}});
        list.push_back({QT_TRANSLATE_NOOP("GridPresets", "business cards 85 × 55 mm"),
                        {2, 5, a4, false, 85, 55, 0, 0, 0}});
        list.push_back({"A6", {2, 2, a4, false, 0, 0, 0, 0, 0}});
        list.push_back({"A7", {4, 2, a4, true, 0, 0, 0, 0, 0}});
        return list;
    }();
    return presets;
}

std::optional<GridPreset> FindPreset(const std::string& name) {
    const auto key = [](const std::string& text) {
        std::string k = SearchKey(text);
        std::erase(k, '(');
        std::erase(k, ')');
        return k;
    };
    const std::string wanted = key(name);
    for (const GridPreset& preset : GridPresets())
        if (key(preset.Name) == wanted)
            return preset;
    // "2 x 2 in picture cards" names the first of its kind (Letter).
    if (wanted.size() >= 4)
        for (const GridPreset& preset : GridPresets())
            if (key(preset.Name).starts_with(wanted))
                return preset;
    return std::nullopt;
}

TRect DeviceRect(const MmRect& rect, double pixelsPerMm) {
    return {int(std::lround(rect.Left * pixelsPerMm)), int(std::lround(rect.Top * pixelsPerMm)),
            int(std::lround(rect.right() * pixelsPerMm)),
            int(std::lround(rect.bottom() * pixelsPerMm))};
}

TPrinterCell PrinterCellFor(const PageCard& card, double pixelsPerMm, bool labelsOn) {
    MmRect inner = card.Trim;
    const double markup = std::clamp(card.Markup, 0.0, std::min(inner.Width, inner.Height) / 2);
    inner = {inner.Left + markup, inner.Top + markup, inner.Width - 2 * markup,
             inner.Height - 2 * markup};
    TPrinterCell cell;
    TRect rect = DeviceRect(inner, pixelsPerMm);
    // SetCellRect counts Right and Bottom inclusively, as the five counts' cells are laid out.
    rect.Right = std::max(rect.Left, rect.Right - 1);
    rect.Bottom = std::max(rect.Top, rect.Bottom - 1);
    cell.SetCellRect(rect);
    cell.BottomMargin = labelsOn ? 14 : 2;
    return cell;
}

TRect FillPictureRect(const TRect& area, int pictureWidth, int pictureHeight) {
    const int w = area.width();
    const int h = area.height();
    if (pictureWidth <= 0 || pictureHeight <= 0 || w <= 0 || h <= 0)
        return {};
    // The larger of the two scales covers the area.
    const double scale = std::max(double(w) / pictureWidth, double(h) / pictureHeight);
    const int fw = std::max(w, int(std::lround(pictureWidth * scale)));
    const int fh = std::max(h, int(std::lround(pictureHeight * scale)));
    const int left = area.Left - (fw - w) / 2;
    const int top = area.Top - (fh - h) / 2;
    return {left, top, left + fw, top + fh};
}

TRect FillArea(const TPrinterCell& cell, const TRect* bleed, bool labelsOn) {
    TRect area = cell.PictureArea();
    if (bleed) {
        area.Left = bleed->Left, area.Top = bleed->Top, area.Right = bleed->Right;
        if (!labelsOn)
            area.Bottom = bleed->Bottom;
    }
    return area;
}

std::optional<double> ParseLength(const std::string& text, double bareUnit) {
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return std::nullopt;
    double value = 0;
    const char* begin = text.data() + start;
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || !std::isfinite(value) || value < 0)
        return std::nullopt;
    std::string unit(rest, end);
    std::erase(unit, ' ');
    for (char& c : unit)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    static const std::vector<std::pair<std::string, double>> units = {
        {"mm", 1.0},
        {"cm", 10.0},
        {"in", MillimetresPerInch},
        {"pt", MillimetresPerPoint},
        {"pc", 12 * MillimetresPerPoint}};
    if (unit.empty())
        return bareUnit > 0 ? std::optional<double>(value * bareUnit) : std::nullopt;
    for (const auto& [name, mm] : units)
        if (unit == name)
            return value * mm;
    return std::nullopt;
}

std::optional<std::pair<double, double>> ParseSize(const std::string& text) {
    std::string lower = text;
    for (char& c : lower)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    // "×" as well as "x"
    for (size_t at; (at = lower.find("\xc3\x97")) != std::string::npos;)
        lower.replace(at, 2, "x");
    const size_t x = lower.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const std::string first = lower.substr(0, x);
    const std::string second = lower.substr(x + 1);
    const auto height = ParseLength(second);
    if (!height)
        return std::nullopt;
    // "85x55mm": the first takes the second's unit.
    std::string unit = second;
    unit.erase(0, unit.find_first_not_of("0123456789. "));
    auto width = ParseLength(first);
    if (!width)
        width = ParseLength(first + unit);
    if (!width || *width <= 0 || *height <= 0)
        return std::nullopt;
    return std::pair{*width, *height};
}

std::string SearchKey(const std::string& text) {
    std::string key;
    for (char c : text)
        if (c != ' ' && c != '\t')
            key += char(std::tolower(static_cast<unsigned char>(c)));
    for (size_t at; (at = key.find("\xc3\x97")) != std::string::npos;)
        key.replace(at, 2, "x");
    return key;
}

} // namespace ferlo
