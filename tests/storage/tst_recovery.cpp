// Recovery copies: the writer keeps a copy of an unsaved deck in the state folder and removes it
// once the deck has no unsaved changes; a later start claims the copies of owners that have
// ended, never those of a running one, and sets aside what it cannot read; a state folder that
// cannot be written is told once and touches nothing else.

#include "layout/DeckSession.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/RecoveryStore.h"
#include "storage/RecoveryWriter.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace ferlo;

namespace {

Deck deckOf(const QString& folder, int cards) {
    Deck deck;
    for (int i = 0; i < cards; ++i) {
        DeckCard card;
        card.layout.setCells(4);
        card.cells.push_back(DeckCell{(folder + QStringLiteral("/dog%1.jpg").arg(i)).toStdString(),
                                      "word " + std::to_string(i),
                                      {}});
        card.cells.emplace_back();
        card.cells.push_back(DeckCell{(folder + QStringLiteral("/cät.jpg")).toStdString(), {}, {}});
        deck.cards.push_back(card);
    }
    deck.language = "de";
    return deck;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// The pid of a process that has ended.
qint64 deadPid() {
    QProcess process;
    process.start(QStringLiteral("true"), {});
    process.waitForStarted();
    const qint64 pid = process.processId();
    process.waitForFinished();
    return pid;
}

// A lock file as QLockFile writes it, owned by `pid` on this host.
void writeLock(const QString& copy, qint64 pid) {
    writeFile(copy + QStringLiteral(".lock"),
              QByteArray::number(pid) + '\n' + QCoreApplication::applicationName().toUtf8() + '\n' +
                  QSysInfo::machineHostName().toUtf8() + '\n' + QSysInfo::machineUniqueId() + '\n' +
                  QSysInfo::bootUniqueId() + '\n');
}

bool mountTmpfs(const QString& at, const QString& options) {
    QDir().mkpath(at);
    return QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              options, QStringLiteral("tmpfs"), at}) == 0;
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT

    QTemporaryDir m_base;
    QString m_state;
    QStringList m_mounts;

    QString state() const { return m_state; }
    QStringList entries() const {
        return QDir(m_state).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    // A small file system at `mount` holding the user's own file and the state folder, then
    // full or read-only; the state folder, or nothing when it could not be made so.
    QString unwritableMount(const QString& mount, const QString& kind) {
        if (!mountTmpfs(mount, kind == QLatin1String("full") ? QStringLiteral("size=64k")
                                                             : QStringLiteral("size=1m")))
            return {};
        m_mounts << mount;
        const QString folder = mount + QStringLiteral("/recovery");
        QDir().mkpath(folder);
        writeFile(mount + QStringLiteral("/own.ferlo"), "the user's own file");
        if (kind == QLatin1String("full")) {
            QFile filler(mount + QStringLiteral("/filler"));
            filler.open(QIODevice::WriteOnly);
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size() && filler.flush()) {
            }
        } else if (QProcess::execute(QStringLiteral("mount"),
                                     {QStringLiteral("-o"), QStringLiteral("remount,ro"), mount}) !=
                   0) {
            return {};
        }
        return folder;
    }

private slots:
    void init() {
        m_state = m_base.filePath(QStringLiteral("state-%1").arg(QTest::currentTestFunction()) +
                                  QString::fromLatin1(QTest::currentDataTag()));
        m_state.replace(QLatin1Char(' '), QLatin1Char('_'));
        QDir().mkpath(m_state);
    }
    void cleanupTestCase() {
        for (const QString& mount : m_mounts)
            QProcess::execute(QStringLiteral("umount"), {mount});
    }

    // A copy reads back as the deck it was made of, its deck's own file and its time with it.
    void copyRoundTrip_data() {
        QTest::addColumn<QString>("deckPath");
        QTest::addColumn<int>("cards");
        QTest::newRow("titled") << QStringLiteral("/home/ana/farm animals.ferlo") << 3;
        QTest::newRow("untitled") << QString() << 1;
        QTest::newRow("name not UTF-8") << decodePath(QByteArray("/home/ana/f\xe9rme.ferlo")) << 2;
    }
    void copyRoundTrip() {
        QFETCH(QString, deckPath);
        QFETCH(int, cards);
        const Deck deck = deckOf(m_base.path(), cards);
        const QDateTime changed = QDateTime::currentDateTimeUtc().addSecs(-90);
        const QString file = state() + QStringLiteral("/deck-1.ferlo");
        writeFile(file, recoveryCopyBytes(deck, deckPath, changed, file));
        const RecoveryCopy copy = readRecoveryCopy(file);
        QCOMPARE(copy.deck, deck);
        QCOMPARE(copy.deckPath, deckPath);
        QCOMPARE(copy.changed, changed);
        // It is a deck file as any other: the deck reader takes it.
        QCOMPARE(readDeck(file), deck);
    }

    // Who may take a copy: one whose owner ended or that has no owner, never a running owner's.
    void claimsOnlyCopiesOfEndedOwners_data() {
        QTest::addColumn<QString>("owner");
        QTest::addColumn<bool>("claimed");
        QTest::newRow("owner killed") << "dead" << true;
        QTest::newRow("no lock file") << "none" << true;
        QTest::newRow("owner runs (this process)") << "alive" << false;
    }
    void claimsOnlyCopiesOfEndedOwners() {
        QFETCH(QString, owner);
        QFETCH(bool, claimed);
        const Deck deck = deckOf(m_base.path(), 2);
        const QString file = state() + QStringLiteral("/deck-7.ferlo");
        writeFile(file, recoveryCopyBytes(deck, QString(), QDateTime::currentDateTimeUtc(), file));
        QLockFile running(file + QStringLiteral(".lock"));
        if (owner == QLatin1String("dead"))
            writeLock(file, deadPid());
        else if (owner == QLatin1String("alive"))
            QVERIFY(running.tryLock(0));

        FoundCopies found = claimRecoveryCopies(state());
        QVERIFY(found.setAside.empty());
        QCOMPARE(found.copies.size(), size_t(claimed ? 1 : 0));
        if (!claimed) {
            QVERIFY(QFile::exists(file));
            return;
        }
        QCOMPARE(found.copies[0].deck, deck);
        // Claimed, it is this process's: a second start would not see it while this one runs.
        QVERIFY(claimRecoveryCopies(state()).copies.empty());
        QVERIFY(removeRecoveryCopy(found.copies[0]).isEmpty());
        QCOMPARE(entries(), QStringList());
    }

    // What is no copy of ours is renamed aside, named with its cause, never deleted.
    void setsAsideWhatItCannotRead_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("cause");
        QTest::newRow("not JSON") << QByteArray("{\"format\": \"ferlo-deck\", \"ver")
                                  << "line 1, column";
        QTest::newRow("empty") << QByteArray() << "the file is empty";
        QTest::newRow("a deck, but no copy")
            << QByteArray("{\"format\":\"ferlo-deck\",\"version\":1,\"cards\":[]}")
            << "no recovery copy";
        QTest::newRow("deck file not absolute")
            << QByteArray("{\"format\":\"ferlo-deck\",\"version\":1,\"cards\":[],\"recovery\":"
                          "{\"deckFile\":\"farm.ferlo\",\"changed\":\"2026-01-01T00:00:00Z\"}}")
            << "recovery.deckFile";
        QTest::newRow("no time")
            << QByteArray("{\"format\":\"ferlo-deck\",\"version\":1,\"cards\":[],\"recovery\":{}}")
            << "recovery.changed";
        QTest::newRow("newer format")
            << QByteArray("{\"format\":\"ferlo-deck\",\"version\":99,\"cards\":[],\"recovery\":"
                          "{\"changed\":\"2026-01-01T00:00:00Z\"}}")
            << "version 99";
    }
    void setsAsideWhatItCannotRead() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, cause);
        const QString file = state() + QStringLiteral("/deck-3.ferlo");
        writeFile(file, bytes);
        // An earlier copy of the same name was set aside already: neither is lost.
        writeFile(file + QStringLiteral(".unreadable"), "earlier");
        const FoundCopies found = claimRecoveryCopies(state());
        QVERIFY(found.copies.empty());
        QCOMPARE(found.setAside.size(), size_t(1));
        QCOMPARE(found.setAside[0].movedTo, file + QStringLiteral(".unreadable-2"));
        QVERIFY2(found.setAside[0].cause.contains(cause), qPrintable(found.setAside[0].cause));
        const QString message = setAsideMessage(found.setAside);
        QVERIFY(message.contains(file));
        QVERIFY(message.contains(found.setAside[0].movedTo));
        QFile moved(found.setAside[0].movedTo);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), bytes);
        QCOMPARE(entries(), QStringList({QStringLiteral("deck-3.ferlo.unreadable"),
                                         QStringLiteral("deck-3.ferlo.unreadable-2")}));
    }

    // The writer: a copy while the deck has unsaved changes, none once it has none.
    void writerFollowsTheDeck_data() {
        QTest::addColumn<QString>("end");
        QTest::newRow("saved") << "saved";
        QTest::newRow("dropped (closed or discarded)") << "drop";
        QTest::newRow("writer ends with the window") << "destroyed";
    }
    void writerFollowsTheDeck() {
        QFETCH(QString, end);
        std::optional<RecoveryWriter::Snapshot> shown =
            RecoveryWriter::Snapshot{deckOf(m_base.path(), 2), QStringLiteral("/decks/farm.ferlo")};
        auto writer =
            std::make_unique<RecoveryWriter>([&] { return shown; }, [](const QString&) {}, state());
        writer->changed();
        QTRY_VERIFY(!writer->file().isEmpty() && QFile::exists(writer->file()));
        writer->wait();
        const QString file = writer->file();
        QCOMPARE(readRecoveryCopy(file).deck, shown->deck);
        QCOMPARE(readRecoveryCopy(file).deckPath, shown->deckPath);
        QVERIFY(QFile::exists(file + QStringLiteral(".lock")));
        QCOMPARE(QFile::permissions(file) & (QFile::ReadOther | QFile::ReadGroup),
                 QFileDevice::Permissions());
        // A running owner's copy is not another start's to take.
        QVERIFY(claimRecoveryCopies(state()).copies.empty());

        // A later change reaches the copy too.
        shown->deck.cards.pop_back();
        writer->changed();
        QTRY_COMPARE(readRecoveryCopy(file).deck.cards.size(), size_t(1));

        if (end == QLatin1String("saved")) {
            shown.reset();
            writer->changed(false);
        } else if (end == QLatin1String("drop")) {
            writer->drop();
        } else {
            writer.reset();
        }
        if (writer)
            writer->wait();
        QTRY_COMPARE(entries(), QStringList());
    }

    // Changes that go on are written at most once an interval, the last of them within one.
    void writesAtMostOnceAnInterval() {
        QList<qint64> taken;
        QElapsedTimer clock;
        clock.start();
        int version = 0;
        RecoveryWriter writer(
            [&]() -> std::optional<RecoveryWriter::Snapshot> {
                taken << clock.elapsed();
                Deck deck = deckOf(m_base.path(), 1);
                deck.cards[0].layout.setCells(version % 2 ? 4 : 8);
                return RecoveryWriter::Snapshot{deck, QString()};
            },
            [](const QString&) {}, state());
        // A change every few milliseconds for a little over two intervals.
        const qint64 changing = 2 * RecoveryWriter::kIntervalMs + 500;
        while (clock.elapsed() < changing) {
            ++version;
            writer.changed();
            QTest::qWait(5);
        }
        const qint64 lastChange = clock.elapsed();
        QTRY_VERIFY(!taken.isEmpty() && taken.last() >= lastChange);
        QVERIFY2(taken.last() - lastChange <= RecoveryWriter::kIntervalMs + 100,
                 qPrintable(QString::number(taken.last() - lastChange)));
        for (qsizetype i = 1; i < taken.size(); ++i)
            QVERIFY2(taken[i] - taken[i - 1] >= RecoveryWriter::kIntervalMs - 20,
                     qPrintable(QStringLiteral("%1 then %2").arg(taken[i - 1]).arg(taken[i])));
        QVERIFY(taken.size() >= 3 && taken.size() <= 4);
    }

    // A copy restored into the window is the writer's from then on: its name and lock kept.
    void adoptsARestoredCopy() {
        const QString file = state() + QStringLiteral("/deck-9.ferlo");
        writeFile(file, recoveryCopyBytes(deckOf(m_base.path(), 3), QString(),
                                          QDateTime::currentDateTimeUtc(), file));
        writeLock(file, deadPid());
        FoundCopies found = claimRecoveryCopies(state());
        QCOMPARE(found.copies.size(), size_t(1));
        std::optional<RecoveryWriter::Snapshot> shown =
            RecoveryWriter::Snapshot{deckOf(m_base.path(), 1), QString()};
        RecoveryWriter writer([&] { return shown; }, [](const QString&) {}, state());
        writer.adopt(std::move(found.copies[0]));
        QCOMPARE(writer.file(), file);
        writer.changed();
        QTRY_COMPARE(readRecoveryCopy(file).deck.cards.size(), size_t(1));
        writer.wait();
        QCOMPARE(entries(), QStringList({QStringLiteral("deck-9.ferlo"),
                                         QStringLiteral("deck-9.ferlo.lock")}));
        writer.drop();
        writer.wait();
        QCOMPARE(entries(), QStringList());
    }

    // A state folder that cannot be written: told once however many changes follow, the files
    // around it untouched, and writing taken up again when it can be.
    void unwritableFolderIsToldOnce_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a file in the folder's place") << "file";
        QTest::newRow("read-only file system") << "readonly";
        QTest::newRow("full file system") << "full";
    }
    void unwritableFolderIsToldOnce() {
        QFETCH(QString, kind);
        QString folder = state() + QStringLiteral("/recovery");
        const QString mount = state() + QStringLiteral("/mount");
        if (kind == QLatin1String("file")) {
            writeFile(folder, "not a folder");
        } else {
            FERLO_REQUIRE_SERVICE(
                ::geteuid() == 0,
                QStringLiteral("a small file system can only be mounted as root"));
            folder = unwritableMount(mount, kind);
            QVERIFY(!folder.isEmpty());
        }
        QStringList failures;
        int taken = 0;
        const std::optional<RecoveryWriter::Snapshot> shown =
            RecoveryWriter::Snapshot{deckOf(m_base.path(), 40), QString()};
        RecoveryWriter writer(
            [&] {
                ++taken;
                return shown;
            },
            [&](const QString& message) { failures << message; }, folder);
        for (int i = 1; i <= 3; ++i) {
            writer.changed();
            QTRY_COMPARE_WITH_TIMEOUT(taken, i, 2 * RecoveryWriter::kIntervalMs);
            writer.wait();
            QTRY_COMPARE(failures.size(), 1);
        }
        QCoreApplication::processEvents();
        QCOMPARE(failures.size(), 1);
        QVERIFY2(failures[0].contains(QDir::cleanPath(folder)), qPrintable(failures[0]));
        if (kind == QLatin1String("file"))
            return;
        QFile own(mount + QStringLiteral("/own.ferlo"));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("the user's own file"));
        if (kind == QLatin1String("full")) {
            QVERIFY2(failures[0].contains(QStringLiteral("No space left")),
                     qPrintable(failures[0]));
            // With room again the copy is written.
            QVERIFY(QFile::remove(mount + QStringLiteral("/filler")));
            writer.changed();
            QTRY_VERIFY(!writer.file().isEmpty() && QFile::exists(writer.file()));
            writer.drop();
            writer.wait();
        } else {
            QVERIFY2(failures[0].contains(QStringLiteral("Read-only")), qPrintable(failures[0]));
        }
    }

    // A restored deck belongs to its file and counts as unsaved until saved.
    void restoredDeckIsModified() {
        DeckSession session;
        session.recovered(deckOf(m_base.path(), 2), "/decks/farm.ferlo");
        QVERIFY(session.modified());
        QCOMPARE(session.path(), std::string("/decks/farm.ferlo"));
        session.saved(session.path());
        QVERIFY(!session.modified());
        // One empty card, as a new deck has, is unsaved work all the same once restored.
        session.recovered(Deck{}, std::string());
        QVERIFY(session.modified());
    }
};

QTEST_GUILESS_MAIN(TestRecovery)
#include "tst_recovery.moc"
