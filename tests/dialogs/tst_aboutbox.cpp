#include "dialogs/AboutBox.h"
#include "support_urlrecorder.h"

#include <QFrame>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using ferlo::TAboutBox;

namespace {

QWidget* control(TAboutBox& box, const QString& name) {
    return box.findChild<QWidget*>(name);
}

QStringList textsOf(const TAboutBox& box) {
    return {box.windowTitle(),      box.ProductName->text(), box.Version->text(),
            box.Copyright->text(),  box.LABMoxEmail->text(), box.Label1->text(),
            box.paFerloURL->text(), box.Comments->text(),    box.OKButton->text()};
}

} // namespace

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void controlsLieInsideApart_data();
    void controlsLieInsideApart();
    void textsFitTheirPlaces();
    void sameTextsOnEveryShowing();
    void okAndEnterClose_data();
    void okAndEnterClose();
    void linkOpensExactlyItsText();
    void emailClickOpensNothing();
    void centredOnScreen();
};

// Each control shows inside its parent, apart from the others: nothing is cut off by the box's
// edge or covered by another control, and the box keeps its size.
void TestAboutBox::controlsLieInsideApart_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("the box") << "AboutBox" << QStringList{"Panel1", "OKButton"};
    QTest::newRow("the panel") << "Panel1" << QStringList{"ProductName", "Version", "Copyright",
                                                          "LABMoxEmail", "Label1",  "paFerloURL",
                                                          "Bevel1",      "Comments"};
}

void TestAboutBox::controlsLieInsideApart() {
    QFETCH(QString, parent);
    QFETCH(QStringList, names);

    TAboutBox box;
    box.show(); // places must hold once shown, not only as built
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.minimumSize(), box.maximumSize()); // not resizable
    QList<QRect> placed;
    for (const QString& name : names) {
        QWidget* widget = control(box, name);
        QVERIFY2(widget && widget->isVisible(), qPrintable(name));
        QCOMPARE(widget->parentWidget()->objectName(), parent);
        QVERIFY2(widget->parentWidget()->rect().contains(widget->geometry()), qPrintable(name));
        for (const QRect& other : placed)
            QVERIFY2(!other.intersects(widget->geometry()), qPrintable(name));
        placed << widget->geometry();
    }
    // The hidden icon takes no room; the box names the program and its version.
    QVERIFY(!control(box, QStringLiteral("ProgramIcon"))->isVisible());
    QVERIFY(box.Version->text().contains(QStringLiteral(FERLO_VERSION)));
    box.reject();
}

// The single-line texts are not cut off, and the note fits its three lines.
void TestAboutBox::textsFitTheirPlaces() {
    TAboutBox box;
    for (QLabel* label :
         {box.ProductName, box.Version, box.Copyright, static_cast<QLabel*>(box.LABMoxEmail),
          box.Label1, static_cast<QLabel*>(box.paFerloURL)}) {
        const QFontMetrics metrics(label->font());
        QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(QStringLiteral("%1: \"%2\" is %3 pixels wide in %4")
                                .arg(label->objectName(), label->text())
                                .arg(metrics.horizontalAdvance(label->text()))
                                .arg(label->width())));
    }
    const QFontMetrics metrics(box.Comments->font());
    const QRect needed = metrics.boundingRect(QRect(0, 0, box.Comments->width(), 1000),
                                              Qt::TextWordWrap, box.Comments->text());
    QVERIFY2(needed.height() <= box.Comments->height(),
             qPrintable(QStringLiteral("the note needs %1 pixels").arg(needed.height())));
}

void TestAboutBox::sameTextsOnEveryShowing() {
    TAboutBox box;
    const QStringList built = textsOf(box);
    for (const QString& text : built)
        QVERIFY(!text.trimmed().isEmpty());
    for (int showing = 0; showing < 2; ++showing) {
        QTimer::singleShot(0, box.OKButton, &QPushButton::click);
        QCOMPARE(box.exec(), int(QDialog::Accepted));
        QCOMPARE(textsOf(box), built);
    }
}

void TestAboutBox::okAndEnterClose_data() {
    QTest::addColumn<int>("how"); // 0 click OK, 1 Enter, 2 keypad Enter, 3 Escape
    QTest::addColumn<int>("result");
    QTest::newRow("OK button") << 0 << int(QDialog::Accepted);
    QTest::newRow("Enter") << 1 << int(QDialog::Accepted);
    QTest::newRow("keypad Enter") << 2 << int(QDialog::Accepted);
    QTest::newRow("Escape") << 3 << int(QDialog::Rejected);
}

void TestAboutBox::okAndEnterClose() {
    QFETCH(int, how);
    QFETCH(int, result);
    TAboutBox box;
    QTimer::singleShot(0, &box, [&box, how] {
        switch (how) {
        case 0:
            QTest::mouseClick(box.OKButton, Qt::LeftButton);
            break;
        case 1:
            QTest::keyClick(&box, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
            break;
        default:
            QTest::keyClick(&box, Qt::Key_Escape);
        }
    });
    // A safety net, so a box that does not close fails the test instead of hanging it.
    QTimer::singleShot(5000, &box, [&box] { box.done(-1); });
    QCOMPARE(box.exec(), result);
    QVERIFY(!box.isVisible());
}

void TestAboutBox::linkOpensExactlyItsText() {
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    UrlRecorder recorder;
    QTest::mouseClick(box.paFerloURL, Qt::LeftButton);
    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls[0].toString(), box.paFerloURL->text());

    // Whatever the caption says is what opens.
    box.paFerloURL->setText(QStringLiteral("http://ferlo.example.org/help/cards?x=1"));
    QTest::mouseClick(box.paFerloURL, Qt::LeftButton);
    QCOMPARE(recorder.urls.size(), 2);
    QCOMPARE(recorder.urls[1].toString(), box.paFerloURL->text());

    // The right button opens nothing.
    QTest::mouseClick(box.paFerloURL, Qt::RightButton);
    QCOMPARE(recorder.urls.size(), 2);
    box.reject();
}

void TestAboutBox::emailClickOpensNothing() {
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    UrlRecorder recorder;
    QTest::mouseClick(box.LABMoxEmail, Qt::LeftButton);
    box.LABMoxEmailClick();
    QVERIFY(recorder.urls.isEmpty());
    QVERIFY(box.isVisible());
    box.reject();
}

void TestAboutBox::centredOnScreen() {
    TAboutBox box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint centre = box.screen()->availableGeometry().center();
    const QPoint boxCentre = box.frameGeometry().center();
    QVERIFY2((boxCentre - centre).manhattanLength() <= 2,
             qPrintable(QStringLiteral("the box's centre is (%1, %2), the screen's (%3, %4)")
                            .arg(boxCentre.x())
                            .arg(boxCentre.y())
                            .arg(centre.x())
                            .arg(centre.y())));
    box.reject();
}

QTEST_MAIN(TestAboutBox)
#include "tst_aboutbox.moc"
