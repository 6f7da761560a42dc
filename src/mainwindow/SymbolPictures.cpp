#include "mainwindow/SymbolPictures.h"

#include "pictures/PictureCache.h"
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

#include <cmath>
#include <memory>

namespace ferlo {

namespace {

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

} // namespace

PictureSource cellPictureSource(const TCell& cell) {
    if (cell.Symbol)
        return {installedSymbolFile(*cell.Symbol), true};
    return {pathFromModel(cell.FileName), false};
}

std::string cellPictureKey(const TCell& cell) {
    if (!cell.Symbol)
        return cell.FileName;
    // No file name holds a control character: the key of a symbol is never a file's.
    return "\x1dsymbol/" + cell.Symbol->set + '/' + cell.Symbol->hexcode +
           (cell.Symbol->style == SymbolStyle::Line ? "/line" : "/color");
}

QString cellPictureName(const TCell& cell, bool nameOnly) {
    if (cell.Symbol)
        return symbolDisplayName(*cell.Symbol);
    const QString path = pathFromModel(cell.FileName);
    return displayName(nameOnly ? fileNamePart(path) : path);
}

DecodedPicture loadShownPicture(const PictureSource& source, const WantedSize& wanted) {
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
