#include "app/SpeakTo.h"

#include "layout/CardModel.h"
#include "sound/SoundFile.h"
#include "sound/Speech.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>

#include <cstdio>

namespace ferlo {

namespace {

struct Word {
    QString text;
    QString language; // the deck's, empty for none
};

void say(FILE* stream, const QString& line) {
    std::fprintf(stream, "%s\n", line.toLocal8Bit().constData());
}

// The words of the inputs that have no recording, each once, in the order given.
QList<Word> wordsWithoutRecording(const QStringList& inputs) {
    QList<Word> words;
    QSet<QString> seen;
    const auto add = [&](const QString& picture, const QString& shown, const QString& own,
                         const QString& language) {
        const QString text = (shown.isEmpty() ? MakeLabelText(picture) : shown).trimmed();
        if (text.isEmpty() || seen.contains(text.toLower()) ||
            !findCellSound(picture, shown, own).isEmpty())
            return;
        seen.insert(text.toLower());
        words.append({text, language});
    };
    for (const QString& input : inputs) {
        if (!isDeckFileName(input)) {
            add(input, QString(), QString(), QString());
            continue;
        }
        const Deck deck = readDeck(input);
        const QString language = QString::fromStdString(deck.language.value_or(std::string()));
        for (const DeckCard& card : deck.cards) {
            for (const std::optional<DeckCell>& cell : card.cells) {
                if (cell)
                    add(pathFromModel(cell->picture),
                        cell->label ? QString::fromStdString(*cell->label) : QString(),
                        cell->sound ? pathFromModel(*cell->sound) : QString(), language);
            }
        }
    }
    return words;
}

// A word as a file name: folder separators and control characters become '_'.
QString fileNameFor(const QString& word) {
    QString name = word;
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return name + QStringLiteral(".wav");
}

} // namespace

int speakWords(const QString& folder, const QStringList& inputs, const SpeakRequest& speech) {
    if (speechVoices().isEmpty()) {
        say(stderr, QCoreApplication::translate(
                        "CommandLine", "ferlo: the speech engine or its voices are not installed "
                                       "(espeak-ng-data)"));
        return 1;
    }
    const QString& asked = speech.voice;
    if (!asked.isEmpty() && voiceForLanguage(asked).isEmpty()) {
        QStringList some;
        for (const SpeechVoice& voice : speechVoices())
            some << voice.language;
        some.removeDuplicates();
        say(stderr, QCoreApplication::translate("CommandLine",
                                                "ferlo: unknown voice \"%1\"; the voices are: %2")
                        .arg(asked, some.join(QStringLiteral(", "))));
        return 2;
    }
    try {
        const QList<Word> words = wordsWithoutRecording(inputs);
        if (!QDir().mkpath(folder))
            throw Error(QCoreApplication::translate("CommandLine", "cannot make the folder %1")
                            .arg(displayName(folder)));
        for (const Word& word : words) {
            const QString voice = voiceForWord(word.text, asked, word.language);
            const QString path = QDir(folder).filePath(fileNameFor(word.text));
            writeSpokenWord(path, word.text, voice, speech.rate);
            say(stdout, path);
        }
    } catch (const Error& error) {
        say(stderr, QStringLiteral("ferlo: ") + error.message());
        return 1;
    }
    return 0;
}

} // namespace ferlo
