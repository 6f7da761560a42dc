#include "platform/ScreenFit.h"

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

} // namespace ferlo
