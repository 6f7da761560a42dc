#include "storage/Registry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace ferlo;

namespace {

const QByteArray header = "Windows Registry Editor Version 5.00\n\n";

// Whether a thread of this process is asleep in a timed wait (nanosleep), as its own /proc entry
// tells.
bool sleeping(pid_t thread) {
    QFile call(QStringLiteral("/proc/self/task/%1/syscall").arg(thread));
    if (!call.open(QIODevice::ReadOnly))
        return false;
    const long number = call.readAll().split(' ').value(0).trimmed().toLong();
    return number == SYS_nanosleep || number == SYS_clock_nanosleep;
}

QString hivePath() {
    return registryHivePath(HKEY_LOCAL_MACHINE);
}

// Hive text as the store parses it; false with the cause in *error.
bool parseHive(const QByteArray& text, RegistryHive& hive, QString* error) {
    return hive.parse(text, HKEY_LOCAL_MACHINE, error);
}

// The hive as a test sees it: parsed, or a failure naming the cause.
RegistryHive parsedHive() {
    RegistryHive hive;
    QString error;
    if (!parseHive(test::readFile(hivePath()), hive, &error))
        qWarning("hive does not parse: %s", qPrintable(error));
    return hive;
}

int dwordIn(const RegistryHive& hive, const QString& key, const QString& name) {
    const std::optional<RegistryValue> value = hive.value(key, name);
    if (!value || value->type != REG_DWORD || value->data.size() != 4)
        return -1;
    return int(quint8(value->data[0]) | quint8(value->data[1]) << 8 | quint8(value->data[2]) << 16 |
               quint32(quint8(value->data[3])) << 24);
}

} // namespace

class TestRegistry : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hiveLocation();
    void parseAcceptsExports_data();
    void parseAcceptsExports();
    void parseRejects_data();
    void parseRejects();
    void roundTripKeepsEveryValue();

    void openWithoutCreateChangesNothing();
    void openWithCreateWritesKeyAndParents();
    void relativeAndInvalidKeyNames();

    void readInteger_data();
    void readInteger();
    void writesReplaceAndKeepOthers();

    void unparsableHiveIsNeverWritten();
    void hiveThatCannotBeKeptIsNeverWritten();
    void folderThatIsAFile();
    void hiveThatIsAFolder();
    void hiveThatIsAPipeOrADevice();
    void abandonedLockIsTakenOver_data();
    void abandonedLockIsTakenOver();
    void emptyLockHeldByLivingCopyIsKept();
    void leftoverTemporaryFilesAreCleared();
    void twoProcessesKeepEachOthersValues();
    void killedWriterLeavesOldOrNewHive();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestRegistry::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(m_dir->path() + QStringLiteral("/store")));
}

void TestRegistry::cleanup() {
    m_dir.reset();
}

void TestRegistry::hiveLocation() {
    const QByteArray saved = qgetenv("FERLO_REGISTRY_DIR");
    QCOMPARE(hivePath(), m_dir->path() + QStringLiteral("/store/HKEY_LOCAL_MACHINE.reg"));

    qunsetenv("FERLO_REGISTRY_DIR");
    qputenv("XDG_CONFIG_HOME", "/cfg/home");
    QCOMPARE(hivePath(), QStringLiteral("/cfg/home/ferlo/HKEY_LOCAL_MACHINE.reg"));
    // A relative XDG_CONFIG_HOME is ignored, as the base directory rules say.
    qputenv("XDG_CONFIG_HOME", "relative");
    QCOMPARE(hivePath(),
             QDir::homePath() + QStringLiteral("/.config/ferlo/HKEY_LOCAL_MACHINE.reg"));
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(hivePath(),
             QDir::homePath() + QStringLiteral("/.config/ferlo/HKEY_LOCAL_MACHINE.reg"));
    qputenv("FERLO_REGISTRY_DIR", saved);
}

void TestRegistry::parseAcceptsExports_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("data");

    QTest::newRow("dword")
        << header + "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n\"PrintAsDIB\"=dword:00000001\n"
        << "Software\\Ferlo"
        << "PrintAsDIB" << uint(REG_DWORD) << QByteArray("\x01\0\0\0", 4);
    QTest::newRow("crlf, comments, case of root and names")
        << QByteArray("Windows Registry Editor Version 5.00\r\n\r\n; made by hand\r\n"
                      "[hkey_local_machine\\SOFTWARE\\ferlo]\r\n\"PrintAsDib\"=dword:DEADBEEF\r\n")
        << "Software\\Ferlo"
        << "printasdib" << uint(REG_DWORD) << QByteArray("\xef\xbe\xad\xde", 4);
    QTest::newRow("utf-8 bom, escaped string")
        << QByteArray("\xef\xbb\xbf") + header +
               "[HKEY_LOCAL_MACHINE\\Software]\n\"Path\"=\"C:\\\\pics \\\"big\\\"\"\n"
        << "Software"
        << "Path" << uint(REG_SZ) << QByteArray("C:\\pics \"big\"\0", 14);
    QTest::newRow("default value, root section") << header + "[HKEY_LOCAL_MACHINE]\n@=\"x\"\n"
                                                 << ""
                                                 << "" << uint(REG_SZ) << QByteArray("x\0", 2);
    QTest::newRow("hex over continued lines")
        << header + "[HKEY_LOCAL_MACHINE\\A]\n\"Bin\"=hex:01,02,\\\n  03,  ff\n"
        << "A"
        << "Bin" << uint(REG_BINARY) << QByteArray("\x01\x02\x03\xff", 4);
    QTest::newRow("typed hex") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"Multi\"=hex(7):61,00,00\n"
                               << "A"
                               << "Multi" << uint(REG_MULTI_SZ) << QByteArray("a\0\0", 3);
    QTest::newRow("empty hex") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"None\"=hex(0):\n"
                               << "A"
                               << "None" << uint(REG_NONE) << QByteArray();

    // What the system's own registry editor writes: UTF-16, little end first, with a mark.
    const QString exported = QStringLiteral("Windows Registry Editor Version 5.00\r\n\r\n"
                                            "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\r\n"
                                            "\"Wörter\"=\"Ähre\"\r\n");
    QByteArray utf16("\xff\xfe");
    for (QChar c : exported) {
        utf16.append(char(c.unicode() & 0xff));
        utf16.append(char(c.unicode() >> 8));
    }
    QTest::newRow("utf-16 export") << utf16 << "Software\\Ferlo" << QStringLiteral("Wörter")
                                   << uint(REG_SZ) << QStringLiteral("Ähre").toUtf8().append('\0');
}

void TestRegistry::parseAcceptsExports() {
    QFETCH(QByteArray, text);
    QFETCH(QString, key);
    QFETCH(QString, name);
    QFETCH(uint, type);
    QFETCH(QByteArray, data);
    RegistryHive hive;
    QString error;
    QVERIFY2(parseHive(text, hive, &error), qPrintable(error));
    const std::optional<RegistryValue> value = hive.value(key, name);
    QVERIFY(value);
    QCOMPARE(value->type, type);
    QCOMPARE(value->data, data);
}

void TestRegistry::parseRejects_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("cause");

    QTest::newRow("no header") << QByteArray("[HKEY_LOCAL_MACHINE\\A]\n") << "line 1: ";
    QTest::newRow("old header") << QByteArray("REGEDIT4\n") << "line 1: ";
    QTest::newRow("value before key") << header + "\"A\"=dword:1\n"
                                      << "line 3: ";
    QTest::newRow("other root") << header + "[HKEY_CURRENT_USER\\A]\n"
                                << "does not belong";
    QTest::newRow("root prefix only") << header + "[HKEY_LOCAL_MACHINEX]\n"
                                      << "does not belong";
    QTest::newRow("empty key part") << header + "[HKEY_LOCAL_MACHINE\\A\\\\B]\n"
                                    << "valid key";
    QTest::newRow("no bracket") << header + "[HKEY_LOCAL_MACHINE\\A\n"
                                << "closing bracket";
    QTest::newRow("key removal") << header + "[-HKEY_LOCAL_MACHINE\\A]\n"
                                 << "removing keys";
    QTest::newRow("value removal") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=-\n"
                                   << "removing";
    QTest::newRow("dword too long") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=dword:100000000\n"
                                    << "not a dword";
    QTest::newRow("dword not hex") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=dword:xyz\n"
                                   << "not a dword";
    QTest::newRow("open quote") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=\"abc\n"
                                << "no closing quote";
    QTest::newRow("bad escape") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=\"C:\\pics\"\n"
                                << "backslash";
    QTest::newRow("text after string") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=\"a\" b\n"
                                       << "after the closing quote";
    QTest::newRow("bad hex byte") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=hex:1,234\n"
                                  << "hexadecimal byte";
    QTest::newRow("hex continued past end") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\"=hex:01,\\\n"
                                            << "line 5: \"\" is not a hexadecimal byte";
    QTest::newRow("garbage line") << header + "[HKEY_LOCAL_MACHINE\\A]\nPrintAsDIB=1\n"
                                  << "line 4: the line is not";
    QTest::newRow("no equals") << header + "[HKEY_LOCAL_MACHINE\\A]\n\"B\" dword:1\n"
                               << "\"=\"";
    QTest::newRow("broken utf-8") << header + "[HKEY_LOCAL_MACHINE\\\xc3\x28]\n"
                                  << "UTF-8";
    QTest::newRow("binary junk") << QByteArray("\x7f"
                                               "ELF\x02\x01\x01",
                                               7)
                                 << "line 1";
}

void TestRegistry::parseRejects() {
    QFETCH(QByteArray, text);
    QFETCH(QString, cause);
    RegistryHive hive;
    QString error;
    QVERIFY(!parseHive(text, hive, &error));
    QVERIFY2(error.contains(cause), qPrintable(error));
    QVERIFY(hive.values().isEmpty());
}

void TestRegistry::roundTripKeepsEveryValue() {
    // A hive as the store has always written it: strings that cannot stand between quotes
    // (line break, no terminating zero) as hex(1), a short dword as hex(4), long data over lines.
    const QByteArray text =
        header +
        "[HKEY_LOCAL_MACHINE\\Software]\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n"
        "\"PrintAsDIB\"=dword:00000001\n\n"
        "[HKEY_LOCAL_MACHINE\\Software\\Other]\n"
        "\"Say \\\"hi\\\"\\\\\"=hex(1):74,77,6f,0a,6c,69,6e,65,73,00\n"
        "@=\"\"\n"
        "\"Big\"=hex:" +
        QByteArray("ab,").repeated(23) + "ab,\\\n  " + QByteArray("ab,").repeated(23) +
        "ab,\\\n  " + QByteArray("ab,").repeated(23) + "ab,\\\n  " + QByteArray("ab,").repeated(3) +
        "ab\n"
        "\"NoZero\"=hex(1):61,62,63\n"
        "\"Short dword\"=hex(4):07\n"
        "\"Expand\"=hex(2):25,48,4f,4d,45,25,00\n"
        "\"Ähre\"=\"C:\\\\pics \\\"big\\\" 猫\"\n\n";
    RegistryHive hive;
    QString error;
    QVERIFY2(parseHive(text, hive, &error), qPrintable(error));
    QCOMPARE(hive.value(QStringLiteral("Software\\Other"), QStringLiteral("Say \"hi\"\\"))->data,
             QByteArray("two\nlines\0", 10));
    QCOMPARE(hive.values().size(), 8);

    // Names that look like paths or sections stay names of their own.
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    test::writeFile(hivePath(), text);
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    const QStringList names = {QStringLiteral("a/b"),
                               QStringLiteral("a\\b"),
                               QStringLiteral("a%2Fb"),
                               QStringLiteral("/"),
                               QString(),
                               QStringLiteral("[HKEY_LOCAL_MACHINE\\Evil]")};
    for (int i = 0; i < names.size(); ++i)
        registry.WriteInteger(names[i], i + 10);
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(registry.ReadInteger(names[i]), i + 10);
    const qsizetype other = text.indexOf("[HKEY_LOCAL_MACHINE\\Software\\Other]");
    QVERIFY(test::readFile(hivePath()).endsWith(text.mid(other)));
    // A value name cannot hold a line break: it would break the file.
    QVERIFY_THROWS_EXCEPTION(
        ERegistryException, registry.WriteInteger(QStringLiteral("a\n[HKEY_LOCAL_MACHINE\\X]"), 1));
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Evil"), false));
    // Written back with no value changed, the hive stays byte for byte.
    const QByteArray before = test::readFile(hivePath());
    registry.WriteInteger(QStringLiteral("PrintAsDIB"), 1);
    QCOMPARE(test::readFile(hivePath()), before);
}

void TestRegistry::openWithoutCreateChangesNothing() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), false));
    QVERIFY(registry.LastError().startsWith(hivePath()));
    QVERIFY(!QFileInfo::exists(m_dir->path() + QStringLiteral("/store")));
    QVERIFY(!registry.ValueExists(QStringLiteral("PrintAsDIB")));
    // The root always opens.
    QVERIFY(registry.OpenKey(QStringLiteral("\\"), false));
    QVERIFY(!QFileInfo::exists(hivePath()));
}

void TestRegistry::openWithCreateWritesKeyAndParents() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QCOMPARE(test::readFile(hivePath()), header + "[HKEY_LOCAL_MACHINE\\Software]\n\n"
                                                  "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n\n");
    // Opening an existing key again writes nothing.
    const QDateTime written = QFileInfo(hivePath()).lastModified();
    QVERIFY(registry.OpenKey(QStringLiteral("\\SOFTWARE\\ferlo"), true));
    QCOMPARE(QFileInfo(hivePath()).lastModified(), written);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software"), false));
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Soft"), false));
    QCOMPARE(QFileInfo(hivePath()).permissions() & 0x0666, QFileDevice::Permissions(0x0644));
    // No lock file stays behind.
    QCOMPARE(QDir(m_dir->path() + QStringLiteral("/store")).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("HKEY_LOCAL_MACHINE.reg")});
}

void TestRegistry::relativeAndInvalidKeyNames() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software"), true));
    QVERIFY(registry.OpenKey(QStringLiteral("Ferlo\\"), true));
    QVERIFY(registry.OpenKey(QStringLiteral("\\Other"), true));
    QCOMPARE(test::readFile(hivePath()), header + "[HKEY_LOCAL_MACHINE\\Software]\n\n"
                                                  "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n\n"
                                                  "[HKEY_LOCAL_MACHINE\\Other]\n\n");

    const QByteArray before = test::readFile(hivePath());
    for (const QString& bad : {QStringLiteral("\\A\\\\B"), QStringLiteral("\\A\\\\"),
                               QStringLiteral("\\A\nB"), QStringLiteral("\\A]\n[B")}) {
        QVERIFY2(!registry.OpenKey(bad, true), qPrintable(bad));
        QVERIFY(registry.LastError().contains(QStringLiteral("not a valid key name")));
    }
    QCOMPARE(test::readFile(hivePath()), before);
}

void TestRegistry::readInteger_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("error");

    const QString invalid = QStringLiteral("Invalid data type for 'PrintAsDIB'");
    const QString failed = QStringLiteral("Failed to get data for 'PrintAsDIB'");

    QTest::newRow("one") << QByteArray("dword:00000001") << 1 << "";
    QTest::newRow("zero") << QByteArray("dword:0") << 0 << "";
    QTest::newRow("five") << QByteArray("dword:00000005") << 5 << "";
    QTest::newRow("all bits") << QByteArray("dword:ffffffff") << -1 << "";
    QTest::newRow("short dword") << QByteArray("hex(4):07") << 7 << "";
    QTest::newRow("empty string") << QByteArray("\"\"") << 0 << invalid;
    QTest::newRow("three chars") << QByteArray("\"abc\"") << 0 << invalid;
    QTest::newRow("four chars") << QByteArray("\"abcd\"") << 0 << failed;
    QTest::newRow("one char, two bytes") << QByteArray("\"\xc3\xa9\"") << 0 << invalid;
    QTest::newRow("two chars, four bytes") << QByteArray("\"\xc3\xa9\xc3\xa9\"") << 0 << failed;
    QTest::newRow("four-byte binary") << QByteArray("hex:01,00,00,00") << 0 << invalid;
    QTest::newRow("five-byte binary") << QByteArray("hex:01,00,00,00,00") << 0 << failed;
    QTest::newRow("big-endian dword") << QByteArray("hex(5):00,00,00,01") << 0 << invalid;
    QTest::newRow("absent") << QByteArray() << 0 << failed;
}

void TestRegistry::readInteger() {
    QFETCH(QByteArray, data);
    QFETCH(int, expected);
    QFETCH(QString, error);

    QByteArray text = header + "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n";
    if (!data.isEmpty())
        text += "\"PrintAsDIB\"=" + data + "\n";
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    test::writeFile(hivePath(), text);

    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), false));
    const QString name = QStringLiteral("PrintAsDIB");
    QCOMPARE(registry.ValueExists(name), !data.isEmpty());
    try {
        const int value = registry.ReadInteger(name);
        QVERIFY2(error.isEmpty(), "reading should have failed");
        QCOMPARE(value, expected);
    } catch (const ERegistryException& e) {
        QCOMPARE(e.message(), error);
    }
    // Reading never writes.
    QCOMPARE(test::readFile(hivePath()), text);
}

void TestRegistry::writesReplaceAndKeepOthers() {
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    test::writeFile(hivePath(), header + "[HKEY_LOCAL_MACHINE\\Software\\Else]\n"
                                         "\"Keep\"=hex(7):61,00,62,00,00,00\n\n"
                                         "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n"
                                         "\"PrintAsDIB\"=\"abcd\"\n");
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    registry.WriteInteger(QStringLiteral("printasdib"), 0);
    QCOMPARE(registry.ReadInteger(QStringLiteral("PrintAsDIB")), 0);

    // The value keeps its first spelling; the other key is untouched, bytes and type.
    QCOMPARE(test::readFile(hivePath()), header + "[HKEY_LOCAL_MACHINE\\Software]\n\n"
                                                  "[HKEY_LOCAL_MACHINE\\Software\\Else]\n"
                                                  "\"Keep\"=hex(7):61,00,62,00,00,00\n\n"
                                                  "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n"
                                                  "\"PrintAsDIB\"=dword:00000000\n");
    // A value of a key that another copy removed meanwhile brings the key back.
    test::writeFile(hivePath(), header);
    registry.WriteInteger(QStringLiteral("PrintAsDIB"), 1);
    QCOMPARE(registry.ReadInteger(QStringLiteral("PrintAsDIB")), 1);

    TRegistry closed;
    closed.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY_THROWS_EXCEPTION(ERegistryException, closed.WriteInteger(QStringLiteral("X"), 1));
}

void TestRegistry::unparsableHiveIsNeverWritten() {
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    const QByteArray broken =
        header + "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n\"PrintAsDIB\"=dword:1\ngarbage\n";
    test::writeFile(hivePath(), broken);

    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QCOMPARE(registry.LastError(),
             hivePath() + QStringLiteral(": the file is not a valid settings "
                                         "file (line 5: the line is not a key, "
                                         "a value or a comment)"));
    QVERIFY(!registry.OpenKey(QStringLiteral("\\New"), true));
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software"), false));

    // Opened while the hive was sound; broken before the write.
    test::writeFile(hivePath(), header);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    test::writeFile(hivePath(), broken);
    try {
        registry.WriteInteger(QStringLiteral("PrintAsDIB"), 0);
        QFAIL("the write should have failed");
    } catch (const ERegistryException& e) {
        QCOMPARE(e.message(), QStringLiteral("Failed to set data for 'PrintAsDIB'"));
        QVERIFY(e.reason().startsWith(hivePath() + QStringLiteral(": the file is not a valid")));
    }
    QVERIFY(!registry.ValueExists(QStringLiteral("PrintAsDIB")));
    QVERIFY_THROWS_EXCEPTION(ERegistryException,
                             registry.ReadInteger(QStringLiteral("PrintAsDIB")));
    QCOMPARE(test::readFile(hivePath()), broken);
}

void TestRegistry::hiveThatCannotBeKeptIsNeverWritten() {
    // A UTF-16 hive whose value name holds a lone surrogate, which UTF-8 cannot hold: the
    // sections and the value are added in UTF-16 with the file's line ends, the rest stays.
    const QByteArray kept = test::readFile(QStringLiteral(
        FERLO_TEST_DATA_DIR "/regressions/hive/save-changes-a-name-with-a-lone-surrogate"));
    QVERIFY(!kept.isEmpty());
    const auto utf16 = [](const QString& text) {
        return QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    };
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    test::writeFile(hivePath(), kept);
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY2(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true),
             qPrintable(registry.LastError()));
    registry.WriteInteger(QStringLiteral("PrintAsDIB"), 1);
    const qsizetype below = kept.indexOf(utf16(QStringLiteral("[HKEY_LOCAL_MACHINE\\Software\\")));
    QVERIFY(below > 0);
    QCOMPARE(test::readFile(hivePath()),
             kept.left(below) + utf16(QStringLiteral("[HKEY_LOCAL_MACHINE\\Software]\r\n\r\n")) +
                 kept.mid(below) +
                 utf16(QStringLiteral("\r\n[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\r\n"
                                      "\"PrintAsDIB\"=dword:00000001\r\n\r\n")));

    // A name the file's encoding cannot hold is not written at all.
    const QByteArray utf8 = header + "[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n";
    test::writeFile(hivePath(), utf8);
    try {
        registry.WriteInteger(QStringLiteral("Print") + QChar(0xdc00), 0);
        QFAIL("the write should have failed");
    } catch (const ERegistryException& e) {
        QCOMPARE(e.reason(), hivePath() + QStringLiteral(": the settings file holds a name or a "
                                                         "value that cannot be written back "
                                                         "unchanged"));
    }
    QCOMPARE(test::readFile(hivePath()), utf8);
}

void TestRegistry::folderThatIsAFile() {
    // Works for root too, whom file permissions do not stop.
    const QString blocker = m_dir->path() + QStringLiteral("/blocker");
    test::writeFile(blocker, "not a folder");
    qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(blocker));
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QCOMPARE(registry.LastError(),
             blocker + QStringLiteral("/HKEY_LOCAL_MACHINE.reg: Not a directory"));

    qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(blocker + QStringLiteral("/below")));
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QCOMPARE(registry.LastError(),
             blocker + QStringLiteral("/below/HKEY_LOCAL_MACHINE.reg: Not a directory"));
    QCOMPARE(test::readFile(blocker), QByteArray("not a folder"));
}

void TestRegistry::hiveThatIsAFolder() {
    QDir().mkpath(hivePath());
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QVERIFY2(registry.LastError().startsWith(hivePath() + QStringLiteral(": ")),
             qPrintable(registry.LastError()));
    QVERIFY(registry.OpenKey(QStringLiteral("\\"), true) == false);
    QVERIFY(QFileInfo(hivePath()).isDir());
}

void TestRegistry::hiveThatIsAPipeOrADevice() {
    // Neither blocks the reader nor fills its memory.
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    QVERIFY(QProcess::execute(QStringLiteral("mkfifo"), {hivePath()}) == 0);
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QCOMPARE(registry.LastError(),
             hivePath() + QStringLiteral(": the settings file is not a regular file"));
    QFile::remove(hivePath());
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), hivePath()));
    QVERIFY(!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QVERIFY(!registry.ValueExists(QStringLiteral("PrintAsDIB")));
    QCOMPARE(QFileInfo(hivePath()).symLinkTarget(), QStringLiteral("/dev/zero"));
}

void TestRegistry::abandonedLockIsTakenOver_data() {
    QTest::addColumn<QByteArray>("content");
    // A lock left by a copy that was killed: its process is gone.
    QProcess gone;
    gone.start(QStringLiteral("true"));
    QVERIFY(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    QTest::newRow("process gone") << QByteArray::number(deadPid) + "\nregistry_writer\n" +
                                         QSysInfo::machineHostName().toUtf8() + "\n";
    // A copy killed between making its lock file and writing into it leaves it empty.
    QTest::newRow("left empty") << QByteArray();
}

void TestRegistry::abandonedLockIsTakenOver() {
    QFETCH(QByteArray, content);
    const QString lockPath = hivePath() + QStringLiteral(".lock");
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    test::writeFile(lockPath, content);
    QFile lockFile(lockPath);
    QVERIFY(lockFile.open(QIODevice::ReadWrite));
    QVERIFY(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-2),
                                 QFileDevice::FileModificationTime));
    lockFile.close();
    QElapsedTimer timer;
    timer.start();
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY2(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true),
             qPrintable(registry.LastError()));
    QVERIFY2(timer.elapsed() < 5000, "a lock nobody holds should not be waited for");
    QVERIFY(!QFileInfo::exists(lockPath));
}

void TestRegistry::emptyLockHeldByLivingCopyIsKept() {
    // The lock file another copy has just made and locked, before it has written into it.
    const QString lockPath = hivePath() + QStringLiteral(".lock");
    QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
    test::writeFile(lockPath, QByteArray());
    const int held = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CLOEXEC);
    QVERIFY(held >= 0);
    QCOMPARE(::flock(held, LOCK_EX | LOCK_NB), 0);
    const timespec past[2] = {{time(nullptr) - 2, 0}, {time(nullptr) - 2, 0}};
    QCOMPARE(::futimens(held, past), 0);

    std::atomic<bool> done{false};
    std::atomic<pid_t> writerThread{0};
    bool opened = false;
    std::thread writer([&] {
        writerThread = pid_t(::syscall(SYS_gettid));
        TRegistry registry;
        registry.setRootKey(HKEY_LOCAL_MACHINE);
        opened = registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true);
        done = true;
    });
    // The writer has found the lock held when it sleeps before its next try; a writer that took
    // the lock over would finish at once instead.
    const bool waited =
        QTest::qWaitFor([&] { return done || (writerThread && sleeping(writerThread)); }, 20000) &&
        !done;
    struct stat now {};
    const bool kept = ::stat(QFile::encodeName(lockPath).constData(), &now) == 0;
    // The other copy finishes its write and lets go.
    ::unlink(QFile::encodeName(lockPath).constData());
    ::close(held);
    writer.join();
    QVERIFY2(waited, "a held lock must be waited for");
    QVERIFY2(kept, "a held lock must not be removed");
    QVERIFY(opened);
}

void TestRegistry::leftoverTemporaryFilesAreCleared() {
    const QString store = m_dir->path() + QStringLiteral("/store");
    QDir().mkpath(store);
    // What a copy killed in the middle of a write leaves, and files that are not such leftovers.
    test::writeFile(store + QStringLiteral("/HKEY_LOCAL_MACHINE.reg.x7TQa2"), header + "[HKEY_LOC");
    test::writeFile(store + QStringLiteral("/HKEY_LOCAL_MACHINE.reg.bak"), header);
    test::writeFile(store + QStringLiteral("/HKEY_LOCAL_MACHINE.reg.old.x7TQa2"), header);
    test::writeFile(store + QStringLiteral("/notes.txt"), "mine");
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), true));
    QCOMPARE(QDir(store).entryList(QDir::Files | QDir::Hidden),
             (QStringList{QStringLiteral("HKEY_LOCAL_MACHINE.reg"),
                          QStringLiteral("HKEY_LOCAL_MACHINE.reg.bak"),
                          QStringLiteral("HKEY_LOCAL_MACHINE.reg.old.x7TQa2"),
                          QStringLiteral("notes.txt")}));
}

void TestRegistry::twoProcessesKeepEachOthersValues() {
    const int count = 500;
    QProcess a, b;
    QElapsedTimer timer;
    timer.start();
    a.start(QStringLiteral(FERLO_REGISTRY_WRITER), {QStringLiteral("A"), QString::number(count)});
    b.start(QStringLiteral(FERLO_REGISTRY_WRITER), {QStringLiteral("B"), QString::number(count)});
    QVERIFY(a.waitForStarted() && b.waitForStarted());
    // Meanwhile this process writes too.
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    for (int i = 1; i <= 50; ++i) {
        QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo\\Main"), true));
        registry.WriteInteger(QStringLiteral("Counter"), i);
    }
    QVERIFY(a.waitForFinished(120000) && b.waitForFinished(120000));
    QVERIFY2(a.exitCode() == 0, a.readAllStandardError().constData());
    QVERIFY2(b.exitCode() == 0, b.readAllStandardError().constData());
    qInfo("%d + %d + 50 writes from three processes took %lld ms", count, count, timer.elapsed());

    const RegistryHive hive = parsedHive();
    QCOMPARE(dwordIn(hive, QStringLiteral("Software\\Ferlo\\A"), QStringLiteral("Counter")), count);
    QCOMPARE(dwordIn(hive, QStringLiteral("Software\\Ferlo\\B"), QStringLiteral("Counter")), count);
    QCOMPARE(dwordIn(hive, QStringLiteral("Software\\Ferlo\\Main"), QStringLiteral("Counter")), 50);
    QCOMPARE(QDir(m_dir->path() + QStringLiteral("/store")).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("HKEY_LOCAL_MACHINE.reg")});
}

void TestRegistry::killedWriterLeavesOldOrNewHive() {
    // A hive of some size, so that a write takes long enough to be interrupted in the middle.
    const int seeded = 400;
    {
        QByteArray text = header + "[HKEY_LOCAL_MACHINE\\Software]\n\n"
                                   "[HKEY_LOCAL_MACHINE\\Software\\Seed]\n";
        for (int i = 0; i < seeded; ++i)
            text += QStringLiteral("\"Value %1\"=\"text number %1 of the seed\"\n").arg(i).toUtf8();
        QDir().mkpath(m_dir->path() + QStringLiteral("/store"));
        test::writeFile(hivePath(), text + "\n");
    }

    QRandomGenerator random(20240501);
    int killedMidWrite = 0;
    const int rounds = 30;
    for (int attempt = 0; attempt < rounds; ++attempt) {
        QProcess writer;
        writer.start(QStringLiteral(FERLO_REGISTRY_WRITER),
                     {QStringLiteral("K"), QStringLiteral("0")});
        QVERIFY(writer.waitForStarted());
        // Wait for the first finished write: also proves that the lock of the copy killed in
        // the attempt before did not stop this one.
        // In every other attempt, wait until the second write has begun and kill at once, so that
        // the kill lands inside a write however fast or slow the machine is; in the others, at
        // any moment.
        const QByteArray awaited = attempt % 2 ? "writing 2\n" : "wrote 1\n";
        QByteArray output;
        while (!output.contains(awaited)) {
            QVERIFY2(writer.waitForReadyRead(20000), writer.readAllStandardError().constData());
            output += writer.readAllStandardOutput();
        }
        QThread::usleep(random.bounded(attempt % 2 ? 2000 : 20000));
        writer.kill();
        QVERIFY(writer.waitForFinished());
        output += writer.readAllStandardOutput();

        const QList<QByteArray> lines = output.trimmed().split('\n');
        const QList<QByteArray> last = lines.last().split(' ');
        QCOMPARE(last.size(), 2);
        const int n = last[1].toInt();
        const bool midWrite = last[0] == "writing";
        killedMidWrite += midWrite;

        RegistryHive hive;
        QString error;
        QVERIFY2(parseHive(test::readFile(hivePath()), hive, &error), qPrintable(error));
        const int stored =
            dwordIn(hive, QStringLiteral("Software\\Ferlo\\K"), QStringLiteral("Counter"));
        if (midWrite)
            QVERIFY2(stored == n || stored == n - 1, qPrintable(QString::number(stored)));
        else
            QCOMPARE(stored, n);
        QVERIFY(hive.value(QStringLiteral("Software\\Seed"),
                           QStringLiteral("Value %1").arg(seeded - 1)));
        QCOMPARE(hive.values().size(), seeded + 1);
    }
    qInfo("%d writers killed, %d of them between the start and the end of a write", rounds,
          killedMidWrite);
    // The next write clears what killed copies left behind: their lock and temporary file.
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    QVERIFY(registry.OpenKey(QStringLiteral("\\Software\\Ferlo\\K"), true));
    registry.WriteInteger(QStringLiteral("Counter"), 0);
    const QStringList files =
        QDir(m_dir->path() + QStringLiteral("/store")).entryList(QDir::Files | QDir::Hidden);
    QVERIFY2(files == QStringList{QStringLiteral("HKEY_LOCAL_MACHINE.reg")},
             qPrintable(files.join(QLatin1Char(' '))));
}

QTEST_GUILESS_MAIN(TestRegistry)
#include "tst_registry.moc"
