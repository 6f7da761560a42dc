#include "mainwindow/LineShape.h"

#include <QtTest>

using ferlo::TLine;

class TestLineShape : public QObject {
    Q_OBJECT

private slots:
    void setPoints_data() {
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("horizontal, right to left")
            << QPoint(10, 5) << QPoint(3, 5) << QRect(3, 5, 8, 1);
        QTest::newRow("horizontal, left to right")
            << QPoint(3, 5) << QPoint(10, 5) << QRect(3, 5, 8, 1);
        QTest::newRow("vertical, bottom to top")
            << QPoint(4, 9) << QPoint(4, 2) << QRect(4, 2, 1, 8);
        QTest::newRow("vertical, top to bottom")
            << QPoint(4, 2) << QPoint(4, 9) << QRect(4, 2, 1, 8);
        QTest::newRow("a dot") << QPoint(7, 7) << QPoint(7, 7) << QRect(7, 7, 1, 1);
        QTest::newRow("second Y unused") << QPoint(0, 20) << QPoint(50, 99) << QRect(0, 20, 51, 1);
    }
    void setPoints() {
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QRect, geometry);
        QWidget parent;
        parent.resize(200, 200);
        TLine line(&parent);
        line.SetPoints(first, second);
        QCOMPARE(line.geometry(), geometry);
        QCOMPARE(line.FStartPoint, first);
        QCOMPARE(line.FEndPoint, second);
    }

    void drawsADottedBlackLineOnWhite() {
        QWidget parent;
        parent.resize(120, 20);
        TLine line(&parent);
        line.SetPoints(QPoint(0, 10), QPoint(99, 10));
        const QImage image = line.grab().toImage();
        QCOMPARE(image.size(), QSize(100, 1));
        int black = 0;
        int white = 0;
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, 0));
            black += grey < 64;
            white += grey > 192;
        }
        QVERIFY(black >= 25 && black <= 75);
        QVERIFY(white >= 25);
    }
};

QTEST_MAIN(TestLineShape)
#include "tst_lineshape.moc"
