// How long the window goes without its event loop turning (so without painting) while eight
// big photos are placed on an 8-per-page card and fitted again after an orientation change, as
// a share of the whole pass measured in the same run; and, with a deck of 50 cards of those
// photos, the same while the card strip draws its previews, and the time from a change of the
// card to its new preview. Then the longest time without a turn, from the command until every
// picture is on screen, for a 60-card deck of those photos: opening it, switching its card to a
// 30-up sheet, and dealing it anew onto such sheets with Change Layout of All Cards (target: at
// most 16 ms each). Run with QT_QPA_PLATFORM=offscreen.
//   bench_window [--quick]

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
