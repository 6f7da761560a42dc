#include "dialogs/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ferlo {

QSize availableRoom(const QWidget* near) {
    const QWidget* window = near ? near->window() : nullptr;
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QSize();
    QSize room = screen->availableGeometry().size();
    if (window && window->isVisible())
        room -= window->frameGeometry().size() - window->geometry().size();
    return room;
}

void fitInRoom(QWidget* window, QSize designed) {
    window->resize(sizeInRoom(designed, availableRoom(window)));
    if (!window->isVisible() || !window->screen())
        return;
    const QRect room = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint inside(
        qBound(room.left(), frame.left(), qMax(room.left(), room.right() - frame.width() + 1)),
        qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() - frame.height() + 1)));
    window->move(inside);
}

} // namespace ferlo
