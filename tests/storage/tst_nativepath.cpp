#include "storage/NativePath.h"

#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ferlo;

namespace {
void touchNative(const QByteArray& path) {
    const int fd = ::open(path.constData(), O_CREAT | O_WRONLY, 0644);
    QVERIFY2(fd >= 0, path.constData());
    ::close(fd);
}
} // namespace

class TestNativePath : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data() {
        QTest::addColumn<QByteArray>("native");
        QTest::newRow("ascii") << QByteArray("/pics/cat1.jpg");
        QTest::newRow("utf-8") << QByteArray("/pics/M\xc3\xbcller.jpg");
        QTest::newRow("latin-1 byte") << QByteArray("/pics/caf\xe9.jpg");
        QTest::newRow("lone continuation") << QByteArray("a\x80z");
        QTest::newRow("cut-off sequence at end") << QByteArray("a\xe2\x82");
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf");
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xb2\x80");
        QTest::newRow("beyond unicode") << QByteArray("\xf4\x90\x80\x80");
        QTest::newRow("four-byte emoji") << QByteArray("\xf0\x9f\x90\xb1.jpg");
        // Characters whose second UTF-16 half lies among the halves that stand for bytes that are
        // not UTF-8 (U+DC80..U+DCFF): U+1D49C (a script A), U+1F4A9, and such a half after a
        // byte that is not UTF-8.
        QTest::newRow("script letter") << QByteArray("\xf0\x9d\x92\x9c"
                                                     "1.jpg");
        QTest::newRow("emoji, second half in the escapes") << QByteArray("\xf0\x9f\x92\xa9");
        QTest::newRow("such a letter after a stray byte") << QByteArray("\xff\xf0\x9d\x92\x9c");
        QTest::newRow("byte-order mark first") << QByteArray("\xef\xbb\xbf"
                                                             "dog.jpg");
        QTest::newRow("byte-order mark inside") << QByteArray("0\xef\xbb\xbf");
        QTest::newRow("empty") << QByteArray();
    }
    void roundTrip() {
        QFETCH(QByteArray, native);
        const QString path = decodePath(native);
        QCOMPARE(encodePath(path), native);
        // Valid UTF-8 decodes exactly as Qt decodes it.
        const auto fromUtf8 = [](const QByteArray& bytes, bool* valid) {
            QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                          QStringDecoder::Flag::ConvertInitialBom);
            const QString text = utf8(bytes);
            *valid = !utf8.hasError();
            return text;
        };
        bool valid = false;
        const QString asUtf8 = fromUtf8(native, &valid);
        if (valid) {
            QCOMPARE(path, asUtf8);
            // A name that is UTF-8 shows as it is.
            QCOMPARE(displayName(path), path);
        }
        // What is shown has no lone surrogates.
        QVERIFY(displayName(path).isValidUtf16());
    }

    void randomBytesRoundTrip() {
        QRandomGenerator random(20261208);
        for (int n = 0; n < 2000; ++n) {
            QByteArray bytes(random.bounded(1, 24), 0);
            for (char& b : bytes)
                b = char(random.bounded(1, 256));
            QCOMPARE(encodePath(decodePath(bytes)), bytes);
        }
    }

    void listsEntriesWhoseNamesAreNotUtf8() {
        QTemporaryDir dir;
        const QByteArray base = QFile::encodeName(dir.path());
        touchNative(base + "/caf\xe9.jpg");
        touchNative(base + "/Apple.jpg");
        touchNative(base + "/.hidden.jpg");
        QVERIFY(::mkdir((base + "/sub\xff").constData(), 0755) == 0);
        QVERIFY(::mkfifo((base + "/pipe.bmp").constData(), 0644) == 0);

        const QStringList files = listDirectory(dir.path(), EntryKind::PlainFile);
        QCOMPARE(files.size(), 2);
        QCOMPARE(files[0], QStringLiteral("Apple.jpg"));
        QCOMPARE(encodePath(files[1]), QByteArray("caf\xe9.jpg"));
        const QStringList folders = listDirectory(dir.path(), EntryKind::Directory);
        QCOMPARE(folders.size(), 1);
        QCOMPARE(pathKind(dir.path() + '/' + folders[0]), PathKind::Directory);
        QCOMPARE(pathKind(dir.path() + '/' + files[1]), PathKind::PlainFile);
        QCOMPARE(pathKind(dir.path() + QStringLiteral("/pipe.bmp")), PathKind::Other);
        QCOMPARE(pathKind(dir.path() + QStringLiteral("/gone.jpg")), PathKind::Missing);
        QVERIFY(
            listDirectory(dir.path() + QStringLiteral("/gone"), EntryKind::PlainFile).isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestNativePath)
#include "tst_nativepath.moc"
