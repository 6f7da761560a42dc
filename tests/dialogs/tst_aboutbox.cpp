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
    void controlsLieWhereDesigned_data();
    void controlsLieWhereDesigned();
    void textsFitTheirPlaces();
    void sameTextsOnEveryShowing();
    void okAndEnterClose_data();
    void okAndEnterClose();
    void linkOpensExactlyItsText();
    void emailClickOpensNothing();
    void centredOnScreen();
};

void TestAboutBox::controlsLieWhereDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text"); // empty: the implementer's own text, not checked here

    QTest::newRow("Panel1") << "Panel1"
                            << "AboutBox" << QRect(8, 8, 345, 193) << QString();
    QTest::newRow("ProgramIcon") << "ProgramIcon"
                                 << "Panel1" << QRect(8, 8, 32, 32) << QString();
    QTest::newRow("ProductName") << "ProductName"
                                 << "Panel1" << QRect(112, 14, 123, 20) << "Ferlo";
    QTest::newRow("Version") << "Version"
                             << "Panel1" << QRect(112, 38, 82, 16) << "Version: 1.0";
    QTest::newRow("Copyright") << "Copyright"
                               << "Panel1" << QRect(8, 62, 325, 14) << QString();
    QTest::newRow("LABMoxEmail") << "LABMoxEmail"
                                 << "Panel1" << QRect(128, 79, 88, 14) << QString();
    QTest::newRow("Label1") << "Label1"
                            << "Panel1" << QRect(137, 98, 71, 14) << QString();
    QTest::newRow("paFerloURL") << "paFerloURL"
                                << "Panel1" << QRect(109, 116, 128, 13) << QString();
    QTest::newRow("Bevel1") << "Bevel1"
                            << "Panel1" << QRect(11, 138, 321, 2) << QString();
    QTest::newRow("Comments") << "Comments"
                              << "Panel1" << QRect(8, 146, 302, 39) << QString();
    QTest::newRow("OKButton") << "OKButton"
                              << "AboutBox" << QRect(143, 216, 75, 25) << "OK";
}

void TestAboutBox::controlsLieWhereDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(QString, text);

    TAboutBox box;
    box.show(); // places must hold once shown, not only as built
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.size(), QSize(362, 252));
    QCOMPARE(box.maximumSize(), QSize(362, 252)); // not resizable
    QWidget* widget = control(box, name);
    QVERIFY2(widget, qPrintable(name));
    QCOMPARE(widget->parentWidget()->objectName(), parent);
    QCOMPARE(widget->geometry(), place);
    if (!text.isEmpty()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            QCOMPARE(label->text(), text);
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        else
            QFAIL("no text to compare");
    }
    // Every control but the hidden icon shows.
    QCOMPARE(widget->isVisible(), name != QLatin1String("ProgramIcon"));
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
