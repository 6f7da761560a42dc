#include "dialogs/ScreenFit.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QWidget>

namespace ferlo {

QSize availableRoom(const QWidget* near) {
    const QWidget* window = near ? near->window() : nullptr;
    const QScreen* screen = window ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return QSize();
    QSize room = screen->availableGeometry().size();
    if (window && window->isVisible())
        room -= window->frameGeometry().size() - window->geometry().size();
    return room;
}

void fitInRoom(QWidget* window, QSize designed) {
    window->resize(sizeInRoom(designed, availableRoom(window)));
    if (!window->isVisible() || !window->screen())
        return;
    const QRect room = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QPoint inside(
        qBound(room.left(), frame.left(), qMax(room.left(), room.right() - frame.width() + 1)),
        qBound(room.top(), frame.top(), qMax(room.top(), room.bottom() - frame.height() + 1)));
    window->move(inside);
}

namespace {

// Once the window it watches shows, with the frame the window manager gave it, fits it in the
// screen's room again (fitInRoom at its size).
class KeepInRoom : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, window, [window] { fitInRoom(window, window->size()); });
        }
        return false;
    }
};

} // namespace

void fitDialogInRoom(QDialog* dialog, QSize designed) {
    auto* layout = qobject_cast<QBoxLayout*>(dialog->layout());
    if (!layout)
        return;
    const QString keeper = QStringLiteral("keepInRoom");
    if (!dialog->findChild<QObject*>(keeper, Qt::FindDirectChildrenOnly)) {
        auto* filter = new KeepInRoom(dialog);
        filter->setObjectName(keeper);
        dialog->installEventFilter(filter);
    }
    layout->activate();
    const QSize room = availableRoom(dialog->parentWidget() ? dialog->parentWidget()
                                                            : static_cast<QWidget*>(dialog));
    const QSize least = dialog->minimumSizeHint();
    const QSize wanted = (designed.isValid() ? designed : dialog->sizeHint()).expandedTo(least);
    if (room.isEmpty() || (least.width() <= room.width() && least.height() <= room.height())) {
        dialog->resize(sizeInRoom(wanted, room));
        return;
    }
    auto* contents = new QWidget;
    contents->setObjectName(QStringLiteral("scrolledContents"));
    auto* inner = new QBoxLayout(layout->direction(), contents);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->setSpacing(layout->spacing());
    QList<QLayoutItem*> kept; // the button rows, in their order
    while (layout->count() > 0) {
        QLayoutItem* item = layout->takeAt(0);
        if (qobject_cast<QDialogButtonBox*>(item->widget())) {
            kept << item;
        } else if (QWidget* widget = item->widget()) {
            inner->addWidget(widget, 0, item->alignment());
            delete item;
        } else if (QLayout* sub = item->layout()) {
            sub->setParent(nullptr);
            inner->addLayout(sub);
        } else {
            inner->addItem(item);
        }
    }
    auto* scroll = new QScrollArea(dialog);
    scroll->setObjectName(QStringLiteral("scrolledArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    layout->addWidget(scroll, 1);
    for (QLayoutItem* item : kept)
        layout->addItem(item);
    // The whole contents where the room holds them, with a scroll bar's room where it does not.
    const int bar = dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    QSize size = wanted;
    if (wanted.height() > room.height())
        size.rwidth() += bar;
    if (wanted.width() > room.width())
        size.rheight() += bar;
    // The layout's smallest size, which bounds the dialog's, is now the scroll area's.
    layout->activate();
    dialog->resize(sizeInRoom(size, room));
}

} // namespace ferlo
