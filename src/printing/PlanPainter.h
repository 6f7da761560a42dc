#pragma once

// The parts of the page painter that concern grids and sheets (a page arranged by a plan).

#include "printing/PagePainter.h"

namespace ferlo {

// Lays out a plan's printer cells, shapes and clips on `prepared` (its page, printable area and
// resolution already set).
void preparePlanCells(PreparedPage& prepared);

// The fill area of a cell of a plan page, or nothing when its picture is fitted.
std::optional<TRect> planFillArea(const PreparedPage& prepared, int cell);

// A card's outline in device pixels: a rectangle with its corner radius, a circle or an ellipse.
QPainterPath cardShape(const MmRect& rect, LabelShape shape, double radius, double pixelsPerMm,
                       QPointF origin);

// Thin outlines along each card's edge.
void PrintOutlines(QPainter& painter, const PreparedPage& prepared);

} // namespace ferlo
