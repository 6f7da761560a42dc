#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QToolBar;
class QWidget;

namespace ferlo {

// The window's commands: it owns the menus, the toolbar's buttons and the shortcuts, so a part of
// the window adds its command here in one call and finds another part's command by its name,
// never by searching the widgets. Every command runs through the runner the window gives (inside
// the error guard, one step of the history, then the render pass).
class CommandRegistry : public QObject {
public:
    // Where a command is offered. Bar: a command on the menu bar itself; Window: a shortcut of the
    // window that no menu shows.
    enum class Place { File, Edit, Card, Bar, View, Help, Window };
    using Runner = std::function<void(const std::function<void()>&)>;

    CommandRegistry(QMainWindow* window, Runner runner);
    // The toolbar the buttons go on.
    void setToolBar(QToolBar* toolBar) { m_toolBar = toolBar; }

    // Adds a menu to the bar, named `name`; the menus are added in the bar's order (File, Edit,
    // Card, View, Help), and the bar's own commands go before View.
    QMenu* newMenu(Place place, const QString& text, const QString& name);

    // A command named `name` (its object name) with its text, keys and handler, at the end of its
    // menu (the bar's own commands before View).
    QAction* add(Place place, const QString& name, const QString& text,
                 std::function<void()> handler, const QList<QKeySequence>& keys = {});
    // A checkable command, shown as the window's state says (the handler changes the state; the
    // render pass checks the button).
    QAction* addCheckable(Place place, const QString& name, const QString& text,
                          std::function<void()> handler);
    // A toolbar button for no menu: a glyph and its hint.
    QAction* newButton(const QString& name, const QIcon& icon, const QString& hint, bool checkable,
                       std::function<void()> handler);
    // A checkable choice of how the window looks, not a command: `toggled` follows it at once.
    QAction* addToggle(Place place, const QString& name, const QString& text,
                       std::function<void(bool)> toggled);
    void addSeparator(Place place);

    // The toolbar: a button for a command (named after it, "<name>Button"), a gap between
    // groups, and a widget of the window's own.
    QWidget* addToolButton(QAction* action);
    void addToolSpace();
    void addToolWidget(QWidget* widget);

    QMenu* menu(Place place) const;
    // The command of that name, or none.
    QAction* command(const QString& name) const;

private:
    QAction* made(QAction* action, const QString& name, std::function<void()> handler,
                  const QList<QKeySequence>& keys);

    QMainWindow* m_window;
    QToolBar* m_toolBar = nullptr;
    Runner m_runner;
    std::array<QMenu*, 6> m_menus{};
    QAction* m_beforeView = nullptr; // the bar's own commands go before View
    QList<QAction*> m_commands;
};

} // namespace ferlo
