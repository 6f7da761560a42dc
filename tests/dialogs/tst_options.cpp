#include "dialogs/Options.h"
#include "storage/PrintOption.h"
#include "storage/Registry.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>
#include <unistd.h>

using namespace ferlo;

namespace {

const QByteArray header = "Windows Registry Editor Version 5.00\n\n";
const QByteArray createdKey =
    "[HKEY_LOCAL_MACHINE\\Software]\n\n[HKEY_LOCAL_MACHINE\\Software\\Ferlo]\n";

QByteArray hiveWith(const QByteArray& data) {
    return header + createdKey + "\"PrintAsDIB\"=" + data + "\n\n";
}

// The stored value as another reader sees it, or -1 when there is none.
int storedValue() {
    TRegistry registry;
    registry.setRootKey(HKEY_LOCAL_MACHINE);
    if (!registry.OpenKey(QStringLiteral("\\Software\\Ferlo"), false) ||
        !registry.ValueExists(QStringLiteral("PrintAsDIB")))
        return -1;
    return registry.ReadInteger(QStringLiteral("PrintAsDIB"));
}

// A folder nobody may write to, root included: a small tmpfs mounted read-only when running as
// root (whom file permissions do not stop), else a folder without write permission.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path)
        : m_path(path) {
        QDir().mkpath(path);
    }
    ~ReadOnlyFolder() {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {m_path});
        else
            QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
    }
    // Fills the folder, then makes it read-only. Returns false when that is not possible here.
    bool seal(const QByteArray& hive) {
        if (::geteuid() == 0) {
            if (QProcess::execute(QStringLiteral("mount"),
                                  {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                   QStringLiteral("-o"), QStringLiteral("size=64k"),
                                   QStringLiteral("tmpfs"), m_path}) != 0)
                return false;
            m_mounted = true;
        }
        if (!hive.isNull())
            test::writeFile(m_path + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"), hive);
        if (m_mounted)
            return QProcess::execute(
                       QStringLiteral("mount"),
                       {QStringLiteral("-o"), QStringLiteral("remount,ro"), m_path}) == 0;
        return QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    // The system's words for the refusal.
    QString reason() const {
        return m_mounted ? QStringLiteral("Read-only file system")
                         : QStringLiteral("Permission denied");
    }

private:
    QString m_path;
    bool m_mounted = false;
};

} // namespace

class TestOptions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void dialogLayout_data();
    void dialogLayout();
    void dialogFrame();

    void neverWrittenReadsTrueAndCreatesKey();
    void okStoresChoice_data();
    void okStoresChoice();
    void closingWithoutOkStoresNothing_data();
    void closingWithoutOkStoresNothing();
    void everyShowingReadsTheStore();
    void runsModally();

    void storedValues_data();
    void storedValues();

    void failedSaveIsReportedAndLosesNothing_data();
    void failedSaveIsReportedAndLosesNothing();

private:
    QString store() const { return m_dir->path() + QStringLiteral("/store"); }
    QString hive() const { return store() + QStringLiteral("/HKEY_LOCAL_MACHINE.reg"); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<test::MessageRecorder> m_messages;
};

void TestOptions::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(store()));
    m_messages = std::make_unique<test::MessageRecorder>();
}

void TestOptions::cleanup() {
    m_messages.reset();
    m_dir.reset();
}

// Each control shows inside the dialog, apart from the others, with its caption.
void TestOptions::dialogLayout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("RadioGroup1") << "RadioGroup1"
                                 << "Printing Options";
    QTest::newRow("rbPrintAsDIB") << "rbPrintAsDIB"
                                  << "Print as DIB";
    QTest::newRow("rbPrintAsOriginal") << "rbPrintAsOriginal"
                                       << "Print image as original format";
    QTest::newRow("OKBtn") << "OKBtn"
                           << "OK";
    QTest::newRow("CancelBtn") << "CancelBtn"
                               << "Cancel";
}

void TestOptions::dialogLayout() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    TdlgOptions dialog;
    dialog.show();
    QWidget* control = dialog.findChild<QWidget*>(name);
    QVERIFY(control);
    // Every control is the dialog's own child, the radio buttons too (they lie over the group).
    QCOMPARE(control->parentWidget(), &dialog);
    const QRect geometry = control->geometry();
    QVERIFY(dialog.rect().contains(geometry));
    QVERIFY(control->isVisible());
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        QCOMPARE(button->text(), text);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        QCOMPARE(group->title(), text);
    // The buttons lie apart from each other and from the group; the radio buttons inside it.
    const QRect group = dialog.RadioGroup1->geometry();
    const bool isRadio = qobject_cast<QRadioButton*>(control);
    if (isRadio)
        QVERIFY(group.contains(geometry));
    for (QWidget* other :
         {static_cast<QWidget*>(dialog.rbPrintAsDIB),
          static_cast<QWidget*>(dialog.rbPrintAsOriginal), static_cast<QWidget*>(dialog.OKBtn),
          static_cast<QWidget*>(dialog.CancelBtn)}) {
        const bool overGroup = control == dialog.RadioGroup1 && qobject_cast<QRadioButton*>(other);
        QVERIFY(other == control || overGroup || !other->geometry().intersects(geometry));
    }
    if (!isRadio && control != dialog.RadioGroup1)
        QVERIFY(!group.intersects(geometry));

    // A radio button's caption fits its control in the dialog's own font: the button asks for no
    // more width than it has, and the painted caption ends before the control's right edge.
    if (auto* radio = qobject_cast<QRadioButton*>(control)) {
        QVERIFY2(
            radio->sizeHint().width() <= geometry.width(),
            qPrintable(
                QStringLiteral("%1 wants %2 pixels").arg(name).arg(radio->sizeHint().width())));
        const QImage image = radio->grab().toImage();
        QCOMPARE(image.width(), geometry.width());
        int textPixels = 0;
        int lastColumn = -1;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (qGray(image.pixel(x, y)) < 100) {
                    ++textPixels;
                    lastColumn = x;
                }
        QVERIFY(textPixels > 0);
        QVERIFY2(lastColumn < image.width() - 2, qPrintable(QString::number(lastColumn)));
    }
}

void TestOptions::dialogFrame() {
    TdlgOptions dialog;
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize()); // not resizable
    QVERIFY(dialog.Bevel1->geometry().contains(dialog.RadioGroup1->geometry()));
    QVERIFY(dialog.RadioGroup1->findChildren<QAbstractButton*>().isEmpty());
    QVERIFY(dialog.OKBtn->isDefault());
    QVERIFY(!dialog.CancelBtn->isDefault());

    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(QApplication::focusWidget(), dialog.OKBtn);
    // The two radio buttons exclude each other.
    dialog.rbPrintAsOriginal->click();
    QVERIFY(!dialog.rbPrintAsDIB->isChecked());
    dialog.rbPrintAsDIB->click();
    QVERIFY(!dialog.rbPrintAsOriginal->isChecked());
    // Centred on the screen.
    const QRect screen = dialog.screen()->availableGeometry();
    QVERIFY(qAbs(dialog.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(dialog.frameGeometry().center().y() - screen.center().y()) <= 1);
}

void TestOptions::neverWrittenReadsTrueAndCreatesKey() {
    QVERIFY(!QFileInfo::exists(hive()));
    // Creating the dialog reads the setting, and the read creates the key.
    TdlgOptions dialog;
    QCOMPARE(test::readFile(hive()), header + createdKey + "\n");
    QCOMPARE(storedValue(), -1);
    QVERIFY(dialog.get_PrintAsDIB());
    QVERIFY(get_PrintAsDIB());
    dialog.show();
    QVERIFY(dialog.rbPrintAsDIB->isChecked());
    QVERIFY(!dialog.rbPrintAsOriginal->isChecked());
    QVERIFY(m_messages->texts().isEmpty());
    QCOMPARE(test::readFile(hive()), header + createdKey + "\n");
}

void TestOptions::okStoresChoice_data() {
    QTest::addColumn<bool>("printAsDib");
    QTest::addColumn<bool>("withEnter");
    QTest::newRow("original, OK clicked") << false << false;
    QTest::newRow("original, Enter") << false << true;
    QTest::newRow("DIB, OK clicked") << true << false;
    QTest::newRow("DIB, Enter") << true << true;
}

void TestOptions::okStoresChoice() {
    QFETCH(bool, printAsDib);
    QFETCH(bool, withEnter);
    // Start from the other choice, so that OK has something to change.
    save_PrintAsDIB(!printAsDib);
    QCOMPARE(storedValue(), printAsDib ? 0 : 1);

    TdlgOptions dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.rbPrintAsDIB->isChecked(), !printAsDib);
    (printAsDib ? dialog.rbPrintAsDIB : dialog.rbPrintAsOriginal)->click();
    if (withEnter)
        QTest::keyClick(&dialog, Qt::Key_Return);
    else
        QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(storedValue(), printAsDib ? 1 : 0);
    QCOMPARE(get_PrintAsDIB(), printAsDib);

    dialog.show();
    QCOMPARE(dialog.rbPrintAsDIB->isChecked(), printAsDib);
    QCOMPARE(dialog.rbPrintAsOriginal->isChecked(), !printAsDib);
    QVERIFY(m_messages->texts().isEmpty());
}

void TestOptions::closingWithoutOkStoresNothing_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("stored");
    for (const char* how : {"Cancel", "Escape", "close"}) {
        QTest::addRow("%s, stored DIB", how) << QString::fromLatin1(how) << true;
        QTest::addRow("%s, stored original", how) << QString::fromLatin1(how) << false;
    }
}

void TestOptions::closingWithoutOkStoresNothing() {
    QFETCH(QString, how);
    QFETCH(bool, stored);
    save_PrintAsDIB(stored);
    const QByteArray before = test::readFile(hive());

    TdlgOptions dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    (stored ? dialog.rbPrintAsOriginal : dialog.rbPrintAsDIB)->click();
    if (how == QLatin1String("Cancel"))
        QTest::mouseClick(dialog.CancelBtn, Qt::LeftButton);
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(&dialog, Qt::Key_Escape);
    else
        dialog.close();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(test::readFile(hive()), before);

    // The unsaved choice is forgotten at the next showing.
    dialog.show();
    QCOMPARE(dialog.rbPrintAsDIB->isChecked(), stored);
    QCOMPARE(dialog.rbPrintAsOriginal->isChecked(), !stored);
}

void TestOptions::everyShowingReadsTheStore() {
    TdlgOptions dialog;
    dialog.show();
    QVERIFY(dialog.rbPrintAsDIB->isChecked());
    dialog.hide();
    // Another running copy changes the setting meanwhile.
    test::writeFile(hive(), hiveWith("dword:00000000"));
    dialog.show();
    QVERIFY(dialog.rbPrintAsOriginal->isChecked());
    dialog.hide();
    test::writeFile(hive(), hiveWith("dword:00000005"));
    dialog.show();
    QVERIFY(dialog.rbPrintAsDIB->isChecked());
}

void TestOptions::runsModally() {
    TdlgOptions dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.rbPrintAsOriginal->click();
        dialog.OKBtn->click();
    });
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(storedValue(), 0);
}

void TestOptions::storedValues_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<QString>("error");

    const QString invalid = QStringLiteral("Invalid data type for 'PrintAsDIB'");
    const QString failed = QStringLiteral("Failed to get data for 'PrintAsDIB'");
    QTest::newRow("1") << QByteArray("dword:00000001") << true << "";
    QTest::newRow("0") << QByteArray("dword:00000000") << false << "";
    QTest::newRow("5 counts as true") << QByteArray("dword:00000005") << true << "";
    QTest::newRow("three characters") << QByteArray("\"yes\"") << true << invalid;
    QTest::newRow("one character") << QByteArray("\"1\"") << true << invalid;
    QTest::newRow("four characters") << QByteArray("\"true\"") << true << failed;
    QTest::newRow("long text") << QByteArray("\"print as DIB\"") << true << failed;
    QTest::newRow("four binary bytes") << QByteArray("hex:01,00,00,00") << true << invalid;
}

void TestOptions::storedValues() {
    QFETCH(QByteArray, data);
    QFETCH(bool, expected);
    QFETCH(QString, error);
    QDir().mkpath(store());
    test::writeFile(hive(), hiveWith(data));

    if (error.isEmpty()) {
        QCOMPARE(get_PrintAsDIB(), expected);
    } else {
        try {
            get_PrintAsDIB();
            QFAIL("reading should have failed");
        } catch (const ERegistryException& e) {
            QCOMPARE(e.message(), error);
        }
    }

    // The dialog starts and shows whatever the store holds; an error reaches the user as a
    // message, once at creation and once at showing, and the program goes on.
    TdlgOptions dialog;
    dialog.show();
    const QStringList expectedMessages =
        error.isEmpty() ? QStringList() : QStringList{error, error};
    QCOMPARE(m_messages->texts(), expectedMessages);
    // An unreadable value shows as the default.
    QCOMPARE(dialog.rbPrintAsDIB->isChecked(), expected);
    QCOMPARE(dialog.rbPrintAsOriginal->isChecked(), !expected);
    // OK mends a value of the wrong type.
    dialog.rbPrintAsOriginal->click();
    dialog.OKBtn->click();
    QCOMPARE(storedValue(), 0);
    QCOMPARE(m_messages->texts(), expectedMessages);
}

void TestOptions::failedSaveIsReportedAndLosesNothing_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder path is a file") << "file";
    QTest::newRow("hive cannot be parsed") << "corrupt";
    QTest::newRow("read-only folder, no hive") << "read-only";
    QTest::newRow("read-only folder, hive with the key") << "read-only with hive";
}

void TestOptions::failedSaveIsReportedAndLosesNothing() {
    QFETCH(QString, kind);
    QString hivePath = hive();
    QString expectedMessage;
    bool expectedRead = true;
    std::unique_ptr<ReadOnlyFolder> readOnly;

    if (kind == QLatin1String("file")) {
        test::writeFile(store(), "a file where the folder should be");
        expectedMessage =
            QStringLiteral("The print option could not be saved to %1: Not a directory")
                .arg(hivePath);
    } else if (kind == QLatin1String("corrupt")) {
        QDir().mkpath(store());
        test::writeFile(hivePath, header + createdKey + "\"PrintAsDIB\"=dword:00000000\n<<<<<<<\n");
        expectedMessage =
            QStringLiteral("The print option could not be saved to %1: the file is not "
                           "a valid settings file (line 7: the line is not a key, a "
                           "value or a comment)")
                .arg(hivePath);
    } else {
        const bool withHive = kind.endsWith(QLatin1String("hive"));
        readOnly = std::make_unique<ReadOnlyFolder>(store());
        if (!readOnly->seal(withHive ? hiveWith("dword:00000000") : QByteArray()))
            QSKIP("a read-only folder cannot be made here");
        if (withHive) {
            // The key opens without a write; the write itself fails.
            expectedRead = false;
            expectedMessage = QStringLiteral("Failed to set data for 'PrintAsDIB'\n%1: %2")
                                  .arg(hivePath, readOnly->reason());
        } else {
            expectedMessage = QStringLiteral("The print option could not be saved to %1: %2")
                                  .arg(hivePath, readOnly->reason());
        }
    }
    const QString checkPath = kind == QLatin1String("file") ? store() : hivePath;
    const QByteArray before = test::readFile(checkPath);
    const QStringList filesBefore = QDir(store()).entryList(QDir::AllEntries | QDir::Hidden);

    // Reading says nothing and gives the stored or the default value.
    QCOMPARE(get_PrintAsDIB(), expectedRead);
    // Saving does not pretend to succeed.
    try {
        save_PrintAsDIB(!expectedRead);
        QFAIL("saving should have failed");
    } catch (const Error& e) {
        QCOMPARE(e.message(), expectedMessage);
    }

    TdlgOptions dialog;
    dialog.show();
    QVERIFY(m_messages->texts().isEmpty());
    QCOMPARE(dialog.rbPrintAsDIB->isChecked(), expectedRead);
    (expectedRead ? dialog.rbPrintAsOriginal : dialog.rbPrintAsDIB)->click();
    QTest::mouseClick(dialog.OKBtn, Qt::LeftButton);
    // The user is told, and the dialog closes as it always does.
    QCOMPARE(m_messages->texts(), QStringList{expectedMessage});
    QCOMPARE(m_messages->messages().first().kind, MessageKind::Error);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // Nothing lost: the file is as it was, byte for byte, and nothing was added beside it.
    QCOMPARE(test::readFile(checkPath), before);
    QCOMPARE(QDir(store()).entryList(QDir::AllEntries | QDir::Hidden), filesBefore);
}

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
