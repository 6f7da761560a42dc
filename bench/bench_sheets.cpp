// Grids and sheets, each case in a process of its own so that its peak memory is its own:
//   speed      a 4 x 5 grid of 2 x 2 in cards on Letter with 20 photographs of 24 megapixels
//              at 600 dpi, against today's A4 page of 8 in the same run: time per picture
//   memory     the grid's page alone: peak memory
//   templates  reading the installed sheet templates (the list --list-sheets and the dialog
//              show)
//   bench_sheets [case] [folder]   (no case: all of them; default folder: a temporary one)
// Prints each figure with its target and exits non-zero when one is missed.
#include "BenchSupport.h"
#include "layout/CardModel.h"
#include "printing/CardPage.h"
#include "printing/PdfExport.h"
#include "storage/NativePath.h"
#include "storage/SheetTemplates.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

constexpr int pictureWidth = 6000;
constexpr int pictureHeight = 4000;
constexpr int gridPictures = 20;
constexpr int countPictures = 8;
const QStringList caseNames = {"speed", "memory", "templates"};

bool report(const char* figure, double value, double target, const char* unit) {
    return ferlo::bench::reportTarget(48, figure, value, target, unit);
}

ferlo::PaintOptions asDib() {
    ferlo::PaintOptions options;
    options.printAsDib = [] {
        return true;
    };
    return options;
}

// The page of a card made as the command line makes it: 8 per page, or the Letter preset.
ferlo::CardPage pageOf(const QStringList& photos, bool grid) {
    ferlo::CardModel card;
    if (grid) {
        ferlo::CardLayout layout;
        layout.kind = ferlo::CardLayout::Kind::Grid;
        layout.Grid = ferlo::FindPreset("2 x 2 in picture cards (Letter)")->Grid;
        card.setLayout(layout);
    } else {
        card.setCount(countPictures);
    }
    for (int i = 0; i < int(photos.size()); ++i)
        card.setPicture(i, ferlo::modelPath(photos[i]));
    return ferlo::makeCardPage(card);
}

double exportSeconds(const ferlo::CardPage& page, const QString& pdf) {
    QElapsedTimer timer;
    timer.start();
    ferlo::writeCardPdf(pdf, {page}, QPageSize(QPageSize::A4), 600, asDib());
    return timer.nsecsElapsed() / 1e9;
}

bool speed(const QStringList& photos, const QString& folder) {
    const ferlo::CardPage eight = pageOf(photos.mid(0, countPictures), false);
    const ferlo::CardPage twenty = pageOf(photos, true);
    const QString pdf = QDir(folder).filePath(QStringLiteral("sheets.pdf"));
    // Each side twice, alternating, taking the faster run: a busy moment counts less.
    double eightTime = 1e300, twentyTime = 1e300;
    for (int round = 0; round < 2; ++round) {
        eightTime = std::min(eightTime, exportSeconds(eight, pdf));
        twentyTime = std::min(twentyTime, exportSeconds(twenty, pdf));
    }
    std::printf("speed: pictures of %d x %d at 600 dpi\n", pictureWidth, pictureHeight);
    std::printf("A4 page of 8 (today's count):  %.3f s, %.3f s per picture\n", eightTime,
                eightTime / countPictures);
    std::printf("Letter 4 x 5 grid of 2 x 2 in: %.3f s, %.3f s per picture\n", twentyTime,
                twentyTime / gridPictures);
    return report("grid's time per picture / 8-per-page's",
                  (twentyTime / gridPictures) / (eightTime / countPictures), 1.2, "x");
}

bool memory(const QStringList& photos, const QString& folder) {
    const ferlo::CardPage twenty = pageOf(photos, true);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
    refs.close();
    exportSeconds(twenty, QDir(folder).filePath(QStringLiteral("grid.pdf")));
    return report("grid page: peak memory (VmHWM)", ferlo::bench::processStatusKb("VmHWM") / 1024.0,
                  160.0, "MB");
}

bool templates() {
    double best = 1e300;
    size_t sheets = 0;
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer timer;
        timer.start();
        const ferlo::SheetCatalogue catalogue =
            ferlo::readSheetCatalogue(ferlo::sheetTemplateFolder());
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        sheets = catalogue.Sheets.size();
    }
    std::printf("templates: %zu sheets read from %s\n", sheets,
                qPrintable(ferlo::sheetTemplateFolder()));
    return report("reading the sheet templates", best, 150.0, "ms");
}

} // namespace

int main(int argc, char** argv) {
    ferlo::bench::prepareBenchProcess();
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const ferlo::bench::BenchArguments arguments =
        ferlo::bench::readBenchArguments(app.arguments().mid(1), caseNames, scratch);
    const QString which = arguments.which;
    const QString folder = arguments.folder;

    if (which.isEmpty()) {
        bool met = true;
        for (const QString& name : caseNames) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {name, folder});
            child.waitForFinished(-1);
            met &= child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
            std::printf("\n");
        }
        return met ? 0 : 1;
    }
    if (which == "templates")
        return templates() ? 0 : 1;
    QStringList photos;
    for (int i = 0; i < gridPictures; ++i) {
        const QString path = QDir(folder).filePath(QStringLiteral("photo%1.jpg").arg(i + 1));
        if (!QFileInfo::exists(path))
            ferlo::bench::writePhotoJpeg(path, pictureWidth, pictureHeight, i);
        photos << path;
    }
    return (which == "speed" ? speed(photos, folder) : memory(photos, folder)) ? 0 : 1;
}
