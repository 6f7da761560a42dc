// Every input the fuzz harnesses ever failed on (tests/data/regressions/<harness>/) goes once more
// through the same checks, in the normal suite: no crash, and a ferlo::Error or a good result.

#include "../../fuzz/FuzzChecks.h"
#include "pictures/PictureDecoder.h"
#include "storage/Errors.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace ferlo;

namespace {

const QString kRegressions = QStringLiteral(FERLO_TEST_DATA_DIR "/regressions");

using Check = std::function<void(const QByteArray&, const QString&)>;

const QMap<QString, Check>& checks() {
    static const QMap<QString, Check> all{
        {QStringLiteral("jpeg"), fuzz::checkJpeg},
        {QStringLiteral("bmp"), fuzz::checkBmp},
        {QStringLiteral("qtimage"), fuzz::checkQtImage},
        {QStringLiteral("heif"), fuzz::checkHeif},
        {QStringLiteral("wav"), fuzz::checkWav},
        {QStringLiteral("hive"),
         [](const QByteArray& bytes, const QString&) {
             fuzz::checkHive(bytes);
         }},
        {QStringLiteral("paths"),
         [](const QByteArray& bytes, const QString&) {
             fuzz::checkPaths(bytes);
         }},
        {QStringLiteral("deck"), fuzz::checkDeck},
        {QStringLiteral("svg"), fuzz::checkSvg},
    };
    return all;
}

QByteArray readRegression(const QString& harness, const QString& name) {
    QFile file(kRegressions + QLatin1Char('/') + harness + QLatin1Char('/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT

    QTemporaryDir m_scratch;

private slots:
    void initTestCase() {
        QVERIFY(m_scratch.isValid());
        // The hive check writes a settings file; never the user's own.
        qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(m_scratch.filePath("registry")));
    }

    // A folder named after no harness would be skipped without a word.
    void everyFolderIsAHarness() {
        const QStringList folders = QDir(kRegressions).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& folder : folders)
            QVERIFY2(checks().contains(folder), qPrintable(folder));
    }

    void replay_data() {
        QTest::addColumn<QString>("harness");
        QTest::addColumn<QString>("name");
        bool any = false;
        for (auto it = checks().begin(); it != checks().end(); ++it) {
            const QDir folder(kRegressions + QLatin1Char('/') + it.key());
            for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
                QTest::newRow(qPrintable(it.key() + QLatin1Char('/') + name)) << it.key() << name;
                any = true;
            }
        }
        if (!any)
            QTest::newRow("none") << QString() << QString();
    }

    void replay() {
        QFETCH(QString, harness);
        QFETCH(QString, name);
        if (harness.isEmpty())
            QSKIP("no regressions kept yet");
        const QByteArray bytes = readRegression(harness, name);
        QDir(m_scratch.path()).mkpath(harness);
        try {
            checks()[harness](bytes, m_scratch.filePath(harness));
        } catch (const fuzz::Finding& finding) {
            QFAIL(finding.what());
        }
    }

    // A bitmap header of about 1.7 billion by 1.7 billion pixels: the size check of the error
    // message overflowed, and the user was told the file was damaged instead of too large.
    void bitmapOfHugeSizeIsTooLarge() {
        const QByteArray bytes = readRegression("bmp", "size-overflow-in-message");
        QVERIFY(!bytes.isEmpty());
        const QString path = fuzz::writeScratch(m_scratch.path(), "huge.bmp", bytes);
        try {
            readPictureSize(path);
            QFAIL("a bitmap of 1.7 billion pixels a side was accepted");
        } catch (const Error& e) {
            QVERIFY2(e.message().contains(path), qPrintable(e.message()));
            QVERIFY2(e.message().contains("too large"), qPrintable(e.message()));
        }
    }
};

QTEST_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
