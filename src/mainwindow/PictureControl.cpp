#include "mainwindow/PictureControl.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <utility>

namespace ferlo {

PictureControl::PictureControl(QWidget* parent)
    : QWidget(parent) {
    resize(105, 105);
    // Until it shows a picture the control lies on the card unseen: presses and hovering go to
    // whatever lies under it, and Tab passes it by.
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setFocusPolicy(Qt::NoFocus);
}

void PictureControl::takeInput(bool on) {
    setAttribute(Qt::WA_TransparentForMouseEvents, !on);
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureControl::setPicture(const QImage& picture) {
    m_picture = picture;
    m_unreadable = false;
    takeInput(!m_picture.isNull());
    update();
}

void PictureControl::setUnreadable(const QString& hint) {
    m_picture = QImage();
    m_unreadable = true;
    setToolTip(hint);
    takeInput(true);
    update();
}

void PictureControl::clearPicture() {
    m_picture = QImage();
    m_unreadable = false;
    takeInput(false);
    setToolTip(QString());
    setAccessibleName(QString());
    // The focus goes on to the next control rather than staying on an empty place.
    if (hasFocus())
        focusNextChild();
    update();
}

bool PictureControl::event(QEvent* event) {
    // The hint is a file path, shown as it is: a name such as "<b>x.jpg" is no markup.
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (toolTip().isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), plainTip(toolTip()), this, rect());
        return true;
    }
    return QWidget::event(event);
}

QString PictureControl::plainTip(const QString& text) {
    // Tool tips guess rich text from the string; written as markup that keeps every character
    // and every blank, the text reads the same whatever it looks like.
    return QStringLiteral("<p style='white-space:pre'>") + text.toHtmlEscaped() +
           QStringLiteral("</p>");
}

void PictureControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull() && !m_unreadable)
        return;
    QPainter painter(this);
    if (m_unreadable) {
        painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // The picture holds the device's pixels (its pixel ratio says how many per point), so
        // it is drawn one to one.
        painter.drawImage(rect(), m_picture);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void PictureControl::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit mouseDown(Qt::LeftButton);
        return;
    case Qt::Key_Delete:
        if (event->modifiers() != Qt::NoModifier)
            break;
        event->accept();
        emit mouseDown(Qt::RightButton);
        return;
    case Qt::Key_Menu:
    case Qt::Key_F10:
        if (event->key() == Qt::Key_F10 && event->modifiers() != Qt::ShiftModifier)
            break;
        event->accept();
        emit menuRequested();
        return;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

void PictureControl::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void PictureControl::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    m_pressedAt.reset();
    // A left press may begin a drag: it counts only once the button comes up without one.
    if (event->button() == Qt::LeftButton)
        m_pressedAt = event->position().toPoint();
    else
        emit mouseDown(event->button());
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == Qt::LeftButton && std::exchange(m_pressedAt, std::nullopt))
        emit mouseDown(Qt::LeftButton);
}

void PictureControl::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (!m_pressedAt || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - *m_pressedAt).manhattanLength() <
        QApplication::startDragDistance())
        return;
    // Past the drag distance the press is a drag, never a click.
    m_pressedAt.reset();
    if (hasPicture())
        emit dragRequested();
}

void PictureControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click counts as a press of its own.
    mousePressEvent(event);
}

} // namespace ferlo
