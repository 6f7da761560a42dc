#pragma once

#include <QSize>

class QPainter;

namespace ferlo {

// The calibration sheet, which measures how far a printer puts the backs off their fronts.
// The front has a line at the middle of each edge of the printable area and a cross at its
// centre; the back has, at each edge, a scale from -10 to +10 mm (ticks every half millimetre,
// numbered every 5 mm) centred where the front's line
// lies behind it, and a cross. Held to the light with the back towards the reader, the front's
// line crosses the top (or bottom) scale at the horizontal offset and the left (or right) scale
// at the vertical offset that make the backs meet their fronts, in the back offset's own terms
// (x to the right, y down as the back is printed).
// Paints one side onto a painter whose device addresses the printable area in device pixels.
void paintCalibrationSide(QPainter& painter, QSize printableArea, int resolution, bool back);

// The scale's reach, in millimetres each way from the middle.
constexpr int kCalibrationScaleMm = 10;

} // namespace ferlo
