#include "printing/PlanPainter.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <set>

namespace ferlo {

namespace {

MmRect onPrintableArea(MmRect rect, const CardPage& page) {
    rect.Left -= page.MarginLeft;
    rect.Top -= page.MarginTop;
    return rect;
}

// The dotted pen of cut lines (PrintCutLines) and the solid pen of marks and outlines: one
// device pixel up to PaperPixelsPerInch, as wide as one such pixel above.
QPen linePen(int resolution, Qt::PenStyle style) {
    const int width = std::max(1, int(std::lround(double(resolution) / PaperPixelsPerInch)));
    QPen pen(Qt::black);
    pen.setWidth(width);
    pen.setStyle(style);
    if (width > 1)
        pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The distinct values, a hundredth of a millimetre apart at least.
std::vector<double> distinct(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::vector<double> result;
    for (double value : values)
        if (result.empty() || value - result.back() > 0.01)
            result.push_back(value);
    return result;
}

} // namespace

QPainterPath cardShape(const MmRect& rect, LabelShape shape, double radius, double pixelsPerMm,
                       QPointF origin) {
    const QRectF r(origin.x() + rect.Left * pixelsPerMm, origin.y() + rect.Top * pixelsPerMm,
                   rect.Width * pixelsPerMm, rect.Height * pixelsPerMm);
    QPainterPath path;
    if (shape != LabelShape::Rectangle)
        path.addEllipse(r);
    else if (radius > 0)
        path.addRoundedRect(r, radius * pixelsPerMm, radius * pixelsPerMm);
    else
        path.addRect(r);
    return path;
}

void preparePlanCells(PreparedPage& prepared) {
    const CardPage& page = prepared.page;
    const double perMm = prepared.resolution / MillimetresPerInch;
    prepared.pixelsPerMm = perMm;
    const QPointF origin(-page.MarginLeft * perMm, -page.MarginTop * perMm);
    for (const PageCard& card : page.Arrangement.plan()->Cards) {
        PageCard onArea = card;
        onArea.Trim = onPrintableArea(card.Trim, page);
        prepared.cells.push_back(PrinterCellFor(onArea, perMm, page.LabelsOn));
        const QPainterPath shape = cardShape(card.Trim, card.Shape, card.Radius, perMm, origin);
        prepared.shapes.push_back(shape);
        QPainterPath clip = shape;
        if (page.Fill) {
            if (page.Bleed > 0)
                clip = cardShape(card.Bleed, card.Shape, card.Radius, perMm, origin);
            const TRect area = *planFillArea(prepared, int(prepared.cells.size()) - 1);
            QPainterPath areaPath;
            areaPath.addRect(QRectF(area.Left, area.Top, area.width(), area.height()));
            clip = clip.intersected(areaPath);
        }
        prepared.clips.push_back(clip);
    }
}

std::optional<TRect> planFillArea(const PreparedPage& prepared, int cell) {
    const CardPage& page = prepared.page;
    if (!page.Arrangement.plan() || !page.Fill || cell < 0 || cell >= int(prepared.cells.size()))
        return std::nullopt;
    if (page.Bleed <= 0)
        return FillArea(prepared.cells[size_t(cell)], nullptr, page.LabelsOn);
    const TRect bleed =
        DeviceRect(onPrintableArea(page.Arrangement.plan()->Cards[size_t(cell)].Bleed, page),
                   prepared.pixelsPerMm);
    return FillArea(prepared.cells[size_t(cell)], &bleed, page.LabelsOn);
}

void PrintPlanCuts(QPainter& painter, const PreparedPage& prepared) {
    const CardPage& page = prepared.page;
    if (!page.Arrangement.plan() || !page.CutLinesOn || page.Arrangement.plan()->Cards.empty())
        return;
    const PagePlan& plan = *page.Arrangement.plan();
    const double perMm = prepared.pixelsPerMm;
    const int W = prepared.printableArea.width();
    const int H = prepared.printableArea.height();
    const auto x = [&](double mm) {
        return int(std::lround((mm - page.MarginLeft) * perMm));
    };
    const auto y = [&](double mm) {
        return int(std::lround((mm - page.MarginTop) * perMm));
    };
    std::vector<double> xs, ys;
    double top = plan.PaperHeight, bottom = 0, left = plan.PaperWidth, right = 0;
    for (const PageCard& card : plan.Cards) {
        xs.push_back(card.Trim.Left), xs.push_back(card.Trim.right());
        ys.push_back(card.Trim.Top), ys.push_back(card.Trim.bottom());
        top = std::min(top, card.Bleed.Top), bottom = std::max(bottom, card.Bleed.bottom());
        left = std::min(left, card.Bleed.Left), right = std::max(right, card.Bleed.right());
    }
    xs = distinct(xs), ys = distinct(ys);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (plan.SharedCuts) {
        // One dotted cut per boundary, across the whole page, as the five counts have.
        painter.setPen(linePen(prepared.resolution, Qt::DotLine));
        for (double at : xs)
            painter.drawLine(x(at), 0, x(at), H);
        for (double at : ys)
            painter.drawLine(0, y(at), W, y(at));
    } else {
        painter.setPen(linePen(prepared.resolution, Qt::SolidLine));
        const auto mark = [&](bool vertical, int at, double from, double to) {
            from = std::max(from, 0.0);
            to = std::min(to, vertical ? plan.PaperHeight : plan.PaperWidth);
            if (to - from < 0.5)
                return; // no margin for a mark there
            if (vertical)
                painter.drawLine(at, y(from), at, y(to));
            else
                painter.drawLine(x(from), at, x(to), at);
        };
        const double gap = CropMarkGapMm;
        for (double at : xs) {
            mark(true, x(at), top - gap - CropMarkMm, top - gap);
            mark(true, x(at), bottom + gap, bottom + gap + CropMarkMm);
        }
        for (double at : ys) {
            mark(false, y(at), left - gap - CropMarkMm, left - gap);
            mark(false, y(at), right + gap, right + gap + CropMarkMm);
        }
    }
    painter.restore();
}

void PrintOutlines(QPainter& painter, const PreparedPage& prepared) {
    if (!prepared.page.Outlines)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(linePen(prepared.resolution, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    for (const QPainterPath& shape : prepared.shapes)
        painter.drawPath(shape);
    painter.restore();
}

} // namespace ferlo
