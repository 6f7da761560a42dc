#include "sound/Speech.h"

#include "sound/WaveWriter.h"

#include <QCoreApplication>
#include <QHash>
#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <vector>

namespace ferlo {

namespace {

// The engine is one per process and not thread-safe: every call goes through this lock.
std::mutex& engineLock() {
    static std::mutex lock;
    return lock;
}

// The engine's sample rate once it is loaded, 0 when it can't be. Under the engine's lock.
int engineRate() {
    static int rate = [] {
        const int r = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 100, nullptr, 0);
        return r > 0 ? r : 0;
    }();
    return rate;
}

int collect(short* samples, int count, espeak_EVENT* events) {
    if (samples && count > 0 && events) {
        auto* out = static_cast<std::vector<float>*>(events->user_data);
        for (int i = 0; i < count; ++i)
            out->push_back(float(samples[i]) / 32768.0f);
    }
    return 0;
}

// The languages of a voice entry: pairs of a priority byte and a NUL-ended tag, up to a 0 byte.
QList<QPair<QString, int>> languagesOf(const espeak_VOICE* voice) {
    QList<QPair<QString, int>> tags;
    for (const char* p = voice->languages; p && *p;) {
        const char* tag = p + 1;
        tags.append({QString::fromUtf8(tag).toLower(), int(static_cast<unsigned char>(*p))});
        p = tag + std::strlen(tag) + 1;
    }
    return tags;
}

QString normalTag(const QString& tag) {
    return tag.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
}

// The script a voice's language tags name: a script subtag ("cmn-latn-pinyin"), else the script
// the locale data gives the first tag it knows ("zh-cmn" for "cmn").
QLocale::Script scriptOfTags(const QList<QPair<QString, int>>& languages) {
    QStringList tags;
    for (const auto& language : languages)
        tags << language.first;
    for (const QString& tag : tags) {
        const QStringList parts = normalTag(tag).split(QLatin1Char('-'));
        for (qsizetype i = 1; i < parts.size() && parts.at(i).size() != 1; ++i) {
            if (parts.at(i).size() == 4) {
                const QLocale::Script script = QLocale::codeToScript(parts.at(i));
                if (script != QLocale::AnyScript)
                    return script;
            }
        }
    }
    for (const QString& tag : tags) {
        const QLocale locale(normalTag(tag));
        if (locale.language() != QLocale::C && locale.script() != QLocale::AnyScript)
            return locale.script();
    }
    return QLocale::AnyScript;
}

// The scripts of the locale data that read a letter of a script, the first one the script's
// own; empty for a character of no script (digits, signs, marks).
QList<QLocale::Script> scriptsReading(QChar::Script script) {
    using S = QLocale;
    static const QHash<QChar::Script, QList<QLocale::Script>> reading{
        {QChar::Script_Latin, {S::LatinScript}},
        {QChar::Script_Cyrillic, {S::CyrillicScript}},
        {QChar::Script_Greek, {S::GreekScript}},
        {QChar::Script_Armenian, {S::ArmenianScript}},
        {QChar::Script_Hebrew, {S::HebrewScript}},
        {QChar::Script_Arabic, {S::ArabicScript}},
        {QChar::Script_Devanagari, {S::DevanagariScript}},
        {QChar::Script_Bengali, {S::BengaliScript}},
        {QChar::Script_Gurmukhi, {S::GurmukhiScript}},
        {QChar::Script_Gujarati, {S::GujaratiScript}},
        {QChar::Script_Oriya, {S::OriyaScript}},
        {QChar::Script_Tamil, {S::TamilScript}},
        {QChar::Script_Telugu, {S::TeluguScript}},
        {QChar::Script_Kannada, {S::KannadaScript}},
        {QChar::Script_Malayalam, {S::MalayalamScript}},
        {QChar::Script_Sinhala, {S::SinhalaScript}},
        {QChar::Script_Thai, {S::ThaiScript}},
        {QChar::Script_Lao, {S::LaoScript}},
        {QChar::Script_Tibetan, {S::TibetanScript}},
        {QChar::Script_Myanmar, {S::MyanmarScript}},
        {QChar::Script_Georgian, {S::GeorgianScript}},
        {QChar::Script_Ethiopic, {S::EthiopicScript}},
        {QChar::Script_Cherokee, {S::CherokeeScript}},
        {QChar::Script_Khmer, {S::KhmerScript}},
        {QChar::Script_Mongolian, {S::MongolianScript}},
        {QChar::Script_Thaana, {S::ThaanaScript}},
        {QChar::Script_Syriac, {S::SyriacScript}},
        {QChar::Script_Hangul, {S::KoreanScript, S::HangulScript}},
        {QChar::Script_Hiragana, {S::JapaneseScript, S::HiraganaScript}},
        {QChar::Script_Katakana, {S::JapaneseScript, S::KatakanaScript}},
        {QChar::Script_Han,
         {S::SimplifiedHanScript, S::TraditionalHanScript, S::HanScript, S::JapaneseScript}},
    };
    return reading.value(script);
}

// The script of a word's first letter that belongs to one.
QList<QLocale::Script> scriptsReadingWord(const QString& word) {
    for (qsizetype i = 0; i < word.size(); ++i) {
        char32_t c = word.at(i).unicode();
        if (word.at(i).isHighSurrogate() && i + 1 < word.size() &&
            word.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(word.at(i), word.at(i + 1));
            ++i;
        }
        const QList<QLocale::Script> scripts = scriptsReading(QChar::script(c));
        if (!scripts.isEmpty())
            return scripts;
    }
    return {};
}

} // namespace

namespace {

// The voices, read once; under the engine's lock.
QList<SpeechVoice> speechVoicesLocked() {
    static const QList<SpeechVoice> voices = [] {
        QList<SpeechVoice> list;
        if (engineRate() == 0)
            return list;
        for (const espeak_VOICE** v = espeak_ListVoices(nullptr); v && *v; ++v) {
            const QList<QPair<QString, int>> tags = languagesOf(*v);
            if (tags.isEmpty() || tags.first().first.startsWith(QLatin1String("mb-")))
                continue; // the MBROLA voices need a program of their own
            list.append({normalTag(tags.first().first),
                         QString::fromUtf8((*v)->name).replace(QLatin1Char('_'), QLatin1Char(' ')),
                         QString::fromUtf8((*v)->identifier), scriptOfTags(tags), tags});
        }
        std::sort(list.begin(), list.end(), [](const SpeechVoice& a, const SpeechVoice& b) {
            return a.language < b.language;
        });
        return list;
    }();
    return voices;
}

} // namespace

QList<SpeechVoice> speechVoices() {
    std::lock_guard lock(engineLock());
    return speechVoicesLocked();
}

namespace {

// voiceForLanguage among `voices`.
QString voiceAmong(const QList<SpeechVoice>& voices, const QString& tag) {
    const QString wanted = normalTag(tag);
    if (wanted.isEmpty())
        return QString();
    const auto has = [&](const QString& language) {
        return std::any_of(voices.begin(), voices.end(),
                           [&](const SpeechVoice& v) { return v.language == language; });
    };
    if (has(wanted))
        return wanted;
    const QString primary = wanted.section(QLatin1Char('-'), 0, 0);
    if (has(primary))
        return primary;
    const auto main = std::find_if(voices.begin(), voices.end(), [&](const SpeechVoice& v) {
        return v.language.startsWith(primary + QLatin1Char('-')) &&
               v.file.section(QLatin1Char('/'), -1).compare(primary, Qt::CaseInsensitive) == 0;
    });
    if (main != voices.end())
        return main->language;
    // The voice that lists the tag (or its language) first among those that list it.
    QString best;
    int bestPriority = 0;
    for (const QString& listed : {wanted, primary}) {
        for (const SpeechVoice& voice : voices) {
            for (const auto& [language, priority] : voice.languages) {
                if (language == listed && (best.isEmpty() || priority < bestPriority)) {
                    best = voice.language;
                    bestPriority = priority;
                }
            }
        }
        if (!best.isEmpty())
            return best;
    }
    return best;
}

} // namespace

QString voiceForLanguage(const QString& tag) {
    return voiceAmong(speechVoices(), tag);
}

QString chooseVoice(const QString& chosen, const QString& deckLanguage, const QLocale& shown) {
    for (const QString& tag : {chosen, deckLanguage, shown.name(), QStringLiteral("en")}) {
        const QString voice = voiceForLanguage(tag);
        if (!voice.isEmpty())
            return voice;
    }
    return QString();
}

QString voiceForWord(const QString& word, const QString& chosen, const QString& deckLanguage,
                     const QLocale& shown) {
    const QList<QLocale::Script> readers = scriptsReadingWord(word);
    if (!readers.isEmpty()) {
        QList<SpeechVoice> reading = speechVoices();
        reading.removeIf([&](const SpeechVoice& v) {
            return v.script != QLocale::AnyScript && !readers.contains(v.script);
        });
        const QLocale likely(QLocale::AnyLanguage, readers.first(), QLocale::AnyTerritory);
        for (const QString& tag :
             {chosen, deckLanguage, shown.name(), QLocale::languageToCode(likely.language()),
              QStringLiteral("en")}) {
            const QString voice = voiceAmong(reading, tag);
            if (!voice.isEmpty())
                return voice;
        }
    }
    return chooseVoice(chosen, deckLanguage, shown);
}

std::unique_ptr<SoundSource> speakWord(const QString& word, const QString& voice, int rate) {
    const auto failure = [&](const QString& cause) {
        return SoundError(
            QCoreApplication::translate("Sound", "The word \"%1\" can't be spoken: %2")
                .arg(word, cause));
    };
    std::vector<float> samples;
    int sampleRate = 0;
    {
        std::lock_guard lock(engineLock());
        sampleRate = engineRate();
        if (sampleRate == 0)
            throw failure(
                QCoreApplication::translate("Sound", "the speech engine can't be loaded"));
        static QByteArray current;
        const QList<SpeechVoice> voices = speechVoicesLocked();
        const auto found = std::find_if(voices.begin(), voices.end(),
                                        [&](const SpeechVoice& v) { return v.language == voice; });
        const QByteArray name = found == voices.end() ? voice.toUtf8() : found->file.toUtf8();
        if (name != current) {
            if (espeak_SetVoiceByName(name.constData()) != EE_OK) {
                current.clear();
                throw failure(
                    QCoreApplication::translate("Sound", "there is no voice \"%1\"").arg(voice));
            }
            current = name;
        }
        espeak_SetParameter(espeakRATE, std::clamp(rate, kSpeechRateMin, kSpeechRateMax), 0);
        espeak_SetSynthCallback(collect);
        const QByteArray text = word.toUtf8();
        if (espeak_Synth(text.constData(), size_t(text.size()) + 1, 0, POS_CHARACTER, 0,
                         espeakCHARS_UTF8, nullptr, &samples) != EE_OK)
            throw failure(QCoreApplication::translate("Sound", "the speech engine failed"));
    }
    return memorySource(std::move(samples), sampleRate, 1);
}

void writeSpokenWord(const QString& path, const QString& word, const QString& voice, int rate) {
    const std::unique_ptr<SoundSource> source = speakWord(word, voice, rate);
    std::vector<float> samples(size_t(std::max<qint64>(0, source->frames())));
    source->read(samples.data(), qint64(samples.size()));
    writeWaveFile(path, samples, source->rate());
}

} // namespace ferlo
