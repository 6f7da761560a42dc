#include "mainwindow/CardPictures.h"

#include "dialogs/WaitCursor.h"
#include "layout/CardGeometry.h"
#include "layout/DeckSession.h"
#include "layout/FitSize.h"
#include "mainwindow/CardView.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/SymbolPictures.h"
#include "pictures/PictureCache.h"
#include "pictures/Workers.h"
#include "storage/NativePath.h"

#include <QWidget>
#include <QtMath>

#include <vector>

// The pictures in the cells of the card of the five counts: decoded on worker threads, a first
// look while a long decode runs, placed and fitted in their picture areas.

namespace ferlo {
namespace {

// A picture decoded and fitted for its cell.
struct PreparedPicture {
    FittedSize fitted;
    QImage shown;
    bool partial = false; // a damaged file that decoded only in part
};

// The screen's device pixels for logical ones: twice as many each way on a screen of ratio 2.
int devicePixels(int logical, qreal pixelRatio) {
    return qMax(1, qCeil(logical * pixelRatio));
}

// The size in device pixels a picture is wanted at in the card's picture area; the size it is
// fitted at there, in logical pixels, goes into `fitted`.
WantedSize fittedInArea(const TCard& card, qreal pixelRatio, FittedSize& fitted) {
    return [&card, pixelRatio, &fitted](QSize own) {
        fitted = FitPictureToArea(own.width(), own.height(), card.PictureWidth, card.PictureHeight,
                                  card.PictureAspect);
        return QSize(devicePixels(fitted.Width, pixelRatio),
                     devicePixels(fitted.Height, pixelRatio));
    };
}

// Loads a picture or a symbol's drawing for the card: the own size from the file, the fitted
// size in the picture area, and the pixels scaled to exactly that size in the screen's device
// pixels, so the picture is drawn crisp. Safe on worker threads.
PreparedPicture preparePicture(const PictureSource& source, const TCard& card, qreal pixelRatio) {
    PreparedPicture prepared;
    const DecodedPicture decoded =
        loadShownPicture(source, fittedInArea(card, pixelRatio, prepared.fitted));
    prepared.partial = decoded.partial;
    prepared.shown = decoded.image.scaled(devicePixels(prepared.fitted.Width, pixelRatio),
                                          devicePixels(prepared.fitted.Height, pixelRatio),
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    prepared.shown.setDevicePixelRatio(pixelRatio);
    return prepared;
}

// The file's own preview fitted like the picture, for a first look while a long decode runs
// (see loadPreview); a null `shown` when there is none. Never throws: the full decode reports
// what is wrong with the file.
PreparedPicture preparePreview(const QString& path, const TCard& card, qreal pixelRatio) {
    PreparedPicture prepared;
    try {
        const DecodedPicture decoded =
            loadPreview(path, fittedInArea(card, pixelRatio, prepared.fitted));
        prepared.shown = decoded.image;
        prepared.shown.setDevicePixelRatio(pixelRatio);
    } catch (...) {
        prepared.shown = QImage();
    }
    return prepared;
}

} // namespace

class CardPictures::PicturePass {
public:
    explicit PicturePass(CardPictures& pictures)
        : m_pictures(pictures) {
        ++m_pictures.m_picturePasses;
    }
    PicturePass(const PicturePass&) = delete;
    PicturePass& operator=(const PicturePass&) = delete;
    ~PicturePass() {
        if (--m_pictures.m_picturePasses > 0 || m_pictures.m_afterPictures.empty())
            return;
        // Run once the handler that made the pass has returned, an error of its own included.
        CardPictures* pictures = &m_pictures;
        QMetaObject::invokeMethod(
            pictures->m_window,
            [pictures, actions = std::exchange(pictures->m_afterPictures, {})] {
                for (const auto& action : actions)
                    pictures->whenPicturesPlaced(action);
            },
            Qt::QueuedConnection);
    }

private:
    CardPictures& m_pictures;
};

CardPictures::CardPictures(const WindowPart& part, const std::array<PictureControl*, 8>& images,
                           Hooks hooks)
    : PartOfWindow(part)
    , CellImages(images)
    , m_hooks(std::move(hooks)) {}

const TCard& CardPictures::card() const {
    return m_deck.screen();
}

void CardPictures::whenPicturesPlaced(std::function<void()> action) {
    if (m_picturePasses > 0)
        m_afterPictures.push_back(std::move(action));
    else
        action();
}

void CardPictures::display_picture(int index) {
    m_hooks.releaseLabel(index); // a new picture in the cell
    PicturePass pass(*this);
    const PictureSource source = cellPictureSource(cells()[size_t(index)], model().upperCase());
    const QString path = source.path;
    WorkerSlots<PreparedPicture> work(1);
    work.start(0, [source, area = card(), ratio = m_window->devicePixelRatioF()] {
        return preparePicture(source, area, ratio);
    });
    if (!work.finished(0))
        showPreview(index);
    PreparedPicture prepared;
    try {
        prepared = work.takeServingEvents(0);
    } catch (...) {
        showUnreadable(index);
        // A picture that cannot be shown has no label, as before the label was shown early,
        // until the labels' case is chosen again.
        m_hooks.withholdLabel(index);
        throw;
    }
    applyPicture(index, prepared.fitted.Width, prepared.fitted.Height, prepared.shown);
    if (prepared.partial)
        notePartialPictures({path});
}

bool CardPictures::showPreview(int index) {
    const PreparedPicture preview = preparePreview(pathFromModel(cells()[size_t(index)].FileName),
                                                   card(), m_window->devicePixelRatioF());
    if (preview.shown.isNull())
        return false;
    applyPicture(index, preview.fitted.Width, preview.fitted.Height, preview.shown);
    return true;
}

void CardPictures::notePartialPictures(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    showStatus(paths.size() == 1 ? tr("%1: the picture is damaged and shows only in part")
                                       .arg(displayName(paths.first()))
                                 : tr("These pictures are damaged and show only in part: %1")
                                       .arg(displayName(paths.join(QStringLiteral(", ")))));
}

void CardPictures::showUnreadable(int index) {
    // The cell keeps its file, so the control marks the picture area for the user to take it
    // off: a dotted outline, the file's name as its hint, a press like a picture's.
    const TCell& cell = cells()[size_t(index)];
    PictureControl* image = CellImages[size_t(index)];
    image->hide();
    const CardPoint origin = card().CellOrigin(index);
    const CardPoint at =
        PicturePosition(card(), origin.X, origin.Y, {card().PictureWidth, card().PictureHeight});
    image->move(at.X, at.Y);
    image->setFixedSize(qMax(0, card().PictureWidth), qMax(0, card().PictureHeight));
    image->setUnreadable(cellPictureName(cell, false));
    image->setAccessibleName(tr("Picture %1 that cannot be shown: %2")
                                 .arg(QString::number(index + 1), cellPictureName(cell, true)));
    image->show();
}

void CardPictures::applyPicture(int index, int fittedWidth, int fittedHeight, const QImage& shown) {
    const TCell& cell = cells()[size_t(index)];
    const CardPoint origin = card().CellOrigin(index);
    PictureControl* image = CellImages[size_t(index)];
    image->hide();
    const CardPoint at = PicturePosition(card(), origin.X, origin.Y, {fittedWidth, fittedHeight});
    image->move(at.X, at.Y);
    image->setFixedSize(qMax(0, fittedWidth), qMax(0, fittedHeight));
    image->setPicture(shown);
    image->setToolTip(cellPictureName(cell, false));
    image->setAccessibleName(
        tr("Picture %1: %2").arg(QString::number(index + 1), cellPictureName(cell, true)));
    image->show();
}

void CardPictures::Display_All_Pictures() {
    fitAllPictures(true, true);
}

QStringList CardPictures::fitAllPictures(bool throwErrors, bool serveEvents) {
    return view().showPictures(throwErrors, serveEvents);
}

QStringList CardPictures::fitCardPictures(bool throwErrors, bool serveEvents) {
    WaitCursor hourglass;
    PicturePass pass(*this);
    // The pictures are decoded side by side on worker threads and placed in cell order; an
    // error ends the pass at its cell, and the pass waits for every worker before it returns.
    // The cache gives back a picture already decoded with enough pixels for the new size.
    const TCard area = card();
    const qreal ratio = m_window->devicePixelRatioF();
    const size_t count = cells().size();
    WorkerSlots<PreparedPicture> work(count);
    QStringList partial;
    for (size_t i = 0; i < count; ++i) {
        if (!cells()[i].filled())
            continue;
        const PictureSource source = cellPictureSource(cells()[i], model().upperCase());
        work.start(i, [=] { return preparePicture(source, area, ratio); });
    }
    // While the sharp pictures decode, those that take long show their file's preview.
    std::vector<bool> previewed(count, false);
    for (size_t i = 0; i < count && serveEvents; ++i)
        if (work.started(i) && !work.finished(i))
            previewed[i] = showPreview(int(i));
    for (size_t i = 0; i < count; ++i) {
        if (!work.started(i))
            continue;
        PreparedPicture prepared;
        try {
            prepared = serveEvents ? work.takeServingEvents(i) : work.take(i);
        } catch (...) {
            if (throwErrors) {
                // The pass ends here, but no cell after it is left with its preview: each gets
                // its sharp picture, or the outline of one that cannot be shown.
                for (size_t j = i + 1; j < count; ++j) {
                    if (!previewed[j])
                        continue;
                    try {
                        const PreparedPicture later = work.take(j);
                        applyPicture(int(j), later.fitted.Width, later.fitted.Height, later.shown);
                    } catch (...) {
                        showUnreadable(int(j));
                    }
                }
                throw;
            }
            // Following the window's size is no command of the user's: a picture that can no
            // longer be read leaves its cell empty-looking, as a failed pick does, silently.
            showUnreadable(int(i));
            continue;
        }
        applyPicture(int(i), prepared.fitted.Width, prepared.fitted.Height, prepared.shown);
        if (prepared.partial)
            partial << pathFromModel(cells()[i].FileName);
    }
    return partial;
}

} // namespace ferlo
