// The symbol index: how long it takes to load and how much memory it holds, how fast a search
// answers each keystroke of a word typed letter by letter, and how many of the common
// picture-card words of tests/data/symbol-words.tsv find a symbol in each language.
//   bench_symbols [INDEX [WORDS.tsv]]
// The load is set against reading the file's bytes alone, in the same run.
#include "BenchSupport.h"

#include "symbols/SymbolIndex.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <ctime>

using namespace ferlo;
using namespace ferlo::bench;

namespace {

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

bool report(const char* figure, double value, double target, const char* unit) {
    return reportTarget(52, figure, value, target, unit);
}

} // namespace

int main(int argc, char** argv) {
    prepareBenchProcess();
    QCoreApplication app(argc, argv);
    // No user folders: the settings of a scratch folder.
    QTemporaryDir settings;
    qputenv("FERLO_REGISTRY_DIR", settings.path().toLocal8Bit());
    const QStringList args = app.arguments().mid(1);
    const QString indexFile =
        args.value(0, QStringLiteral(FERLO_BINARY_DIR "/src/symbols/openmoji.index"));
    const QString wordsFile =
        args.value(1, QStringLiteral(FERLO_SOURCE_DIR "/tests/data/symbol-words.tsv"));

    // Load: the first time (as at the program's start) for memory, then the median of five.
    const long rssBefore = processStatusKb("VmRSS");
    SymbolIndex index;
    const double firstLoad = seconds([&] { index = SymbolIndex::fromFile(indexFile); });
    const long rssAfter = processStatusKb("VmRSS");
    std::vector<double> loads, reads;
    for (int i = 0; i < 5; ++i) {
        loads.push_back(seconds([&] { SymbolIndex::fromFile(indexFile); }));
        reads.push_back(seconds([&] {
            QFile file(indexFile);
            file.open(QIODevice::ReadOnly);
            (void)file.readAll();
        }));
    }
    const qint64 size = QFileInfo(indexFile).size();
    std::printf("index: %s, %lld bytes (%.2f MB), %d symbols of their own, languages %s\n",
                qPrintable(indexFile), static_cast<long long>(size), size / 1e6,
                index.symbolCount(), qPrintable(index.languages().join(' ')));
    bool met = true;
    met &= report("index load, first (ms)", firstLoad * 1000, 150, "ms");
    met &= report("index load, median of 5 (ms)", median(loads) * 1000, 150, "ms");
    std::printf("%-52s %9.2f x reading its bytes alone (%.3f ms)\n", "index load / file read",
                median(loads) / median(reads), median(reads) * 1000);
    met &= report("resident memory after the load (MB)", rssAfter / 1024.0, 30, "MB");
    std::printf("%-52s %9.3f MB\n", "resident memory the load added",
                (rssAfter - rssBefore) / 1024.0);

    QFile words(wordsFile);
    if (!words.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "bench_symbols: %s: %s\n", qPrintable(wordsFile),
                     qPrintable(words.errorString()));
        return 1;
    }
    QStringList languages;
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(words.readAll()).split('\n')) {
        if (line.startsWith('#') || line.trimmed().isEmpty())
            continue;
        if (languages.isEmpty())
            languages = line.split('\t');
        else
            rows.push_back(line.split('\t'));
    }

    // Coverage: a word finds a symbol when its best match is a name or a keyword (not a prefix).
    std::printf("\ncoverage of %zu words (a name or keyword match in the language, else English)\n",
                rows.size());
    for (qsizetype l = 0; l < languages.size(); ++l) {
        QStringList misses;
        for (const QStringList& row : rows)
            if (!index.best(row.value(l), languages[l], {}))
                misses << row.value(l);
        std::printf("  %s: %zu of %zu (%.1f %%); misses: %s\n", qPrintable(languages[l]),
                    rows.size() - size_t(misses.size()), rows.size(),
                    100.0 * double(rows.size() - size_t(misses.size())) / double(rows.size()),
                    misses.isEmpty() ? "none" : qPrintable(misses.join(", ")));
    }

    // Keystrokes: every word of the list typed prefix by prefix, in its language, through the
    // search the window makes (which reads the stored user folders: none here).
    std::printf("\nper keystroke: every word typed letter by letter, searched in its language\n");
    std::vector<double> wall, cpu;
    QString slowest;
    double slowestTime = 0;
    for (qsizetype l = 0; l < languages.size(); ++l)
        for (const QStringList& row : rows) {
            const QString word = row.value(l);
            for (qsizetype n = 1; n <= word.size(); ++n) {
                const double cpuStart = threadCpuSeconds();
                qsizetype found = 0;
                wall.push_back(
                    seconds([&] { found = index.search(word.left(n), languages[l]).size(); }));
                cpu.push_back(threadCpuSeconds() - cpuStart);
                if (wall.back() > slowestTime) {
                    slowestTime = wall.back();
                    slowest = QStringLiteral("\"%1\" (%2, search %3)")
                                  .arg(word.left(n), languages[l])
                                  .arg(wall.size());
                }
                (void)found;
            }
        }
    std::printf("  %zu searches\n", wall.size());
    met &= report("search per keystroke, median (ms)", median(wall) * 1000, 10, "ms");
    met &= report("search per keystroke, worst (ms)",
                  *std::max_element(wall.begin(), wall.end()) * 1000, 30, "ms");
    std::vector<double> sorted = wall;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%-52s %9.3f ms\n", "search per keystroke, 99th percentile",
                sorted[sorted.size() * 99 / 100] * 1000);
    // On a machine shared with other work the slowest wall time is mostly the thread waiting
    // for a processor: its processor time is printed below.
    std::printf("  the slowest: %s\n", qPrintable(slowest));
    std::printf("%-52s %9.3f ms, worst %.3f ms (processor time of the thread)\n",
                "  the same in processor time, median", median(cpu) * 1000,
                *std::max_element(cpu.begin(), cpu.end()) * 1000);
    return met ? 0 : 1;
}
