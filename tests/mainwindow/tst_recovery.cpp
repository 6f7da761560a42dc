// Work kept between runs, end to end through the window: the recovery copy follows the deck's
// unsaved changes, the question after a crash restores, saves or discards each copy, File >
// Recent Decks lists the decks last opened or saved, and the last deck reopens when chosen.

#include "dialogs/Options.h"
#include "mainwindow/FerloMainForm.h"
#include "storage/DeckFile.h"
#include "storage/RecentDeckList.h"
#include "storage/RecoveryStore.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// The recovery copies in the state folder.
QStringList copies() {
    QStringList files;
    for (const QString& name :
         QDir(recoveryDirectory()).entryList({QStringLiteral("*.ferlo")}, QDir::Files))
        files << QDir(recoveryDirectory()).filePath(name);
    return files;
}

// Answers the question after a crash: clicks its buttons in turn ("Close" for the box's own),
// and chooses `saveTo` in a file dialog that a button opens. It answers for as long as `owner`
// lives: an answerer left from an earlier case would choose that case's file.
void answerRecovery(QObject* owner, const QStringList& buttons, const QString& saveTo = QString()) {
    auto* timer = new QTimer(owner);
    auto step = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, step, buttons, saveTo] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            // The name typed, as a user gives it: the dialog's own selection may still change
            // while its folder loads.
            dialog->selectFile(saveTo);
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(saveTo);
            static_cast<QDialog*>(dialog)->accept();
        } else if (modal && modal->objectName() == QLatin1String("RecoveryQuestion") &&
                   *step < buttons.size()) {
            const QString name = buttons[(*step)++];
            QPushButton* button =
                name == QLatin1String("Close")
                    ? modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close)
                    : modal->findChild<QPushButton*>(name);
            // Clicked once this handler has returned: a timer does not fire again while its
            // handler runs, and the button may open a dialog of its own.
            QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
        } else if (!modal && *step >= buttons.size()) {
            timer->deleteLater();
        }
    });
    timer->start(20);
}

Deck deckOf(const PictureFolder& folder, int cards) {
    Deck deck;
    for (int i = 0; i < cards; ++i) {
        DeckCard card;
        card.layout.setCells(2);
        card.cells.push_back(
            DeckCell{folder.file("cat.jpg").toStdString(), "word " + std::to_string(i), {}});
        deck.cards.push_back(card);
    }
    return deck;
}

// A copy as a run killed while its deck had unsaved changes leaves it.
QString leaveCopy(const Deck& deck, const QString& deckPath, const QString& name) {
    QDir().mkpath(recoveryDirectory());
    const QString file = QDir(recoveryDirectory()).filePath(name);
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return {};
    out.write(recoveryCopyBytes(deck, deckPath, QDateTime::currentDateTimeUtc(), file));
    return file;
}

} // namespace

class TestRecovery : public MainWindowTest {
    Q_OBJECT

    QTemporaryDir m_state;

private slots:
    void initTestCase() {
        qputenv("XDG_STATE_HOME", QFile::encodeName(m_state.path()));
        qputenv("FERLO_REGISTRY_DIR", QFile::encodeName(m_state.filePath("settings")));
    }
    void init() {
        QDir(recoveryDirectory()).removeRecursively();
        QFile::remove(m_state.filePath("settings/HKEY_LOCAL_MACHINE.reg"));
        m_window.emplace();
        folder().addJpeg("cat.jpg");
        folder().addJpeg("dog.jpg", 480, 640, 0xffcc3333);
        QVERIFY(m_window->open(folder().path()));
    }
    void cleanup() { m_window.reset(); }

    // A change reaches the copy in the state folder; saving the deck removes it.
    void copyFollowsUnsavedChanges() {
        QVERIFY(copies().isEmpty());
        clickFile(form(), "cat.jpg");
        QTRY_COMPARE(copies().size(), 1);
        const QString copy = copies().first();
        QTRY_COMPARE(readRecoveryCopy(copy).deck, form().deck().deck());
        clickFile(form(), "dog.jpg");
        QTRY_COMPARE(readRecoveryCopy(copy).deck, form().deck().deck());

        const QString saved = folder().file("farm.ferlo");
        answerRecovery(&form(), {}, saved);
        action(form(), "mnSaveDeck")->trigger();
        QVERIFY2(QFile::exists(saved), qPrintable(messages().texts().join('\n')));
        QCOMPARE(readDeck(saved), form().deck().deck());
        QTRY_VERIFY(copies().isEmpty());
        QTRY_VERIFY(!QFile::exists(copy + ".lock")); // released after the copy goes
        // A change after the save is unsaved work again, and has its copy again.
        clickFile(form(), "dog.jpg");
        QTRY_COMPARE(copies().size(), 1);
    }

    // Each answer of the question after a crash, and what it leaves.
    void questionAfterACrash_data() {
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<bool>("restored");
        QTest::addColumn<bool>("savedAs");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Restore") << QStringList{"RestoreButton"} << true << false << false;
        QTest::newRow("Save As") << QStringList{"SaveAsButton"} << false << true << false;
        QTest::newRow("Discard") << QStringList{"DiscardButton"} << false << false << false;
        QTest::newRow("Close") << QStringList{"Close"} << false << false << true;
    }
    void questionAfterACrash() {
        QFETCH(QStringList, buttons);
        QFETCH(bool, restored);
        QFETCH(bool, savedAs);
        QFETCH(bool, kept);
        const QString own = folder().file("farm.ferlo");
        const Deck deck = deckOf(folder(), 3);
        const QString copy = leaveCopy(deck, own, "deck-1-x-1.ferlo");
        const QString broken = leaveCopy(deck, own, "deck-2-x-1.ferlo");
        QFile(broken).resize(20);
        const QString savedTo = folder().file("rescued.ferlo");

        answerRecovery(&form(), buttons, savedTo);
        form().resumeWork(false);

        // The unreadable copy is set aside and named, whatever the answer.
        QVERIFY(QFile::exists(broken + ".unreadable"));
        QVERIFY2(messages().texts().join('\n').contains(broken + ".unreadable"),
                 qPrintable(messages().texts().join('\n')));
        QCOMPARE(form().deck().deck() == deck, restored);
        QCOMPARE(form().isWindowModified(), restored);
        QCOMPARE(QFile::exists(savedTo), savedAs);
        if (savedAs)
            QCOMPARE(readDeck(savedTo), deck);
        QCOMPARE(QFile::exists(own), false);
        if (kept) {
            // Left for the next start, no longer this run's.
            QCOMPARE(claimRecoveryCopies().copies.size(), size_t(1));
            return;
        }
        if (!restored) {
            QVERIFY(copies().isEmpty());
            return;
        }
        // Restored, it keeps its own file: Save writes there without asking.
        QCOMPARE(form().windowTitle(), QStringLiteral("farm.ferlo[*] - Ferlo"));
        QCOMPARE(copies(), QStringList{copy});
        action(form(), "mnSaveDeck")->trigger();
        QCOMPARE(readDeck(own), deck);
        QVERIFY(!form().isWindowModified());
        QTRY_VERIFY(copies().isEmpty());
    }

    // File > Recent Decks: newest first, a deck that is gone greyed with a tooltip saying so.
    void recentDecksMenu() {
        const QString first = folder().file("first.ferlo");
        const QString second = folder().file("second.ferlo");
        writeDeck(first, deckOf(folder(), 1));
        writeDeck(second, deckOf(folder(), 2));
        form().openDeck(first);
        form().openDeck(second);
        QVERIFY(QFile::remove(first));
        auto* menu = form().findChild<QMenu*>("mnRecentDecks");
        QVERIFY(menu);
        QMetaObject::invokeMethod(menu, "aboutToShow");
        const QList<QAction*> entries = menu->actions();
        QCOMPARE(entries.size(), 2);
        QVERIFY(entries[0]->text().endsWith("second.ferlo"));
        QVERIFY(entries[0]->isEnabled());
        QVERIFY(!entries[1]->isEnabled());
        QVERIFY(entries[1]->toolTip().contains(first));

        writeDeck(first, deckOf(folder(), 4));
        QMetaObject::invokeMethod(menu, "aboutToShow");
        menu->actions()[1]->trigger();
        QCOMPARE(form().deck().count(), 4);
        QTRY_COMPARE(readRecentDecks().value(0), first);
    }

    // Options > Reopen the last deck on start.
    void reopensTheLastDeckWhenChosen_data() {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("chosen") << true;
        QTest::newRow("not chosen") << false;
    }
    void reopensTheLastDeckWhenChosen() {
        QFETCH(bool, chosen);
        const QString last = folder().file("last.ferlo");
        writeDeck(last, deckOf(folder(), 3));
        noteRecentDeck(last);
        TdlgOptions options(&form());
        QTimer::singleShot(0, &options, [&] {
            options.cbReopenLastDeck->setChecked(chosen);
            options.OKBtn->click();
        });
        options.exec();
        QCOMPARE(readReopenLastDeck(), chosen);
        form().resumeWork(true);
        QCOMPARE(form().deck().count(), chosen ? 3 : 1);
        QCOMPARE(form().deck().path() == last.toStdString(), chosen);
    }
};

QTEST_MAIN(TestRecovery)
#include "tst_recovery.moc"
