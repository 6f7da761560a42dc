// The real program under a real X server: scripts/screenshot starts it under Xvfb on a
// 1024 x 768 screen, clicks where it is told, and the picture shows what a user would see.

#include "support/TestSupport.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool isWhite(QRgb p) {
    return qRed(p) == 255 && qGreen(p) == 255 && qBlue(p) == 255;
}
bool isBase(QRgb p) {
    return qRed(p) == 140 && qGreen(p) == 140 && qBlue(p) == 140;
}

// The bounding box of the pixels that pass the test, within a region.
QRect boxOf(const QImage& image, const QRect& region, bool (*test)(QRgb)) {
    QRect box;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            if (test(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool isCardRed(QRgb p) {
    return qAbs(qRed(p) - 0xcc) < 40 && qGreen(p) < 0x60 && qBlue(p) < 0x60;
}
bool isInk(QRgb p) {
    return qGray(p) < 100;
}

// The program started in a folder under Xvfb, after the clicks ("X,Y[,BUTTON]"), as a picture
// of the whole screen; a null image when the tools are missing (the test is then skipped).
QImage screenshot(const QString& folder, const QStringList& clicks = {}) {
    for (const char* tool : {"xvfb-run", "import", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            const QString why = QStringLiteral("%1 is not installed (scripts/setup)").arg(tool);
            if (ferlo::test::servicesRequired())
                qFatal("%s", qPrintable(why));
            qWarning("%s", qPrintable(why));
            return {};
        }
    }
    QTemporaryDir out;
    const QString shot = out.filePath(QStringLiteral("screen.png"));
    QProcess script;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FERLO_BINARY"), QStringLiteral(FERLO_BINARY_DIR "/src/ferlo"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/ferlo"));
    script.setProcessEnvironment(env);
    script.setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments{QStringLiteral("--size"), QStringLiteral("1024x768"),
                          QStringLiteral("--dir"), folder};
    for (const QString& click : clicks)
        arguments << QStringLiteral("--click") << click;
    script.start(QStringLiteral(FERLO_SOURCE_DIR "/scripts/screenshot"), arguments << shot);
    if (!script.waitForFinished(120000) || script.exitCode() != 0)
        qFatal("scripts/screenshot failed: %s", script.readAll().constData());
    return QImage(shot);
}

// The grey card base: its column at x = 180 and its row just above the status bar give its
// extent.
QRect cardBase(const QImage& image) {
    int top = 0;
    while (top < image.height() && !isBase(image.pixel(180, top)))
        ++top;
    int bottom = top;
    while (bottom + 1 < image.height() && isBase(image.pixel(180, bottom + 1)))
        ++bottom;
    int left = 180;
    while (left > 0 && isBase(image.pixel(left - 1, bottom)))
        --left;
    int right = 180;
    while (right + 1 < image.width() && isBase(image.pixel(right + 1, bottom)))
        ++right;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

class TestScreenshot : public QObject {
    Q_OBJECT

private slots:
    // The white card, 762 x 544, centred on the grey base.
    void cardIsCentredOnTheGreyBase() {
        QTemporaryDir dir;
        const QImage image = screenshot(dir.path());
        if (image.isNull())
            QSKIP("no X tools");
        QCOMPARE(image.size(), QSize(1024, 768));
        const QRect base = cardBase(image);
        QCOMPARE(base.left(), 169);
        QCOMPARE(base.right(), 1023);
        QCOMPARE(base.bottom(), 768 - 18 - 1);
        const QRect card = boxOf(image, base, isWhite);
        QCOMPARE(card.size(), QSize(762, 544));
        QCOMPARE(card.left() - base.left(), (base.width() - 762) / 2);
        QCOMPARE(card.top() - base.top(), (base.height() - 544) / 2);
    }

    // A picture named x<br>y1.jpg, picked in the file list: its row is 13 pixels high, its label
    // reads "X<BR>Y" on one line, and a right press near its top-left corner, where the free
    // picture controls lie, takes it off the card.
    void pickedPictureUnderARealServer() {
        QTemporaryDir dir;
        QImage red(640, 480, QImage::Format_RGB32);
        red.fill(0xffcc3333);
        ferlo::test::writeJpeg(dir.filePath(QStringLiteral("x<br>y1.jpg")), red, 90);
        const QImage start = screenshot(dir.path());
        if (start.isNull())
            QSKIP("no X tools");
        // The browser starts level with the card base; the file list lies 195 pixels down.
        const QRect base = cardBase(start);
        const QRect card = boxOf(start, base, isWhite);
        const QString firstFile = QStringLiteral("60,%1").arg(base.top() + 195 + 8);

        const QImage picked = screenshot(dir.path(), {firstFile});
        const QRect picture = boxOf(picked, card, isCardRed);
        QVERIFY2(picture.width() > 200, "the picture is not on the card");
        // The selected row of the file list, in the highlight's shades of blue, right of its
        // text.
        const QPoint inRow(150, base.top() + 195 + 8);
        const auto highlighted = [&picked, &inRow](int y) {
            const QRgb p = picked.pixel(inRow.x(), y);
            return qBlue(p) > qRed(p) + 60;
        };
        QVERIFY(highlighted(inRow.y()));
        int rowTop = inRow.y();
        while (highlighted(rowTop - 1))
            --rowTop;
        int rowBottom = inRow.y();
        while (highlighted(rowBottom + 1))
            ++rowBottom;
        QCOMPARE(rowBottom - rowTop + 1, 13);
        // The label: dark rows under the picture, within cell 0, form one line.
        const QRect band(QPoint(card.left() + 4, picture.bottom() + 1),
                         QPoint(card.center().x() - 4, card.center().y() - 4));
        QList<int> inkRows;
        for (int y = band.top(); y <= band.bottom(); ++y) {
            for (int x = band.left(); x <= band.right(); ++x) {
                if (isInk(picked.pixel(x, y))) {
                    inkRows << y;
                    break;
                }
            }
        }
        QVERIFY2(!inkRows.isEmpty(), "no label under the picture");
        QCOMPARE(inkRows.last() - inkRows.first() + 1, int(inkRows.size()));
        const QRect ink = boxOf(picked, band, isInk);
        QVERIFY2(ink.width() > 3 * ink.height(), "the label is not X<BR>Y on one line");

        const QImage pressed = screenshot(
            dir.path(),
            {firstFile, QStringLiteral("%1,%2,3").arg(picture.left() + 3).arg(picture.top() + 3)});
        QVERIFY2(boxOf(pressed, card, isCardRed).isEmpty(),
                 "the right press did not take the picture off");
    }
};

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
