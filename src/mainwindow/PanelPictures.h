#pragma once

#include "layout/CardGeometry.h"
#include "layout/PrinterCells.h"
#include "mainwindow/SymbolPictures.h"
#include "printing/PagePainter.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <optional>
#include <vector>

namespace ferlo {

// The pictures of the grid and sheet panel, decoded off the user-interface thread, so that the
// panel paints at once and never waits for a decode. For each card of the page asked for: the
// first look its file holds (a HEIC's preview; a drawing has none), then the sharp picture, each
// scaled to the card at the screen's device pixels and reported as it is ready; a picture that
// cannot be read is reported as such. Asking for another page drops what the one before still
// decodes: nothing of it is reported. The decodes run on a pool of their own, so that they never
// hold up the work of the card of the counts or of printing, which wait on Qt's global pool.
class PanelPictures : public QObject {
    Q_OBJECT
public:
    // A card's picture: its file or drawing, the card in device pixels, and the area a filled
    // picture covers (nothing for a fitted one).
    struct Request {
        int cell = 0;
        PictureSource source;
        TPrinterCell card;
        std::optional<TRect> fill;
    };
    struct Outcome {
        PrintedPicture picture; // target empty when it cannot be read
        bool sharp = false;     // else a first look
    };

    explicit PanelPictures(QObject* parent = nullptr);
    // Drops what is queued and waits for the decodes already running.
    ~PanelPictures() override;

    void request(const std::vector<Request>& requests);
    // The sharp pictures of the page asked for last that have not come yet.
    int pending() const { return m_pending; }

signals:
    // A card's first look or sharp picture has come (connect on the same thread).
    void arrived(int cell, const ferlo::PrintedPicture& picture, bool sharp);
    // A card's picture cannot be read.
    void unreadable(int cell);

private:
    void drop();

    QThreadPool m_pool;
    std::vector<QFutureWatcher<Outcome>*> m_watchers;
    int m_pending = 0;
};

} // namespace ferlo
