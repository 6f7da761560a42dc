// The real program under a real X server: scripts/screenshot starts it under Xvfb on a
// 1024 x 768 screen and the picture shows the white card, 762 x 544, centred on the grey base.

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

} // namespace

class TestScreenshot : public QObject {
    Q_OBJECT

private slots:
    void cardIsCentredOnTheGreyBase() {
        for (const char* tool : {"xvfb-run", "import", "xdotool"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                const QString why = QStringLiteral("%1 is not installed (scripts/setup)").arg(tool);
                if (qEnvironmentVariable("FERLO_REQUIRE_SERVICES") == QLatin1String("1"))
                    QFAIL(qPrintable(why));
                QSKIP(qPrintable(why));
            }
        }
        QTemporaryDir dir;
        const QString shot = dir.filePath(QStringLiteral("screen.png"));
        QProcess script;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FERLO_BINARY"), QStringLiteral(FERLO_BINARY_DIR "/src/ferlo"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/ferlo"));
        script.setProcessEnvironment(env);
        script.setProcessChannelMode(QProcess::MergedChannels);
        script.start(QStringLiteral(FERLO_SOURCE_DIR "/scripts/screenshot"),
                     {QStringLiteral("--size"), QStringLiteral("1024x768"), QStringLiteral("--dir"),
                      dir.path(), shot});
        QVERIFY(script.waitForFinished(120000));
        QVERIFY2(script.exitCode() == 0, script.readAll().constData());

        const QImage image(shot);
        QCOMPARE(image.size(), QSize(1024, 768));
        // The grey base fills the client area right of the browser: its column at x = 180 and
        // its row just above the status bar give its extent.
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
        const QRect base(QPoint(left, top), QPoint(right, bottom));
        QCOMPARE(base.left(), 169);
        QCOMPARE(base.right(), 1023);
        QCOMPARE(base.bottom(), 768 - 18 - 1);
        const QRect card = boxOf(image, base, isWhite);
        QCOMPARE(card.size(), QSize(762, 544));
        QCOMPARE(card.left() - base.left(), (base.width() - 762) / 2);
        QCOMPARE(card.top() - base.top(), (base.height() - 544) / 2);
    }
};

QTEST_MAIN(TestScreenshot)
#include "tst_screenshot.moc"
