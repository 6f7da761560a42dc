// The click on a picture until its first samples are handed to the output, for 3-minute WAV,
// FLAC and MP3 files, and how long the user-interface thread waits meanwhile. The baseline is
// the whole file decoded on the user-interface thread before anything plays, as the player did.
// Run with the test sound server (scripts/start-sound-server) or any other.

#include "sound/SoundDecoder.h"
#include "sound/SoundPlayer.h"
#include "sound/Speech.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

using namespace ferlo;

namespace {

// A 3-minute stereo 44.1 kHz tune, written block by block.
void writeTune(const QString& path, int format) {
    SF_INFO info;
    std::memset(&info, 0, sizeof info);
    info.channels = 2;
    info.samplerate = 44100;
    info.format = format;
    SNDFILE* file = sf_open(path.toLocal8Bit().constData(), SFM_WRITE, &info);
    if (!file) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), sf_strerror(nullptr));
        std::exit(1);
    }
    std::vector<float> block(44100 * 2);
    for (int second = 0; second < 180; ++second) {
        for (int i = 0; i < 44100; ++i) {
            const double t = second + i / 44100.0;
            const float v = float(0.4 * std::sin(2 * M_PI * (220 + 40 * std::sin(t)) * t));
            block[size_t(2 * i)] = block[size_t(2 * i + 1)] = v;
        }
        sf_writef_float(file, block.data(), 44100);
    }
    sf_close(file);
}

struct Figures {
    std::vector<double> firstFrameMs;
    std::vector<double> longestWaitMs;
    std::vector<double> clickMs; // the click's own call
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
double largest(const std::vector<double>& v) {
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

// Clicks `rounds` times; each round: the call that stands for the click, then the event loop
// until the first samples are handed on, with a 1 ms timer measuring the longest the loop is
// kept from turning (the click's own call included).
Figures measure(SoundPlayer& player, const std::function<void()>& click, int rounds) {
    Figures figures;
    for (int round = 0; round < rounds; ++round) {
        QEventLoop loop;
        QElapsedTimer clock;
        double longest = 0;
        double last = 0;
        double first = -1;
        QTimer ticker;
        ticker.setInterval(1);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            const double now = clock.nsecsElapsed() / 1e6;
            longest = std::max(longest, now - last);
            last = now;
        });
        const auto connection = QObject::connect(&player, &SoundPlayer::started, [&] {
            first = clock.nsecsElapsed() / 1e6;
            QTimer::singleShot(300, &loop, &QEventLoop::quit); // keep measuring the loop
        });
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        ticker.start();
        clock.start();
        click();
        figures.clickMs.push_back(clock.nsecsElapsed() / 1e6);
        longest = std::max(longest, clock.nsecsElapsed() / 1e6);
        last = clock.nsecsElapsed() / 1e6;
        loop.exec();
        QObject::disconnect(connection);
        player.stop();
        figures.firstFrameMs.push_back(first);
        figures.longestWaitMs.push_back(longest);
    }
    return figures;
}

void report(const char* what, const Figures& f, double baselineMs) {
    std::printf("%-6s click to first frame: median %6.1f ms, worst %6.1f ms; longest UI wait: "
                "median %5.1f ms, worst %5.1f ms (the click's call: median %5.1f ms); whole "
                "decode first (old player): %7.1f ms, %.0fx the median\n",
                what, median(f.firstFrameMs), largest(f.firstFrameMs), median(f.longestWaitMs),
                largest(f.longestWaitMs), median(f.clickMs), baselineMs,
                median(f.firstFrameMs) > 0 ? baselineMs / median(f.firstFrameMs) : 0.0);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        qputenv("PULSE_SERVER", "unix:/tmp/ferlo-pulse/native");
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const int rounds = 7;
    SoundPlayer player;
    // One sound first, so that the output device is known before anything is measured.
    measure(
        player,
        [&] {
            player.playSource([] { return memorySource({0, 0}, 8000, 1); }, "x");
        },
        1);
    if (!player.outputFormat().isValid())
        std::printf("no output device: the figures count decoding only\n");

    const struct {
        const char* name;
        int format;
    } files[] = {{"wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
                 {"flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
                 {"mp3", SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III}};
    for (const auto& file : files) {
        const QString path = dir.filePath(QStringLiteral("tune.%1").arg(file.name));
        writeTune(path, file.format);
        QElapsedTimer baseline;
        baseline.start();
        decodeSoundFile(path, player.outputFormat().isValid() ? player.outputFormat()
                                                              : fallbackOutputFormat());
        const double baselineMs = baseline.nsecsElapsed() / 1e6;
        report(file.name,
               measure(
                   player, [&] { player.playFile(path); }, rounds),
               baselineMs);
    }

    // A spoken word: the engine speaks it on the worker thread. The baseline is the word spoken
    // whole on the user-interface thread first; the first round loads the engine and the voice.
    QElapsedTimer loading;
    loading.start();
    const QString voice = chooseVoice(QString(), QString());
    std::printf("speech: loading the engine and its list of voices: %.1f ms\n",
                loading.nsecsElapsed() / 1e6);
    if (voice.isEmpty()) {
        std::printf("no speech engine or voice: spoken words not measured\n");
        return 0;
    }
    const auto speak = [&](const QString& word) {
        player.playSource([word, voice] { return speakWord(word, voice, kSpeechRateNormal); },
                          word);
    };
    const Figures first = measure(
        player, [&] { speak(QStringLiteral("giraffe")); }, 1);
    std::printf("speech: the first word (engine and voice %s loaded): %.1f ms to first frame\n",
                qPrintable(voice), first.firstFrameMs.front());
    QElapsedTimer baseline;
    baseline.start();
    speakWord(QStringLiteral("elephant"), voice, kSpeechRateNormal);
    report("speech",
           measure(
               player, [&] { speak(QStringLiteral("elephant")); }, rounds),
           baseline.nsecsElapsed() / 1e6);
    return 0;
}
