#include "printing/PagePainter.h"

#include "layout/Card.h"
#include "layout/CountPlan.h"
#include "printing/Calibration.h"
#include "printing/GamePainter.h"
#include "printing/LabelText.h"
#include "printing/PlanPainter.h"

#include "layout/Rounding.h"
#include "pictures/PictureDecoder.h"
#include "pictures/Workers.h"
#include "storage/Errors.h"
#include "storage/PrintOption.h"
#include "symbols/SvgPicture.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <map>
#include <vector>

namespace ferlo {

namespace {

QRect toQRect(const TRect& rect) {
    return QRect(rect.Left, rect.Top, rect.width(), rect.height());
}

void checkPage(const CardPage& page) {
    if (!page.Arrangement.valid())
        throw Error(QCoreApplication::translate("Printing",
                                                "Cannot print a card with %1 pictures per page: "
                                                "a page holds 1, 2, 4, 6 or 8 pictures.")
                        .arg(page.Arrangement.cells()));
}

bool cellHasPicture(const CardPage& page, int cell) {
    return !page.FileNames.value(cell).isEmpty() && page.PictureLoaded.value(cell, true);
}

bool cellHasDrawing(const CardPage& page, int cell) {
    return !page.SymbolFiles.value(cell).isEmpty() && page.PictureLoaded.value(cell, true);
}

// The file a cell's picture or drawing comes from, as messages name it.
QString cellSource(const CardPage& page, int cell) {
    return cellHasDrawing(page, cell) ? page.SymbolFiles.at(cell) : page.FileNames.value(cell);
}

// Scales smoothly to exactly `size`. The decoder has already come within a factor of two of
// it in nearly every case, where bilinear filtering is as good as area averaging and several
// times faster; larger steps average over the whole area.
QImage scaledTo(const QImage& image, QSize size) {
    const bool nearby = image.width() <= 2 * size.width() && image.height() <= 2 * size.height();
    if (!nearby || image.hasAlphaChannel())
        return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage scaled(size, QImage::Format_RGB32);
    if (scaled.isNull())
        return scaled;
    QPainter painter(&scaled);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QRect(QPoint(0, 0), size), image);
    return scaled;
}

// Draws the text in black at the pixel size `fit` chooses for `room` (width, height) from the
// shaped text's measures on the painter's device (fallback fonts included), its line (ascent +
// descent) centred in `box`.
void drawFittedText(QPainter& painter, QFont font, const QString& text,
                    int (*fit)(int, int, const std::function<int(int)>&,
                               const std::function<int(int)>&),
                    QSize room, const QRect& box) {
    std::map<int, ShapedLine> measured; // the fit asks for the height and width of each size
    const auto lineAt = [&](int size) {
        const auto known = measured.find(size);
        if (known != measured.end())
            return known->second;
        font.setPixelSize(size);
        return measured[size] = measureShapedLine(font, text, painter.device());
    };
    const int pixelSize = fit(
        room.height(), room.width(), [&](int size) { return lineAt(size).height; },
        [&](int size) { return lineAt(size).width; });
    const ShapedLine line = lineAt(pixelSize);
    font.setPixelSize(pixelSize);
    const int x = box.left() + Round((box.width() - line.width) * 0.5);
    const int y = box.top() + Round((box.height() - line.height) * 0.5);
    painter.setPen(QPen(Qt::black));
    // The page is the same in every language of the window: a word runs in its own script's
    // direction, never in the window's.
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    drawLabelLine(painter, font, QPoint(x, y + line.ascent), text);
}

} // namespace

QSize PrintedPictureSize(QSize ownSize, const TRect& target, int resolution) {
    const auto side = [resolution](int own, int device) {
        qint64 pixels = qMin(own, device);
        if (resolution > PaperPixelsPerInch)
            pixels = qMin(pixels, qint64(device) * PaperPixelsPerInch / resolution);
        return int(qMax<qint64>(1, pixels));
    };
    return QSize(side(ownSize.width(), target.width()), side(ownSize.height(), target.height()));
}

PrintedPicture preparePrintedPicture(
    const QString& fileName, const TPrinterCell& cell, int resolution, const TRect* fillArea,
    const std::function<DecodedPicture(const QString&, const WantedSize&)>& load) {
    PrintedPicture result;
    QSize size;
    // The fit uses the picture's own size from the file's header; the pixels are decoded at the
    // smallest scale that still covers the size handed to the printer.
    const DecodedPicture decoded = (load ? load : loadPicture)(fileName, [&](QSize ownSize) {
        result.target = fillArea ? FillPictureRect(*fillArea, ownSize.width(), ownSize.height())
                                 : FitPictureRect(cell, ownSize.width(), ownSize.height());
        size = result.target.isEmpty() ? QSize(1, 1)
                                       : PrintedPictureSize(ownSize, result.target, resolution);
        return size;
    });
    if (result.target.isEmpty() || decoded.image.isNull())
        return {};

    QImage image = decoded.image;
    if (image.size() != size)
        image = scaledTo(image, size);
    if (image.isNull())
        throw Error(
            QCoreApplication::translate(
                "Printing", "Cannot print the picture %1: not enough memory for %2 x %3 "
                            "pixels.")
                .arg(fileName, QString::number(size.width()), QString::number(size.height())));
    if (image.hasAlphaChannel()) {
        // Paper is white: transparent parts of a picture print as white.
        QImage opaque(size, QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
        painter.end();
        image = opaque;
    } else if (image.format() != QImage::Format_RGB32) {
        image = image.convertToFormat(QImage::Format_RGB32);
    }
    result.image = image;
    result.partial = decoded.partial;
    return result;
}

PrintedPicture preparePrintedDrawing(const QString& fileName, const TPrinterCell& cell,
                                     const TRect* fillArea) {
    PrintedPicture result;
    auto drawing = std::make_shared<const SvgPicture>(SvgPicture::fromFile(fileName));
    // Proportions to a ten-thousandth: the fit works on whole numbers.
    constexpr int unit = 10000;
    const double aspect = drawing->aspect();
    const int width = aspect >= 1 ? unit : std::max(1, int(std::lround(unit * aspect)));
    const int height = aspect >= 1 ? std::max(1, int(std::lround(unit / aspect))) : unit;
    result.target =
        fillArea ? FillPictureRect(*fillArea, width, height) : FitPictureRect(cell, width, height);
    if (!result.target.isEmpty())
        result.drawing = std::move(drawing);
    return result;
}

void StretchBitmapAsDIB(QPainter& painter, const QRect& rect, const QImage& bitmap) {
    if (bitmap.format() == QImage::Format_RGB32)
        painter.drawImage(rect, bitmap);
    else
        painter.drawImage(rect, bitmap.convertToFormat(QImage::Format_RGB32));
}

void PrintCutLines(QPainter& painter, QSize printableArea, int resolution, const CardPage& page) {
    if (!page.CutLinesOn)
        return;
    const int W = printableArea.width();
    const int H = printableArea.height();
    // Qt::DotLine's dots and gaps are counted in pen widths, so a wider pen keeps the dot length
    // of a 300-dpi pixel too.
    const int width = qMax(1, qRound(double(resolution) / PaperPixelsPerInch));
    QPen pen(Qt::black);
    pen.setWidth(width);
    pen.setStyle(Qt::DotLine);
    if (width > 1)
        pen.setCapStyle(Qt::FlatCap); // square caps would lengthen every dot by a pen width
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.setBrush(Qt::white);
    // The frame covers the printable area's outermost pixels, so that all four sides land on
    // the paper: with a one-pixel pen the rectangle (0, 0) to (W - 1, H - 1), with a wider one
    // the stroke's outer edge on the area's edge.
    if (width == 1)
        painter.drawRect(QRect(0, 0, W - 1, H - 1));
    else
        painter.drawRect(QRectF(width / 2.0, width / 2.0, W - width, H - width));
    for (const CutLine& line : CutLines(W, H, page.Arrangement.cells(), page.Portrait)) {
        if (line.Horizontal)
            painter.drawLine(0, line.Position, W, line.Position);
        else
            painter.drawLine(line.Position, 0, line.Position, H);
    }
}

PreparedPage prepareCardPage(QSize printableArea, int resolution, const CardPage& page,
                             const PaintOptions& options) {
    checkPage(page);
    PreparedPage prepared;
    prepared.printableArea = printableArea;
    prepared.resolution = resolution;
    prepared.page = page;
    if (page.Arrangement.plan())
        preparePlanCells(prepared);
    else
        prepared.cells = LayoutPrinterCells(printableArea.width(), printableArea.height(),
                                            page.Arrangement.cells(), page.Portrait, page.LabelsOn);
    const TPrinterCellArray& cells = prepared.cells;
    const int count = int(cells.size());
    // Decode the pictures of the page on worker threads; take them, and read the option for
    // each, in cell order.
    WorkerSlots<PrintedPicture> workers(cells.size(), options.decodeOnThisThread);
    for (int i = 0; i < count; ++i) {
        const bool pictures = !page.Back || page.Backs == CardPage::CardBacks::Picture;
        if (pictures && cellHasDrawing(page, i))
            workers.start(size_t(i), [fileName = page.SymbolFiles.at(i), cell = cells[size_t(i)],
                                      fill = planFillArea(prepared, i)] {
                return preparePrintedDrawing(fileName, cell, fill ? &*fill : nullptr);
            });
        else if (pictures && cellHasPicture(page, i))
            workers.start(size_t(i), [fileName = page.FileNames.at(i), cell = cells[size_t(i)],
                                      fill = planFillArea(prepared, i), resolution,
                                      load = options.loadPicture] {
                return preparePrintedPicture(fileName, cell, resolution, fill ? &*fill : nullptr,
                                             load);
            });
    }
    for (int i = 0; i < count; ++i) {
        if (!workers.started(size_t(i)))
            continue;
        PrintedPicture picture;
        try {
            picture = workers.take(size_t(i));
        } catch (...) {
            throw Error(
                errorMessage(std::current_exception(),
                             QCoreApplication::translate("Printing", "Cannot print the picture %1")
                                 .arg(cellSource(page, i))));
        }
        if (picture.target.isEmpty())
            continue;
        if (picture.partial && options.partialPicture)
            options.partialPicture(page.FileNames.at(i));
        const bool asDib = options.printAsDib ? options.printAsDib() : get_PrintAsDIB();
        prepared.pictures.push_back({i, std::move(picture), asDib});
    }
    return prepared;
}

void PrintPictures(QPainter& painter, const PreparedPage& prepared) {
    for (const PreparedPage::Picture& picture : prepared.pictures) {
        const QRect rect = toQRect(picture.picture.target);
        const bool clipped = size_t(picture.cell) < prepared.clips.size();
        if (clipped) {
            painter.save();
            painter.setClipPath(prepared.clips[size_t(picture.cell)]);
        }
        if (picture.picture.drawing) {
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing);
            picture.picture.drawing->render(painter, QRectF(rect));
            painter.restore();
        } else if (picture.asDib)
            StretchBitmapAsDIB(painter, rect, picture.picture.image);
        else
            painter.drawPixmap(rect, QPixmap::fromImage(picture.picture.image));
        if (clipped)
            painter.restore();
    }
}

void PrintLabels(QPainter& painter, const TPrinterCellArray& cells, const CardPage& page,
                 const std::vector<QPainterPath>& clips) {
    const int count = int(cells.size());
    for (int i = 0; i < count; ++i) {
        QFont font(page.LabelFont.family());
        font.setBold(page.LabelFont.bold());
        font.setItalic(page.LabelFont.italic());
        font.setUnderline(page.LabelFont.underline());
        font.setStrikeOut(page.LabelFont.strikeOut());

        const TRect band = LabelBand(cells[size_t(i)]);
        const int bh = LabelBandHeight(band);
        const int bw = LabelBandWidth(band);
        const QString text = page.LabelTexts.value(i);
        if (text.isEmpty() || bh < 1 || bw < 1)
            continue; // an empty text draws nothing
        // The band's height is the height of the character cell (ascent + descent) in the
        // printer's font, not the em size.
        if (size_t(i) < clips.size()) {
            painter.save();
            painter.setClipPath(clips[size_t(i)]);
        }
        drawFittedText(painter, font, text, FitLabelPixelSize, QSize(bw, bh),
                       QRect(cells[size_t(i)].PictureArea().Left, band.Top, bw, bh));
        if (size_t(i) < clips.size())
            painter.restore();
    }
}

namespace {
// Each word centred in its whole printer cell, bold, as large as fits inside the cell less the
// margin; turned round (by 180 degrees about the cell's centre) when asked.
void printWords(QPainter& painter, const TPrinterCellArray& cells, const QStringList& words,
                const QFont& labelFont, bool turnedRound) {
    const int count = int(cells.size());
    for (int i = 0; i < count; ++i) {
        const QString text = words.value(i);
        const TPrinterCell& cell = cells[size_t(i)];
        const int margin = Round(qMin(cell.Width, cell.Height) * WordBackMargin);
        const int width = cell.Width - 2 * margin;
        const int height = cell.Height - 2 * margin;
        if (text.isEmpty() || width < 1 || height < 1)
            continue;
        QFont font = labelFont;
        font.setBold(true);
        const QRect box(cell.Left, cell.Top, cell.Width, cell.Height);
        painter.save();
        if (turnedRound) {
            painter.translate(box.center() + QPointF(0.5, 0.5));
            painter.rotate(180);
            painter.translate(-(box.center() + QPointF(0.5, 0.5)));
        }
        drawFittedText(painter, font, text, FitWordPixelSize, QSize(width, height), box);
        painter.restore();
    }
}

// A fold-over sheet's words behind the fronts, and the fold line: long dashes where the cut line
// would be, so that it is folded, not cut.
void printFold(QPainter& painter, const PreparedPage& prepared) {
    const CardPage& page = prepared.page;
    const bool vertical = page.Fold == CardPage::FoldLine::Vertical;
    printWords(painter, prepared.cells, page.FoldWords, page.LabelFont, !vertical);
    const int W = prepared.printableArea.width();
    const int H = prepared.printableArea.height();
    // The fold lies on the cells' middle boundary, where the first cell past the fold begins; on
    // a grid or a sheet, on the paper's middle line.
    int at = 0;
    if (const PagePlan* plan = page.Arrangement.plan()) {
        at = int(std::lround((vertical ? plan->PaperWidth / 2 - page.MarginLeft
                                       : plan->PaperHeight / 2 - page.MarginTop) *
                             prepared.pixelsPerMm));
    } else {
        const CountPlan grid = page.Arrangement.countPlan(page.Portrait);
        const int columns = grid.columns();
        const TPrinterCell& past =
            prepared.cells[size_t(vertical ? columns / 2 : grid.rows() / 2 * columns)];
        at = vertical ? past.Left : past.Top;
    }
    const int width = qMax(1, qRound(double(prepared.resolution) / PaperPixelsPerInch));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::white, width * 3));
    const QLine line = vertical ? QLine(at, 0, at, H - 1) : QLine(0, at, W - 1, at);
    if (page.CutLinesOn)
        painter.drawLine(line); // the dotted cut line gives way to the fold
    QPen dashes(Qt::black, width, Qt::DashLine);
    dashes.setDashPattern({12, 6});
    painter.setPen(dashes);
    painter.drawLine(line);
    painter.restore();
}
} // namespace

void PrintBackWords(QPainter& painter, const TPrinterCellArray& cells, const CardPage& page) {
    printWords(painter, cells, page.LabelTexts, page.LabelFont, false);
}

void PrintWordCells(QPainter& painter, const TPrinterCellArray& cells, const CardPage& page) {
    printWords(painter, cells, page.WordCells, page.LabelFont, false);
}

void paintPreparedPage(QPainter& painter, const PreparedPage& prepared) {
    const CardPage& page = prepared.page;
    const auto printCuts = [&] {
        if (page.Arrangement.plan())
            PrintPlanCuts(painter, prepared);
        else
            PrintCutLines(painter, prepared.printableArea, prepared.resolution, page);
    };
    if (page.Back) {
        painter.save();
        const double pixelsPerMm = prepared.resolution / 25.4;
        painter.translate(page.BackOffsetXMm * pixelsPerMm, page.BackOffsetYMm * pixelsPerMm);
        if (page.BackTurnedRound) {
            painter.translate(prepared.printableArea.width(), prepared.printableArea.height());
            painter.rotate(180);
        }
        if (page.Calibration) {
            paintCalibrationSide(painter, prepared.printableArea, prepared.resolution, true);
        } else {
            printCuts();
            if (page.Backs == CardPage::CardBacks::Words)
                PrintBackWords(painter, prepared.cells, page);
            else if (page.Backs == CardPage::CardBacks::Picture)
                PrintPictures(painter, prepared);
            else
                PrintPatternBacks(painter, prepared);
            PrintOutlines(painter, prepared);
        }
        painter.restore();
        return;
    }
    if (page.Calibration) {
        paintCalibrationSide(painter, prepared.printableArea, prepared.resolution, false);
        return;
    }
    printCuts();
    PrintPictures(painter, prepared);
    if (page.LabelsOn)
        PrintLabels(painter, prepared.cells, page, prepared.shapes);
    PrintWordCells(painter, prepared.cells, page);
    if (page.Fold != CardPage::FoldLine::None)
        printFold(painter, prepared);
    PrintOutlines(painter, prepared);
    PrintCaption(painter, prepared);
}

void paintCardPage(QPainter& painter, QSize printableArea, const CardPage& page,
                   const PaintOptions& options) {
    const int resolution = painter.device() ? painter.device()->logicalDpiY() : 0;
    paintPreparedPage(painter, prepareCardPage(printableArea, resolution, page, options));
}

} // namespace ferlo
