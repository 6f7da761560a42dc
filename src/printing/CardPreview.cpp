#include "printing/CardPreview.h"

#include "layout/CardModel.h"
#include "pictures/PictureCache.h"
#include "printing/CardPage.h"
#include "printing/PagePainter.h"
#include "storage/NativePath.h"

#include <QPainter>

namespace ferlo {

QImage renderCardPreview(const DeckCard& card, int longSide) {
    const CardModel model(card);
    // A4, 297 x 210 mm: the image's resolution makes the long side `longSide` pixels.
    const double dpi = longSide / (297 / 25.4);
    const int shortSide = qMax(1, qRound(210 / 25.4 * dpi));
    const QSize size = model.portrait() ? QSize(shortSide, longSide) : QSize(longSide, shortSide);
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    PaintOptions options;
    options.printAsDib = [] {
        return true;
    };
    // Decoded here, one after another: Qt's global pool, which painting the window waits for,
    // stays free. A picture the window holds decoded (the card on screen) is taken from there.
    options.decodeOnThisThread = true;
    options.loadPicture = [](const QString& path, const WantedSize& wanted) {
        if (std::optional<DecodedPicture> kept = PictureCache::shared().find(path, wanted))
            return *std::move(kept);
        return loadPicture(path, wanted);
    };
    const auto paint = [&](const std::function<bool(const QString&)>& readable) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintCardPage(painter, size, makeCardPage(model, readable), options);
    };
    try {
        paint([](const QString& path) { return pathKind(path) != PathKind::Missing; });
    } catch (...) {
        // A picture that cannot be read: the card without pictures, its labels and lines shown.
        try {
            paint([](const QString&) { return false; });
        } catch (...) {
            image.fill(Qt::white);
        }
    }
    return image;
}

} // namespace ferlo
