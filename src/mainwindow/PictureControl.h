#pragma once

#include <QImage>
#include <QWidget>

namespace ferlo {

// A picture control of the card: paints its picture stretched to its own rectangle and reports
// every mouse press, with its button, the second press of a double click included. A control
// without a picture takes no press and shows no hint: it lets them through to what lies under it.
// The hint (toolTip) is shown as plain text. A control with a picture takes the keyboard focus
// (Tab): Space or Enter counts as a left press, Delete as a right press.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clearPicture();
    bool hasPicture() const { return !m_picture.isNull(); }
    const QImage& picture() const { return m_picture; }

    // The markup that shows a text as it is in a tool tip.
    static QString plainTip(const QString& text);

signals:
    void mouseDown(Qt::MouseButton button);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QImage m_picture;
};

} // namespace ferlo
