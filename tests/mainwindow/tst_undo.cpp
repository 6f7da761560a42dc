// Undo and redo over everything that changes a card or the deck: a long random run undone to
// its start and redone to its end, the names of the steps, the clean state of a saved deck, and
// moving pictures between cells and cards.
#include "layout/DeckEdit.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/PictureControl.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "support/PageFiles.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageSize>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QTabWidget>
#include <QUndoStack>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// The deck's PDF without what changes from run to run (dates and document id).
QByteArray deckPdf(const TFerloMainForm& form, const QString& path) {
    return printedPdf(form.deckPages(), path, QPageSize(QPageSize::A5), 40);
}

// What undo must bring back exactly.
struct Seen {
    Deck deck;
    int current = 0;
    QStringList selected;
    QByteArray pdf;
    bool operator==(const Seen&) const = default;
};

} // namespace

class TestUndo : public MainWindowTest {
    Q_OBJECT

    QUndoStack* stack() const { return form().findChild<QUndoStack*>(); }
    Seen seen(const QString& pdf) const {
        return {form().deck().deck(), form().deck().current(), selectedFiles(form()),
                deckPdf(form(), pdf)};
    }
    // The filled cells of the card on screen.
    QList<int> filled() const {
        QList<int> cells;
        for (int i = 0; i < int(view().Cells.size()); ++i)
            if (!view().Cells[size_t(i)].FileName.empty())
                cells << i;
        return cells;
    }
    void editWord(int cell, const QString& word) {
        PictureControl* image = view().CellImages[size_t(cell)];
        image->setFocus();
        QTest::keyClick(image, Qt::Key_F2);
        auto* editor = form().findChild<QLineEdit*>(QStringLiteral("LabelEditor"));
        QVERIFY(editor && editor->isVisible());
        editor->setText(word);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    QWidget* cardButton(const char* way) const {
        return form().findChild<QWidget*>(QStringLiteral("TB%1CardButton").arg(way));
    }
    QPoint randomPointOnCard(QRandomGenerator& random) const {
        const QRect card = view().PACard->geometry();
        return card.topLeft() + QPoint(random.bounded(card.width()), random.bounded(card.height()));
    }
    QString name(int index) const { return QStringLiteral("p%1.jpg").arg(index); }

private slots:
    void init() {
        m_window.emplace();
        for (int i = 0; i < 12; ++i)
            folder().addJpeg(name(i), 48 + 8 * i, 40, qRgb(20 * i, 255 - 20 * i, 90));
        QVERIFY(m_window->open(folder().path()));
    }
    void cleanup() {
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        m_window.reset();
    }

    // 200 random commands of every kind, then undone to the start and redone to the end: the
    // deck, the card on screen, the file list's selection and the printed PDF each time.
    void randomRunUndoneAndRedone() {
        const QString pdf = folder().file("deck.pdf");
        clickFile(form(), name(0));
        clickFile(form(), name(1));
        action(form(), "TBNewCard")->trigger();
        clickFile(form(), name(2));
        stack()->clear(); // the start: two cards of pictures
        const Seen start = seen(pdf);

        QRandomGenerator random(20261209);
        const char* counts[] = {"TB1PerPage", "TB2PerPage", "TB4PerPage", "TB6PerPage",
                                "TB8PerPage"};
        // 200 steps of the history, whatever the commands that changed nothing.
        for (int step = 0; stack()->count() < 200 && step < 1000; ++step) {
            const QList<int> cells = filled();
            const int cell = cells.isEmpty() ? -1 : cells[random.bounded(int(cells.size()))];
            switch (random.bounded(12)) {
            case 0:
            case 1:
            case 2: // a click in the file list: places a picture, or takes it off
                clickFile(form(), name(random.bounded(12)));
                break;
            case 3:
                if (cell >= 0)
                    QTest::mousePress(view().CellImages[size_t(cell)], Qt::RightButton);
                break;
            case 4:
                if (random.bounded(4) == 0)
                    view().PBClear->click();
                else
                    action(form(), counts[random.bounded(5)])->trigger();
                break;
            case 5:
                (random.bounded(2) ? view().TBPortrait : view().TBLandScape)->trigger();
                break;
            case 6:
                if (cell >= 0)
                    editWord(cell, QStringLiteral("word %1").arg(step));
                break;
            case 7: { // Alt+arrow: the focused picture to its neighbour
                if (cell < 0)
                    break;
                view().CellImages[size_t(cell)]->setFocus();
                const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
                QTest::keyClick(view().CellImages[size_t(cell)], keys[random.bounded(4)],
                                Qt::AltModifier);
                break;
            }
            case 8:
                action(form(), random.bounded(2) ? "TBNewCard" : "TBRemoveCard")->trigger();
                break;
            case 9:
                action(form(), random.bounded(2) ? "mnMoveCardEarlier" : "mnMoveCardLater")
                    ->trigger();
                break;
            case 10:
                action(form(), random.bounded(2) ? "TBPreviousCard" : "TBNextCard")->trigger();
                break;
            case 11: // a picture dropped on the previous or next card's button, or another cell
                if (cell >= 0) {
                    const int way = random.bounded(3);
                    dropCell(way == 2 ? view().PACardBase : cardButton(way ? "Next" : "Previous"),
                             way == 2 ? randomPointOnCard(random) : QPoint(5, 5), cell);
                }
                break;
            }
        }
        const Seen end = seen(pdf);
        QCOMPARE(stack()->count(), 200);
        QVERIFY(end.deck != start.deck);

        while (stack()->canUndo())
            action(form(), "mnUndo")->trigger();
        QCOMPARE(form().deck().current(), start.current);
        QCOMPARE(selectedFiles(form()), start.selected);
        QVERIFY(form().deck().deck() == start.deck);
        QVERIFY(seen(pdf) == start);

        while (stack()->canRedo())
            action(form(), "mnRedo")->trigger();
        QCOMPARE(form().deck().current(), end.current);
        QCOMPARE(selectedFiles(form()), end.selected);
        QVERIFY(seen(pdf) == end);
        QVERIFY(messages().texts().isEmpty());
    }

    // The steps are named in the Edit menu; saving marks the clean state, the modified mark
    // follows undo back to it; opening a deck or a new one empties the history.
    void namedStepsAndTheSavedState() {
        const QString path = folder().file("farm.ferlo");
        writeFile(path, R"({"format": "ferlo-deck", "version": 1, "cards": [
            {"cells": [{"picture": "p0.jpg"}]}, {"cells": [{"picture": "p1.jpg"}]}]})");
        QVERIFY(form().openDeck(path));
        QAction* undo = action(form(), "mnUndo");
        QAction* redo = action(form(), "mnRedo");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        clickFile(form(), name(2));
        QCOMPARE(undo->text(), QStringLiteral("&Undo Place p"));
        action(form(), "TBNextCard")->trigger(); // no step
        action(form(), "TBRemoveCard")->trigger();
        QCOMPARE(undo->text(), QStringLiteral("&Undo Remove card 2"));
        QCOMPARE(undo->toolTip(), QStringLiteral("Undo Remove card 2"));
        action(form(), "mnSaveDeck")->trigger();
        QVERIFY(!form().isWindowModified() && stack()->isClean());
        undo->trigger();
        QCOMPARE(form().deck().current(), 1); // the removed card is back on screen
        QCOMPARE(redo->text(), QStringLiteral("&Redo Remove card 2"));
        QVERIFY(form().isWindowModified());
        QTest::keyClick(&form(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(!form().isWindowModified());
        QTest::keyClick(&form(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(&form(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(selectedFiles(form()), QStringList{name(0)}); // the list follows
        QTest::keyClick(&form(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(selectedFiles(form()), (QStringList{name(0), name(2)}));
        QVERIFY(form().isWindowModified());

        action(form(), "mnSaveDeck")->trigger();
        QVERIFY(form().openDeck(path));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(stack()->count(), 0);
    }

    // Twenty pictures on five cards of four laid out on cards of six, by count or as a grid of
    // 3 × 2: four cards, the words kept, one step; undo gives back the five cards exactly.
    void changeLayoutOfAllCards_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("grid");
        QTest::newRow("count") << 0 << "countBox" << 6 << false;
        QTest::newRow("grid") << 1 << "columnsBox" << 3 << true;
    }
    void changeLayoutOfAllCards() {
        QFETCH(int, tab);
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(bool, grid);
        QString cards;
        for (int c = 0; c < 5; ++c) {
            QStringList cells;
            for (int i = 0; i < 4; ++i) {
                const QString file = QStringLiteral("q%1.jpg").arg(c * 4 + i);
                folder().addJpeg(file, 40, 30);
                cells << QStringLiteral(R"({"picture": "%1", "label": "w%2"})")
                             .arg(file)
                             .arg(c * 4 + i);
            }
            cards += (c ? "," : "") +
                     QStringLiteral(R"({"perPage": 4, "cells": [%1]})").arg(cells.join(','));
        }
        const QString path = folder().file("twenty.ferlo");
        writeFile(path, QStringLiteral(R"({"format": "ferlo-deck", "version": 1, "cards": [%1]})")
                            .arg(cards)
                            .toUtf8());
        QVERIFY(form().openDeck(path));
        const Deck original = form().deck().deck();
        QTimer::singleShot(0, qApp, [=] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == QLatin1String("RelayoutDialog"));
            dialog->findChild<QTabWidget*>(QStringLiteral("layoutKind"))->setCurrentIndex(tab);
            if (auto* count = dialog->findChild<QComboBox*>(control); count && !grid) {
                count->setCurrentIndex(count->findData(value));
            } else {
                dialog->findChild<QSpinBox*>(control)->setValue(value);
                dialog->findChild<QSpinBox*>(QStringLiteral("rowsBox"))->setValue(2);
            }
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("RelayoutOutcome"))->text(),
                     QStringLiteral("The deck's 20 pictures in order, with their words: 4 cards."));
            static_cast<QDialog*>(dialog)->accept();
        });
        action(form(), "mnChangeLayoutOfAll")->trigger();
        const Deck& relaid = form().deck().deck();
        QCOMPARE(relaid.cards.size(), size_t(4));
        QStringList words;
        for (const DeckCard& card : relaid.cards) {
            QCOMPARE(card.perPage(), 6);
            QCOMPARE(card.layout.kind, grid ? CardLayout::Kind::Grid : CardLayout::Kind::Count);
            for (const auto& cell : card.cells)
                words << QString::fromStdString(*cell->label);
        }
        QCOMPARE(words.size(), 20);
        QCOMPARE(words.first(), QStringLiteral("w0"));
        QCOMPARE(words[13], QStringLiteral("w13"));
        QCOMPARE(view().Card.PicturesPerPage, 6);
        QCOMPARE(view().Cells[5].FileName.empty(), false);
        QCOMPARE(stack()->undoText(), QStringLiteral("Change layout of all cards"));
        action(form(), "mnUndo")->trigger();
        QVERIFY(form().deck().deck() == original);
        QVERIFY(!form().isWindowModified());
    }
};

QTEST_MAIN(TestUndo)
#include "tst_undo.moc"
