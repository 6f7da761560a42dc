#include "dialogs/ButtonStyle.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace ferlo {

void ButtonStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButtonLabel || !button || button->direction != Qt::RightToLeft ||
        button->icon.isNull() || button->text.isEmpty() ||
        (button->features & QStyleOptionButton::HasMenu)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // Icon and text side by side, centred together in the label's room: the icon on the right,
    // the text on its left, each where it is put (absolute alignment, never mirrored again).
    const bool enabled = button->state & State_Enabled;
    const QIcon::Mode mode = !enabled                           ? QIcon::Disabled
                             : (button->state & State_HasFocus) ? QIcon::Active
                                                                : QIcon::Normal;
    const QIcon::State state = button->state & State_On ? QIcon::On : QIcon::Off;
    const QPixmap pixmap = button->icon.pixmap(
        button->iconSize,
        widget ? widget->devicePixelRatio() : painter->device()->devicePixelRatio(), mode, state);
    const QSize iconSize = pixmap.deviceIndependentSize().toSize();
    int flags = Qt::AlignVCenter | Qt::AlignLeft | Qt::AlignAbsolute | Qt::TextShowMnemonic;
    if (!proxy()->styleHint(SH_UnderlineShortcut, button, widget))
        flags |= Qt::TextHideMnemonic;
    const int spacing = 4;
    const QRect room = button->rect;
    const int textWidth = button->fontMetrics.boundingRect(room, flags, button->text).width();
    const int labelWidth = qMin(room.width(), textWidth + spacing + iconSize.width());
    const int left = room.x() + (room.width() - labelWidth) / 2;
    const QRect iconRect(left + labelWidth - iconSize.width(),
                         room.y() + (room.height() - iconSize.height()) / 2, iconSize.width(),
                         iconSize.height());
    const QRect textRect(left, room.y(), qMax(0, labelWidth - iconSize.width() - spacing),
                         room.height());
    if (button->state & (State_On | State_Sunken)) {
        const int dx = proxy()->pixelMetric(PM_ButtonShiftHorizontal, option, widget);
        const int dy = proxy()->pixelMetric(PM_ButtonShiftVertical, option, widget);
        painter->drawPixmap(iconRect.translated(dx, dy), pixmap);
        proxy()->drawItemText(painter, textRect.translated(dx, dy), flags, button->palette, enabled,
                              button->text, QPalette::ButtonText);
        return;
    }
    painter->drawPixmap(iconRect, pixmap);
    proxy()->drawItemText(painter, textRect, flags, button->palette, enabled, button->text,
                          QPalette::ButtonText);
}

} // namespace ferlo
