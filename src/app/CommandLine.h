#pragma once

#include "layout/Deck.h"

#include <QStringList>

namespace ferlo {

class TFerloMainForm;

// True when the arguments (the program's name first) ask for a run without a window: --print-to
// (a PDF), --speak-to (spoken words), --help, --version or --list-sheets, or when they cannot be
// read at all, which the run then reports.
bool isCommandLineExport(const QStringList& arguments);

// Runs the command-line export; needs a QApplication (the offscreen platform will do).
// The arguments are the program's, as QCoreApplication::arguments() gives them: the program's
// name first.
// Returns the process exit code: 0 on success, non-zero with one line on stderr otherwise.
int runCommandLineExport(const QStringList& arguments);

// A start without --print-to opens the window: the card options shape its first card, and the
// files are opened in it as if dropped on the card.
struct WindowStart {
    DeckCard card;          // the count, orientation and switches; no pictures
    bool wordBacks = false; // --backs: File > Print Word Backs is checked (and remembered)
    QStringList files;      // pictures and decks, in the order given
};

// Reads the arguments of such a start (the program's name first). False for a bad command line,
// `error` then holding the one line to print after "ferlo: " (exit status 2): an unknown option,
// a bad value, or an option that applies only with --print-to.
bool readWindowStart(const QStringList& arguments, WindowStart& start, QString& error);

// Gives the window's deck a first card of the start's layout and switches, and checks Print Word
// Backs when asked. The files are left to the caller (openFiles once the window shows).
void applyWindowStart(TFerloMainForm& window, const WindowStart& start);

} // namespace ferlo
