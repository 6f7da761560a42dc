// Recording a picture's word: Record (toolbar, Card menu, Ctrl+R) and then a click on a picture,
// or Record word in the picture's menu. A level meter and Stop show while it records; the word is
// saved as WORD.WAV beside the picture (or beside the deck when that folder can't be written).

#include "dialogs/Messages.h"
#include "mainwindow/CardView.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LayoutPanel.h"
#include "mainwindow/PictureControl.h"
#include "sound/SoundFile.h"
#include "sound/SoundPlayer.h"
#include "sound/Speech.h"
#include "sound/WaveWriter.h"
#include "sound/WordRecorder.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/SpeechOption.h"

#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace ferlo {

void TFerloMainForm::createRecording() {
    Recorder = new WordRecorder(this);
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
    connect(stop, &QPushButton::clicked, Recorder, &WordRecorder::stop);
    connect(Recorder, &WordRecorder::level, this, [this](double peak) {
        // The meter in decibels from -60 to 0, as sound levels are heard.
        const double db = peak > 0 ? 20.0 * std::log10(peak) : -60.0;
        RecordLevel->setValue(int(std::clamp((db + 60.0) / 60.0 * 100.0, 0.0, 100.0)));
    });
    connect(Recorder, &WordRecorder::finished, this,
            [this](const std::vector<float>& samples, int rate) {
                RecordPanel->hide();
                const int index = std::exchange(m_recordingCell, -1);
                runGuarded(this, [&] { saveRecording(index, samples, rate); });
                render();
            });
}

void TFerloMainForm::recordCellWord(int index) {
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
    RecordPanel->setGeometry(8, 8, std::max(260, PACard->width() - 16), 40);
    RecordPanel->show();
    RecordPanel->raise();
}

void TFerloMainForm::saveRecording(int index, const std::vector<float>& samples, int rate) {
    if (index < 0 || index >= int(cells().size()) || !cells()[size_t(index)].filled())
        return; // the picture went meanwhile
    const QString word = QString::fromStdString(model().labelWord(index)).trimmed();
    if (samples.empty()) {
        showError(this, tr("Nothing was heard: the word \"%1\" was not recorded.").arg(word));
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
            showError(this, tr("The folder %1 can't be written, and the deck has no "
                               "folder yet: save the deck, then record again.")
                                .arg(displayName(folder)));
            return;
        }
        //: The title of a question while a word's recording is saved.
        if (QMessageBox::question(this, tr("Record"),
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
            this, tr("Record"), tr("%1 already exists. Replace it?").arg(displayName(path))) !=
            QMessageBox::Yes)
        return;
    writeWaveFile(path, samples, rate);
    // A word that is not the file name's, or a recording away from the picture, is the cell's
    // own sound, so that the next click finds it first.
    if (besideDeck || word != MakeLabelText(picture))
        m_deck.edit([&](CardModel& card) { return card.setSound(index, modelPath(path)); });
    showStatus(tr("Recorded \"%1\" in %2").arg(word, displayName(path)));
}

void TFerloMainForm::showPictureMenu(int index) {
    if (index < 0 || index >= int(cells().size()) || !cells()[size_t(index)].filled())
        return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PictureMenu"));
    const auto item = [&](const QString& name, const QString& text, auto handler) {
        QAction* action = menu.addAction(text);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, handler] {
            runGuarded(this, handler);
            render();
        });
    };
    item(QStringLiteral("mnPlay"), tr("&Play"),
         [this, index] { ImageMouseDown(index, Qt::LeftButton); });
    item(QStringLiteral("mnRecordWord"), tr("&Record word"),
         [this, index] { recordCellWord(index); });
    item(QStringLiteral("mnEditWord"), tr("&Edit word"), [this, index] { editLabel(index); });
    item(QStringLiteral("mnTakeOff"), tr("&Take off"),
         [this, index] { ImageMouseDown(index, Qt::RightButton); });
    menu.exec(view().menuPoint(index));
}

void TFerloMainForm::ImageMouseDown(int index, Qt::MouseButton Button) {
    // A control beyond the cells of the current layout has no cell: the press does nothing.
    if (index < 0 || index >= int(cells().size()))
        return;
    const QString fileName = pathFromModel(cells()[size_t(index)].FileName);

    if (Button == Qt::LeftButton) {
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
    } else if (Button == Qt::RightButton) {
        ClearCell(index);
    }
}

// A word without a recording is spoken in the deck's language, or the one the window is shown
// in, or English; a word in a script that voice does not read, in a voice that reads it. With
// speech off, or no engine or voice, the click stays silent, without a
// message.
void TFerloMainForm::speakCellWord(int index) {
    speakText(QString::fromStdString(model().labelWord(index)));
}

void TFerloMainForm::speakText(const QString& text) {
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

} // namespace ferlo
