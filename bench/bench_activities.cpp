// A game's document: 30 bingo boards of 5 x 5 with a free centre from 40 photographs of 24
// megapixels, with the caller's sheet and the calling cards (a 4 x 5 grid on A4), written as a
// PDF at 300 dpi. Every photograph prints on 18 boards, the caller's sheet and a calling card,
// and is decoded once for the whole document; the peak memory of the export stays within
// 200 MB. The time is set against decoding each photograph once, at the scale the calling cards
// need, in the same run.
//   bench_activities [folder]   (default folder: a temporary one, where the pictures are made)
// Prints each figure with its target and exits non-zero when one is missed.
#include "BenchSupport.h"
#include "activities/Activity.h"
#include "printing/ActivityPages.h"
#include "printing/DocumentPictures.h"
#include "printing/PdfExport.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>

#include <atomic>
#include <cstdio>
#include <map>
#include <mutex>

namespace {

constexpr int Photos = 40;
constexpr int Distinct = 4; // different photographs; the others are copies under other names

void resetPeakMemory() {
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

QStringList makePhotos(const QString& folder) {
    QStringList paths;
    for (int i = 0; i < Photos; ++i) {
        const QString name =
            QStringLiteral("photo%1%2.jpg").arg(QChar('a' + i / 26), QChar('a' + i % 26));
        const QString path = QDir(folder).filePath(name);
        paths << path;
        if (QFile::exists(path))
            continue;
        if (i < Distinct)
            ferlo::bench::writePhotoJpeg(path, 6000, 4000, i);
        else
            QFile::copy(paths.at(i % Distinct), path);
    }
    return paths;
}

ferlo::Activity bingoGame(const QStringList& photos) {
    std::vector<ferlo::DeckCell> pictures;
    for (const QString& photo : photos)
        pictures.emplace_back().picture = photo.toStdString();
    ferlo::ActivityOptions options;
    options.kind = ferlo::ActivityKind::Bingo;
    options.boards = 30;
    options.columns = options.rows = 5;
    options.freeCentre = true;
    options.centre.label = "free";
    options.seed = 1;
    options.cards.layout.kind = ferlo::CardLayout::Kind::Grid;
    options.cards.layout.Grid.Columns = 4;
    options.cards.layout.Grid.Rows = 5;
    options.cards.layout.Grid.Paper = *ferlo::NamedPaper("A4");
    return ferlo::MakeActivity(pictures, options);
}

} // namespace

int main(int argc, char** argv) {
    ferlo::bench::prepareBenchProcess();
    QGuiApplication app(argc, argv);
    QTemporaryDir scratch;
    const QStringList arguments = app.arguments().mid(1);
    const QString folder = arguments.isEmpty() ? scratch.path() : arguments.first();
    QDir().mkpath(folder);
    const QStringList photos = makePhotos(folder);
    const QList<ferlo::CardPage> pages = ferlo::activityPages(bingoGame(photos));

    std::mutex mutex;
    std::map<QString, int> decodes;
    ferlo::DocumentPictures pictures(pages, 300,
                                     QPageSize(QPageSize::A4).size(QPageSize::Millimeter),
                                     [&](const QString& path, const ferlo::WantedSize& wanted) {
                                         {
                                             const std::lock_guard lock(mutex);
                                             ++decodes[path];
                                         }
                                         return ferlo::loadPicture(path, wanted);
                                     });
    ferlo::PaintOptions options;
    options.printAsDib = [] {
        return true;
    };
    pictures.attach(options);
    const QString out = QDir(folder).filePath(QStringLiteral("bingo.pdf"));
    resetPeakMemory();
    const double exportSeconds = ferlo::bench::seconds(
        [&] { ferlo::writeCardPdf(out, pages, QPageSize(QPageSize::A4), 300, options); });
    const double peakMb = ferlo::bench::processStatusKb("VmHWM") / 1024.0;

    int most = 0;
    int total = 0;
    for (const auto& [path, count] : decodes) {
        most = std::max(most, count);
        total += count;
    }
    // The baseline: each photograph decoded once at 1/4 scale (1500 x 1000), the scale a calling
    // card of the 4 x 5 grid needs at 300 dpi.
    const double baseline = ferlo::bench::seconds([&] {
        for (const QString& photo : photos)
            ferlo::bench::decodeInFull(photo, nullptr, 4);
    });
    std::printf("%d pages, %d photographs, %d decodes in all\n", int(pages.size()),
                int(decodes.size()), total);
    std::printf("export %.2f s, baseline (each photo decoded once at 1/4) %.2f s, ratio %.2f\n",
                exportSeconds, baseline, exportSeconds / baseline);
    bool met =
        ferlo::bench::reportTarget(44, "decodes of the most decoded photograph", most, 1, "");
    met = ferlo::bench::reportTarget(44, "photographs not decoded", Photos - int(decodes.size()), 0,
                                     "") &&
          met;
    met = ferlo::bench::reportTarget(44, "peak memory of the export", peakMb, 200, "MB") && met;
    return met ? 0 : 1;
}
