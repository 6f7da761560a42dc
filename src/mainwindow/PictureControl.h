#pragma once

#include <QImage>
#include <QWidget>
#include <optional>

namespace ferlo {

// A picture control of the card: paints its picture stretched to its own rectangle and reports
// every mouse press, with its button, the second press of a double click included. A left press
// is reported when the button comes up again without a drag (a drag is reported instead, once
// the mouse moved beyond the drag distance); other buttons as they go down. A control
// without a picture, unless marked unreadable, takes no press and shows no hint: it lets them
// through to what lies under it.
// The hint (toolTip) is shown as plain text. A control with a picture takes the keyboard focus
// (Tab): Space or Enter counts as a left press, Delete as a right press.
class PictureControl : public QWidget {
    Q_OBJECT
public:
    explicit PictureControl(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    void clearPicture();
    bool hasPicture() const { return !m_picture.isNull(); }
    // Marks the place of a picture that cannot be shown: a thin dotted outline, `hint` as the
    // hint, presses and the focus taken as with a picture, until the next picture or clear.
    void setUnreadable(const QString& hint);
    bool isUnreadable() const { return m_unreadable; }
    const QImage& picture() const { return m_picture; }

    // The markup that shows a text as it is in a tool tip.
    static QString plainTip(const QString& text);

signals:
    void mouseDown(Qt::MouseButton button);
    // The menu key or Shift+F10: the picture's menu.
    void menuRequested();
    // The picture was pressed with the left button and moved far enough to be dragged.
    void dragRequested();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void takeInput(bool on);

    QImage m_picture;
    bool m_unreadable = false;
    // Where the left button went down; null once it is no click any more (a drag started).
    std::optional<QPoint> m_pressedAt;
};

} // namespace ferlo
