#include "printing/Calibration.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPen>

namespace ferlo {

namespace {

// Millimetres on the page, in device pixels.
struct Millimetres {
    double pixelsPerMm;
    double operator()(double mm) const { return mm * pixelsPerMm; }
};

// A scale along one edge: ticks every half millimetre from -kCalibrationScaleMm to
// +kCalibrationScaleMm about `middle` (a point on the edge's centre line), longer every
// millimetre, longest and numbered every 5 mm. `along` is the direction of the scale, `inward` the
// direction from the edge into the page.
void drawScale(QPainter& painter, const Millimetres& mm, QPointF middle, QPointF along,
               QPointF inward) {
    for (int half = -2 * kCalibrationScaleMm; half <= 2 * kCalibrationScaleMm; ++half) {
        const double length = half % 10 == 0 ? 5 : half % 2 == 0 ? 3.5 : 2;
        const QPointF foot = middle + along * mm(half / 2.0);
        painter.drawLine(foot, foot + inward * mm(length));
        if (half % 10 != 0)
            continue;
        const int value = half / 2;
        const QString text = value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
        const QPointF centre = foot + inward * mm(7.5);
        const QRectF box(centre - QPointF(mm(2.5), mm(1.5)), QSizeF(mm(5), mm(3)));
        painter.drawText(box, Qt::AlignCenter, text);
    }
    // The scale's line.
    painter.drawLine(middle - along * mm(kCalibrationScaleMm),
                     middle + along * mm(kCalibrationScaleMm));
}

} // namespace

void paintCalibrationSide(QPainter& painter, QSize printableArea, int resolution, bool back) {
    const Millimetres mm{resolution / 25.4};
    const double width = printableArea.width();
    const double height = printableArea.height();
    const QPointF centre(width / 2, height / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black);
    pen.setWidthF(qMax(1.0, mm(0.15)));
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(qMax(1, int(mm(2.2))));
    painter.setFont(font);

    // The cross at the centre.
    painter.drawLine(centre - QPointF(mm(10), 0), centre + QPointF(mm(10), 0));
    painter.drawLine(centre - QPointF(0, mm(10)), centre + QPointF(0, mm(10)));

    const QPointF right(1, 0);
    const QPointF down(0, 1);
    const double inset = 4; // mm from the edge of the printable area
    const QPointF top(centre.x(), mm(inset));
    const QPointF bottom(centre.x(), height - mm(inset));
    const QPointF left(mm(inset), centre.y());
    const QPointF rightEdge(width - mm(inset), centre.y());
    QString text;
    if (back) {
        drawScale(painter, mm, top, right, down);
        drawScale(painter, mm, bottom, right, -down);
        drawScale(painter, mm, left, down, right);
        drawScale(painter, mm, rightEdge, down, -right);
        text = QCoreApplication::translate(
            "Calibration",
            "BACK. Hold the sheet to the light with this side towards you.\n"
            "Where the front's line crosses the top scale is X; where it crosses the left scale "
            "is Y.\nType X and Y as the back offset (File > Double-Sided Printing).");
    } else {
        const double reach = 16; // mm: across the scale on the back
        painter.drawLine(QPointF(top.x(), 0), top + down * mm(reach - inset));
        painter.drawLine(QPointF(bottom.x(), height), bottom - down * mm(reach - inset));
        painter.drawLine(QPointF(0, left.y()), left + right * mm(reach - inset));
        painter.drawLine(QPointF(width, rightEdge.y()), rightEdge - right * mm(reach - inset));
        text = QCoreApplication::translate(
            "Calibration", "FRONT of the calibration sheet.\nPrint it double-sided, as you "
                           "print cards with word backs, then turn it over.");
    }
    painter.drawText(QRectF(mm(30), centre.y() + mm(15), width - mm(60), mm(30)),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    painter.restore();
}

} // namespace ferlo
