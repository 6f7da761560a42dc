// The recent decks and the choice to reopen the last one, kept in the settings store.

#include "storage/NativePath.h"
#include "storage/RecentDeckList.h"
#include "storage/Registry.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;

class TestRecentDecks : public QObject {
    Q_OBJECT

    QTemporaryDir m_settings;

private slots:
    void init() {
        QFile::remove(registryHivePath(HKEY_LOCAL_MACHINE));
        qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(m_settings.path()));
    }

    // Each deck noted goes first, once; the newest eight are kept.
    void keepsTheNewestFirst_data() {
        QTest::addColumn<QStringList>("noted");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("none") << QStringList() << QStringList();
        QTest::newRow("two") << QStringList{"/d/a.ferlo", "/d/b.ferlo"}
                             << QStringList{"/d/b.ferlo", "/d/a.ferlo"};
        QTest::newRow("one again goes first, once")
            << QStringList{"/d/a.ferlo", "/d/b.ferlo", "/d/c.ferlo", "/d/a.ferlo"}
            << QStringList{"/d/a.ferlo", "/d/c.ferlo", "/d/b.ferlo"};
        QStringList ten;
        for (int i = 0; i < 10; ++i)
            ten << QStringLiteral("/d/deck %1.ferlo").arg(i);
        QStringList newest;
        for (int i = 9; i >= 2; --i)
            newest << ten[i];
        QTest::newRow("ten, the newest eight kept") << ten << newest;
        QTest::newRow("a name with a line break is not kept")
            << QStringList{"/d/a.ferlo", "/d/two\nlines.ferlo"} << QStringList{"/d/a.ferlo"};
        QTest::newRow("a name not UTF-8 is not kept")
            << QStringList{"/d/a.ferlo", decodePath("/d/f\xe9.ferlo")} << QStringList{"/d/a.ferlo"};
    }
    void keepsTheNewestFirst() {
        QFETCH(QStringList, noted);
        QFETCH(QStringList, listed);
        for (const QString& deck : noted)
            noteRecentDeck(deck);
        QCOMPARE(readRecentDecks(), listed);
    }

    // A store whose values are not what they should be reads as what can be read.
    void damagedStoreReadsWhatItCan() {
        noteRecentDeck(QStringLiteral("/d/a.ferlo"));
        TRegistry registry;
        registry.setRootKey(HKEY_LOCAL_MACHINE);
        QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), false));
        registry.WriteInteger(QStringLiteral("RecentDecks"), 1000);
        QCOMPARE(readRecentDecks(), QStringList{"/d/a.ferlo"});
        registry.WriteString(QStringLiteral("RecentDecks"), QStringLiteral("three"));
        QCOMPARE(readRecentDecks(), QStringList());
    }

    void reopenLastDeckIsOffUntilChosen() {
        QVERIFY(!readReopenLastDeck());
        saveReopenLastDeck(true);
        QVERIFY(readReopenLastDeck());
        saveReopenLastDeck(false);
        QVERIFY(!readReopenLastDeck());
    }
};

QTEST_GUILESS_MAIN(TestRecentDecks)
#include "tst_recentdecks.moc"
