#include "pictures/PictureDecoder.h"
#include "storage/Errors.h"
#include "support/GridHeic.h"
#include "support/LibheifRgb.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// Where the first tile's first NAL unit (its 4-byte length) is in a file of writeGridHeic: after
// the mdat's header and the grid's 12 bytes.
qsizetype firstTileUnit(const QByteArray& bytes) {
    const qsizetype mdat = bytes.indexOf("mdat");
    return mdat < 0 ? -1 : mdat + 4 + 12;
}

} // namespace

// HEICs coded as phones code theirs, as grids of tiles, decode to the very pixels of libheif's own
// decoder, whatever was decoded before them, a damaged file included.
class TestHeifGrids : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString path(const QString& name) const { return m_dir.filePath(name); }

    void expectLibheifPixels(const QString& file) {
        DecodedPicture picture;
        try {
            picture = loadPicture(file, {});
        } catch (const Error& e) {
            QFAIL(qPrintable(e.message()));
        }
        const QImage reference = libheifRgb(file);
        QVERIFY(!reference.isNull());
        QCOMPARE(picture.image.size(), reference.size());
        QCOMPARE(picture.image.convertToFormat(QImage::Format_RGB32), reference);
    }

private slots:
    void samePixelsAsLibheif_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("tileSide");
        QTest::newRow("3 x 2 tiles of 512, the last ones cropped") << QSize(1100, 700) << 512;
        QTest::newRow("5 x 4 tiles of 64") << QSize(300, 200) << 64;
        QTest::newRow("one tile larger than the picture") << QSize(200, 150) << 256;
    }
    // Two files coded alike (the same parameter sets), one after the other and back.
    void samePixelsAsLibheif() {
        QFETCH(QSize, size);
        QFETCH(int, tileSide);
        const QString first = path(QStringLiteral("first.heic"));
        const QString second = path(QStringLiteral("second.heic"));
        QVERIFY(writeGridHeic(first, photoLikeImage(size.width(), size.height(), 1), tileSide));
        QVERIFY(writeGridHeic(second, photoLikeImage(size.width(), size.height(), 2), tileSide));
        for (const QString& file : {first, second, first}) {
            expectLibheifPixels(file);
            if (QTest::currentTestFailed())
                return;
        }
    }

    // A single coded picture whose item describes its colours otherwise than its stream does is
    // converted by the item's description, to libheif's very pixels.
    void itemColourDecidesConversion_data() {
        QTest::addColumn<int>("matrix");
        QTest::addColumn<bool>("fullRange");
        QTest::newRow("BT.709, limited range") << 1 << false;
        QTest::newRow("BT.601, limited range") << 6 << false;
        QTest::newRow("BT.2020, full range") << 9 << true;
        QTest::newRow("unspecified, full range") << 2 << true;
        QTest::newRow("YCgCo: libheif's own conversion") << 8 << true;
    }
    void itemColourDecidesConversion() {
        QFETCH(int, matrix);
        QFETCH(bool, fullRange);
        const QString file = path(QStringLiteral("described.heic"));
        QVERIFY(writeNclxHeic(file, photoLikeImage(320, 240, 4), matrix, fullRange));
        expectLibheifPixels(file);
    }

    // A tile whose unit claims more bytes than there are fails with the file's name and cause;
    // one whose slice is overwritten still gives a picture of the file's size (how a decoder
    // hides the damage is its own: libde265 on one thread and with worker threads differ). A good
    // file decodes right after either, to libheif's pixels.
    void damagedTiles_data() {
        QTest::addColumn<bool>("cutShort");
        QTest::addColumn<QString>("cause"); // empty: decodes
        QTest::newRow("unit longer than the tile") << true << ": the file is damaged (";
        QTest::newRow("slice overwritten") << false << "";
    }
    void damagedTiles() {
        QFETCH(bool, cutShort);
        QFETCH(QString, cause);
        const QString good = path(QStringLiteral("good.heic"));
        const QString damaged = path(QStringLiteral("damaged.heic"));
        QVERIFY(writeGridHeic(good, photoLikeImage(600, 400, 3), 256));
        QByteArray bytes = readFile(good);
        const qsizetype unit = firstTileUnit(bytes);
        QVERIFY(unit > 0 && unit + 80 < bytes.size());
        if (cutShort) {
            qToBigEndian<quint32>(0x7fffffff, bytes.data() + unit);
        } else {
            for (qsizetype at = unit + 40; at < unit + 80; ++at)
                bytes[at] = char(bytes.at(at) ^ 0x5a);
        }
        writeFile(damaged, bytes);
        if (cause.isEmpty()) {
            try {
                QCOMPARE(loadPicture(damaged, {}).image.size(), QSize(600, 400));
            } catch (const Error& e) {
                QFAIL(qPrintable(e.message()));
            }
        } else {
            try {
                loadPicture(damaged, {});
                QFAIL("no error for a damaged tile");
            } catch (const Error& e) {
                QVERIFY2(e.message().contains(damaged) && e.message().contains(cause),
                         qPrintable(e.message()));
            }
        }
        expectLibheifPixels(good);
    }
};

QTEST_MAIN(TestHeifGrids)
#include "tst_heifgrids.moc"
