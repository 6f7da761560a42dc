#pragma once

#include "sound/Speech.h"

#include <QStringList>

namespace ferlo {

// How the words are spoken: the voice asked for (empty: each deck's language, else the
// program's) and the words per minute.
struct SpeakRequest {
    QString voice;
    int rate = kSpeechRateNormal;
};

// `ferlo --speak-to DIR [--voice NAME] [--rate WPM] DECK|PICTURE...` (read by the command line's
// one parser) writes DIR/WORD.wav for every word of the decks and pictures that has no recording
// (docs/sound.md). Returns the exit status: 0 when every word was written, 1 when a file could not
// be read or written, 2 for an unknown voice, each with one line on standard error.
int speakWords(const QString& folder, const QStringList& inputs, const SpeakRequest& speech);

} // namespace ferlo
