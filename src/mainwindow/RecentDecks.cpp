#include "mainwindow/RecentDecks.h"

#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/RecentDeckList.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QThreadPool>

namespace ferlo {

namespace {

// The notes are written one after another, in the order they were made, off the user-interface
// thread: the store syncs each write to disk, which on a busy disk holds the window up for tens
// of milliseconds. The program waits for the last ones as it ends.
struct NoteThread {
    NoteThread() { pool.setMaxThreadCount(1); }
    QThreadPool pool; // waits for its work as it goes
};

QThreadPool& notes() {
    static NoteThread thread;
    return thread.pool;
}

void fillRecentDecks(QMenu* menu, const std::function<void(const QString&)>& open) {
    menu->clear();
    waitForRecentDeckNotes();
    const QStringList decks = readRecentDecks();
    for (int i = 0; i < decks.size(); ++i) {
        const QString& deck = decks[i];
        QString name = displayName(fileNamePart(deck));
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setObjectName(QStringLiteral("RecentDeck%1").arg(i + 1));
        if (pathKind(deck) == PathKind::PlainFile) {
            action->setToolTip(displayName(deck));
            QObject::connect(action, &QAction::triggered, menu, [open, deck] { open(deck); });
        } else {
            action->setEnabled(false);
            action->setToolTip(
                QCoreApplication::translate("RecentDecks", "Not found: %1").arg(displayName(deck)));
        }
    }
    if (decks.isEmpty())
        menu->addAction(QCoreApplication::translate("RecentDecks", "No recent decks"))
            ->setEnabled(false);
}

} // namespace

QMenu* makeRecentDecksMenu(QWidget* parent, std::function<void(const QString&)> open) {
    auto* menu = new QMenu(QCoreApplication::translate("RecentDecks", "Recent Dec&ks"), parent);
    menu->setObjectName(QStringLiteral("mnRecentDecks"));
    menu->setToolTipsVisible(true);
    // Filled as it opens, so that it shows the list as other windows left it too.
    QObject::connect(menu, &QMenu::aboutToShow, menu,
                     [menu, open = std::move(open)] { fillRecentDecks(menu, open); });
    return menu;
}

void noteRecentDeckChange(const QString& path, QString& noted) {
    if (path == noted)
        return;
    noted = path;
    if (path.isEmpty())
        return;
    notes().start([path] {
        try {
            noteRecentDeck(path);
        } catch (const Error&) {
        }
    });
}

void waitForRecentDeckNotes() {
    notes().waitForDone();
}

} // namespace ferlo
