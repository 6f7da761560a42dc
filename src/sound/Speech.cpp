#include "sound/Speech.h"

#include "sound/WaveWriter.h"

#include <QCoreApplication>
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
QStringList languagesOf(const espeak_VOICE* voice) {
    QStringList tags;
    for (const char* p = voice->languages; p && *p;) {
        const char* tag = p + 1;
        tags.append(QString::fromUtf8(tag));
        p = tag + std::strlen(tag) + 1;
    }
    return tags;
}

QString normalTag(const QString& tag) {
    return tag.trimmed().toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
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
            const QStringList tags = languagesOf(*v);
            if (tags.isEmpty() || tags.first().startsWith(QLatin1String("mb-")))
                continue; // the MBROLA voices need a program of their own
            list.append({normalTag(tags.first()),
                         QString::fromUtf8((*v)->name).replace(QLatin1Char('_'), QLatin1Char(' ')),
                         QString::fromUtf8((*v)->identifier)});
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

QString voiceForLanguage(const QString& tag) {
    const QString wanted = normalTag(tag);
    if (wanted.isEmpty())
        return QString();
    const QList<SpeechVoice> voices = speechVoices();
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
    return main == voices.end() ? QString() : main->language;
}

QString chooseVoice(const QString& chosen, const QString& deckLanguage, const QLocale& shown) {
    for (const QString& tag : {chosen, deckLanguage, shown.name(), QStringLiteral("en")}) {
        const QString voice = voiceForLanguage(tag);
        if (!voice.isEmpty())
            return voice;
    }
    return QString();
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
