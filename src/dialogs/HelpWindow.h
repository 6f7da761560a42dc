#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;

namespace ferlo {

// The user's guide as plain text in a read-only window of the program's own, for a desktop that
// cannot open it: the guide's file, with a note above it that says why it is shown here. It fits
// the screen it opens on, is not modal (the guide is read beside the program) and closes with
// Close or Escape.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(const QString& path, const QString& note, QWidget* parent = nullptr);

    // Opens a window on the guide over `parent` that deletes itself once closed; the one that
    // is open already comes to the front instead.
    static HelpWindow* showGuide(const QString& path, const QString& note, QWidget* parent);

private:
    QLabel* m_note = nullptr;
    QPlainTextEdit* m_text = nullptr;
};

} // namespace ferlo
