#pragma once

#include "layout/PrinterCells.h"
#include "pictures/PictureDecoder.h"
#include "printing/CardPage.h"

#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;

namespace ferlo {

class SvgPicture;

struct PaintOptions {
    // How pictures go onto the page: true draws them as a 32-bit QImage (the device-independent
    // form), false through a QPixmap. Asked anew for every picture drawn; empty means the stored
    // option (get_PrintAsDIB).
    std::function<bool()> printAsDib;
    // Whether Print, the preview and Export PDF put each card's word back after it; empty means
    // the stored option (get_PrintWordBacks). The page painter itself does not read it.
    std::optional<bool> wordBacks;
    // Told of each picture, in cell order, that prints only in part: a damaged file whose
    // missing part prints grey. Empty: nobody is told.
    std::function<void(const QString& fileName)> partialPicture;
    // Told before each page of a print job or an export is painted (page from 1 to count);
    // returning false stops the work, which then leaves nothing behind. Empty: no one is told.
    std::function<bool(int page, int count)> progress;
    // How Print, the preview and Export PDF make and place the word backs: the turn of the sheet
    // and the printer's back offset.
    BackPlacement backPlacement;
    // Print only: double-sided by hand. The fronts print first; then stackTurned is asked to have
    // the stack put back into the printer (false stops the work), and the backs follow in the
    // order and turn the case needs (manualBacks). Without stackTurned the backs follow at once.
    ManualFeed manualFeed = ManualFeed::Off;
    std::function<bool()> stackTurned;
    // How the pictures are loaded; empty means loadPicture. With decodeOnThisThread they are
    // loaded one after another on the painting thread instead of side by side on Qt's global
    // pool (for pages painted on a worker thread of their own).
    std::function<DecodedPicture(const QString& path, const WantedSize& wanted)> loadPicture;
    bool decodeOnThisThread = false;
};

struct PrintedPicture;
struct PreparedPage;

// The finest detail worth putting on paper: pictures go to the printer with at most this many
// pixels per inch, and a cut line's dots are never finer than one such pixel.
constexpr int PaperPixelsPerInch = 300;

// Paints one card page onto a painter whose device addresses the printable area in device
// pixels, (0, 0) at its top-left corner: frame and cut lines (when on), the pictures, the labels
// (when on). The device's resolution is its logical dpi. Print, preview and PDF export all paint
// through here. Throws ferlo::Error when a picture can't be loaded or the option can't be read,
// before anything is painted.
void paintCardPage(QPainter& painter, QSize printableArea, const CardPage& page,
                   const PaintOptions& options = {});

// The two halves of paintCardPage. Everything that can fail (loading the pictures, reading the
// stored option for each) happens in prepareCardPage, so a print job is begun only when its
// page is sure to be drawn whole. `resolution` is the device's, in pixels per inch.
PreparedPage prepareCardPage(QSize printableArea, int resolution, const CardPage& page,
                             const PaintOptions& options = {});
void paintPreparedPage(QPainter& painter, const PreparedPage& prepared);

// The parts of the page, in the order paintPreparedPage calls them.
// The dotted pen is one device pixel wide up to PaperPixelsPerInch, and as wide as one such pixel
// above it (4 pixels at 1200 dpi), so that the lines stay visible on paper.
void PrintCutLines(QPainter& painter, QSize printableArea, int resolution, const CardPage& page);
void PrintPictures(QPainter& painter, const PreparedPage& prepared);
// With clips, each cell's label is clipped to its own.
void PrintLabels(QPainter& painter, const TPrinterCellArray& cells, const CardPage& page,
                 const std::vector<QPainterPath>& clips = {});
// A back page's words (CardPage::Back), in place of pictures and labels: each word centred in its
// whole printer cell, bold, as large as fits inside the cell less a margin of WordBackMargin of
// its smaller side all round. Each word gets its own size.
void PrintBackWords(QPainter& painter, const TPrinterCellArray& cells, const CardPage& page);
constexpr double WordBackMargin = 0.1;
// A game's word cards (CardPage::WordCells), each word as a back's word is printed.
void PrintWordCells(QPainter& painter, const TPrinterCellArray& cells, const CardPage& page);

// Draws a picture into a rectangle through its device-independent form: a 32-bit RGB QImage.
void StretchBitmapAsDIB(QPainter& painter, const QRect& rect, const QImage& bitmap);

// The picture of one cell as it is handed to the printer, without alpha. Its pixels are never
// more than the picture's own, the target rectangle's device pixels, or PaperPixelsPerInch of
// paper at `resolution`, whichever is least, side by side; the painter scales it into the
// target rectangle. The target is empty (and the image null) when there is nothing to draw.
struct PrintedPicture {
    TRect target;
    QImage image;
    bool partial = false; // the file is damaged and decoded only in part
    // A symbol's drawing in place of the image: drawn as vectors into the target.
    std::shared_ptr<const SvgPicture> drawing;
};
// With a fill area the picture covers that area instead (FillPictureRect), to be clipped to it.
// `load` stands for loadPicture when given.
PrintedPicture preparePrintedPicture(
    const QString& fileName, const TPrinterCell& cell, int resolution,
    const TRect* fillArea = nullptr,
    const std::function<DecodedPicture(const QString&, const WantedSize&)>& load = {});
// A symbol's drawing fitted into the cell's picture area by its own proportions, or covering the
// fill area, as a picture is. Throws ferlo::Error naming the file when it cannot be read.
PrintedPicture preparePrintedDrawing(const QString& fileName, const TPrinterCell& cell,
                                     const TRect* fillArea = nullptr);
// The pixel size of that image for a picture of `ownSize` fitted into `target`.
QSize PrintedPictureSize(QSize ownSize, const TRect& target, int resolution);

// A page ready to be drawn: its printer cells, and the pictures in cell order, each with the way
// it goes onto the page as the stored option said when it was read for that picture.
struct PreparedPage {
    struct Picture {
        int cell = 0;
        PrintedPicture picture;
        bool asDib = true;
    };
    QSize printableArea;
    int resolution = 0;
    CardPage page;
    TPrinterCellArray cells;
    std::vector<Picture> pictures;
    // A grid's or a sheet's cards in device pixels: each card's shape, and the clip of its
    // picture and label (the shape, for a filled picture its fill area within the shape grown
    // by the bleed).
    std::vector<QPainterPath> shapes;
    std::vector<QPainterPath> clips;
    double pixelsPerMm = 0;
};

// A grid's or a sheet's cut lines or crop marks and outlines, as the page's switches say:
// cards that touch share one dotted line per boundary, across the whole page; others get crop
// marks in the page's margins, 5 mm long, stopping 1 mm and the bleed short of the outermost
// cards, so that they never touch one.
void PrintPlanCuts(QPainter& painter, const PreparedPage& prepared);
// The mark's length and its distance from the cards.
constexpr double CropMarkMm = 5.0;
constexpr double CropMarkGapMm = 1.0;

// The pixel size at which a label is printed in a band: the largest whose line height (ascent +
// descent) is at most the band's height, then one less while the text is wider than the band,
// never below 1. lineHeight(pixelSize) and textWidth(pixelSize) measure the font at a size.
int FitLabelPixelSize(int bandHeight, int bandWidth, const std::function<int(int)>& lineHeight,
                      const std::function<int(int)>& textWidth);

// The largest pixel size at which the text's line is at most `height` high and at most `width`
// wide, never below 1.
int FitWordPixelSize(int height, int width, const std::function<int(int)>& lineHeight,
                     const std::function<int(int)>& textWidth);

} // namespace ferlo
