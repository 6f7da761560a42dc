#pragma once

#include <QLineEdit>
#include <QPointer>

class QLabel;

namespace ferlo {

// The in-place editor of a cell's label word: a line edit laid over the label's band in the
// label's font, the word all selected. Enter keeps the word and Escape cancels. Leaving the editor
// for another place in the program (a click elsewhere, a command key, Tab) keeps the word too,
// as renaming a file in a file manager does; switching to another window or opening the editor's
// own context menu leaves it open. The editor reports what the user typed; what the word becomes
// is the window's business.
class LabelEditor : public QLineEdit {
    Q_OBJECT
public:
    // The editor lies on the card; a double click on the card is reported with its position.
    explicit LabelEditor(QWidget* card);

    // Opens over a label of the card with a word (editing anew when already open elsewhere keeps
    // that word first) and takes the keyboard focus.
    void open(int cell, QLabel* label, const QString& word);
    // The cell being edited, -1 while closed.
    int cell() const { return m_cell; }
    // Closes, keeping the typed word or not.
    void keep() { close(true); }
    void cancel() { close(false); }

signals:
    void cardDoubleClicked(QPoint at);
    // The user kept a word that differs from the one the editor opened with.
    void kept(int cell, const QString& word);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void close(bool keepWord);
    void followLabel();

    int m_cell = -1;
    QString m_opened;
    QPointer<QLabel> m_label;
    QPointer<QWidget> m_focusBefore;
};

} // namespace ferlo
