// The window keeps a deck: the card on screen is one card of it, switching cards brings back each
// card's layout, switches, pictures and the file list's selection, and the deck goes to disk and
// back without changing a printed page.
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LineShape.h"
#include "mainwindow/PictureControl.h"
#include "printing/PdfExport.h"
#include "sound/Speech.h"
#include "storage/DeckFile.h"
#include "support/PageFiles.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

QAction* action(const TFerloMainForm& form, const char* name) {
    auto* found = form.findChild<QAction*>(QLatin1String(name));
    if (!found)
        qFatal("no action %s", name);
    return found;
}

QString cardNumber(const TFerloMainForm& form) {
    return form.findChild<QLabel*>(QStringLiteral("LABCardNumber"))->text();
}

// The shown label words of the filled cells, in cell order.
QStringList shownLabels(const FormView& ui) {
    QStringList words;
    for (size_t i = 0; i < ui.Cells.size(); ++i) {
        if (ui.CellLabels[i]->isVisibleTo(ui.PACard))
            words << ui.CellLabels[i]->text();
    }
    return words;
}

// Answers the question about unsaved changes that the next command asks; `asked` gets its text.
void answerQuestion(QMessageBox::StandardButton answer, QString* asked) {
    QTimer::singleShot(0, qApp, [answer, asked] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->objectName() != QLatin1String("UnsavedChanges"))
            return;
        *asked = box->text();
        box->button(answer)->click();
    });
}

// Chooses `path` in the file dialog that the next command opens.
void answerFileDialog(const QString& path) {
    QTimer::singleShot(0, qApp, [path] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept(); // QFileDialog::accept, as the button does
        }
    });
}

// The PDF of the deck's pages without what changes from run to run (time and document id).
QByteArray deckPdf(const TFerloMainForm& form, const QString& path) {
    return printedPdf(form.deckPages(), path, QPageSize(QPageSize::A4), 150);
}

} // namespace

class TestDeck : public QObject {
    Q_OBJECT

    // A folder with pictures in pics/ and a deck of three cards of different layouts.
    struct Farm {
        PictureFolder folder;
        QString deck;
        Farm() {
            folder.addSubfolder("pics");
            folder.addJpeg("pics/cat1.jpg", 640, 480, 0xffcc3333);
            folder.addJpeg("pics/dog2.jpg", 480, 640, 0xff3333cc);
            folder.addJpeg("pics/hen.jpg", 300, 200, 0xff33cc33);
            folder.addBmp("pics/owl.bmp", 64, 48);
            deck = folder.file("farm.ferlo");
            writeFile(deck, R"({"format": "ferlo-deck", "version": 1, "cards": [
                {"perPage": 2, "orientation": "portrait",
                 "cells": [{"picture": "pics/cat1.jpg"}, {"picture": "pics/dog2.jpg", "label": "Rex"}]},
                {"perPage": 4, "upperCase": false, "cutLines": false,
                 "cells": [null, {"picture": "pics/hen.jpg"}]},
                {"perPage": 1, "labels": false, "cells": [{"picture": "pics/owl.bmp"}]}]})");
        }
        QString pic(const QString& name) const { return folder.file("pics/" + name); }
    };

    struct Shown {
        QString number;
        int count;
        bool portrait;
        bool cutLines;
        QStringList cells;
        QStringList labels;
        QStringList selected;
    };

    static void expectCard(const TFerloMainForm& form, const FormView& ui, const Shown& shown) {
        QCOMPARE(cardNumber(form), shown.number);
        QCOMPARE(ui.Card.PicturesPerPage, shown.count);
        QVERIFY(ui.TBPortrait->isChecked() == shown.portrait && ui.Card.Portrait == shown.portrait);
        QCOMPARE(ui.TBCutLines->isChecked(), shown.cutLines);
        QCOMPARE(ui.CutLines[0]->isVisibleTo(ui.PACard), shown.cutLines && shown.count > 1);
        QCOMPARE(cellFiles(form), shown.cells);
        for (size_t i = 0; i < ui.Cells.size(); ++i)
            QCOMPARE(ui.CellImages[i]->hasPicture(), !shown.cells[qsizetype(i)].isEmpty());
        QCOMPARE(shownLabels(ui), shown.labels);
        QCOMPARE(selectedFiles(form), shown.selected);
        QCOMPARE(ui.LABSelect->text().contains(QString::number(shown.count)), shown.count > 1);
    }

private slots:
    // Opening a deck shows its first card; Next, Previous, New and Remove card bring back each
    // card with its own layout, switches, pictures and the file list's selection, and the title
    // marks the deck modified exactly while it differs from its file.
    void cardsSwitchLikeBrowsingAwayAndBack() {
        MessageRecorder messages;
        Farm farm;
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(cardNumber(form), QStringLiteral("Card 1 of 1"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Untitled deck[*] - Ferlo"));

        form.openFiles({farm.deck});
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        QCOMPARE(form.windowTitle(), QStringLiteral("farm.ferlo[*] - Ferlo"));
        QVERIFY(!form.isWindowModified());
        QCOMPARE(form.shownDirectory(), farm.folder.file("pics"));
        QAction* previous = action(form, "TBPreviousCard");
        QAction* next = action(form, "TBNextCard");
        const Shown first{"Card 1 of 3",
                          2,
                          true,
                          true,
                          {farm.pic("cat1.jpg"), farm.pic("dog2.jpg")},
                          {"CAT", "REX"},
                          {"cat1.jpg", "dog2.jpg"}};
        const Shown second{
            "Card 2 of 3", 4,          false, false, {"", farm.pic("hen.jpg"), "", ""},
            {"hen"},       {"hen.jpg"}};
        const Shown third{"Card 3 of 3", 1, false, true, {farm.pic("owl.bmp")}, {}, {"owl.bmp"}};
        expectCard(form, ui, first);
        QVERIFY(!previous->isEnabled());
        next->trigger();
        expectCard(form, ui, second);
        next->trigger();
        expectCard(form, ui, third);
        QVERIFY(!next->isEnabled());
        QVERIFY(!ui.PBToggleLabels->text().contains("Off"));
        previous->trigger();
        expectCard(form, ui, second);
        QVERIFY(!form.isWindowModified());

        // A change stays with its card; undoing it clears the modified mark.
        ui.TBUpperLabels->trigger();
        QVERIFY(form.isWindowModified());
        next->trigger();
        previous->trigger();
        QCOMPARE(shownLabels(ui), QStringList{"HEN"});
        ui.TBLowerLabels->trigger();
        QVERIFY(!form.isWindowModified());

        // A new card comes after the one on screen, in its layout and empty; a pick goes on it.
        action(form, "TBNewCard")->trigger();
        expectCard(form, ui, {"Card 3 of 4", 4, false, false, {"", "", "", ""}, {}, {}});
        QVERIFY(form.isWindowModified());
        clickFile(form, "cat1.jpg");
        QCOMPARE(cellFiles(form), (QStringList{farm.pic("cat1.jpg"), "", "", ""}));
        QCOMPARE(selectedFiles(form), QStringList{"cat1.jpg"});
        // Removing it brings the next card on screen, and the deck is its file again.
        action(form, "TBRemoveCard")->trigger();
        expectCard(form, ui, third);
        QVERIFY(!form.isWindowModified());
        previous->trigger();
        previous->trigger();
        expectCard(form, ui, first);
        QVERIFY(messages.texts().isEmpty());
    }

    // Pictures beyond a full card fill new cards; the deck is saved, its folder moved, and the
    // deck opened there prints the same pages.
    void savedDeckMovesWithItsFolder() {
        MessageRecorder messages;
        QTemporaryDir outside;
        auto* farm = new Farm;
        const QString oldRoot = farm->folder.path();
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        ui.TB2PerPage->trigger();
        ui.TBLowerLabels->trigger();
        form.openFiles({farm->pic("cat1.jpg"), farm->pic("dog2.jpg"), farm->pic("hen.jpg"),
                        farm->pic("owl.bmp"), farm->folder.file("pics/nothing.txt")});
        QCOMPARE(messages.texts().size(), 1); // the file that is not a picture
        messages.clear();
        // The window shows the first card; the second holds the rest.
        QCOMPARE(cardNumber(form), QStringLiteral("Card 1 of 2"));
        QCOMPARE(cellFiles(form), (QStringList{farm->pic("cat1.jpg"), farm->pic("dog2.jpg")}));
        action(form, "TBNextCard")->trigger();
        QCOMPARE(cardNumber(form), QStringLiteral("Card 2 of 2"));
        QCOMPARE(cellFiles(form), (QStringList{farm->pic("hen.jpg"), farm->pic("owl.bmp")}));
        QCOMPARE(selectedFiles(form), (QStringList{"hen.jpg", "owl.bmp"}));
        QCOMPARE(shownLabels(ui), (QStringList{"hen", "owl"}));
        ui.TBPortrait->trigger();
        QVERIFY(form.isWindowModified());
        // A word edited in place goes into the deck with its picture.
        auto* editor = form.findChild<QLineEdit*>(QStringLiteral("LabelEditor"));
        QTest::mouseDClick(ui.PACard, Qt::LeftButton, Qt::NoModifier,
                           ui.CellLabels[0]->geometry().center());
        QVERIFY(editor && editor->isVisible());
        editor->setText(QStringLiteral("Hen Party"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(shownLabels(ui), (QStringList{"hen party", "owl"}));

        answerFileDialog(farm->folder.file("animals"));
        action(form, "mnSaveDeck")->trigger();
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        const QString saved = farm->folder.file("animals.ferlo");
        QCOMPARE(form.windowTitle(), QStringLiteral("animals.ferlo[*] - Ferlo"));
        QVERIFY(!form.isWindowModified());
        const Deck written = readDeck(saved);
        QCOMPARE(written.cards.size(), size_t(2));
        QCOMPARE(written.cards[1].portrait, true);
        QFile text(saved);
        QVERIFY(text.open(QIODevice::ReadOnly));
        const QByteArray json = text.readAll();
        QVERIFY(json.contains("\"pics/owl.bmp\""));
        QVERIFY(json.contains("\"label\": \"Hen Party\""));
        text.close();
        const QByteArray before = deckPdf(form, outside.filePath("before.pdf"));
        QVERIFY(before.size() > 1000);

        const QString newRoot = outside.filePath("moved");
        QVERIFY(QDir().rename(oldRoot, newRoot));
        TFerloMainForm reopened;
        reopened.show();
        QVERIFY(QTest::qWaitForWindowExposed(&reopened));
        reopened.openFiles({newRoot + "/animals.ferlo"});
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        QCOMPARE(cellFiles(reopened),
                 (QStringList{newRoot + "/pics/cat1.jpg", newRoot + "/pics/dog2.jpg"}));
        QCOMPARE(deckPdf(reopened, outside.filePath("after.pdf")), before);
        QVERIFY(QDir().rename(newRoot, oldRoot)); // the folder goes back to be removed
        delete farm;
    }

    // Missing pictures are named in one message and the rest of the deck opens; a damaged deck
    // names the place and leaves the window as it was.
    void missingPicturesAndDamagedDecks() {
        MessageRecorder messages;
        Farm farm;
        QFile::remove(farm.pic("cat1.jpg"));
        QFile::remove(farm.pic("owl.bmp"));
        TFerloMainForm form;
        const FormView ui(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.openFiles({farm.deck});
        QCOMPARE(messages.texts().size(), 1);
        const QString message = messages.texts().first();
        QVERIFY2(message.contains("2 missing pictures") && message.contains("cat1.jpg") &&
                     message.contains("owl.bmp") && message.contains("farm.ferlo"),
                 qPrintable(message));
        messages.clear();
        QCOMPARE(cardNumber(form), QStringLiteral("Card 1 of 3"));
        QVERIFY(!ui.CellImages[0]->hasPicture());
        QVERIFY(ui.CellImages[1]->hasPicture());
        action(form, "TBNextCard")->trigger();
        QCOMPARE(shownLabels(ui), QStringList{"hen"});
        QVERIFY(messages.texts().isEmpty());
        QVERIFY(!form.isWindowModified());

        const QString damaged = farm.folder.file("damaged.ferlo");
        writeFile(damaged, R"({"format": "ferlo-deck", "version": 1, "cards": [{"perPage": 3}]})");
        form.openFiles({damaged});
        QCOMPARE(messages.texts().size(), 1);
        QVERIFY2(messages.texts().first().contains("damaged.ferlo") &&
                     messages.texts().first().contains("cards[0].perPage"),
                 qPrintable(messages.texts().first()));
        QCOMPARE(cardNumber(form), QStringLiteral("Card 2 of 3"));
        QCOMPARE(form.windowTitle(), QStringLiteral("farm.ferlo[*] - Ferlo"));
        QCOMPARE(cellFiles(form), (QStringList{"", farm.pic("hen.jpg"), "", ""}));
        QCOMPARE(selectedFiles(form), QStringList{"hen.jpg"});
    }

    // Every card's page is made from its model the same way: a damaged picture is passed over
    // with its label whether its card is on screen or not; a missing one stops the printing.
    void aDamagedPicturePrintsTheSameWhereverItsCardStands() {
        MessageRecorder messages;
        Farm farm;
        writeFile(farm.pic("hen.jpg"), "no picture");
        TFerloMainForm form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.openFiles({farm.deck});
        const QList<CardPage> offScreen = form.deckPages();
        QCOMPARE(offScreen[1].PictureLoaded, (QList<bool>{false, false, false, false}));
        QCOMPARE(offScreen[1].LabelTexts, (QStringList{"", "hen", "", ""}));
        const QByteArray printedOffScreen = deckPdf(form, farm.folder.file("off.pdf"));
        action(form, "TBNextCard")->trigger();
        QCOMPARE(cardNumber(form), QStringLiteral("Card 2 of 3"));
        QCOMPARE(form.deckPages()[1].PictureLoaded, offScreen[1].PictureLoaded);
        QCOMPARE(deckPdf(form, farm.folder.file("on.pdf")), printedOffScreen);
        QFile::remove(farm.pic("owl.bmp"));
        try {
            writeCardPdf(farm.folder.file("gone.pdf"), form.deckPages(), QPageSize(QPageSize::A4),
                         72);
            QFAIL("a missing picture printed");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(farm.pic("owl.bmp")), qPrintable(error.message()));
        }
    }

    // Shows the window with the farm's deck open.
    static bool openFarm(TFerloMainForm& form, const Farm& farm) {
        form.show();
        if (!QTest::qWaitForWindowExposed(&form))
            return false;
        form.openFiles({farm.deck});
        return form.deck().count() == 3;
    }

    // Shows the farm deck with a picture added to its second card: the deck has unsaved changes.
    static bool openWithAChange(TFerloMainForm& form, const Farm& farm) {
        if (!openFarm(form, farm))
            return false;
        action(form, "TBNextCard")->trigger();
        clickFile(form, "owl.bmp");
        return form.isWindowModified();
    }

    // Save As with a deck's name typed without ".ferlo" asks before replacing that deck.
    void saveAsAsksBeforeReplacingADeck() {
        MessageRecorder messages;
        Farm farm;
        QFile deck(farm.deck);
        QVERIFY(deck.open(QIODevice::ReadOnly));
        const QByteArray before = deck.readAll();
        deck.close();
        TFerloMainForm form;
        QVERIFY(openWithAChange(form, farm));

        QString asked;
        bool seen = false;
        answerSaveDialog(farm.folder.path(), "farm", false, &asked, &seen);
        action(form, "mnSaveDeckAs")->trigger();
        QVERIFY(seen);
        QVERIFY2(asked.contains("farm.ferlo already exists"), qPrintable(asked));
        QVERIFY(messages.texts().isEmpty());
        QVERIFY(deck.open(QIODevice::ReadOnly));
        QCOMPARE(deck.readAll(), before);
        QVERIFY(form.isWindowModified()); // nothing was saved
    }

    // Unsaved changes are asked about before New deck or closing the window loses them.
    void unsavedChangesAreAskedFor_data() {
        QTest::addColumn<bool>("closing");
        QTest::addColumn<int>("answer");
        QTest::newRow("new deck, cancel") << false << int(QMessageBox::Cancel);
        QTest::newRow("new deck, discard") << false << int(QMessageBox::Discard);
        QTest::newRow("new deck, save") << false << int(QMessageBox::Save);
        QTest::newRow("close, cancel") << true << int(QMessageBox::Cancel);
        QTest::newRow("close, save") << true << int(QMessageBox::Save);
    }
    void unsavedChangesAreAskedFor() {
        QFETCH(bool, closing);
        QFETCH(int, answer);
        MessageRecorder messages;
        Farm farm;
        TFerloMainForm form;
        QVERIFY(openWithAChange(form, farm));

        QString asked;
        answerQuestion(QMessageBox::StandardButton(answer), &asked);
        bool closed = false;
        if (closing)
            closed = form.close();
        else
            action(form, "mnNewDeck")->trigger();
        QCOMPARE(asked, QStringLiteral("Save the changes to farm.ferlo?"));
        QVERIFY(messages.texts().isEmpty());

        const bool kept = answer == QMessageBox::Cancel;
        const bool onDisk = answer == QMessageBox::Save;
        QCOMPARE(readDeck(farm.deck).cards[1].cells[0].has_value(), onDisk); // the owl
        if (closing) {
            QCOMPARE(closed, !kept);
        } else {
            QCOMPARE(form.windowTitle(), kept ? QStringLiteral("farm.ferlo[*] - Ferlo")
                                              : QStringLiteral("Untitled deck[*] - Ferlo"));
            QCOMPARE(cardNumber(form),
                     kept ? QStringLiteral("Card 2 of 3") : QStringLiteral("Card 1 of 1"));
            QCOMPARE(cellFiles(form).join("").isEmpty(), !kept);
            QCOMPARE(selectedFiles(form).isEmpty(), !kept);
        }
        QCOMPARE(form.isWindowModified(), kept);
    }

    // Export PDF says in the status bar where it wrote the deck's pages.
    void anExportIsConfirmed() {
        MessageRecorder messages;
        Farm farm;
        TFerloMainForm form;
        QVERIFY(openFarm(form, farm));
        const QString pdf = farm.folder.file("farm.pdf");
        answerFileDialog(pdf);
        action(form, "ExportPdf1")->trigger();
        QVERIFY2(messages.texts().isEmpty(), qPrintable(messages.texts().join('\n')));
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("StatusBar1"))->currentMessage(),
                 QStringLiteral("Written to ") + pdf);
    }

    // File > Deck Properties sets the language the deck's words are spoken in: one step of the
    // history that marks the deck modified and goes into its file; "The program's language"
    // takes it out again.
    void deckLanguageIsSetInTheWindow() {
        if (speechVoices().isEmpty())
            QSKIP("the speech engine or its voices are not installed (espeak-ng-data)");
        MessageRecorder messages;
        Farm farm;
        TFerloMainForm form;
        QVERIFY(openFarm(form, farm));
        // Chooses `language` in the dialog; `shown` gets the one it opened on.
        const auto choose = [&form](const QString& language, QString* shown) {
            QTimer::singleShot(0, qApp, [language, shown] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog && dialog->objectName() == QLatin1String("dlgDeckProperties"));
                auto* box = dialog->findChild<QComboBox*>(QStringLiteral("cbDeckLanguage"));
                *shown = box->currentData().toString();
                box->setCurrentIndex(box->findData(language));
                QVERIFY(box->currentIndex() >= 0);
                dialog->accept();
            });
            action(form, "mnDeckProperties")->trigger();
        };
        QString shown;
        choose(QStringLiteral("de"), &shown);
        QCOMPARE(shown, QString()); // the program's language
        QCOMPARE(form.deck().deck().language, std::optional<std::string>("de"));
        QVERIFY(form.isWindowModified());
        QCOMPARE(action(form, "mnUndo")->text(), QStringLiteral("&Undo Language"));
        action(form, "mnSaveDeck")->trigger();
        QCOMPARE(readDeck(farm.deck).language, std::optional<std::string>("de"));
        QVERIFY(!form.isWindowModified());
        auto* status = form.findChild<QStatusBar*>(QStringLiteral("StatusBar1"));
        QCOMPARE(status->currentMessage(), QStringLiteral("Saved ") + farm.deck);

        choose(QString(), &shown);
        QCOMPARE(shown, QStringLiteral("de"));
        QVERIFY(!form.deck().deck().language);
        QVERIFY(form.isWindowModified());
        QVERIFY(status->currentMessage().isEmpty()); // saved no longer
        action(form, "mnUndo")->trigger();
        QCOMPARE(form.deck().deck().language, std::optional<std::string>("de"));
        QVERIFY(!form.isWindowModified());
        QVERIFY(messages.texts().isEmpty());
    }
};

QTEST_MAIN(TestDeck)
#include "tst_deck.moc"
