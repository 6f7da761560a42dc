#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace ferlo {

class DeckSession;

// What a part of the main window reaches of the window: the deck, the parent of its dialogs and
// messages, and the window's few services that every command goes through. A part reaches
// nothing else of the window; what one part needs of another it is handed by name.
// Asks where a deck file goes (".ferlo" added when left off), starting at `start`; "" when the
// user cancels.
QString askDeckFileToSave(QWidget* parent, const QString& caption, const QString& start);

struct WindowPart {
    QWidget* window = nullptr;
    DeckSession* deck = nullptr;
    // Runs a handler as a command: inside the error guard, one step of the history.
    std::function<void(const std::function<void()>&)> runCommand;
    // Runs an action now, or after the picture passes under way.
    std::function<void(std::function<void()>)> whenPicturesPlaced;
    // A message in the status bar that holds for the deck as the window shows it now.
    std::function<void(const QString&)> showStatus;
};

} // namespace ferlo
