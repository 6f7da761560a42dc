#include "mainwindow/SymbolPictures.h"

#include "layout/CardModel.h"

#include "pictures/PictureCache.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "symbols/SvgPicture.h"
#include "symbols/SymbolCells.h"

#include <QCache>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QMutex>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <memory>

namespace ferlo {

namespace {

// The pixel size a word card's word is measured at, and the room around it, as a share of the
// word's height.
constexpr int kWordPixels = 200;
constexpr double kWordMargin = 0.25;

// The drawings read and the images drawn lately, each by its file's identity, so that a
// drawing changed on disk (a user's own) is read again.
struct DrawingCache {
    QMutex mutex;
    QCache<QString, std::shared_ptr<const SvgPicture>> drawings{256};
    QCache<QString, QImage> images{24 * 1024 * 1024}; // bytes of pixels
};

DrawingCache& cache() {
    static DrawingCache shared;
    return shared;
}

QString stampOf(const QString& svgFile) {
    const QFileInfo info(svgFile);
    return QStringLiteral("%1|%2|%3")
        .arg(svgFile)
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch());
}

std::shared_ptr<const SvgPicture> drawingOf(const QString& svgFile, const QString& stamp) {
    DrawingCache& shared = cache();
    {
        const QMutexLocker lock(&shared.mutex);
        if (const auto* kept = shared.drawings.object(stamp))
            return *kept;
    }
    auto drawing = std::make_shared<const SvgPicture>(SvgPicture::fromFile(svgFile));
    const QMutexLocker lock(&shared.mutex);
    shared.drawings.insert(stamp, new std::shared_ptr<const SvgPicture>(drawing));
    return drawing;
}

// The drawing's proportions in whole numbers, as the page painter fits a drawing.
QSize ownSizeOf(const SvgPicture& drawing) {
    constexpr int unit = 10000;
    const double aspect = drawing.aspect();
    return aspect >= 1 ? QSize(unit, std::max(1, int(std::lround(unit / aspect))))
                       : QSize(std::max(1, int(std::lround(unit * aspect))), unit);
}

// A word card's word, drawn to fill the size wanted for its own extent: large, centred, bold.
DecodedPicture drawnWord(const QString& word, const WantedSize& wanted) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(kWordPixels);
    const QFontMetricsF metrics(font);
    // The word's extent with a margin around it, so that it never touches the cell's edges.
    const QSizeF extent(std::max(1.0, metrics.horizontalAdvance(word)), metrics.height());
    const double margin = kWordMargin * std::min(extent.width(), extent.height());
    DecodedPicture decoded;
    decoded.ownSize = QSize(int(std::ceil(extent.width() + 2 * margin)),
                            int(std::ceil(extent.height() + 2 * margin)));
    QSize size = wanted(decoded.ownSize);
    if (!size.isValid() || size.isEmpty())
        size = decoded.ownSize;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(double(size.width()) / decoded.ownSize.width(),
                  double(size.height()) / decoded.ownSize.height());
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.setLayoutDirection(Qt::LayoutDirectionAuto);
    painter.drawText(QRectF(QPointF(0, 0), QSizeF(decoded.ownSize)), Qt::AlignCenter, word);
    painter.end();
    decoded.image = image;
    return decoded;
}

} // namespace

PictureSource cellPictureSource(const TCell& cell, bool upperCase) {
    if (cell.WordCard)
        return PictureSource::ofWord(
            labelInCase(QString::fromStdString(LabelWord(cell)), upperCase));
    if (cell.Symbol)
        return {installedSymbolFile(*cell.Symbol), true};
    const QString path = pathFromModel(cell.FileName);
    return {path, isDrawingFile(path)};
}

std::string cellPictureKey(const TCell& cell) {
    if (cell.WordCard)
        return "\x1dword/" + LabelWord(cell);
    if (!cell.Symbol)
        return cell.FileName;
    // No file name holds a control character: the key of a symbol is never a file's.
    return "\x1dsymbol/" + cell.Symbol->set + '/' + cell.Symbol->hexcode +
           (cell.Symbol->style == SymbolStyle::Line ? "/line" : "/color");
}

QString cellPictureName(const TCell& cell, bool nameOnly) {
    if (cell.WordCard)
        return QString::fromStdString(LabelWord(cell));
    if (cell.Symbol)
        return symbolDisplayName(*cell.Symbol);
    const QString path = pathFromModel(cell.FileName);
    return displayName(nameOnly ? fileNamePart(path) : path);
}

DecodedPicture loadShownPicture(const PictureSource& source, const WantedSize& wanted) {
    if (source.wordCard)
        return drawnWord(source.word, wanted);
    if (!source.drawing)
        return PictureCache::shared().load(source.path, wanted);
    if (source.path.isEmpty())
        throw Error(QCoreApplication::translate("Symbols",
                                                "The symbol cannot be shown: it is not installed"));
    const std::shared_ptr<const SvgPicture> drawing = drawingOf(source.path, stampOf(source.path));
    DecodedPicture decoded;
    decoded.ownSize = ownSizeOf(*drawing);
    const QSize size = wanted(decoded.ownSize);
    decoded.image =
        drawnSymbol(source.path, size.isValid() && !size.isEmpty() ? size : QSize(256, 256));
    return decoded;
}

QImage drawnSymbol(const QString& svgFile, QSize pixels) {
    const QString stamp = stampOf(svgFile);
    const QString key = stamp + QStringLiteral("|%1x%2").arg(pixels.width()).arg(pixels.height());
    DrawingCache& shared = cache();
    {
        const QMutexLocker lock(&shared.mutex);
        if (const QImage* kept = shared.images.object(key))
            return *kept;
    }
    const QImage image = drawingOf(svgFile, stamp)->toImage(pixels);
    const QMutexLocker lock(&shared.mutex);
    shared.images.insert(key, new QImage(image),
                         int(std::min<qsizetype>(image.sizeInBytes(), shared.images.maxCost())));
    return image;
}

} // namespace ferlo
