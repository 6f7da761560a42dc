// The bounded SVG reader: drawings that refer outside themselves, multiply their own size or never
// end are refused with the file's name before Qt's renderer sees them; good drawings draw.

#include "storage/Errors.h"
#include "symbols/SvgPicture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace ferlo;

namespace {

QByteArray svg(const QByteArray& body, const QByteArray& rootAttributes = "viewBox=\"0 0 10 10\"") {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" " +
           rootAttributes + ">" + body + "</svg>";
}

QByteArray pngDataAddress(QSize size) {
    QImage image(size, QImage::Format_Mono);
    image.fill(0);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return "data:image/png;base64," + buffer.data().toBase64();
}

// Groups that each use the one before ten times: 10^levels elements drawn from a few lines.
QByteArray useBomb(int levels) {
    QByteArray body = "<defs><rect id=\"l0\" width=\"1\" height=\"1\"/>";
    for (int level = 1; level <= levels; ++level) {
        body += "<g id=\"l" + QByteArray::number(level) + "\">";
        for (int i = 0; i < 10; ++i)
            body += "<use xlink:href=\"#l" + QByteArray::number(level - 1) + "\"/>";
        body += "</g>";
    }
    return svg(body + "</defs><use xlink:href=\"#l" + QByteArray::number(levels) + "\"/>");
}

QString refusal(const std::function<void()>& read) {
    try {
        read();
    } catch (const Error& error) {
        return error.message();
    }
    return {};
}

} // namespace

class TestSvgPicture : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void accepted_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<double>("aspect");
        QTest::newRow("viewBox") << svg("<rect width=\"10\" height=\"10\"/>") << 1.0;
        QTest::newRow("width and height only")
            << svg("<rect width=\"30\" height=\"10\"/>", "width=\"30\" height=\"10\"") << 3.0;
        QTest::newRow("gradient and local use")
            << svg("<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"red\"/>"
                   "</linearGradient><circle id=\"c\" r=\"2\"/></defs>"
                   "<use xlink:href=\"#c\" fill=\"url(#g)\" style=\"stroke:url('#g')\"/>",
                   "viewBox=\"0 0 20 10\"")
            << 2.0;
        QTest::newRow("internal entities of a drawing program")
            << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
                          "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\" "
                          "[<!ENTITY ns_svg \"http://www.w3.org/2000/svg\">]>"
                          "<svg xmlns=\"&ns_svg;\" viewBox=\"0 0 10 20\"/>")
            << 0.5;
        QTest::newRow("small embedded PNG")
            << svg("<image width=\"10\" height=\"10\" xlink:href=\"" + pngDataAddress({8, 8}) +
                   "\"/>")
            << 1.0;
        // Without a viewBox, a width or a height, an SVG drawing is 100 x 100.
        QTest::newRow("no size given") << svg("<rect width=\"1\" height=\"1\"/>", "") << 1.0;
        QTest::newRow("style element with local url")
            << svg("<style>.a{fill:url(#g)}</style><rect class=\"a\" width=\"1\" height=\"1\"/>")
            << 1.0;
    }
    void accepted() {
        QFETCH(QByteArray, data);
        QFETCH(double, aspect);
        const SvgPicture picture = SvgPicture::fromData(data, QStringLiteral("good.svg"));
        QCOMPARE(picture.aspect(), aspect);
    }

    void refused_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("cause");
        QTest::newRow("image from a file")
            << svg("<image width=\"1\" height=\"1\" xlink:href=\"file:///etc/passwd\"/>")
            << "another file";
        QTest::newRow("image by relative name")
            << svg("<image width=\"1\" height=\"1\" xlink:href=\"photo.png\"/>") << "another file";
        QTest::newRow("use of another drawing")
            << svg("<use href=\"other.svg#part\"/>") << "another file";
        QTest::newRow("web address in a fill")
            << svg("<rect fill=\"url(http://example.org/x.svg#g)\" width=\"1\" height=\"1\"/>")
            << "another file";
        QTest::newRow("style sheet import")
            << svg("<style>@import url(#x); rect{fill:red}</style>") << "style";
        QTest::newRow("style with outside url")
            << svg("<style>rect{fill:url(/tmp/g.svg#g)}</style>") << "style";
        QTest::newRow("style sheet instruction")
            << QByteArray("<?xml-stylesheet type=\"text/css\" href=\"/etc/x.css\"?>") + svg("")
            << "style sheet";
        QTest::newRow("external entity")
            << QByteArray("<!DOCTYPE svg [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>") +
                   svg("<text>&x;</text>")
            << "another file";
        QTest::newRow("nested entities")
            << QByteArray("<!DOCTYPE svg [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;\">]>") +
                   svg("<text>&b;</text>")
            << "nested";
        QByteArray manyUses = "<!DOCTYPE svg [<!ENTITY a \"" + QByteArray(1000, 'a') + "\">]>";
        manyUses += svg("<text>" + QByteArray("&a;").repeated(2000) + "</text>");
        QTest::newRow("entity used too often") << manyUses << "expand";
        QTest::newRow("deep nesting")
            << svg(QByteArray("<g>").repeated(200) + QByteArray("</g>").repeated(200))
            << "nested more than";
        QTest::newRow("too many elements")
            << svg(QByteArray("<g/>").repeated(100'001)) << "more than 100000 elements";
        QTest::newRow("uses multiplying") << useBomb(7) << "loop";
        QTest::newRow("uses in a loop") << svg("<g id=\"a\"><use xlink:href=\"#b\"/></g><g "
                                               "id=\"b\"><use xlink:href=\"#a\"/></g>")
                                        << "loop";
        QTest::newRow("embedded drawing")
            << svg("<image width=\"1\" height=\"1\" xlink:href=\"data:image/svg+xml;base64," +
                   svg("<rect/>").toBase64() + "\"/>")
            << "not a PNG";
        QTest::newRow("embedded picture too large")
            << svg("<image width=\"1\" height=\"1\" xlink:href=\"" + pngDataAddress({5000, 10}) +
                   "\"/>")
            << "larger than 4096";
        QTest::newRow("compressed") << QByteArray("\x1f\x8b\x08\x00\x00", 5) << "compressed";
        QTest::newRow("not XML") << QByteArray("GIF89a") << "not well-formed";
        QTest::newRow("cut off") << svg("<g><rect").left(90) << "not well-formed";
        QTest::newRow("another XML document")
            << QByteArray("<html><body/></html>") << "not an SVG drawing";
        QTest::newRow("flat size") << svg("", "viewBox=\"0 0 10000 1\"") << "no usable size";
        QTest::newRow("empty") << QByteArray() << "not";
    }
    void refused() {
        QFETCH(QByteArray, data);
        QFETCH(QString, cause);
        const QString message =
            refusal([&] { SvgPicture::fromData(data, QStringLiteral("hostile.svg")); });
        QVERIFY2(message.contains(QLatin1String("hostile.svg")), qPrintable(message));
        QVERIFY2(message.contains(cause), qPrintable(message));
    }

    // Files that are not regular files are refused before a byte is read: a pipe without a
    // writer or an endless device behind a link would otherwise block or never end.
    void refusedFiles_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("cause");
        QTest::newRow("pipe") << "pipe"
                              << "not a regular file";
        QTest::newRow("link to an endless device") << "zero"
                                                   << "not a regular file";
        QTest::newRow("folder") << "folder"
                                << "not a regular file";
        QTest::newRow("missing") << "missing"
                                 << "No such file";
        QTest::newRow("too large") << "large"
                                   << "larger than 1000 bytes";
    }
    void refusedFiles() {
        QFETCH(QString, kind);
        QFETCH(QString, cause);
        QVERIFY(m_dir.isValid());
        const QString path = m_dir.filePath(kind + QStringLiteral(".svg"));
        if (kind == u"pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (kind == u"zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        else if (kind == u"folder")
            QVERIFY(QDir(m_dir.path()).mkdir(kind + QStringLiteral(".svg")));
        else if (kind == u"large") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(svg(QByteArray(2000, ' ')));
        }
        SvgLimits limits;
        limits.maxBytes = 1000;
        const QString message = refusal([&] { SvgPicture::fromFile(path, limits); });
        QVERIFY2(message.contains(kind + QStringLiteral(".svg")), qPrintable(message));
        QVERIFY2(message.contains(cause), qPrintable(message));
    }

    void drawsIntoItsTarget() {
        const SvgPicture picture = SvgPicture::fromData(
            svg("<rect x=\"0\" y=\"0\" width=\"10\" height=\"5\" fill=\"#ff0000\"/>",
                "viewBox=\"0 0 10 10\""),
            QStringLiteral("half.svg"));
        const QImage image = picture.toImage(QSize(40, 40), Qt::white);
        QCOMPARE(image.size(), QSize(40, 40));
        QCOMPARE(QColor(image.pixel(20, 5)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(20, 35)), QColor(Qt::white));
        // The same drawing into a rectangle of a page, away from the corner.
        QImage page(100, 100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        picture.render(painter, QRectF(50, 50, 20, 20));
        painter.end();
        QCOMPARE(QColor(page.pixel(60, 52)), QColor(Qt::red));
        QCOMPARE(QColor(page.pixel(40, 52)), QColor(Qt::white));
        QCOMPARE(QColor(page.pixel(60, 65)), QColor(Qt::white));
    }

    void imageSizeIsBounded_data() {
        QTest::addColumn<QSize>("size");
        QTest::newRow("empty") << QSize(0, 10);
        QTest::newRow("negative") << QSize(-5, 10);
        QTest::newRow("beyond the bound") << QSize(20000, 10);
    }
    void imageSizeIsBounded() {
        QFETCH(QSize, size);
        const SvgPicture picture = SvgPicture::fromData(svg(""), QStringLiteral("plain.svg"));
        QVERIFY(refusal([&] { picture.toImage(size); }).contains(QLatin1String("plain.svg")));
    }
};

QTEST_MAIN(TestSvgPicture)
#include "tst_svgpicture.moc"
