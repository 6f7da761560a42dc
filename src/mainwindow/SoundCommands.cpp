// Sound and recording: a picture's word played or spoken, the speech options and the deck's
// language, and Record.

#include "mainwindow/SoundCommands.h"

#include "dialogs/Messages.h"
#include "dialogs/SpeechDialog.h"
#include "layout/DeckSession.h"
#include "mainwindow/CommandRegistry.h"
#include "mainwindow/Glyphs.h"
#include "sound/SoundFile.h"
#include "sound/SoundPlayer.h"
#include "sound/Speech.h"
#include "sound/WaveWriter.h"
#include "sound/WordRecorder.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/SpeechOption.h"

#include <QAction>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ferlo {

SoundCommands::SoundCommands(const WindowPart& part, CommandRegistry* commands, Hooks hooks)
    : PartOfWindow(part, commands)
    , m_hooks(std::move(hooks)) {}

void SoundCommands::createRecordCommand() {
    // Checked, it waits for the click on the picture whose word is to be recorded.
    TBRecord = m_commands->add(CommandRegistry::Place::Card, QStringLiteral("TBRecord"),
                               tr("Re&cord"), [this] { setRecordArmed(!m_recordArmed); },
                               {QKeySequence(Qt::CTRL | Qt::Key_R)});
    TBRecord->setIcon(glyphIcon(Glyph::Record));
    TBRecord->setToolTip(tr("Record: then click the picture whose word to record"));
    TBRecord->setCheckable(true);
}

void SoundCommands::setRecordArmed(bool on) {
    m_recordArmed = on;
    TBRecord->setChecked(on);
}

bool SoundCommands::takeRecordPress(int index, bool leftButton) {
    // Record waits for this click: the picture's word is recorded, not played.
    if (!leftButton || !m_recordArmed)
        return false;
    setRecordArmed(false);
    recordCellWord(index);
    return true;
}

void SoundCommands::createRecording(QWidget* card) {
    MediaPlayer1 = new SoundPlayer(m_window);
    MediaPlayer1->setObjectName(QStringLiteral("MediaPlayer1"));
    // A sound is opened after its click has returned: its failure comes back as a message.
    QObject::connect(MediaPlayer1, &SoundPlayer::failed, m_window,
                     [window = m_window](const QString& message) { showError(window, message); });
    PACard = card;
    Recorder = new WordRecorder(m_window);
    RecordPanel = new QFrame(PACard);
    RecordPanel->setObjectName(QStringLiteral("RecordPanel"));
    RecordPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    RecordPanel->setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(RecordPanel);
    RecordCaption = new QLabel(RecordPanel);
    RecordCaption->setTextFormat(Qt::PlainText);
    RecordLevel = new QProgressBar(RecordPanel);
    RecordLevel->setObjectName(QStringLiteral("RecordLevel"));
    RecordLevel->setRange(0, 100);
    RecordLevel->setTextVisible(false);
    RecordLevel->setAccessibleName(tr("Recording level"));
    auto* stop = new QPushButton(tr("&Stop"), RecordPanel);
    stop->setObjectName(QStringLiteral("RecordStop"));
    layout->addWidget(RecordCaption);
    layout->addWidget(RecordLevel, 1);
    layout->addWidget(stop);
    RecordPanel->hide();
    QObject::connect(stop, &QPushButton::clicked, Recorder, &WordRecorder::stop);
    QObject::connect(Recorder, &WordRecorder::level, Recorder, [this](double peak) {
        // The meter in decibels from -60 to 0, as sound levels are heard.
        const double db = peak > 0 ? 20.0 * std::log10(peak) : -60.0;
        RecordLevel->setValue(int(std::clamp((db + 60.0) / 60.0 * 100.0, 0.0, 100.0)));
    });
    QObject::connect(Recorder, &WordRecorder::finished, Recorder,
                     [this](const std::vector<float>& samples, int rate) {
                         RecordPanel->hide();
                         const int index = std::exchange(m_recordingCell, -1);
                         runGuarded(m_window, [&] { saveRecording(index, samples, rate); });
                         render();
                     });
}

void SoundCommands::recordCellWord(int index) {
    if (index < 0 || index >= int(cells().size()) || !cells()[size_t(index)].filled() ||
        Recorder->isRecording())
        return;
    // A symbol has no folder of its own: its word is recorded beside the deck.
    if (cells()[size_t(index)].Symbol && m_deck.path().empty())
        throw Error(tr("A symbol's word is kept beside the deck: save the deck, then record."));
    MediaPlayer1->stop();
    Recorder->start(); // no input: a message, and nothing else happens
    m_recordingCell = index;
    RecordCaption->setText(
        tr("Recording \"%1\"").arg(QString::fromStdString(model().labelWord(index))));
    RecordLevel->setValue(0);
    // Over the card panel shown now: the card of the five counts, or a grid's or a sheet's.
    if (QWidget* shown = m_hooks.shownPanel(); RecordPanel->parentWidget() != shown)
        RecordPanel->setParent(shown);
    RecordPanel->setGeometry(8, 8, std::max(260, PACard->width() - 16), 40);
    RecordPanel->show();
    RecordPanel->raise();
}

void SoundCommands::saveRecording(int index, const std::vector<float>& samples, int rate) {
    if (index < 0 || index >= int(cells().size()) || !cells()[size_t(index)].filled())
        return; // the picture went meanwhile
    const QString word = QString::fromStdString(model().labelWord(index)).trimmed();
    if (samples.empty()) {
        showError(m_window, tr("Nothing was heard: the word \"%1\" was not recorded.").arg(word));
        return;
    }
    const QString picture = pathFromModel(cells()[size_t(index)].FileName);
    const QString name =
        QString(word).replace(QLatin1Char('/'), QLatin1Char('_')) + QStringLiteral(".WAV");
    const bool symbol = cells()[size_t(index)].Symbol.has_value();
    QString folder = directoryPart(symbol ? pathFromModel(m_deck.path()) : picture);
    bool besideDeck = symbol;
    if (!QFileInfo(folder).isWritable()) {
        const QString deck = QString::fromStdString(m_deck.path());
        if (deck.isEmpty()) {
            showError(m_window, tr("The folder %1 can't be written, and the deck has no "
                                   "folder yet: save the deck, then record again.")
                                    .arg(displayName(folder)));
            return;
        }
        //: The title of a question while a word's recording is saved.
        if (QMessageBox::question(m_window, tr("Record"),
                                  tr("The folder %1 can't be written. Save the "
                                     "recording beside the deck instead?")
                                      .arg(displayName(folder))) != QMessageBox::Yes)
            return;
        folder = directoryPart(deck);
        besideDeck = true;
    }
    const QString path = joinPath(folder, name);
    if (pathKind(path) != PathKind::Missing &&
        QMessageBox::question(
            //: The title of a question while a word's recording is saved.
            m_window, tr("Record"), tr("%1 already exists. Replace it?").arg(displayName(path))) !=
            QMessageBox::Yes)
        return;
    writeWaveFile(path, samples, rate);
    // A word that is not the file name's, or a recording away from the picture, is the cell's
    // own sound, so that the next click finds it first.
    if (besideDeck || word != MakeLabelText(picture))
        m_deck.edit([&](CardModel& card) { return card.setSound(index, modelPath(path)); });
    showStatus(tr("Recorded \"%1\" in %2").arg(word, displayName(path)));
}

void SoundCommands::playCell(int index) {
    const QString fileName = pathFromModel(cells()[size_t(index)].FileName);
    if (cells()[size_t(index)].Symbol || cells()[size_t(index)].WordCard)
        return speakSymbolWord(index);
    if (fileName.isEmpty())
        return;
    const TCell& cell = cells()[size_t(index)];
    const QString sound = findCellSound(
        fileName, cell.EditedLabel ? QString::fromStdString(*cell.EditedLabel) : QString(),
        cell.Sound ? pathFromModel(*cell.Sound) : QString());
    if (sound.isEmpty())
        speakCellWord(index);
    else
        MediaPlayer1->playFile(sound);
}

void SoundCommands::speakSymbolWord(int index) {
    const TCell& cell = cells()[size_t(index)];
    if (cell.Sound) {
        const QString sound = pathFromModel(*cell.Sound);
        if (pathKind(sound) == PathKind::PlainFile)
            return MediaPlayer1->playFile(sound);
    }
    speakCellWord(index);
}

// A word without a recording is spoken in the deck's language, or the one the window is shown
// in, or English; a word in a script that voice does not read, in a voice that reads it. With
// speech off, or no engine or voice, the click stays silent, without a
// message.
void SoundCommands::speakCellWord(int index) {
    speakText(QString::fromStdString(model().labelWord(index)));
}

void SoundCommands::speakText(const QString& text) {
    const SpeechOptions options = readSpeechOptions();
    const QString word = text.trimmed();
    if (!options.on || word.isEmpty())
        return;
    const auto& language = m_deck.deck().language;
    const QString voice =
        voiceForWord(word, options.voice, language ? QString::fromStdString(*language) : QString());
    if (voice.isEmpty())
        return;
    MediaPlayer1->playSource(
        [word, voice, rate = options.rate] { return speakWord(word, voice, rate); }, word,
        SoundPlayer::Quiet);
}

namespace {
// The installed voices as the speech dialogs list them.
QList<QPair<QString, QString>> voiceChoices() {
    QList<QPair<QString, QString>> voices;
    for (const SpeechVoice& voice : speechVoices())
        voices.append({voice.language, voice.name});
    return voices;
}
} // namespace

void SoundCommands::showSpeechOptions(QWidget* parent) {
    TdlgSpeech dialog(voiceChoices(), parent);
    dialog.exec();
}

void SoundCommands::editDeckProperties() {
    const QString was = QString::fromStdString(m_deck.deck().language.value_or(std::string()));
    QString language = was;
    QList<QPair<QString, QString>> voices = voiceChoices();
    // A tag the engine has no voice of its own for ("en") is shown by the voice that speaks it.
    const bool listed = std::any_of(voices.begin(), voices.end(), [&](const auto& voice) {
        return voice.first.compare(was, Qt::CaseInsensitive) == 0;
    });
    if (!was.isEmpty() && !listed) {
        const QString speaking = voiceForLanguage(was);
        const auto found = std::find_if(voices.begin(), voices.end(),
                                        [&](const auto& voice) { return voice.first == speaking; });
        if (found != voices.end())
            voices.append({was, found->second});
    }
    if (!editDeckLanguage(m_window, voices, language) || language == was)
        return;
    m_deck.setLanguage(language.isEmpty() ? std::nullopt : std::optional(language.toStdString()));
    m_hooks.updateDeckControls();
}

} // namespace ferlo
