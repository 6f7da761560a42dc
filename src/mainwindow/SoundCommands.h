#pragma once

#include "layout/Card.h"
#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QFrame;
class QLabel;
class QProgressBar;
class QWidget;

namespace ferlo {

class CardModel;
class CommandRegistry;
class DeckSession;
class SoundPlayer;
class WordRecorder;

// Sound and recording, a part of the main window: a picture's word played from its recording or
// spoken, Options > Speech and File > Deck Properties (the language the words are spoken in),
// and Record (toolbar, Card menu, Ctrl+R), then a click on a picture, or Record word in the
// picture's menu. A level meter and Stop show while it records; the word is saved as WORD.WAV
// beside the picture (or beside the deck when that folder can't be written).
class SoundCommands : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the window: the render pass after a recording ended, the deck's state
    // shown after its language changed, and the card panel shown now (the card of the five
    // counts, or the card base that holds a grid's or a sheet's page), where the recording's
    // panel shows.
    struct Hooks {
        std::function<void()> updateDeckControls;
        std::function<QWidget*()> shownPanel;
    };
    SoundCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks);
    SoundCommands(const SoundCommands&) = delete;
    SoundCommands& operator=(const SoundCommands&) = delete;

    // Registers Record in the Card menu (its toolbar button finds it by its name, TBRecord).
    void createRecordCommand();
    // The player of the words and the recorder, with the recording's panel on `card`, the card
    // of the five counts (its width sets the panel's).
    void createRecording(QWidget* card);
    SoundPlayer* player() const { return MediaPlayer1; }

    // A press on a cell's picture: with Record on, a left press records its word, and true.
    bool takeRecordPress(int index, bool leftButton);
    // A left press on a cell's picture: its recording played, or its word spoken.
    void playCell(int index);
    void recordCellWord(int index);
    // A word spoken as a cell's word is (speakCellWord).
    void speakText(const QString& word);
    // Options > Speech, over `parent`, the Options dialog.
    void showSpeechOptions(QWidget* parent);
    // File > Deck Properties: the deck's language, one step of the history.
    void editDeckProperties();

private:
    void speakCellWord(int index);
    void speakSymbolWord(int index);
    void saveRecording(int index, const std::vector<float>& samples, int rate);
    // Record is on or off, and its button says so.
    void setRecordArmed(bool on);

    Hooks m_hooks;
    SoundPlayer* MediaPlayer1 = nullptr;
    // Record, then a click on a picture, records its word.
    QAction* TBRecord = nullptr;
    // Record is on: the next left press on a picture records its word.
    bool m_recordArmed = false;
    WordRecorder* Recorder = nullptr;
    QWidget* PACard = nullptr;
    QFrame* RecordPanel = nullptr;
    QLabel* RecordCaption = nullptr;
    QProgressBar* RecordLevel = nullptr;
    int m_recordingCell = -1;
};

} // namespace ferlo
