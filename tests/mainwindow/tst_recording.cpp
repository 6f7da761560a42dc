// Recording a word end to end on the test sound server: Record, a click on a picture, a word
// played into the server (its null sink's monitor is the default input), and the saved WORD.WAV
// is that word with the silence around it trimmed, and plays on the next click.
#include "layout/Deck.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LayoutPanel.h"
#include "sound/SoundDecoder.h"
#include "sound/SoundPlayer.h"
#include "sound/WordRecorder.h"
#include "sound/support_waveplayer.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QMediaDevices>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

class TestRecording : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        useTestSoundServer();
        FERLO_REQUIRE_SOUND_SERVER();
        // A server started before it had an input: give it the one it starts with now.
        if (QMediaDevices::defaultAudioInput().id() != "ferlo_mic") {
            QProcess::execute("pactl", {"load-module", "module-virtual-source",
                                        "source_name=ferlo_mic", "master=ferlo_null.monitor"});
            QProcess::execute("pactl", {"set-default-source", "ferlo_mic"});
            QTRY_VERIFY(QMediaDevices::defaultAudioInput().id() == "ferlo_mic");
        }
    }

    void trim_data() {
        QTest::addColumn<QList<float>>("samples"); // at 100 Hz, so one sample is 10 ms
        QTest::addColumn<QList<float>>("kept");
        QTest::newRow("both ends") << QList<float>{0, 0, 0, 0, 0.5f, -0.4f, 0, 0.3f, 0, 0, 0}
                                   << QList<float>{0, 0.5f, -0.4f, 0, 0.3f, 0};
        QTest::newRow("sound to the edges")
            << QList<float>{0.5f, 0, 0.5f} << QList<float>{0.5f, 0, 0.5f};
        QTest::newRow("room noise only") << QList<float>{0.01f, -0.015f, 0.01f} << QList<float>{};
        QTest::newRow("nothing") << QList<float>{} << QList<float>{};
    }
    void trim() {
        QFETCH(QList<float>, samples);
        QFETCH(QList<float>, kept);
        const std::vector<float> result =
            trimSilence(std::vector<float>(samples.begin(), samples.end()), 100, 0.02f, 0.01);
        QCOMPARE(QList<float>(result.begin(), result.end()), kept);
    }

    void recordsTheWordOfAPicture() {
        MessageRecorder messages;
        PictureFolder folder;
        folder.addJpeg("owl1.jpg");
        // The word: 0.8 s of tone between 0.5 s and 3 s of silence.
        std::vector<float> word(size_t(44100 / 2), 0.0f);
        const std::vector<float> tone = sine(0.8, 44100, 1, 440.0, 0.5);
        word.insert(word.end(), tone.begin(), tone.end());
        word.resize(word.size() + 3 * 44100, 0.0f);
        writeWave(folder.file("say.wav"), word, 1, 44100);

        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.openFiles({folder.file("owl1.jpg")});
        auto* record = form.findChild<QAction*>(QStringLiteral("TBRecord"));
        QVERIFY(record);
        record->trigger();
        QVERIFY(record->isChecked());
        QTest::mouseClick(form.findChild<QWidget*>(QStringLiteral("Cell0")), Qt::LeftButton,
                          Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!record->isChecked());
        auto* panel = form.findChild<QWidget*>(QStringLiteral("RecordPanel"));
        QVERIFY(panel && panel->isVisible());

        SoundPlayer speaker;
        speaker.playFile(folder.file("say.wav"));
        int loudest = 0;
        auto* meter = form.findChild<QProgressBar*>(QStringLiteral("RecordLevel"));
        QTRY_VERIFY_WITH_TIMEOUT((loudest = std::max(loudest, meter->value()), !panel->isVisible()),
                                 12000);
        QVERIFY2(loudest > 60, qPrintable(QString::number(loudest))); // -24 dB or louder
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        // The status bar confirms where the word went.
        QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->currentMessage(),
                 QStringLiteral("Recorded \"owl\" in ") + folder.file("owl.WAV"));

        const auto saved = openSoundFile(folder.file("owl.WAV"));
        const double seconds = double(saved->frames()) / saved->rate();
        // The tone and a little margin: neither the 0.5 s before nor the 2 s after.
        QVERIFY2(seconds > 0.7 && seconds < 1.2, qPrintable(QString::number(seconds)));
        std::vector<float> samples(size_t(saved->frames()));
        saved->read(samples.data(), saved->frames());
        QVERIFY(*std::max_element(samples.begin(), samples.end()) > 0.3f);

        QTest::mouseClick(form.findChild<QWidget*>(QStringLiteral("Cell0")), Qt::LeftButton,
                          Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(form.findChild<SoundPlayer*>(QStringLiteral("MediaPlayer1"))->fileName(),
                 folder.file("owl.WAV"));
    }
    // The panel shows over the card on screen, whether a grid's page or the card of the five
    // counts, and whichever of them was on screen before.
    void panelShowsOverTheCardOnScreen_data() {
        QTest::addColumn<bool>("gridFirst");
        QTest::newRow("grid, then count") << true;
        QTest::newRow("count, then grid") << false;
    }
    void panelShowsOverTheCardOnScreen() {
        QFETCH(bool, gridFirst);
        MessageRecorder messages;
        PictureFolder folder;
        folder.addJpeg("owl1.jpg");
        folder.addJpeg("cat.jpg");
        DeckCard grid;
        grid.layout.kind = CardLayout::Kind::Grid;
        grid.layout.Grid = GridSpec{3, 2, {"A4", 210, 297}, true, 0, 0, 0, 0, 10};
        grid.cells.push_back(DeckCell{modelPath(folder.file("owl1.jpg")), {}, {}});
        DeckCard count;
        count.cells.push_back(DeckCell{modelPath(folder.file("cat.jpg")), {}, {}});
        Deck deck;
        deck.cards = gridFirst ? std::vector{grid, count} : std::vector{count, grid};
        writeDeck(folder.file("deck.ferlo"), deck);

        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.openDeck(folder.file("deck.ferlo")));
        auto* panel = form.findChild<QWidget*>(QStringLiteral("RecordPanel"));
        for (const bool onGrid : {gridFirst, !gridFirst}) {
            if (onGrid != gridFirst)
                form.findChild<QAction*>(QStringLiteral("TBNextCard"))->trigger();
            form.findChild<QAction*>(QStringLiteral("TBRecord"))->trigger();
            if (onGrid) {
                auto* page = form.findChild<LayoutPanel*>();
                QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier,
                                  page->pictureRect(0).center());
            } else {
                QTest::mouseClick(form.findChild<QWidget*>(QStringLiteral("Cell0")), Qt::LeftButton,
                                  Qt::NoModifier, QPoint(5, 5));
            }
            QVERIFY(panel->isVisible());
            QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("RecordStop")),
                              Qt::LeftButton);
            QTRY_VERIFY(!panel->isVisible());
        }
    }
};

QTEST_MAIN(TestRecording)
#include "tst_recording.moc"
