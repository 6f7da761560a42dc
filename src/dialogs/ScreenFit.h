#pragma once

#include <QSize>

class QDialog;
class QWidget;

namespace ferlo {

// The room a window has on the screen of `near` (a window, or the parent of a dialog): that
// screen's available geometry (the screen less its panels) in logical pixels, less the frame the
// window manager puts around `near`'s window once it shows. The primary screen's room without one.
QSize availableRoom(const QWidget* near);

// The size a window designed at `designed` takes: the designed size where the room holds it,
// else as much of it as the room holds, in each direction on its own.
inline QSize sizeInRoom(QSize designed, QSize room) {
    return room.isEmpty() ? designed : designed.boundedTo(room);
}

// Sizes a window designed at `designed` to its room (sizeInRoom), and once it shows, also moves
// it so that its frame lies in the screen's available geometry.
void fitInRoom(QWidget* window, QSize designed);

// Sizes a dialog laid out by a box layout to its room (availableRoom of its parent): its designed
// size (its size hint where none is given) as far as the room holds it. Where the room does not
// hold even the smallest size its layout allows, all it shows but its button row goes into a
// scroll area, the buttons staying below it, and the dialog takes the room. Called before the
// dialog shows.
void fitDialogInRoom(QDialog* dialog, QSize designed = QSize());

} // namespace ferlo
