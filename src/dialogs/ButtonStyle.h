#pragma once

#include <QProxyStyle>

namespace ferlo {

// The program's style: the platform's, with push buttons that show an icon and a text laid out
// alike in either direction. In a right-to-left window the icon goes to the right of the text
// and the text keeps its place beside it; the toolkit's own layout aligns such a text to the
// wrong side, so in a row of buttons with icons (OK, Cancel) the text runs off the button.
class ButtonStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

} // namespace ferlo
