#pragma once

#include "printing/CardPage.h"
#include "printing/PagePainter.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QStringList>

namespace ferlo::test {

// A card page with every cell free, labels in bold Liberation Sans.
CardPage emptyPage(int picturesPerPage, bool portrait, bool cutLinesOn = true,
                   bool labelsOn = true);
// Puts a picture (and its label text) into a cell.
void placePicture(CardPage& page, int cell, const QString& fileName, const QString& label = {});

// Paints a page onto a white image of the printable area's size.
QImage renderPage(const CardPage& page, QSize printableArea, const PaintOptions& options = {});

bool isDark(QRgb pixel);
// Dark pixels in a column (from y0 to y1 inclusive) or a row.
int darkInColumn(const QImage& image, int x, int y0, int y1);
int darkInRow(const QImage& image, int y, int x0, int x1);
// The bounding box of the dark pixels inside a region; null when there are none.
QRect darkBounds(const QImage& image, const QRect& region);
// The mean colour of a region.
QColor meanColour(const QImage& image, const QRect& region);

// A JPEG of one colour.
QString writeSolidJpeg(const QString& path, int width, int height, QColor colour);

// PDF tools of poppler-utils: the page count, the page size in points, a page as an image.
int pdfPageCount(const QString& pdf);
QString pdfInfoValue(const QString& pdf, const QString& key);
// Each page's size in points, "842 x 595".
QStringList pdfPageSizes(const QString& pdf);
QImage renderPdfPage(const QString& pdf, int page, int dpi);

// The words of a PDF's pages as pdftotext -bbox places them: per page its size and each word's
// box, in points.
struct PdfWord {
    QString text;
    QRectF box;
};
struct PdfPage {
    QSizeF size;
    QList<PdfWord> words;
};
QList<PdfPage> pdfWords(const QString& pdf);
QStringList wordTexts(const PdfPage& page);

} // namespace ferlo::test
