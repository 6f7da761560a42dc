#pragma once

#include "storage/SpeechOption.h"

#include <QDialog>
#include <QList>
#include <QPair>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace ferlo {

// Adds one item per voice, given as (language tag, name) pairs, showing "name (tag)" with the
// tag as its data, in the order of the shown texts.
void addVoiceItems(QComboBox* box, const QList<QPair<QString, QString>>& voices);

// File > Deck Properties: the language the deck's words are spoken in, chosen among the voices'
// languages (given as for addVoiceItems) or "the program's language" (empty). A language the
// voices do not have is kept and shown by its tag. Returns false when cancelled; `language` is
// then unchanged.
bool editDeckLanguage(QWidget* parent, const QList<QPair<QString, QString>>& voices,
                      QString& language);

// Options > Speech: whether a word without a recording is spoken, in which voice, how fast. The
// voices are given as (language tag, name) pairs, so that the dialog needs no speech engine.
class TdlgSpeech : public QDialog {
    Q_OBJECT
public:
    explicit TdlgSpeech(const QList<QPair<QString, QString>>& voices, QWidget* parent = nullptr);

    // The dialog's choices, and setting them.
    SpeechOptions options() const;
    void setOptions(const SpeechOptions& options);

    QCheckBox* cbSpeak = nullptr;
    QComboBox* cbVoice = nullptr;
    QSpinBox* seRate = nullptr;

protected:
    // Shows the stored options on every showing; OK stores them.
    void showEvent(QShowEvent* event) override;
    void accept() override;
};

} // namespace ferlo
