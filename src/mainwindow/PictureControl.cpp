#include "mainwindow/PictureControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace ferlo {

PictureControl::PictureControl(QWidget* parent)
    : QWidget(parent) {
    resize(105, 105);
}

void PictureControl::setPicture(const QImage& picture) {
    m_picture = picture;
    update();
}

void PictureControl::clearPicture() {
    m_picture = QImage();
    update();
}

void PictureControl::paintEvent(QPaintEvent*) {
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(this, event->button());
}

void PictureControl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(this, event->button());
}

} // namespace ferlo
