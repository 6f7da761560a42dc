#include "dialogs/SpeechDialog.h"

#include "dialogs/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ferlo {

TdlgSpeech::TdlgSpeech(const QList<QPair<QString, QString>>& voices, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgSpeech"));
    setWindowTitle(tr("Speech"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    cbSpeak = new QCheckBox(tr("&Speak words that have no recording"), this);
    cbSpeak->setObjectName(QStringLiteral("cbSpeak"));
    cbVoice = new QComboBox(this);
    cbVoice->setObjectName(QStringLiteral("cbVoice"));
    cbVoice->addItem(tr("The deck's or the system's language"), QString());
    for (const auto& [language, name] : voices)
        cbVoice->addItem(QStringLiteral("%1 (%2)").arg(name, language), language);
    seRate = new QSpinBox(this);
    seRate->setObjectName(QStringLiteral("seRate"));
    seRate->setRange(80, 450);
    seRate->setSuffix(tr(" words per minute"));

    auto* form = new QFormLayout;
    form->addRow(tr("&Voice:"), cbVoice);
    form->addRow(tr("&Rate:"), seRate);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TdlgSpeech::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TdlgSpeech::reject);
    connect(cbSpeak, &QCheckBox::toggled, cbVoice, &QWidget::setEnabled);
    connect(cbSpeak, &QCheckBox::toggled, seRate, &QWidget::setEnabled);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cbSpeak);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

SpeechOptions TdlgSpeech::options() const {
    return SpeechOptions{cbSpeak->isChecked(), cbVoice->currentData().toString(), seRate->value()};
}

void TdlgSpeech::setOptions(const SpeechOptions& options) {
    cbSpeak->setChecked(options.on);
    cbVoice->setEnabled(options.on);
    seRate->setEnabled(options.on);
    // A stored voice the engine no longer has is kept, shown by its tag.
    int index = cbVoice->findData(options.voice);
    if (index < 0) {
        cbVoice->addItem(options.voice, options.voice);
        index = cbVoice->count() - 1;
    }
    cbVoice->setCurrentIndex(index);
    seRate->setValue(options.rate);
}

void TdlgSpeech::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        setOptions(readSpeechOptions());
}

void TdlgSpeech::accept() {
    runGuarded(this, [this] { saveSpeechOptions(options()); });
    QDialog::accept();
}

} // namespace ferlo
