// The card strip under the card: previews of the deck's cards drawn off the window's thread, a
// click to show a card, a drag to move one, Delete to remove one, each an undoable step.
#include "mainwindow/CardStrip.h"
#include "mainwindow/FerloMainForm.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QMimeData>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

class TestCardStrip : public MainWindowTest {
    Q_OBJECT

    CardStrip* strip() const { return form().findChild<CardStrip*>(QStringLiteral("CardStrip")); }
    QAction* action(const char* name) const {
        return form().findChild<QAction*>(QLatin1String(name));
    }
    // The first picture of each card, by its file's name.
    QStringList firstPictures() const {
        QStringList names;
        for (const DeckCard& card : form().deck().deck().cards)
            names << (card.cells.empty() || !card.cells[0]
                          ? QString()
                          : QString::fromStdString(card.cells[0]->picture).section('/', -1));
        return names;
    }
    QPoint centreOf(int card) const {
        return strip()->visualItemRect(strip()->item(card)).center();
    }

private slots:
    void init() {
        m_window.emplace();
        for (const char* name : {"ant.jpg", "bee.jpg", "cow.jpg", "dog.jpg"})
            folder().addJpeg(name, 64, 48);
        QVERIFY(m_window->open(folder().path()));
        const QString path = folder().file("three.ferlo");
        writeFile(path, R"({"format": "ferlo-deck", "version": 1, "cards": [
            {"cells": [{"picture": "ant.jpg"}, {"picture": "bee.jpg"}]},
            {"perPage": 2, "cells": [{"picture": "cow.jpg"}]},
            {"perPage": 1, "orientation": "portrait", "cells": [{"picture": "dog.jpg"}]}]})");
        QVERIFY(form().openDeck(path));
    }
    void cleanup() {
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        m_window.reset();
    }

    void showsTheDeckAndFollowsIt() {
        QVERIFY(strip() && strip()->isVisible());
        QCOMPARE(strip()->count(), 3);
        QTRY_COMPARE(strip()->previewsPending(), 0);
        // The portrait card's preview stands upright, the others lie.
        const QSize upright = strip()->item(2)->icon().availableSizes().value(0);
        const QSize lying = strip()->item(0)->icon().availableSizes().value(0);
        QVERIFY(upright.height() > upright.width() && lying.width() > lying.height());

        // A change on the card: its preview is drawn again and comes in.
        QSignalSpy shown(strip(), &CardStrip::previewShown);
        clickFile(form(), QStringLiteral("dog.jpg"));
        QTRY_VERIFY(shown.contains(QVariantList{0}));

        // View > Card Strip hides it and gives the card base its room back.
        const int base = view().PACardBase->height();
        action("mnCardStrip")->trigger();
        QVERIFY(!strip()->isVisible() && view().PACardBase->height() > base);
        action("mnCardStrip")->trigger();
        QVERIFY(strip()->isVisible());

        // A click shows a card, and the file list follows it.
        QTest::mouseClick(strip()->viewport(), Qt::LeftButton, {}, centreOf(1));
        QCOMPARE(form().deck().current(), 1);
        QCOMPARE(selectedFiles(form()), QStringList{"cow.jpg"});
    }

    void dragMovesDeleteRemoves() {
        // The third card dropped on the first: it goes first, and one undo puts it back.
        QMimeData data;
        data.setData(QStringLiteral("application/x-ferlo-card"), "2");
        QDragEnterEvent enter(centreOf(0), Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(strip()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(centreOf(0), Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(strip()->viewport(), &drop);
        QTRY_COMPARE(firstPictures(), (QStringList{"dog.jpg", "ant.jpg", "cow.jpg"}));
        QCOMPARE(form().deck().current(), 0);
        QCOMPARE(view().Card.PicturesPerPage, 1);
        action("mnUndo")->trigger();
        QCOMPARE(firstPictures(), (QStringList{"ant.jpg", "cow.jpg", "dog.jpg"}));

        // Delete on the second card removes it; undo brings it back.
        QTest::mouseClick(strip()->viewport(), Qt::LeftButton, {}, centreOf(1));
        QTest::keyClick(strip(), Qt::Key_Delete);
        QCOMPARE(firstPictures(), (QStringList{"ant.jpg", "dog.jpg"}));
        QCOMPARE(action("mnUndo")->text(), QStringLiteral("&Undo Remove card 2"));
        action("mnUndo")->trigger();
        QCOMPARE(firstPictures(), (QStringList{"ant.jpg", "cow.jpg", "dog.jpg"}));

        // A deck of one card has no strip.
        action("TBRemoveCard")->trigger();
        action("TBRemoveCard")->trigger();
        QVERIFY(!strip()->isVisible());
    }

    // A picture dropped on a full card stays, and the status bar says why; the message goes
    // with the first change of the deck, a new or opened deck included, and stays while the
    // user only looks at other cards.
    void aStatusMessageGoesWhenItNoLongerHolds_data() {
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("stays");
        QTest::newRow("another card shown") << "show card 2" << true;
        QTest::newRow("new deck") << "mnNewDeck" << false;
        QTest::newRow("layout") << "mnLayout" << false;
        QTest::newRow("picture taken off") << "take off" << false;
        QTest::newRow("undo of an earlier step") << "mnUndo" << false;
    }
    void aStatusMessageGoesWhenItNoLongerHolds() {
        QFETCH(QString, then);
        QFETCH(bool, stays);
        auto* status = form().findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        QVERIFY(status);
        if (then == "mnUndo")
            clickFile(form(), QStringLiteral("cow.jpg")); // a step to undo
        emit strip()->pictureDropped(0, 2);               // ant onto the third card, full with dog
        QCOMPARE(status->currentMessage(), QStringLiteral("Card 3 is full"));
        QCOMPARE(firstPictures(), (QStringList{"ant.jpg", "cow.jpg", "dog.jpg"}));
        if (then == "show card 2") {
            QTest::mouseClick(strip()->viewport(), Qt::LeftButton, {}, centreOf(1));
            QCOMPARE(form().deck().current(), 1);
        } else if (then == "take off") {
            clickFile(form(), QStringLiteral("bee.jpg"));
        } else {
            if (then == "mnLayout")
                QTimer::singleShot(0, qApp, [] {
                    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                    QVERIFY(dialog);
                    auto* count = dialog->findChild<QComboBox*>(QStringLiteral("countBox"));
                    QVERIFY(count);
                    count->setCurrentIndex(count->findText(QStringLiteral("6")));
                    dialog->accept();
                });
            action(qPrintable(then))->trigger();
        }
        QCOMPARE(status->currentMessage().isEmpty(), !stays);
    }
};

QTEST_MAIN(TestCardStrip)
#include "tst_cardstrip.moc"
