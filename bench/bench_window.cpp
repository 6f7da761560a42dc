// How long the window goes without its event loop turning (so without painting) while eight
// big photos are placed on an 8-per-page card and fitted again after an orientation change, as
// a share of the whole pass measured in the same run; and, with a deck of 50 cards of those
// photos, the same while the card strip draws its previews, and the time from a change of the
// card to its new preview. Then the longest time without a turn, from the command until every
// picture is on screen, for a 60-card deck of those photos: opening it, switching its card to a
// 30-up sheet, and dealing it anew onto such sheets with Change Layout of All Cards (target: at
// most 16 ms each). Run with QT_QPA_PLATFORM=offscreen.
//   bench_window [--quick] [--why]

#include "BenchSupport.h"
#include "mainwindow/CardStrip.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LayoutDialog.h"
#include "pictures/PictureCache.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <map>
#include <string>

using namespace ferlo;

namespace {

struct Stretch {
    double passMs = 0;
    double longestStillMs = 0; // the longest time between two turns of the event loop
    double laterStillMs = 0;   // the same from the first turn on
    double longestUsedMs = 0;  // the most processor time the thread used between two turns
    double queuedMs = 0;       // in the longest still: the time the thread waited for a processor
    double usedMs = 0;         // in the longest still: the processor time it used
};

// The processor time this thread has used, in nanoseconds.
qint64 threadNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// The time this thread has waited, ready to run, for a processor, in nanoseconds (0 when the
// system does not say).
qint64 queuedNs() {
    QFile file(QStringLiteral("/proc/thread-self/schedstat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(1).toLongLong() : 0;
}

// Runs the work while a zero-interval timer notes every turn of the event loop, on the clock and
// in the thread's own processor time (without what a busy machine gave to other processes).
Stretch measure(const std::function<void()>& work) {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    qint64 laterLongest = 0; // after the first turn
    qint64 lastUsed = threadNs();
    qint64 longestUsed = 0;
    qint64 lastQueued = queuedNs();
    qint64 queuedInLongest = 0;
    qint64 usedInLongest = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const qint64 used = threadNs();
        const qint64 queued = queuedNs();
        if (last > 0)
            laterLongest = std::max(laterLongest, now - last);
        if (now - last > longest) {
            queuedInLongest = queued - lastQueued;
            usedInLongest = used - lastUsed;
        }
        lastQueued = queued;
        longest = std::max(longest, now - last);
        longestUsed = std::max(longestUsed, used - lastUsed);
        last = now;
        lastUsed = used;
    });
    timer.start(0);
    clock.start();
    work();
    const qint64 end = clock.nsecsElapsed();
    timer.stop();
    longest = std::max(longest, end - last);
    longestUsed = std::max(longestUsed, threadNs() - lastUsed);
    return {end / 1e6,         longest / 1e6,         std::max(laterLongest, end - last) / 1e6,
            longestUsed / 1e6, queuedInLongest / 1e6, usedInLongest / 1e6};
}

// With --why: the events whose handling took the user-interface thread longest, by receiver and
// event type, to find what holds the event loop up.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool timing = false;
    bool notify(QObject* receiver, QEvent* event) override {
        if (!timing || depth > 0)
            return QApplication::notify(receiver, event);
        // Named before: the event may delete its receiver.
        const std::string key = std::string(receiver->metaObject()->className()) + " " +
                                receiver->objectName().toStdString() + " event " +
                                std::to_string(int(event->type()));
        ++depth;
        QElapsedTimer clock;
        clock.start();
        const qint64 start = threadNs();
        const qint64 queued = queuedNs();
        const bool done = QApplication::notify(receiver, event);
        const qint64 used = threadNs() - start;
        const qint64 blocked = clock.nsecsElapsed() - used - (queuedNs() - queued);
        --depth;
        worst[key] = std::max(worst[key], used);
        worstBlocked[key] = std::max(worstBlocked[key], blocked);
        return done;
    }
    void print() const {
        std::vector<std::pair<qint64, std::string>> sorted;
        for (const auto& [key, used] : worst)
            sorted.emplace_back(used, key);
        std::sort(sorted.rbegin(), sorted.rend());
        for (size_t i = 0; i < std::min<size_t>(6, sorted.size()); ++i)
            std::printf("    %7.2f ms  %s\n", sorted[i].first / 1e6, sorted[i].second.c_str());
        sorted.clear();
        for (const auto& [key, blocked] : worstBlocked)
            sorted.emplace_back(blocked, key);
        std::sort(sorted.rbegin(), sorted.rend());
        for (size_t i = 0; i < std::min<size_t>(4, sorted.size()); ++i)
            std::printf("    %7.2f ms asleep  %s\n", sorted[i].first / 1e6,
                        sorted[i].second.c_str());
    }
    std::map<std::string, qint64> worst;        // the most processor time
    std::map<std::string, qint64> worstBlocked; // the longest time asleep (waiting on a lock, ...)
    int depth = 0;
};

double loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : -1;
}

void report(const char* what, const std::vector<Stretch>& runs) {
    std::vector<double> pass;
    std::vector<double> still;
    std::vector<double> used;
    for (const Stretch& run : runs) {
        pass.push_back(run.passMs);
        still.push_back(run.longestStillMs);
        used.push_back(run.longestUsedMs);
    }
    const double p = bench::median(pass);
    const double s = bench::median(still);
    std::printf("%-40s pass %7.0f ms, longest still %6.0f ms (spread %.0f-%.0f), ratio %.2f; "
                "the thread's own work %5.1f ms (spread %.1f-%.1f), load %.1f\n",
                what, p, s, *std::min_element(still.begin(), still.end()),
                *std::max_element(still.begin(), still.end()), s / p, bench::median(used),
                *std::min_element(used.begin(), used.end()),
                *std::max_element(used.begin(), used.end()), loadAverage());
    for (const Stretch& run : runs)
        std::printf("    longest still %.1f ms: %.1f ms waiting for a processor, %.1f ms of "
                    "its own work\n",
                    run.longestStillMs, run.queuedMs, run.usedMs);
    if (auto* timed = dynamic_cast<TimedApplication*>(qApp); timed && timed->timing) {
        timed->print();
        timed->worst.clear();
        timed->worstBlocked.clear();
    }
    std::fflush(stdout);
}

// A deck file of `count` cards of four photos each, every card a word of its own.
bool writeDeck(const QString& path, const QStringList& photos, int count) {
    QByteArray cards;
    for (int c = 0; c < count; ++c) {
        QByteArray cells;
        for (int k = 0; k < 4; ++k)
            cells += QStringLiteral(R"(%1{"picture": "%2", "label": "card %3"})")
                         .arg(k ? "," : "", photos[(c + k) % photos.size()])
                         .arg(c)
                         .toUtf8();
        cards += (c ? "," : "") + QByteArray(R"({"perPage": 4, "cells": [)") + cells + "]}";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(R"({"format": "ferlo-deck", "version": 1, "cards": [)" + cards + "]}") >= 0;
}

// A sheet of 30 labels on A4 (3 x 10), installed for this run only.
void installThirtyUpSheet(const QString& folder) {
    QFile paper(folder + QStringLiteral("/paper-sizes.xml"));
    QFile sheets(folder + QStringLiteral("/bench-templates.xml"));
    if (!paper.open(QIODevice::WriteOnly) || !sheets.open(QIODevice::WriteOnly))
        return;
    paper.write(R"(<Glabels-paper-sizes><Paper-size id="A4" width="210mm" height="297mm"/>
                   </Glabels-paper-sizes>)");
    sheets.write(R"(<Glabels-templates>
        <Template brand="Bench" part="T30" size="A4" description="Thirty labels">
          <Label-rectangle id="0" width="63.5mm" height="25.4mm" round="2mm">
            <Layout nx="3" ny="10" x0="7.2mm" y0="21.5mm" dx="66mm" dy="25.4mm"/>
          </Label-rectangle></Template></Glabels-templates>)");
    qputenv("FERLO_SHEET_TEMPLATES", folder.toUtf8());
}

// Answers the Layout dialog that the next command opens with the 30-up sheet.
void chooseThirtyUpSheet() {
    QTimer::singleShot(0, qApp, [] {
        auto* dialog = qobject_cast<LayoutDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            qFatal("no Layout dialog");
        dialog->findChild<QTabWidget*>(QStringLiteral("layoutKind"))->setCurrentIndex(3);
        dialog->findChild<QLineEdit*>(QStringLiteral("sheetSearch"))->setText("bench t30");
        dialog->accept();
    });
}

// Turns the event loop until the card's pictures are all on screen and the strip has drawn its
// previews: the card panel of a grid or a sheet has painted since `paints` was last reset and
// decodes nothing more (a panel that cannot tell decodes while it paints).
void untilShown(TFerloMainForm& form, const int& paints) {
    auto* strip = form.findChild<CardStrip*>(QStringLiteral("CardStrip"));
    const auto done = [&] {
        QWidget* panel = form.findChild<QWidget*>(QStringLiteral("LayoutPanel"));
        if (!panel || !panel->isVisible())
            return true;
        bool pending = false;
        if (panel->metaObject()->indexOfMethod("picturesPending()") >= 0)
            QMetaObject::invokeMethod(panel, "picturesPending", Q_RETURN_ARG(bool, pending));
        return paints > 0 && !pending;
    };
    while (!done() || (strip && strip->previewsPending() > 0))
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

// Counts the paints of the grid and sheet panel.
class PanelPaints : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->objectName() == QLatin1String("LayoutPanel"))
            ++paints;
        return false;
    }
};

// Opening a deck of 60 cards of four 24 MP photos, its card switched to a 30-up sheet, and the
// deck dealt anew onto 30-up sheets: each from the command until every picture is on screen,
// with nothing decoded before.
int measureSheets(TFerloMainForm& form, const QStringList& photos, const QTemporaryDir& dir,
                  int repeats) {
    const QString deckPath = dir.filePath(QStringLiteral("sixty.ferlo"));
    if (!writeDeck(deckPath, photos, 60))
        return 1;
    installThirtyUpSheet(dir.path());
    PanelPaints counter;
    qApp->installEventFilter(&counter);
    QAction* layout = form.findChild<QAction*>(QStringLiteral("mnLayout"));
    QAction* all = form.findChild<QAction*>(QStringLiteral("mnChangeLayoutOfAll"));
    if (!layout || !all)
        return 1;
    std::vector<Stretch> opening;
    std::vector<Stretch> switching;
    std::vector<Stretch> dealing;
    const auto run = [&](std::vector<Stretch>& into, const std::function<void()>& command) {
        PictureCache::shared().clear();
        form.findChild<CardStrip*>(QStringLiteral("CardStrip"))->forgetPreviews();
        counter.paints = 0;
        into.push_back(measure([&] {
            command();
            untilShown(form, counter.paints);
        }));
    };
    for (int r = 0; r < repeats; ++r) {
        form.startDeck(DeckCard{}); // no question about the changes before
        run(opening, [&] { form.openDeck(deckPath); });
        run(switching, [&] {
            chooseThirtyUpSheet();
            layout->trigger();
        });
        run(dealing, [&] {
            chooseThirtyUpSheet();
            all->trigger();
        });
    }
    qApp->removeEventFilter(&counter);
    report("opening 60 cards x 4 x 24 MP", opening);
    report("its card to a 30-up sheet", switching);
    report("dealt anew onto 30-up sheets", dealing);
    std::printf("(target: longest still at most 16 ms each)\n");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    TimedApplication app(argc, argv);
    const int repeats = app.arguments().contains(QLatin1String("--quick")) ? 1 : 3;
    app.timing = app.arguments().contains(QLatin1String("--why"));

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
    const QString deckPath = dir.filePath(QStringLiteral("fifty.ferlo"));
    if (!writeDeck(deckPath, photos, 50))
        return 1;
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
    return measureSheets(form, photos, dir, repeats);
}
