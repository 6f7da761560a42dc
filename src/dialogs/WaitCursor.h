#pragma once

#include <QCursor>
#include <QGuiApplication>

namespace ferlo {

// Shows the hourglass while it lives and puts the previous cursor back on every path out,
// errors included.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace ferlo
