#pragma once

// Reading the pages the program writes: a page image's dark pixels and colours, and PDF files
// through the poppler-utils tools (pdfinfo, pdftoppm, pdftotext), and a deck's pages printed to a
// PDF to compare.

#include "printing/CardPage.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

class QPageSize;

namespace ferlo::test {

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

// A PDF's bytes without what changes from run to run (its dates and document id), so that two
// PDFs of the same pages compare equal; empty when the file cannot be read.
QByteArray pdfWithoutDates(const QString& pdf);
// Prints the pages to a PDF at `path` and reads it back as pdfWithoutDates does.
QByteArray printedPdf(const QList<CardPage>& pages, const QString& path, const QPageSize& size,
                      int dpi);

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
