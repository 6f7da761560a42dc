#pragma once

#include "storage/Errors.h"

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace ferlo {

enum class MessageKind { Error, Warning, Information };

// Every message box of the program goes through here, so that one place decides how a message
// reaches the user, and tests can read the messages instead of having modal boxes block them.
void showMessage(QWidget* parent, MessageKind kind, const QString& text);
inline void showError(QWidget* parent, const QString& text) {
    showMessage(parent, MessageKind::Error, text);
}

// The text as a message box shows it: a line may break after any slash of a path but the one
// it begins with, which stays with the path's first name ("/home" never ends a line as "/").
QString keepPathStartsWhole(const QString& text);

using MessageSink = std::function<void(MessageKind kind, const QString& text)>;
// Replaces the message box by a sink; returns the previous sink (empty: message boxes).
MessageSink setMessageSink(MessageSink sink);

// Runs a handler; an exception it throws ends in an error box and the program goes on.
// No exception ever crosses Qt's event loop.
void runGuarded(QWidget* parent, const std::function<void()>& handler);

// Asks whether to save the unsaved changes of `name` before they are lost (Save, Discard,
// Cancel; the box is named "UnsavedChanges").
enum class SaveAnswer { Save, Discard, Cancel };
SaveAnswer askToSaveChanges(QWidget* parent, const QString& name);

// Asks whether to go on with a piece of work that waits for the user (Continue, Cancel; the box
// is named `name`); true for Continue.
bool askToContinue(QWidget* parent, const QString& name, const QString& text);

} // namespace ferlo
