// End to end: a left press on a picture on the card plays the sound named after its label word,
// and the samples reach a real sound server (the null sink of scripts/start-sound-server).

#include "mainwindow/FerloMainForm.h"
#include "mainwindow/PictureControl.h"
#include "sound/SoundPlayer.h"
#include "sound/Speech.h"
#include "sound/support_waveplayer.h"
#include "storage/DeckFile.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"
#include "symbols/SymbolSet.h"

#include <QAccessible>
#include <QMediaDevices>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

class TestPictureSound : public QObject {
    Q_OBJECT

    PictureFolder m_folder;

private slots:
    void initTestCase() {
        useTestSoundServer();
        FERLO_REQUIRE_SOUND_SERVER();
        QVERIFY(!QMediaDevices::defaultAudioOutput().isNull());
    }

    void leftPressPlaysTheWordAndASecondPressRestartsIt() {
        MessageRecorder messages;
        m_folder.addJpeg("cat1.jpg");
        m_folder.addJpeg("cat2.jpg");
        // A 300 ms burst, then silence: each start of the sound shows as one loud run.
        std::vector<float> samples = sine(0.3, 44100, 1, 550.0, 0.8);
        samples.resize(samples.size() + 44100 * 2, 0.0f);
        writeWave(m_folder.file("cat.wav"), samples, 1, 44100); // found for cat.WAV

        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.browseTo(m_folder.path()));
        clickFile(form, "cat1.jpg");
        clickFile(form, "cat2.jpg");

        MonitorRecorder recorder;
        QVERIFY(recorder.start());
        recorder.record(200);
        recorder.reset();
        QTest::mouseClick(ui.CellImages[1], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(ui.MediaPlayer1->fileName(), m_folder.file("cat.wav"));
        recorder.record(900);
        QTest::mouseClick(ui.CellImages[0], Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        recorder.record(900);
        recorder.stop();

        const auto runs = loudRuns(recorder.envelope(), 0.4);
        QVERIFY2(runs.size() == 2, qPrintable(QStringLiteral("%1 loud runs").arg(runs.size())));
        const int gapMs = (runs[1].first - runs[0].first) * kWindowMs;
        QVERIFY2(gapMs >= 600 && gapMs <= 1600,
                 qPrintable(QStringLiteral("the sound starts %1 ms apart").arg(gapMs)));
        QVERIFY(messages.texts().isEmpty());
    }

    // The keyboard alone: pictures placed as from the command line, Tab goes through controls
    // that all have a name and reaches the pictures in cell order, Enter plays the word's
    // sound, Delete takes the picture off the card and out of the file list.
    void keysAlonePlayAndTakeOff() {
        MessageRecorder messages;
        PictureFolder folder;
        folder.addJpeg("owl.jpg");
        folder.addJpeg("dog1.jpg");
        std::vector<float> samples = sine(0.3, 44100, 1, 550.0, 0.8);
        samples.resize(samples.size() + 44100, 0.0f);
        writeWave(folder.file("dog.WAV"), samples, 1, 44100);

        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.openFiles({folder.file("owl.jpg"), folder.file("dog1.jpg")});
        QCOMPARE(form.card().PictureCount, 2);

        QWidget* owl = form.findChild<QWidget*>(QStringLiteral("Cell0"));
        QWidget* dog = form.findChild<QWidget*>(QStringLiteral("Cell1"));
        QList<QWidget*> reached;
        for (int i = 0; i < 60 && QApplication::focusWidget() != dog; ++i) {
            QTest::keyClick(form.windowHandle(), Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            QVERIFY(focus);
            QVERIFY2(!focus->accessibleName().isEmpty() ||
                         !QAccessible::queryAccessibleInterface(focus)
                              ->text(QAccessible::Name)
                              .isEmpty(),
                     focus->metaObject()->className());
            reached << focus;
        }
        QCOMPARE(QApplication::focusWidget(), dog);
        QVERIFY(reached.contains(owl));
        QVERIFY(reached.indexOf(owl) < reached.indexOf(dog));

        MonitorRecorder recorder;
        QVERIFY(recorder.start());
        recorder.record(200);
        recorder.reset();
        QTest::keyClick(form.windowHandle(), Qt::Key_Return);
        recorder.record(900);
        recorder.stop();
        QCOMPARE(loudRuns(recorder.envelope(), 0.4).size(), qsizetype(1));

        QTest::keyClick(form.windowHandle(), Qt::Key_Delete);
        QCOMPARE(cellFiles(form), (QStringList{folder.file("owl.jpg"), "", "", ""}));
        QCOMPARE(selectedFiles(form), QStringList{"owl.jpg"});
        QVERIFY(QApplication::focusWidget() != dog);
        QVERIFY(messages.texts().isEmpty());
    }

    // A picture without a recording speaks its word: sound of a word's length reaches the
    // server, in English without a deck language (the tests' C locale) and in the deck's; a
    // symbol speaks the word it was placed with.
    void wordWithoutRecordingIsSpoken_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("language"); // the deck's, empty for none
        QTest::addColumn<QString>("symbol");   // in place of the picture, whose name is its word
        QTest::newRow("English") << "elephant1.jpg" << QString() << QString();
        QTest::newRow("German from the deck") << "Schmetterling.jpg"
                                              << "de" << QString();
        QTest::newRow("a symbol's word") << "elephant"
                                         << "en"
                                         << "1F418";
    }
    void wordWithoutRecordingIsSpoken() {
        QFETCH(QString, picture);
        QFETCH(QString, language);
        QFETCH(QString, symbol);
        if (speechVoices().isEmpty())
            QSKIP("no speech engine or voices (espeak-ng-data)");
        if (!symbol.isEmpty() && symbolFile(symbol, SymbolStyle::Color).isEmpty())
            QSKIP("this build has no symbol set");
        MessageRecorder messages;
        PictureFolder folder;
        folder.addJpeg(picture);
        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        if (!language.isEmpty()) {
            Deck deck;
            deck.language = language.toStdString();
            DeckCell cell;
            if (symbol.isEmpty()) {
                cell.picture = folder.file(picture).toStdString();
            } else {
                cell.label = picture.toStdString();
                cell.symbol = SymbolRef{"openmoji", symbol.toStdString()};
            }
            DeckCard card;
            card.cells = {cell};
            deck.cards.push_back(card);
            writeDeck(folder.file("words.ferlo"), deck);
            QVERIFY(form.openDeck(folder.file("words.ferlo")));
        } else {
            form.openFiles({folder.file(picture)});
        }
        QCOMPARE(form.card().PictureCount, 1);

        MonitorRecorder recorder;
        QVERIFY(recorder.start());
        recorder.record(200);
        recorder.reset();
        QTest::mouseClick(form.findChild<QWidget*>(QStringLiteral("Cell0")), Qt::LeftButton,
                          Qt::NoModifier, QPoint(5, 5));
        recorder.record(2500);
        recorder.stop();
        const QList<double> envelope = recorder.envelope();
        const auto runs = loudRuns(envelope, 0.02);
        QVERIFY2(!runs.isEmpty(), "nothing was heard");
        // The word: loud runs less than 300 ms apart (the pauses between its syllables), the
        // longest such stretch; a sound from elsewhere on the server stands apart from it.
        int spokenMs = 0;
        for (qsizetype i = 0, start = 0; i < runs.size(); ++i) {
            if (i + 1 == runs.size() ||
                (runs[i + 1].first - runs[i].first - runs[i].second) * kWindowMs >= 300) {
                spokenMs = std::max(spokenMs, (runs[i].first + runs[i].second - runs[start].first) *
                                                  kWindowMs);
                start = i + 1;
            }
        }
        QVERIFY2(spokenMs >= 300 && spokenMs <= 2000,
                 qPrintable(QStringLiteral("the word lasts %1 ms").arg(spokenMs)));
        QVERIFY(*std::max_element(envelope.begin(), envelope.end()) > 0.1);
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
    }
};

QTEST_MAIN(TestPictureSound)
#include "tst_picturesound.moc"
