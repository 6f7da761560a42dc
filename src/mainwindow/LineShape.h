#pragma once

#include <QPoint>
#include <QWidget>

namespace ferlo {

// A dotted one-pixel line on the card: a white rectangle outlined with a dotted black pen, made
// one pixel wide (vertical) or one pixel high (horizontal), so only the dotted outline shows.
class TLine : public QWidget {
    Q_OBJECT
public:
    explicit TLine(QWidget* parent = nullptr);

    // Places the line between two points of the parent; both end points belong to the line.
    // Equal X makes it vertical, anything else horizontal (the second point's Y is not used).
    void SetPoints(QPoint first, QPoint second);

    QPoint FStartPoint;
    QPoint FEndPoint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace ferlo
