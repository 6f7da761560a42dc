#pragma once

#include "sound/SoundDecoder.h"

#include <QList>
#include <QLocale>
#include <QPair>
#include <QString>

namespace ferlo {

// One voice of the speech engine: its language tag as the engine names it ("en-gb", "de"),
// which is also what selects it, and its name for people ("English (Great Britain)").
struct SpeechVoice {
    QString language;
    QString name;
    QString file; // the engine's voice file ("gmw/en"), which loads it
    // The script it reads ("en" Latin, "ru" Cyrillic, "cmn" simplified Han); AnyScript when
    // its languages are unknown to the locale data.
    QLocale::Script script = QLocale::AnyScript;
    // Every language the engine lists for it ("cmn", "zh-cmn", "zh"), each with its priority
    // (the lower, the more it is that language's voice).
    QList<QPair<QString, int>> languages;
};

// The voices of the speech engine (libespeak-ng, in process), sorted by language; empty when the
// engine or its data can't be loaded.
QList<SpeechVoice> speechVoices();

// The engine's voice for a BCP 47 tag, ignoring case and '_' for '-': the tag itself ("en-GB"
// gives "en-gb"), else its language alone ("de-AT" gives "de"), else the language's main voice,
// the one whose file is named for the language alone ("en" gives "en-gb", from gmw/en), else the
// voice that lists the tag, or its language, among its other languages with the highest priority
// ("zh" gives "cmn"); empty when it has none.
QString voiceForLanguage(const QString& tag);

// The voice a word is spoken in: `chosen` when the engine has it, else the deck's language, else
// the language the program is shown in (QLocale(), which follows --lang, FERLO_LANG and the
// system), else English; empty when the engine has none of these (or no voices at all).
QString chooseVoice(const QString& chosen, const QString& deckLanguage,
                    const QLocale& shown = QLocale());

// The voice a word is spoken in: the first of the chosen voice, the deck's language, the
// program's language, the language most written in the word's script (CLDR's likely language:
// Arabic script gives ar, Cyrillic ru, Devanagari hi, Han cmn, Hangul ko, ...) and English
// whose voice reads the word's script (its first letter's), so that a word in another script
// is read, not spelled letter by letter. A word of no script (digits, signs), or one that none
// of these reads, gets chooseVoice's voice.
QString voiceForWord(const QString& word, const QString& chosen, const QString& deckLanguage,
                     const QLocale& shown = QLocale());

// Speaking rates in words per minute.
inline constexpr int kSpeechRateMin = 80;
inline constexpr int kSpeechRateNormal = 175;
inline constexpr int kSpeechRateMax = 450;

// The word spoken in `voice` at `rate` words per minute, as a mono source at the engine's rate.
// Throws SoundError naming the word when the engine or the voice can't be loaded.
std::unique_ptr<SoundSource> speakWord(const QString& word, const QString& voice, int rate);

// Writes the spoken word as a 16-bit PCM WAV file. Throws SoundError naming the file.
void writeSpokenWord(const QString& path, const QString& word, const QString& voice, int rate);

} // namespace ferlo
