#pragma once

#include <QString>

#include <functional>

class QMenu;
class QWidget;

namespace ferlo {

// File > Recent Decks: the decks opened or saved last (storage/RecentDeckList.h), newest first,
// read anew each time the menu opens (it is empty until then). A deck whose file is gone is greyed,
// its tooltip saying so; choosing one hands its file to `open`.
QMenu* makeRecentDecksMenu(QWidget* parent, std::function<void(const QString&)> open);

// Notes the deck's file among the recent decks when it differs from `noted` (the one noted
// last), which it then becomes. The store is written on a worker thread, the notes in the order
// they were made. A store that cannot be written keeps its list: the list is a convenience, and
// the deck itself was opened or saved all the same.
void noteRecentDeckChange(const QString& path, QString& noted);
// Returns once every note made so far is in the store (the menu waits so as it opens).
void waitForRecentDeckNotes();

} // namespace ferlo
