#include "layout/PrinterCells.h"

#include "layout/CountPlan.h"
#include "layout/Rounding.h"

#include <algorithm>

namespace ferlo {

void TPrinterCell::SetCellRect(const TRect& rect) {
    Left = rect.Left;
    Top = rect.Top;
    Right = rect.Right;
    Bottom = rect.Bottom;
    Height = Bottom - Top + 1;
    Width = Right - Left + 1;
}

TRect TPrinterCell::PictureArea() const {
    // The margin products are whole numbers; the hundredths and the sum are real.
    TRect area;
    area.Left = Round(Left + (LeftMargin * Width) / 100.0);
    area.Top = Round(Top + (TopMargin * Height) / 100.0);
    area.Right = Round(Right - (RightMargin * Width) / 100.0);
    area.Bottom = Round(Bottom - (BottomMargin * Height) / 100.0);
    return area;
}

int TPrinterCell::PictureAreaHeight() const {
    return PictureArea().height();
}

int TPrinterCell::PictureAreaWidth() const {
    return PictureArea().width();
}

double TPrinterCell::PictureAreaAspect() const {
    const int width = PictureAreaWidth();
    return width == 0 ? 0.0 : double(PictureAreaHeight()) / width;
}

TPrinterCellArray LayoutPrinterCells(int W, int H, int picturesPerPage, bool portrait,
                                     bool labelsOn) {
    TPrinterCellArray cells;
    const CountPlan plan(picturesPerPage, portrait);
    if (!plan.valid())
        return cells;
    const int columns = plan.columns();
    const std::vector<int> x = plan.columnBoundaries(W);
    const std::vector<int> y = plan.rowBoundaries(H);
    cells.resize(static_cast<size_t>(picturesPerPage));
    for (int k = 0; k < picturesPerPage; ++k) {
        const size_t column = static_cast<size_t>(k % columns);
        const size_t row = static_cast<size_t>(k / columns);
        TPrinterCell& cell = cells[static_cast<size_t>(k)];
        cell.SetCellRect({x[column], y[row], x[column + 1], y[row + 1]});
        cell.BottomMargin = labelsOn ? 14 : 2;
    }
    return cells;
}

TRect FitPictureRect(const TPrinterCell& cell, int pictureWidth, int pictureHeight) {
    const TRect area = cell.PictureArea();
    const int h = area.height();
    const int w = area.width();
    if (pictureWidth <= 0 || pictureHeight <= 0 || w <= 0 || h <= 0)
        return {};
    const double a = double(pictureHeight) / pictureWidth;
    const double c = double(h) / w;
    // The fitted side is at least 1 pixel, so that a very long, thin picture still prints as a
    // line rather than as nothing.
    TRect target;
    if (c > a) {
        // The area is relatively taller than the picture: fit to its width.
        const double s = double(pictureWidth) / w;
        const int f = std::max(1, Round(pictureHeight / s));
        target.Left = area.Left;
        target.Right = area.Right;
        target.Top = area.Top + Round((h - f) * 0.5);
        target.Bottom = target.Top + f;
    } else {
        // Fit to the height, ties included.
        const double s = double(pictureHeight) / h;
        const int f = std::max(1, Round(pictureWidth / s));
        target.Top = area.Top;
        target.Bottom = area.Bottom;
        target.Left = area.Left + Round((w - f) * 0.5);
        target.Right = target.Left + f;
    }
    return target;
}

TRect LabelBand(const TPrinterCell& cell) {
    const TRect area = cell.PictureArea();
    const int gap = Round(0.02 * area.height());
    return {area.Left, area.Bottom + gap, area.Right, cell.Bottom - gap};
}

std::vector<CutLine> CutLines(int W, int H, int picturesPerPage, bool portrait) {
    std::vector<CutLine> lines;
    for (const CountPlan::Line& line :
         CountPlan(picturesPerPage, portrait).cutLines(W, H, /*thirdsFirst=*/true))
        lines.push_back({line.across, line.at});
    return lines;
}

} // namespace ferlo
