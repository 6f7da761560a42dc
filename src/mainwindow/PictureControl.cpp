#include "mainwindow/PictureControl.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace ferlo {

PictureControl::PictureControl(QWidget* parent)
    : QWidget(parent) {
    resize(105, 105);
    // Until it shows a picture the control lies on the card unseen: presses and hovering go to
    // whatever lies under it.
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
}

void PictureControl::setPicture(const QImage& picture) {
    m_picture = picture;
    setAttribute(Qt::WA_TransparentForMouseEvents, m_picture.isNull());
    update();
}

void PictureControl::clearPicture() {
    m_picture = QImage();
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    setToolTip(QString());
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
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), m_picture);
}

void PictureControl::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(event->button());
}

void PictureControl::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
    emit mouseDown(event->button());
}

} // namespace ferlo
