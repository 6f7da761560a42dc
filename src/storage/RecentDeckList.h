#pragma once

#include <QString>
#include <QStringList>

namespace ferlo {

// The decks opened or saved last, newest first, kept in the settings store under
// \Software\Ferlo: "RecentDecks" (DWORD, how many) and "RecentDeck1" ... (text, a deck file
// each). The store is a file of lines, so a name with a line break, or one whose bytes are not
// UTF-8, is not kept.
inline constexpr int kMostRecentDecks = 8;

// Reading never fails: a store that can't be read, or a value of the wrong type, gives what
// could be read (nothing at worst).
QStringList readRecentDecks();
// Puts `path` first, once, and keeps the newest kMostRecentDecks. Throws ferlo::Error naming the
// settings file when the store cannot be written.
void noteRecentDeck(const QString& path);

// Whether the window opens the newest of them on start (Options; "ReopenLastDeck", DWORD, absent
// means off). Reading never fails; saving fails as the print option's does.
bool readReopenLastDeck();
void saveReopenLastDeck(bool reopen);

} // namespace ferlo
