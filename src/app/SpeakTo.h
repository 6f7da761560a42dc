#pragma once

#include <QStringList>

namespace ferlo {

// True when --speak-to is among the arguments: the program then writes spoken words as WAV files
// without opening a window.
bool isSpeakTo(int argc, char** argv);

// `ferlo --speak-to DIR [--voice NAME] [--rate WPM] DECK|PICTURE...` writes DIR/WORD.wav for
// every word of the decks and pictures that has no recording (docs/sound.md). The arguments are
// the program's, its name first. Returns the exit status: 0 when every word was written, 1 when a
// file could not be read or written, 2 for a bad command line or an unknown voice, each with one
// line on standard error.
int runSpeakTo(const QStringList& arguments);

} // namespace ferlo
