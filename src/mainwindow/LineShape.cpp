#include "mainwindow/LineShape.h"

#include <QPainter>
#include <QPen>
#include <cstdlib>

namespace ferlo {

TLine::TLine(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TLine::SetPoints(QPoint first, QPoint second) {
    FStartPoint = first;
    FEndPoint = second;
    if (first.x() == second.x()) {
        setGeometry(first.x(), qMin(first.y(), second.y()), 1,
                    std::abs(second.y() - first.y()) + 1);
    } else {
        setGeometry(qMin(first.x(), second.x()), first.y(), std::abs(second.x() - first.x()) + 1,
                    1);
    }
}

void TLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QPen pen(Qt::black, 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (width() == 1 || height() == 1)
        painter.drawLine(0, 0, width() - 1, height() - 1);
    else
        painter.drawRect(0, 0, width() - 1, height() - 1);
}

} // namespace ferlo
