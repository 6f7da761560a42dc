#pragma once

#include "storage/SpeechOption.h"

#include <QDialog>
#include <QList>
#include <QPair>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace ferlo {

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
