#include "printing/GamePainter.h"

#include "layout/CardLayout.h"
#include "printing/LabelText.h"
#include "printing/PagePainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace ferlo {

namespace {

constexpr double PatternStepMm = 3.0;

QRect cellRect(const TPrinterCell& cell) {
    return QRect(cell.Left, cell.Top, cell.Width, cell.Height);
}

} // namespace

void PrintPatternBacks(QPainter& painter, const PreparedPage& prepared) {
    const CardPage& page = prepared.page;
    const double perMm = prepared.resolution / MillimetresPerInch;
    const double step = std::max(2.0, PatternStepMm * perMm);
    QPen pen(QColor(128, 128, 128));
    pen.setWidthF(std::max(1.0, 0.3 * perMm));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(pen);
    for (size_t i = 0; i < prepared.cells.size(); ++i) {
        if (!page.PatternCells.value(qsizetype(i)))
            continue;
        const QRect box = cellRect(prepared.cells[i]);
        painter.save();
        if (i < prepared.shapes.size())
            painter.setClipPath(prepared.shapes[i]);
        else
            painter.setClipRect(box);
        // Lines rising to the right, across the whole box.
        for (double x = box.left() - box.height(); x < box.right() + step; x += step)
            painter.drawLine(QPointF(x, box.bottom() + 1), QPointF(x + box.height(), box.top()));
        painter.restore();
    }
    painter.restore();
}

void PrintCaption(QPainter& painter, const PreparedPage& prepared) {
    const CardPage& page = prepared.page;
    if (page.Caption.isEmpty())
        return;
    const double perMm = prepared.resolution / MillimetresPerInch;
    // The labels' own font: a second font in a PDF would be written in an order of Qt's
    // choosing, and the same game must give the same document.
    QFont font = page.LabelFont;
    font.setPixelSize(std::max(1, int(std::lround(CaptionHeightMm * perMm))));
    const ShapedLine line = measureShapedLine(font, page.Caption, painter.device());
    const int inset = int(std::lround(CaptionInsetMm * perMm));
    const QSize area = prepared.printableArea;
    painter.save();
    painter.setPen(QPen(Qt::black));
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    drawLabelLine(painter, font,
                  QPoint(area.width() - inset - line.width,
                         area.height() - inset - (line.height - line.ascent)),
                  page.Caption);
    painter.restore();
}

} // namespace ferlo
