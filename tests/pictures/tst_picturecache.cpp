#include "pictures/PictureCache.h"
#include "storage/Errors.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ferlo;
using namespace ferlo::test;

namespace {

WantedSize fixed(QSize size) {
    return [size](QSize) {
        return size;
    };
}

QImage flat(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Moves the file's modification time, so that a rewrite within the same clock tick still counts.
void touch(const QString& path, int secondsAhead) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(secondsAhead),
                             QFileDevice::FileModificationTime));
}

} // namespace

class TestPictureCache : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }

    void sameFileDecodesOnce() {
        PictureCache cache;
        const QString file = path(QStringLiteral("once.jpg"));
        writeJpeg(file, flat(800, 600, qRgb(200, 0, 0)));
        const DecodedPicture first = cache.load(file, fixed(QSize(213, 160)));
        const DecodedPicture second = cache.load(file, fixed(QSize(213, 160)));
        QCOMPARE(cache.decodeCount(), 1);
        QCOMPARE(second.ownSize, QSize(800, 600));
        QCOMPARE(second.image, first.image);
        // A smaller wish (the card turned, labels on) is served by the same decode.
        cache.load(file, fixed(QSize(100, 75)));
        QCOMPARE(cache.decodeCount(), 1);
        // Hits ask for the wanted size too, with the picture's own size, also from a full-size
        // entry: callers take their fitted size from that call.
        cache.load(file, {});
        QSize asked;
        cache.load(file, [&asked](QSize own) {
            asked = own;
            return QSize(10, 10);
        });
        QCOMPARE(cache.decodeCount(), 2);
        QCOMPARE(asked, QSize(800, 600));
        // wanted may use the cache itself: it is not called under the cache's lock.
        cache.load(file, [&cache](QSize) { return QSize(int(cache.totalBytes() > 0), 1); });
    }

    void largerWishDecodesAgain_data() {
        QTest::addColumn<QSize>("first");
        QTest::addColumn<QSize>("second");
        QTest::addColumn<int>("decodes");
        QTest::addColumn<QSize>("resultSize");
        QTest::newRow("wider") << QSize(100, 75) << QSize(200, 75) << 2 << QSize(200, 150);
        QTest::newRow("taller") << QSize(100, 75) << QSize(100, 76) << 2 << QSize(200, 150);
        QTest::newRow("full size after scaled")
            << QSize(100, 75) << QSize() << 2 << QSize(800, 600);
        QTest::newRow("scaled after full size")
            << QSize() << QSize(100, 75) << 1 << QSize(800, 600);
        QTest::newRow("larger than the picture")
            << QSize(100, 75) << QSize(1600, 1200) << 2 << QSize(800, 600);
        QTest::newRow("smaller") << QSize(200, 150) << QSize(100, 75) << 1 << QSize(200, 150);
    }
    void largerWishDecodesAgain() {
        QFETCH(QSize, first);
        QFETCH(QSize, second);
        QFETCH(int, decodes);
        QFETCH(QSize, resultSize);
        PictureCache cache;
        const QString file = path(QStringLiteral("larger.jpg"));
        writeJpeg(file, flat(800, 600, qRgb(0, 0, 200)));
        cache.load(file, fixed(first));
        const DecodedPicture picture = cache.load(file, fixed(second));
        QCOMPARE(cache.decodeCount(), decodes);
        QCOMPARE(picture.image.size(), resultSize);
        // The larger decode is kept: asking again costs nothing.
        cache.load(file, fixed(second));
        QCOMPARE(cache.decodeCount(), decodes);
    }

    void changedFileDecodesAgain_data() {
        QTest::addColumn<bool>("sameSize");
        QTest::newRow("new size") << false;
        QTest::newRow("same size, new time") << true;
    }
    void changedFileDecodesAgain() {
        QFETCH(bool, sameSize);
        PictureCache cache;
        const QString file = path(QStringLiteral("changed.bmp"));
        writeBmp(file, flat(40, 30, qRgb(255, 0, 0)));
        QCOMPARE(cache.load(file, {}).image.pixel(0, 0), qRgb(255, 0, 0));
        writeBmp(file, flat(sameSize ? 40 : 50, 30, qRgb(0, 255, 0)));
        if (sameSize)
            touch(file, 10);
        const DecodedPicture picture = cache.load(file, {});
        QCOMPARE(cache.decodeCount(), 2);
        QCOMPARE(picture.image.pixel(0, 0), qRgb(0, 255, 0));
        QCOMPARE(picture.ownSize, QSize(sameSize ? 40 : 50, 30));
    }

    // A file replaced by another one (renamed over it) is a new picture even with the same size
    // and time.
    void replacedFileDecodesAgain() {
        PictureCache cache;
        const QString file = path(QStringLiteral("replaced.bmp"));
        const QString other = path(QStringLiteral("other.bmp"));
        writeBmp(file, flat(40, 30, qRgb(255, 0, 0)));
        writeBmp(other, flat(40, 30, qRgb(0, 0, 255)));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(file).constData(), &st), 0);
        const struct timespec times[2] = {st.st_atim, st.st_mtim};
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(other).constData(), times, 0), 0);
        cache.load(file, {});
        QCOMPARE(
            ::rename(QFile::encodeName(other).constData(), QFile::encodeName(file).constData()), 0);
        QCOMPARE(cache.load(file, {}).image.pixel(0, 0), qRgb(0, 0, 255));
        QCOMPARE(cache.decodeCount(), 2);
    }

    void vanishedOrBrokenFileFails() {
        PictureCache cache;
        const QString file = path(QStringLiteral("vanish.jpg"));
        writeJpeg(file, flat(64, 48, qRgb(10, 10, 10)));
        cache.load(file, {});
        QVERIFY(QFile::remove(file));
        QVERIFY_THROWS_EXCEPTION(Error, cache.load(file, {}));
        try {
            cache.load(file, {});
        } catch (const Error& e) {
            QVERIFY2(e.message().contains(file) && e.message().contains("does not exist"),
                     qPrintable(e.message()));
        }
        QCOMPARE(cache.totalBytes(), 0);

        // The same name back with broken content fails too, and is not served from memory.
        writeFile(file, "not a picture");
        QVERIFY_THROWS_EXCEPTION(Error, cache.load(file, {}));
        if (::geteuid() != 0) {
            writeJpeg(file, flat(64, 48, qRgb(10, 10, 10)));
            cache.load(file, {});
            QVERIFY(QFile::setPermissions(file, QFileDevice::WriteOwner));
            QVERIFY_THROWS_EXCEPTION(Error, cache.load(file, {}));
        }
    }

    void leastRecentlyUsedGoFirst() {
        // Room for two 100 x 100 pictures (40000 bytes each), not three.
        PictureCache cache(100000);
        QStringList files;
        for (int i = 0; i < 3; ++i) {
            files << path(QStringLiteral("lru%1.bmp").arg(i));
            writeBmp(files.last(), flat(100, 100, qRgb(i * 50, 0, 0)));
        }
        cache.load(files[0], {});
        cache.load(files[1], {});
        cache.load(files[0], {}); // 0 is now more recent than 1
        cache.load(files[2], {}); // 1 goes
        QCOMPARE(cache.decodeCount(), 3);
        QVERIFY(cache.totalBytes() <= 100000);
        cache.load(files[0], {});
        cache.load(files[2], {});
        QCOMPARE(cache.decodeCount(), 3);
        cache.load(files[1], {});
        QCOMPARE(cache.decodeCount(), 4);

        // A picture larger than the whole bound is returned but not kept.
        const QString big = path(QStringLiteral("big.bmp"));
        writeBmp(big, flat(200, 200, qRgb(1, 2, 3)));
        QCOMPARE(cache.load(big, {}).image.size(), QSize(200, 200));
        QVERIFY(cache.totalBytes() <= 100000);
        cache.clear();
        QCOMPARE(cache.totalBytes(), 0);
        cache.load(files[0], {});
        QCOMPARE(cache.decodeCount(), 6);
    }

    // Making room for a larger decode of a file does not count the decode it replaces, and a
    // decode too large to keep leaves the file's kept one in place.
    void replacingKeepsTheOthers() {
        PictureCache cache(160000);
        const QString other = path(QStringLiteral("other100.bmp"));
        const QString file = path(QStringLiteral("grows.jpg"));
        writeBmp(other, flat(100, 100, qRgb(1, 2, 3)));   // 40000 bytes
        writeJpeg(file, flat(800, 600, qRgb(200, 0, 0))); // 1/8: 30000, 2/8: 120000 bytes
        cache.load(other, {});
        cache.load(file, fixed(QSize(100, 75)));
        cache.load(file, fixed(QSize(200, 150)));
        QCOMPARE(cache.totalBytes(), 160000);
        QCOMPARE(cache.load(file, {}).image.size(), QSize(800, 600));
        cache.load(other, {});
        cache.load(file, fixed(QSize(200, 150)));
        QCOMPARE(cache.decodeCount(), 4);
    }

    // Several worker threads loading the card's pictures at once get whole, right pictures.
    void concurrentLoads() {
        PictureCache cache;
        QList<QString> files;
        for (int i = 0; i < 8; ++i) {
            files << path(QStringLiteral("thread%1.jpg").arg(i));
            writeJpeg(files.last(), flat(320 + 16 * i, 240, qRgb(i * 30, 100, 200 - i * 20)));
        }
        QList<QString> work;
        for (int round = 0; round < 12; ++round)
            work += files;
        const QList<DecodedPicture> results =
            QtConcurrent::blockingMapped(work, [&cache](const QString& file) {
                // Alternate wishes, so that entries are replaced while others read them.
                const int n = int(file.at(file.size() - 5).digitValue());
                return cache.load(file, fixed(n % 2 ? QSize(40, 30) : QSize(160, 120)));
            });
        for (int k = 0; k < results.size(); ++k) {
            const int i = k % 8;
            QCOMPARE(results[k].ownSize, QSize(320 + 16 * i, 240));
            QVERIFY(results[k].image.width() >= (i % 2 ? 40 : 160));
            const QRgb centre = results[k].image.pixel(results[k].image.rect().center());
            QVERIFY(qAbs(qRed(centre) - i * 30) < 8);
        }
        QVERIFY(cache.decodeCount() >= 8);
        QVERIFY(cache.decodeCount() < work.size());
    }
};

QTEST_MAIN(TestPictureCache)
#include "tst_picturecache.moc"
