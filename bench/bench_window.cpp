// How long the window goes without its event loop turning (so without painting) while eight
// big photos are placed on an 8-per-page card and fitted again after an orientation change, as
// a share of the whole pass measured in the same run; and, with a deck of 50 cards of those
// photos, the same while the card strip draws its previews, and the time from a change of the
// card to its new preview. Run with QT_QPA_PLATFORM=offscreen.
//   bench_window [--quick]

#include "BenchSupport.h"
#include "mainwindow/CardStrip.h"
#include "mainwindow/FerloMainForm.h"
#include "pictures/PictureCache.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace ferlo;

namespace {

struct Stretch {
    double passMs = 0;
    double longestStillMs = 0; // the longest time between two turns of the event loop
    double laterStillMs = 0;   // the same from the first turn on
};

// Runs the work while a zero-interval timer notes every turn of the event loop.
Stretch measure(const std::function<void()>& work) {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    qint64 laterLongest = 0; // after the first turn
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (last > 0)
            laterLongest = std::max(laterLongest, now - last);
        longest = std::max(longest, now - last);
        last = now;
    });
    timer.start(0);
    clock.start();
    work();
    const qint64 end = clock.nsecsElapsed();
    timer.stop();
    longest = std::max(longest, end - last);
    return {end / 1e6, longest / 1e6, std::max(laterLongest, end - last) / 1e6};
}

double loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : -1;
}

void report(const char* what, const std::vector<Stretch>& runs) {
    std::vector<double> pass;
    std::vector<double> still;
    for (const Stretch& run : runs) {
        pass.push_back(run.passMs);
        still.push_back(run.longestStillMs);
    }
    const double p = bench::median(pass);
    const double s = bench::median(still);
    std::printf("%-40s pass %7.0f ms, longest still %6.0f ms, ratio %.2f\n", what, p, s, s / p);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int repeats = app.arguments().contains(QLatin1String("--quick")) ? 1 : 3;

    QTemporaryDir dir;
    QStringList photos;
    std::printf("Making eight 24-megapixel photo-like JPEGs in %s ...\n", qPrintable(dir.path()));
    std::fflush(stdout);
    for (int i = 0; i < 8; ++i) {
        photos << dir.filePath(QStringLiteral("photo%1.jpg").arg(i));
        bench::writePhotoJpeg(photos.last(), 6000, 4000, i);
    }

    TFerloMainForm form;
    form.show();
    form.findChild<QAction*>(QStringLiteral("TB8PerPage"))->trigger();
    QAction* portrait = form.findChild<QAction*>(QStringLiteral("TBPortrait"));
    QAction* landscape = form.findChild<QAction*>(QStringLiteral("TBLandScape"));
    QPushButton* clear = form.findChild<QPushButton*>(QStringLiteral("PBClear"));

    std::printf("load average %.1f\n", loadAverage());
    std::vector<Stretch> placing;
    std::vector<Stretch> refitting;
    for (int r = 0; r < repeats; ++r) {
        PictureCache::shared().clear();
        placing.push_back(measure([&] { form.openFiles(photos); }));
        PictureCache::shared().clear();
        QAction* other = r % 2 == 0 ? portrait : landscape;
        refitting.push_back(measure([&] { other->trigger(); }));
        clear->click();
    }
    report("placing 8 x 24 MP (openFiles)", placing);
    report("fitting them again (orientation)", refitting);

    // A deck of 50 cards of four photos each, every card a word of its own so that each has its
    // own preview to draw.
    QByteArray cards;
    for (int c = 0; c < 50; ++c) {
        QByteArray cells;
        for (int k = 0; k < 4; ++k)
            cells += QStringLiteral(R"(%1{"picture": "%2", "label": "card %3"})")
                         .arg(k ? "," : "", photos[(c + k) % 8])
                         .arg(c)
                         .toUtf8();
        cards += (c ? "," : "") + QByteArray(R"({"perPage": 4, "cells": [)") + cells + "]}";
    }
    const QString deckPath = dir.filePath(QStringLiteral("fifty.ferlo"));
    QFile deckFile(deckPath);
    if (!deckFile.open(QIODevice::WriteOnly) ||
        deckFile.write(R"({"format": "ferlo-deck", "version": 1, "cards": [)" + cards + "]}") < 0)
        return 1;
    deckFile.close();
    form.startDeck(DeckCard{}); // no question about the changes above
    // The strip finds only what the card on screen holds decoded, as with a deck of photos of
    // its own: the other previews decode their pictures.
    PictureCache::shared().clear();
    form.openDeck(deckPath);
    auto* strip = form.findChild<CardStrip*>(QStringLiteral("CardStrip"));
    if (!strip)
        return 1;
    const Stretch previews = measure([&] {
        while (strip->previewsPending() > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    });
    std::printf("%-40s pass %7.0f ms, longest still %6.0f ms, ratio %.2f\n",
                "previews of 50 cards x 4 x 24 MP", previews.passMs, previews.longestStillMs,
                previews.longestStillMs / previews.passMs);
    // The first turn also runs what opening the deck left for the event loop.
    std::printf("%-40s longest still %6.0f ms\n", "  the same from the first turn on",
                previews.laterStillMs);
    // A change of the card on screen, until its preview has come in.
    QAction* cutLines = form.findChild<QAction*>(QStringLiteral("TBCutLines"));
    std::vector<double> updates;
    std::vector<Stretch> updating;
    for (int r = 0; r < repeats + 2; ++r) {
        QElapsedTimer clock;
        bool shown = false;
        const auto connection = QObject::connect(strip, &CardStrip::previewShown, [&](int card) {
            shown = shown || card == form.deck().current();
        });
        strip->forgetPreviews(); // each change drawn anew, as one never seen before
        updating.push_back(measure([&] {
            clock.start();
            cutLines->trigger();
            while (!shown)
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }));
        updates.push_back(clock.nsecsElapsed() / 1e6);
        QObject::disconnect(connection);
    }
    report("a change until its preview", updating);
    std::printf("%-40s median %5.0f ms (target 300 ms)\n", "change to updated preview",
                bench::median(updates));
    return 0;
}
