#include "dialogs/SpeechDialog.h"

#include "dialogs/Messages.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QShowEvent>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace ferlo {

void addVoiceItems(QComboBox* box, const QList<QPair<QString, QString>>& voices) {
    QList<QPair<QString, QString>> shown; // (text, language)
    for (const auto& [language, name] : voices)
        shown.append({QStringLiteral("%1 (%2)").arg(name, language), language});
    // In the order of the names as shown, by the rules of the program's language.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    std::stable_sort(shown.begin(), shown.end(), [&](const auto& a, const auto& b) {
        return collator.compare(a.first, b.first) < 0;
    });
    for (const auto& [text, language] : shown)
        box->addItem(text, language);
}

namespace {
// Makes `value` the box's current item, added by its tag when the box has none for it.
void selectVoiceItem(QComboBox* box, const QString& value) {
    int index = box->findData(value);
    for (int i = 0; index < 0 && i < box->count(); ++i) {
        if (box->itemData(i).toString().compare(value, Qt::CaseInsensitive) == 0)
            index = i;
    }
    if (index < 0) {
        box->addItem(value, value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}
} // namespace

bool editDeckLanguage(QWidget* parent, const QList<QPair<QString, QString>>& voices,
                      QString& language) {
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("dlgDeckProperties"));
    dialog.setWindowTitle(QCoreApplication::translate("TdlgSpeech", "Deck Properties"));
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* box = new QComboBox(&dialog);
    box->setObjectName(QStringLiteral("cbDeckLanguage"));
    box->addItem(QCoreApplication::translate("TdlgSpeech", "The program's language"), QString());
    addVoiceItems(box, voices);
    selectVoiceItem(box, language);
    auto* note =
        new QLabel(QCoreApplication::translate(
                       "TdlgSpeech", "Words without a recording are spoken in this language, "
                                     "unless Options > Speech names a voice.\nA word in another "
                                     "script is spoken in a voice that reads it."),
                   &dialog);
    note->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("TdlgSpeech", "&Language of the words:"), box);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    language = box->currentData().toString();
    return true;
}

TdlgSpeech::TdlgSpeech(const QList<QPair<QString, QString>>& voices, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgSpeech"));
    setWindowTitle(tr("Speech"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    cbSpeak = new QCheckBox(tr("&Speak words that have no recording"), this);
    cbSpeak->setObjectName(QStringLiteral("cbSpeak"));
    cbVoice = new QComboBox(this);
    cbVoice->setObjectName(QStringLiteral("cbVoice"));
    cbVoice->addItem(tr("The deck's or the program's language"), QString());
    addVoiceItems(cbVoice, voices);
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
    selectVoiceItem(cbVoice, options.voice);
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
