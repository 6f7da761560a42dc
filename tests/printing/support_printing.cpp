#include "support_printing.h"

#include "support/TestSupport.h"

#include <QPainter>
#include <QtTest>

namespace ferlo::test {

CardPage emptyPage(int picturesPerPage, bool portrait, bool cutLinesOn, bool labelsOn) {
    CardPage page;
    page.Arrangement = PageArrangement(picturesPerPage);
    page.Portrait = portrait;
    page.CutLinesOn = cutLinesOn;
    page.LabelsOn = labelsOn;
    page.LabelFont = QFont(QStringLiteral("Arial"));
    page.LabelFont.setBold(true);
    for (int i = 0; i < picturesPerPage; ++i) {
        page.FileNames << QString();
        page.PictureLoaded << false;
        page.LabelTexts << QString();
    }
    return page;
}

void placePicture(CardPage& page, int cell, const QString& fileName, const QString& label) {
    page.FileNames[cell] = fileName;
    page.PictureLoaded[cell] = true;
    page.LabelTexts[cell] = label;
}

PaintOptions dibOptions(std::function<bool()> printAsDib) {
    PaintOptions options;
    options.printAsDib = std::move(printAsDib);
    return options;
}

QImage renderPage(const CardPage& page, QSize printableArea, const PaintOptions& options) {
    QImage image(printableArea, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintCardPage(painter, printableArea, page, options);
    return image;
}

} // namespace ferlo::test
