#include "mainwindow/PanelPictures.h"

#include "pictures/PictureCache.h"
#include "pictures/PictureDecoder.h"

#include <QPainter>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <utility>

namespace ferlo {

namespace {

using Loader = DecodedPicture (*)(const PictureSource& source, const WantedSize& wanted);

DecodedPicture decoded(const PictureSource& source, const WantedSize& wanted) {
    return loadShownPicture(source, wanted);
}

// What the cache keeps of the file large enough, or nothing, without decoding. A drawing is
// drawn at once: it has nothing kept and no first look.
DecodedPicture kept(const PictureSource& source, const WantedSize& wanted) {
    if (source.drawing)
        return {};
    std::optional<DecodedPicture> found = PictureCache::shared().find(source.path, wanted);
    return found ? std::move(*found) : DecodedPicture{};
}

DecodedPicture firstLook(const PictureSource& source, const WantedSize& wanted) {
    return source.drawing ? DecodedPicture{} : loadPreview(source.path, wanted);
}

// A picture scaled to exactly its target in device pixels, opaque: a transparent part shows the
// white card as on paper. Empty when the loader gives no pixels.
PrintedPicture screenPicture(Loader load, const PanelPictures::Request& request) {
    PrintedPicture result;
    const DecodedPicture picture = load(request.source, [&](QSize own) {
        result.target = request.fill ? FillPictureRect(*request.fill, own.width(), own.height())
                                     : FitPictureRect(request.card, own.width(), own.height());
        return result.target.isEmpty() ? QSize(1, 1)
                                       : QSize(result.target.width(), result.target.height());
    });
    if (result.target.isEmpty() || picture.image.isNull())
        return {};
    QImage image(result.target.width(), result.target.height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(image.rect(), picture.image);
    painter.end();
    result.image = image;
    return result;
}

// On a worker: the picture the cache keeps, else the file's first look and then the sharp
// picture. A picture that cannot be read comes as a sharp one with an empty target.
void decode(QPromise<PanelPictures::Outcome>& promise, const PanelPictures::Request& request) {
    if (promise.isCanceled())
        return;
    try {
        PrintedPicture done = screenPicture(&kept, request);
        if (!done.image.isNull()) {
            promise.addResult(PanelPictures::Outcome{std::move(done), true});
            return;
        }
        PrintedPicture look = screenPicture(&firstLook, request);
        if (!look.image.isNull())
            promise.addResult(PanelPictures::Outcome{std::move(look), false});
    } catch (...) {
        // The sharp decode below fails the same way and says so.
    }
    if (promise.isCanceled())
        return;
    PanelPictures::Outcome sharp{{}, true};
    try {
        sharp.picture = screenPicture(&decoded, request);
    } catch (...) {
        sharp.picture = {};
    }
    promise.addResult(std::move(sharp));
}

} // namespace

PanelPictures::PanelPictures(QObject* parent)
    : QObject(parent) {}

PanelPictures::~PanelPictures() {
    drop();
    m_pool.clear();
    m_pool.waitForDone();
}

void PanelPictures::drop() {
    for (QFutureWatcher<Outcome>* watcher : m_watchers) {
        disconnect(watcher, nullptr, this, nullptr);
        watcher->cancel();
        watcher->deleteLater();
    }
    m_watchers.clear();
    m_pending = 0;
}

void PanelPictures::request(const std::vector<Request>& requests) {
    drop();
    for (const Request& request : requests) {
        auto* watcher = new QFutureWatcher<Outcome>(this);
        const int cell = request.cell;
        connect(watcher, &QFutureWatcherBase::resultReadyAt, this, [this, watcher, cell](int at) {
            const Outcome outcome = watcher->resultAt(at);
            if (outcome.sharp)
                --m_pending;
            if (outcome.sharp && outcome.picture.target.isEmpty())
                emit unreadable(cell);
            else
                emit arrived(cell, outcome.picture, outcome.sharp);
        });
        watcher->setFuture(QtConcurrent::run(&m_pool, decode, request));
        m_watchers.push_back(watcher);
        ++m_pending;
    }
}

} // namespace ferlo
