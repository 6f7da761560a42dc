// The settings folder on a full file system: saving the print option says so, naming the file
// and the cause, and the stored value is neither lost nor half written.

#include "storage/Errors.h"
#include "storage/PrintOption.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace ferlo;

class TestFullFileSystem : public QObject {
    Q_OBJECT

    QTemporaryDir m_base;
    QString m_mount;
    bool m_mounted = false;

    QString hive() const { return m_mount + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"); }

private slots:
    void initTestCase() {
        m_mount = m_base.filePath(QStringLiteral("settings"));
        QDir().mkpath(m_mount);
        FERLO_REQUIRE_SERVICE(
            ::geteuid() == 0 && QProcess::execute(QStringLiteral("mount"),
                                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                   QStringLiteral("-o"), QStringLiteral("size=64k"),
                                                   QStringLiteral("tmpfs"), m_mount}) == 0,
            QStringLiteral("a small file system can only be mounted as root"));
        m_mounted = true;
        qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(m_mount));
    }
    void cleanupTestCase() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_mount});
    }

    void savingOnAFullFileSystemReportsAndKeepsTheValue() {
        save_PrintAsDIB(false);
        QCOMPARE(get_PrintAsDIB(), false);
        QFile stored(hive());
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray before = stored.readAll();
        stored.close();

        // Fill the file system to the last byte.
        QFile filler(m_mount + QStringLiteral("/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
        while (filler.write(block.left(1)) == 1 && filler.flush()) {
        }
        filler.close();

        try {
            save_PrintAsDIB(true);
            QFAIL("saving on a full file system was reported as done");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(hive()), qPrintable(error.message()));
            QVERIFY2(error.message().contains(QStringLiteral("space"), Qt::CaseInsensitive),
                     qPrintable(error.message()));
        }
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), before);
        stored.close();
        QCOMPARE(get_PrintAsDIB(), false);

        // With room again, saving works.
        QVERIFY(QFile::remove(m_mount + QStringLiteral("/filler")));
        save_PrintAsDIB(true);
        QCOMPARE(get_PrintAsDIB(), true);
        QCOMPARE(QDir(m_mount).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_MAIN(TestFullFileSystem)
#include "tst_fullfilesystem.moc"
