#include "mainwindow/LabelEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

namespace ferlo {

namespace {

// The smallest point size the word is edited in: a long word's label may have shrunk to a size
// too small to read while typing.
constexpr int kSmallestEditingPoints = 9;

} // namespace

LabelEditor::LabelEditor(QWidget* card)
    : QLineEdit(card) {
    setObjectName(QStringLiteral("LabelEditor"));
    setAlignment(Qt::AlignCenter);
    hide();
    card->installEventFilter(this);
}

void LabelEditor::open(int cell, QLabel* label, const QString& word) {
    if (m_cell >= 0)
        keep();
    if (!label)
        return;
    m_cell = cell;
    m_opened = word;
    m_label = label;
    m_focusBefore = QApplication::focusWidget();
    QFont font = label->font();
    if (font.pointSize() > 0 && font.pointSize() < kSmallestEditingPoints)
        font.setPointSize(kSmallestEditingPoints);
    setFont(font);
    setText(word);
    selectAll();
    setAccessibleName(tr("Label word of picture %1").arg(cell + 1));
    label->installEventFilter(this);
    qApp->installEventFilter(this);
    followLabel();
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
}

void LabelEditor::followLabel() {
    if (!m_label)
        return;
    // The band may be lower than a line edit needs: the editor then stands centred on it.
    const QRect band = m_label->geometry();
    const int height = qMax(band.height(), sizeHint().height());
    setGeometry(band.left(), band.center().y() - height / 2 + 1, band.width(), height);
}

void LabelEditor::close(bool keepWord) {
    if (m_cell < 0)
        return;
    const int cell = m_cell;
    const QString word = text();
    // Closed before anything else happens: hiding moves the focus, which must not close again.
    m_cell = -1;
    qApp->removeEventFilter(this);
    if (m_label)
        m_label->removeEventFilter(this);
    m_label = nullptr;
    const bool hadFocus = hasFocus();
    hide();
    if (hadFocus && m_focusBefore && m_focusBefore->isVisible() && m_focusBefore->isEnabled() &&
        m_focusBefore->focusPolicy() != Qt::NoFocus)
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    m_focusBefore = nullptr;
    if (keepWord && word != m_opened)
        emit kept(cell, word);
}

bool LabelEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::MouseButtonDblClick) {
        auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton) {
            emit cardDoubleClicked(click->position().toPoint());
            return true;
        }
    }
    if (m_cell < 0)
        return QLineEdit::eventFilter(watched, event);
    if (watched == m_label) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            followLabel();
            break;
        case QEvent::Hide:
            // The label went (its picture was taken off, labels were switched off).
            cancel();
            break;
        default:
            break;
        }
        return QLineEdit::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        // A press anywhere but in the editor or a popup (its context menu) keeps the word before
        // the press does what it does; so does a command key before its command runs.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget != this && !isAncestorOf(widget) && !QApplication::activePopupWidget())
            keep();
        break;
    }
    case QEvent::Shortcut:
        keep();
        break;
    default:
        break;
    }
    return QLineEdit::eventFilter(watched, event);
}

void LabelEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        keep();
        return;
    case Qt::Key_Escape:
        event->accept();
        cancel();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void LabelEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window or the editor's context menu takes the focus only for a while.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    keep();
}

} // namespace ferlo
