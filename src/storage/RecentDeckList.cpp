#include "storage/RecentDeckList.h"

#include "storage/NativePath.h"
#include "storage/Registry.h"

#include <QCoreApplication>

#include <algorithm>

namespace ferlo {

namespace {

const QString settingsKey = QStringLiteral("\\Software\\Ferlo");
const QString countName = QStringLiteral("RecentDecks");
const QString reopenName = QStringLiteral("ReopenLastDeck");
QString deckName(int i) {
    return QStringLiteral("RecentDeck%1").arg(i + 1);
}

// A name the store keeps exactly: one line, its bytes UTF-8.
bool storable(const QString& path) {
    return !path.isEmpty() && !path.contains(QLatin1Char('\n')) &&
           !path.contains(QLatin1Char('\r')) &&
           QString::fromUtf8(encodePath(path)).toUtf8() == encodePath(path);
}

TRegistry openForWriting() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(settingsKey, true))
        throw ERegistryException(
            QCoreApplication::translate("Settings", "The settings could not be saved to %1")
                .arg(registry.LastError()),
            registry.LastError());
    return registry;
}

} // namespace

QStringList readRecentDecks() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QStringList decks;
    try {
        if (!registry.OpenKey(settingsKey, false) || !registry.ValueExists(countName))
            return decks;
        const int count = std::clamp(registry.ReadInteger(countName), 0, kMostRecentDecks);
        for (int i = 0; i < count; ++i) {
            if (!registry.ValueExists(deckName(i)))
                continue;
            const QString deck = registry.ReadString(deckName(i));
            if (storable(deck) && !decks.contains(deck))
                decks << deck;
        }
    } catch (const ERegistryException&) {
    }
    return decks;
}

void noteRecentDeck(const QString& path) {
    if (!storable(path))
        return;
    QStringList decks = readRecentDecks();
    if (!decks.isEmpty() && decks.first() == path)
        return;
    decks.removeAll(path);
    decks.prepend(path);
    decks = decks.mid(0, kMostRecentDecks);
    TRegistry registry = openForWriting();
    for (int i = 0; i < decks.size(); ++i)
        registry.WriteString(deckName(i), decks[i]);
    registry.WriteInteger(countName, int(decks.size()));
}

bool readReopenLastDeck() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    try {
        return registry.OpenKey(settingsKey, false) && registry.ValueExists(reopenName) &&
               registry.ReadInteger(reopenName) != 0;
    } catch (const ERegistryException&) {
        return false;
    }
}

void saveReopenLastDeck(bool reopen) {
    openForWriting().WriteInteger(reopenName, reopen ? 1 : 0);
}

} // namespace ferlo
