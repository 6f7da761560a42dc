#include "mainwindow/CommandRegistry.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace ferlo {

CommandRegistry::CommandRegistry(QMainWindow* window, Runner runner)
    : QObject(window)
    , m_window(window)
    , m_runner(std::move(runner)) {}

QMenu* CommandRegistry::newMenu(Place place, const QString& text, const QString& name) {
    QMenu* menu = m_window->menuBar()->addMenu(text);
    menu->setObjectName(name);
    m_menus[size_t(place)] = menu;
    if (place == Place::View)
        m_beforeView = menu->menuAction();
    return menu;
}

QMenu* CommandRegistry::menu(Place place) const {
    return place == Place::Bar || place == Place::Window ? nullptr : m_menus[size_t(place)];
}

QAction* CommandRegistry::made(QAction* action, const QString& name, std::function<void()> handler,
                               const QList<QKeySequence>& keys) {
    action->setObjectName(name);
    if (!keys.isEmpty())
        action->setShortcuts(keys);
    // The window is the receiver: the command goes with it.
    connect(action, &QAction::triggered, m_window,
            [this, handler = std::move(handler)] { m_runner(handler); });
    m_commands << action;
    return action;
}

QAction* CommandRegistry::add(Place place, const QString& name, const QString& text,
                              std::function<void()> handler, const QList<QKeySequence>& keys) {
    auto* action = new QAction(text, m_window);
    if (place == Place::Bar)
        m_window->menuBar()->insertAction(m_beforeView, action);
    else if (place == Place::Window)
        m_window->addAction(action);
    else
        menu(place)->addAction(action);
    return made(action, name, std::move(handler), keys);
}

QAction* CommandRegistry::addCheckable(Place place, const QString& name, const QString& text,
                                       std::function<void()> handler) {
    QAction* action = add(place, name, text, std::move(handler));
    action->setCheckable(true);
    return action;
}

QAction* CommandRegistry::newButton(const QString& name, const QIcon& icon, const QString& hint,
                                    bool checkable, std::function<void()> handler) {
    auto* action = new QAction(icon, hint, m_window);
    action->setToolTip(hint);
    action->setCheckable(checkable);
    made(action, name, std::move(handler), {});
    addToolButton(action);
    return action;
}

QAction* CommandRegistry::addToggle(Place place, const QString& name, const QString& text,
                                    std::function<void(bool)> toggled) {
    auto* action = new QAction(text, m_window);
    action->setObjectName(name);
    action->setCheckable(true);
    menu(place)->addAction(action);
    connect(action, &QAction::toggled, m_window, std::move(toggled));
    m_commands << action;
    return action;
}

void CommandRegistry::addSeparator(Place place) {
    if (QMenu* shown = menu(place))
        shown->addSeparator();
}

QWidget* CommandRegistry::addToolButton(QAction* action) {
    m_toolBar->addAction(action);
    QWidget* widget = m_toolBar->widgetForAction(action);
    if (widget) {
        widget->setObjectName(action->objectName() + QStringLiteral("Button"));
        widget->setFixedSize(25, 22);
        // Reachable with Tab and pressed with Space, like any button.
        widget->setFocusPolicy(Qt::TabFocus);
        widget->setAccessibleName(action->toolTip());
    }
    return widget;
}

void CommandRegistry::addToolSpace() {
    auto* space = new QWidget(m_toolBar);
    space->setFixedWidth(8);
    m_toolBar->addWidget(space);
}

void CommandRegistry::addToolWidget(QWidget* widget) {
    m_toolBar->addWidget(widget);
}

QAction* CommandRegistry::command(const QString& name) const {
    for (QAction* action : m_commands) {
        if (action->objectName() == name)
            return action;
    }
    return nullptr;
}

} // namespace ferlo
