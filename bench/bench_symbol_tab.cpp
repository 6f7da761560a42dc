// The Symbols tab as a user types: for every keystroke of a few words, the time until the first
// icons of its results are drawn in the panel, against the search alone measured in the same run
// (target: 50 ms); and how long the window goes without its event loop turning (so without
// painting) while it searches and while eight symbols are placed on the card one click at a
// time (target: 16 ms), on the clock and in the thread's own processor time. Run with
// QT_QPA_PLATFORM=offscreen, the set built beside the program.
//   bench_symbol_tab

#include "BenchSupport.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/SymbolBrowser.h"
#include "symbols/SymbolIndex.h"
#include "symbols/SymbolSet.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QTabBar>
#include <QTimer>
#include <QtTest/QTest>

#include <cstdio>
#include <ctime>

using namespace ferlo;

namespace {

// The processor time this thread has used, in nanoseconds.
qint64 threadNs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// Notes the longest time between two turns of the event loop while it is on, on the clock and
// in the processor time of the user-interface thread (what it did itself, without the time a
// busy machine gave to other processes meanwhile).
class StillWatch {
public:
    StillWatch() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const qint64 used = threadNs();
            m_longest = std::max(m_longest, now - m_last);
            m_longestUsed = std::max(m_longestUsed, used - m_lastUsed);
            m_last = now;
            m_lastUsed = used;
        });
        m_clock.start();
        m_lastUsed = threadNs();
        m_timer.start(0);
    }
    double longestMs() const { return m_longest / 1e6; }
    double longestUsedMs() const { return m_longestUsed / 1e6; }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
    qint64 m_lastUsed = 0;
    qint64 m_longestUsed = 0;
};

double loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readAll().split(' ').value(0).toDouble() : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Types the text into the field one keystroke at a time; for each, the milliseconds until the
// first icons are on the panel (the panel painted then).
std::vector<double> typeAndWait(SymbolBrowser& browser, const QString& text) {
    std::vector<double> times;
    for (qsizetype n = 1; n <= text.size(); ++n) {
        QEventLoop loop;
        QObject::connect(&browser, &SymbolBrowser::resultsShown, &loop, &QEventLoop::quit);
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        browser.searchField()->setText(text.left(n));
        loop.exec();
        browser.results()->viewport()->repaint();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return times;
}

} // namespace

int main(int argc, char** argv) {
    bench::prepareBenchProcess();
    QApplication app(argc, argv);
    if (!SymbolIndex::installed().available()) {
        std::printf("no symbol set: %s\n", qPrintable(SymbolIndex::installed().missingReason()));
        return 1;
    }
    TFerloMainForm form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form))
        return 1;
    form.findChild<QTabBar*>(QStringLiteral("BrowserTabs"))->setCurrentIndex(1);
    auto* browser = form.findChild<SymbolBrowser*>();
    const QStringList words{QStringLiteral("apple"), QStringLiteral("dog"), QStringLiteral("happy"),
                            QStringLiteral("elephant"), QStringLiteral("car")};
    typeAndWait(*browser, QStringLiteral("warm up"));

    // The search alone, on this thread, for the same keystrokes: the baseline.
    std::vector<double> searches;
    for (const QString& word : words)
        for (qsizetype n = 1; n <= word.size(); ++n) {
            QElapsedTimer clock;
            clock.start();
            SymbolIndex::installed().search(word.left(n), QStringLiteral("en"), 60, {});
            searches.push_back(clock.nsecsElapsed() / 1e6);
        }

    std::vector<double> shown;
    double searchingStill = 0;
    double searchingUsed = 0;
    {
        const StillWatch watch;
        for (const QString& word : words) {
            const std::vector<double> times = typeAndWait(*browser, word);
            shown.insert(shown.end(), times.begin(), times.end());
        }
        searchingStill = watch.longestMs();
        searchingUsed = watch.longestUsedMs();
    }

    // Eight symbols placed one click (Enter on the field) at a time on an 8-per-page card.
    form.findChild<QAction*>(QStringLiteral("TB8PerPage"))->trigger();
    double placingStill = 0;
    double placingUsed = 0;
    QElapsedTimer placing;
    {
        const StillWatch watch;
        placing.start();
        for (const char* word : {"dog", "cat", "apple", "car", "milk", "hen", "sun", "tree"}) {
            typeAndWait(*browser, QString::fromLatin1(word));
            QTest::keyClick(browser->searchField(), Qt::Key_Return);
            QCoreApplication::processEvents();
        }
        placingStill = watch.longestMs();
        placingUsed = watch.longestUsedMs();
    }

    std::printf("load average %.1f, %zu keystrokes\n", loadAverage(), shown.size());
    std::printf("%-44s median %6.2f ms, worst %6.2f ms\n", "search alone (baseline)",
                median(searches), *std::max_element(searches.begin(), searches.end()));
    std::printf("%-44s median %6.2f ms, worst %6.2f ms (target 50 ms), ratio to search %.1f\n",
                "keystroke to first icons drawn", median(shown),
                *std::max_element(shown.begin(), shown.end()),
                median(shown) / std::max(0.01, median(searches)));
    std::printf("%-44s %6.2f ms (target 16 ms); the thread's own work %6.2f ms\n",
                "longest still while searching", searchingStill, searchingUsed);
    std::printf("%-44s %6.2f ms (target 16 ms); the thread's own work %6.2f ms\n",
                "longest still while placing symbols", placingStill, placingUsed);
    std::printf("  %d placed in %.0f ms\n", form.card().PictureCount, placing.nsecsElapsed() / 1e6);
    return 0;
}
