#pragma once

#include <QImage>
#include <QWidget>

namespace ferlo {

// A picture control of the card: paints its picture stretched to its own rectangle and reports
// every mouse press, with its button, the second press of a double click included.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clearPicture();
    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage& picture() const { return m_picture; }

signals:
    void mouseDown(ferlo::PictureControl* sender, Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};

} // namespace ferlo
