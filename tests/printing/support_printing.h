#pragma once

#include "printing/CardPage.h"
#include "printing/PagePainter.h"
#include "support/PageFiles.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

namespace ferlo::test {

// A card page with every cell free, labels in bold Liberation Sans.
CardPage emptyPage(int picturesPerPage, bool portrait, bool cutLinesOn = true,
                   bool labelsOn = true);
// Puts a picture (and its label text) into a cell.
void placePicture(CardPage& page, int cell, const QString& fileName, const QString& label = {});

// The paint options that draw pictures as the function says (see PaintOptions::printAsDib).
PaintOptions dibOptions(std::function<bool()> printAsDib);

// Paints a page onto a white image of the printable area's size.
QImage renderPage(const CardPage& page, QSize printableArea, const PaintOptions& options = {});

} // namespace ferlo::test
