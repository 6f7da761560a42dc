#include "mainwindow/FormatDrops.h"

#include <QDropEvent>
#include <QMimeData>

namespace ferlo {

FormatDrops::FormatDrops(QObject* parent, QString format, Qt::DropAction action, Drop drop)
    : QObject(parent)
    , m_format(std::move(format))
    , m_action(action)
    , m_drop(std::move(drop)) {}

bool FormatDrops::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drag = static_cast<QDropEvent*>(event);
    if (!drag->mimeData()->hasFormat(m_format))
        return false;
    drag->setDropAction(m_action);
    drag->accept();
    if (type == QEvent::Drop)
        m_drop(watched, drag->position().toPoint(), drag->mimeData()->data(m_format));
    return true;
}

} // namespace ferlo
