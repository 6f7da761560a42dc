#include "dialogs/FmxUtils.h"
#include "support/TestSupport.h"
#include "support_urlrecorder.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <iterator>

#include <list>

using ferlo::LaunchFile;

namespace {

// A help file (README.TXT unless named) beside the test program for the length of a test; one
// that was there before is put back afterwards.
class HelpFileBesideProgram {
public:
    explicit HelpFileBesideProgram(const QString& name = QStringLiteral("README.TXT"))
        : m_path(QDir(QCoreApplication::applicationDirPath()).filePath(name)) {
        QFile existing(m_path);
        if (existing.open(QIODevice::ReadOnly)) {
            m_hadOne = true;
            m_previous = existing.readAll();
        }
        ferlo::test::writeFile(m_path, "Ferlo help\n");
    }
    ~HelpFileBesideProgram() {
        if (m_hadOne)
            ferlo::test::writeFile(m_path, m_previous);
        else
            QFile::remove(m_path);
    }
    QString path() const { return m_path; }

private:
    QString m_path;
    bool m_hadOne = false;
    QByteArray m_previous;
};

// The desktop's opener for the length of a test: an `xdg-open` alone on the PATH that runs
// `script` (a shell script's body; "$1" is the file) and writes the file it was given to
// opened(). Without a script, no opener at all.
class DesktopOpener {
public:
    explicit DesktopOpener(const QByteArray& script = {})
        : m_path(qgetenv("PATH")) {
        if (!script.isNull()) {
            const QString program = m_dir.filePath(QStringLiteral("xdg-open"));
            ferlo::test::writeFile(program, "#!/bin/sh\nprintf '%s' \"$1\" > '" +
                                                QFile::encodeName(recordPath()) + "'\n" + script +
                                                "\n");
            QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", QFile::encodeName(m_dir.path()));
    }
    ~DesktopOpener() { qputenv("PATH", m_path); }
    // The file the opener was given; empty while it was not run.
    QString opened() const {
        QFile record(recordPath());
        return record.open(QIODevice::ReadOnly) ? QFile::decodeName(record.readAll()) : QString();
    }

private:
    QString recordPath() const { return m_dir.filePath(QStringLiteral("opened")); }
    QTemporaryDir m_dir;
    QByteArray m_path;
};

// Opens the help and waits for the opener's answer; the window showing it, if any.
QDialog* openHelpAndWait(QWidget* parent) {
    if (QProcess* opener = ferlo::openHelpFile(parent)) {
        QSignalSpy ended(opener, &QProcess::finished);
        if (!ended.wait(30000))
            return nullptr;
    }
    return parent->findChild<QDialog*>(QStringLiteral("helpText"));
}

} // namespace

class TestFmxUtils : public QObject {
    Q_OBJECT

private slots:
    void helpOpensReadmeWhenPresent();
    void installedHelpFileIsFoundBesideBin();
    void missingHelpFileIsNamed();
    void helpFileFollowsTheLanguage_data();
    void helpFileFollowsTheLanguage();
    void translatedHelpKeepsTheSections_data();
    void translatedHelpKeepsTheSections();
    void helpShownAsTextWhenTheDesktopCannotOpenIt_data();
    void helpShownAsTextWhenTheDesktopCannotOpenIt();
    void launchPassesTextsWhole_data();
    void launchPassesTextsWhole();
    void relativeFileTakesDefaultDirectory();
    void emptyNameOpensNothing();
};

void TestFmxUtils::helpOpensReadmeWhenPresent() {
    HelpFileBesideProgram help;
    DesktopOpener opener("exit 0");
    QWidget parent;
    QCOMPARE(openHelpAndWait(&parent), nullptr);
    QCOMPARE(opener.opened(), help.path());
}

// Installed, the program is <prefix>/bin/ferlo and its help <prefix>/share/doc/ferlo/README.TXT.
// A README.TXT beside the program still comes first.
void TestFmxUtils::installedHelpFileIsFoundBesideBin() {
    const QString programDir = QCoreApplication::applicationDirPath();
    if (QFile::exists(QDir(programDir).filePath("README.TXT")))
        QSKIP("a README.TXT lies beside the test program");
    const QString docDir = QDir::cleanPath(programDir + "/../share/doc/ferlo");
    const QString installed = docDir + "/README.TXT";
    if (QFile::exists(installed))
        QSKIP("an installed README.TXT lies beside the test program's folder");
    QVERIFY(QDir().mkpath(docDir));
    ferlo::test::writeFile(installed, "Ferlo help, installed\n");
    const auto cleanUp = qScopeGuard([&] {
        QFile::remove(installed);
        QDir().rmpath(docDir);
    });

    QCOMPARE(ferlo::helpFilePath(), installed);
    {
        DesktopOpener opener("exit 0");
        QWidget parent;
        QCOMPARE(openHelpAndWait(&parent), nullptr);
        QCOMPARE(opener.opened(), installed);
    }
    HelpFileBesideProgram beside;
    QCOMPARE(ferlo::helpFilePath(), beside.path());
}

// No guide to open: a message names the file, and no opener runs.
void TestFmxUtils::missingHelpFileIsNamed() {
    const QString path = ferlo::helpFilePath();
    if (QFile::exists(path))
        QSKIP("a README.TXT lies beside the test program");
    DesktopOpener opener("exit 0");
    ferlo::test::MessageRecorder messages;
    QWidget parent;
    QCOMPARE(ferlo::openHelpFile(&parent), nullptr);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.texts()[0].contains(path), qPrintable(messages.texts()[0]));
    QCOMPARE(parent.findChild<QDialog*>(), nullptr);
    QCOMPARE(opener.opened(), QString());
    QVERIFY(!QFile::exists(path));
}

// The copy of the help in the program's language, else the English one; the language's copy
// wins over an English one beside the program.
void TestFmxUtils::helpFileFollowsTheLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("copies"); // besides README.TXT
    QTest::addColumn<QString>("opened");
    const QStringList all{"README.de.TXT", "README.es.TXT", "README.fr.TXT", "README.ar.TXT"};
    QTest::newRow("German") << "de_DE" << all << "README.de.TXT";
    QTest::newRow("German of Austria") << "de_AT" << all << "README.de.TXT";
    QTest::newRow("French of Canada") << "fr_CA" << all << "README.fr.TXT";
    QTest::newRow("Spanish") << "es_MX" << all << "README.es.TXT";
    QTest::newRow("Arabic") << "ar_EG" << all << "README.ar.TXT";
    QTest::newRow("English") << "en_GB" << all << "README.TXT";
    QTest::newRow("C") << "C" << all << "README.TXT";
    QTest::newRow("a language without a copy") << "it_IT" << all << "README.TXT";
    QTest::newRow("its copy is missing") << "de_DE" << QStringList{"README.fr.TXT"} << "README.TXT";
}

void TestFmxUtils::helpFileFollowsTheLanguage() {
    QFETCH(QString, locale);
    QFETCH(QStringList, copies);
    QFETCH(QString, opened);
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& name : copies + QStringList{"README.TXT"}) {
        if (QFile::exists(programDir.filePath(name)))
            QSKIP("a help file lies beside the test program");
    }
    HelpFileBesideProgram english;
    std::list<HelpFileBesideProgram> translated;
    for (const QString& name : copies)
        translated.emplace_back(name);
    QCOMPARE(ferlo::helpFilePath(QLocale(locale)), programDir.filePath(opened));
}

// What every copy of the help must keep from the English one: as many headings, each underlined
// to its own length in characters (the heading is text, not bytes), and the command lines shown
// as examples with their options (the names they stand for, OUT.pdf or PICTURE, are translated as
// the translated --help translates them).
namespace {
struct HelpOutline {
    int headings = 0;
    QStringList badUnderlines;
    QStringList commands;
};

HelpOutline helpOutline(const QString& name) {
    QFile file(QStringLiteral(FERLO_SOURCE_DIR "/docs/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    HelpOutline outline;
    if (utf8.hasError())
        outline.badUnderlines << QStringLiteral("not UTF-8");
    const QStringList lines = text.split(QLatin1Char('\n'));
    static const QRegularExpression underline(QStringLiteral("^(=+|-+)$"));
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (lines[i].size() >= 3 && underline.match(lines[i]).hasMatch() &&
            !lines[i - 1].trimmed().isEmpty()) {
            ++outline.headings;
            if (lines[i].size() != lines[i - 1].size())
                outline.badUnderlines << lines[i - 1];
        }
        if (lines[i].startsWith(QLatin1String("    ferlo "))) {
            const QStringList words = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
            QStringList options;
            std::copy_if(words.begin(), words.end(), std::back_inserter(options),
                         [](const QString& word) { return word.startsWith(QLatin1Char('-')); });
            outline.commands << options.join(QLatin1Char(' '));
        }
    }
    return outline;
}
} // namespace

void TestFmxUtils::translatedHelpKeepsTheSections_data() {
    QTest::addColumn<QString>("name");
    for (const char* language : {"de", "es", "fr", "ar"})
        QTest::newRow(language) << QStringLiteral("README.%1.TXT").arg(QLatin1String(language));
}

void TestFmxUtils::translatedHelpKeepsTheSections() {
    QFETCH(QString, name);
    const HelpOutline english = helpOutline(QStringLiteral("README.TXT"));
    const HelpOutline translated = helpOutline(name);
    QVERIFY(english.headings > 10);
    QCOMPARE(english.badUnderlines, QStringList());
    QCOMPARE(translated.headings, english.headings);
    QCOMPARE(translated.badUnderlines, QStringList());
    QCOMPARE(translated.commands, english.commands);
}

// The desktop cannot open the guide: no opener, or one that fails after it has started (the
// text viewer it picks needs a terminal that is not installed, or it is killed). The guide is
// then shown in a read-only window of the program's own that names the cause; an opener that
// succeeds leaves the guide to the desktop.
void TestFmxUtils::helpShownAsTextWhenTheDesktopCannotOpenIt_data() {
    QTest::addColumn<QByteArray>("script"); // null: no opener on the PATH
    QTest::addColumn<QString>("cause");     // in the window's note; null: no window
    QTest::newRow("no opener") << QByteArray() << "no program that opens files was found";
    QTest::newRow("no terminal for the viewer")
        << QByteArray("echo \"/usr/bin/xdg-open: 882: x-terminal-emulator: not found\" >&2\n"
                      "exit 3")
        << "/usr/bin/xdg-open: 882: x-terminal-emulator: not found";
    QTest::newRow("fails without a word") << QByteArray("exit 4") << "xdg-open ended with status 4";
    QTest::newRow("killed") << QByteArray("kill -KILL $$") << "xdg-open stopped";
    QTest::newRow("opened by the desktop") << QByteArray("exit 0") << QString();
}

void TestFmxUtils::helpShownAsTextWhenTheDesktopCannotOpenIt() {
    QFETCH(QByteArray, script);
    QFETCH(QString, cause);
    HelpFileBesideProgram help;
    DesktopOpener opener(script);
    QWidget parent;

    QDialog* window = openHelpAndWait(&parent);
    if (!script.isNull())
        QCOMPARE(opener.opened(), help.path());
    QCOMPARE(window != nullptr, !cause.isNull());
    if (!window)
        return;
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(window->screen()->availableGeometry().contains(window->frameGeometry()));
    auto* note = window->findChild<QLabel*>(QStringLiteral("helpNote"));
    QVERIFY(note && note->isVisible());
    QVERIFY2(note->text().contains(cause), qPrintable(note->text()));
    auto* text = window->findChild<QPlainTextEdit*>();
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->toPlainText(), QStringLiteral("Ferlo help\n"));
    // Help again while the window is open: the same window, no second one.
    QCOMPARE(openHelpAndWait(&parent), window);
    QCOMPARE(parent.findChildren<QDialog*>().size(), 1);
    QTest::keyClick(window, Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TestFmxUtils::launchPassesTextsWhole_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isFile"); // a local file, else an address given as it is

    QTest::newRow("web address") << "https://ferlo.example.org" << false;
    QTest::newRow("plain http with path and query")
        << "http://ferlo.example.org/help?page=1&lang=en#print" << false;
    QTest::newRow("long address") << "https://ferlo.example.org/" + QString(400, QLatin1Char('a'))
                                  << false;
    QTest::newRow("mail address") << "mailto:ferlo@example.org" << false;
    QTest::newRow("short file") << "/usr/share/ferlo/README.TXT" << true;
    // Far past the 80-character buffers such a routine is often written with.
    QString longPath = "/tmp";
    while (longPath.size() < 289)
        longPath += "/" + QString(30, QLatin1Char('d'));
    longPath = longPath.left(289) + "/README.TXT";
    QTest::newRow("300-character path") << longPath << true;
    QTest::newRow("blanks, hash, percent, question mark")
        << "/tmp/my pictures/#1 100% done?.txt" << true;
    QTest::newRow("non-Latin letters") << "/tmp/Bilder/Ärger/README.TXT" << true;
    QTest::newRow("colon in a file name") << "/tmp/notes:today.txt" << true;
}

void TestFmxUtils::launchPassesTextsWhole() {
    QFETCH(QString, text);
    QFETCH(bool, isFile);
    if (QTest::currentDataTag() == QLatin1String("300-character path"))
        QCOMPARE(text.size(), 300);

    UrlRecorder recorder;
    QVERIFY(LaunchFile(text, QString(), QString(), 1) > 32);
    QCOMPARE(recorder.urls.size(), 1);
    const QUrl url = recorder.urls[0];
    if (isFile) {
        QVERIFY(url.isLocalFile());
        QCOMPARE(url.toLocalFile(), text);
    } else {
        QCOMPARE(url.toString(), text);
    }
}

void TestFmxUtils::relativeFileTakesDefaultDirectory() {
    UrlRecorder recorder;
    QVERIFY(LaunchFile("README.TXT", QString(), "/opt/ferlo", 1) > 32);
    QVERIFY(LaunchFile("notes.txt", "--ignored", QString(), 1) > 32);
    QCOMPARE(recorder.urls.size(), 2);
    QCOMPARE(recorder.urls[0].toLocalFile(), QStringLiteral("/opt/ferlo/README.TXT"));
    QCOMPARE(recorder.urls[1].toLocalFile(), QDir::current().absoluteFilePath("notes.txt"));
}

void TestFmxUtils::emptyNameOpensNothing() {
    UrlRecorder recorder;
    QVERIFY(LaunchFile(QString(), QString(), QString(), 1) <= 32);
    QVERIFY(recorder.urls.isEmpty());
}

QTEST_MAIN(TestFmxUtils)
#include "tst_fmxutils.moc"
