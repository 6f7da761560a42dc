#include "mainwindow/FerloMainForm.h"
#include "mainwindow/PictureControl.h"
#include "printing/CardPage.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <optional>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// Types a text into a widget key by key; letters beyond ASCII come as a keyboard layout sends
// them, a key event that carries the letter.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(widget, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
}

} // namespace

// What a user meets when editing a label word in place: a double click on the label, the word
// typed, Enter, Escape or a click elsewhere; what the label, the stored word and the printed
// page then say.
class TestLabelEdit : public MainWindowTest {
    Q_OBJECT

    QLineEdit* m_editor = nullptr;

    void place(const QString& name) { clickFile(form(), name); }
    // Double-clicks a cell's label where the user sees it; true when the editor opened on it.
    bool doubleClickLabel(int cell) {
        QLabel* label = view().CellLabels[size_t(cell)];
        QTest::mouseDClick(view().PACard, Qt::LeftButton, Qt::NoModifier,
                           label->geometry().center());
        return m_editor->isVisible() && m_editor->hasFocus() &&
               m_editor->geometry().intersects(label->geometry());
    }
    // Edits a cell's word: double click, everything typed over, Enter.
    void edit(int cell, const QString& word) {
        QVERIFY(doubleClickLabel(cell));
        m_editor->selectAll();
        QTest::keyClick(m_editor, Qt::Key_Backspace);
        type(m_editor, word);
        QTest::keyClick(m_editor, Qt::Key_Return);
        QVERIFY(m_editor->isHidden());
    }
    std::optional<std::string> stored(int cell) const {
        return view().Cells[size_t(cell)].EditedLabel;
    }

private slots:
    void init() {
        m_window.emplace();
        folder().addJpeg("cat1.jpg", 640, 480, 0xffcc3333);
        folder().addJpeg("dog2.jpg", 480, 640, 0xff3333cc);
        folder().addJpeg("123.jpg", 600, 400, 0xff33cc33); // no word in its name
        QVERIFY(m_window->open(folder().path()));
        m_editor = form().findChild<QLineEdit*>(QStringLiteral("LabelEditor"));
        QVERIFY(m_editor);
    }
    void cleanup() {
        QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        m_window.reset();
    }

    // The second edit of a word already edited once: how it ends decides the word.
    void editEndsInTheWordTheUserMeant_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("ending"); // "enter", "escape", "click elsewhere"
        QTest::addColumn<QString>("label");  // in upper case, as the card shows it
        QTest::addColumn<QString>("kept");   // the stored word, "" for none

        QTest::newRow("enter keeps") << "Kitten"
                                     << "enter"
                                     << "KITTEN"
                                     << "Kitten";
        QTest::newRow("escape cancels") << "Kitten"
                                        << "escape"
                                        << "TIGER"
                                        << "Tiger";
        QTest::newRow("a click elsewhere keeps") << "Kitten"
                                                 << "click elsewhere"
                                                 << "KITTEN"
                                                 << "Kitten";
        QTest::newRow("empty returns to the file name") << ""
                                                        << "enter"
                                                        << "CAT"
                                                        << "";
        QTest::newRow("blanks return to the file name") << "   "
                                                        << "enter"
                                                        << "CAT"
                                                        << "";
        QTest::newRow("blanks at the ends go") << "  big cat "
                                               << "enter"
                                               << "BIG CAT"
                                               << "big cat";
        QTest::newRow("markup is plain text") << "<b>x</b>&amp;"
                                              << "enter"
                                              << "<B>X</B>&AMP;"
                                              << "<b>x</b>&amp;";
        QTest::newRow("letters beyond ASCII") << "Öl Müller"
                                              << "enter"
                                              << "ÖL MÜLLER"
                                              << "Öl Müller";
    }
    void editEndsInTheWordTheUserMeant() {
        QFETCH(QString, typed);
        QFETCH(QString, ending);
        QFETCH(QString, label);
        QFETCH(QString, kept);
        place("cat1.jpg");
        place("dog2.jpg");
        edit(0, "Tiger");
        QCOMPARE(view().CellLabels[0]->text(), QStringLiteral("TIGER"));

        // The editor opens with the word as typed, all of it selected, and names itself.
        QVERIFY(doubleClickLabel(0));
        QCOMPARE(m_editor->text(), QStringLiteral("Tiger"));
        QCOMPARE(m_editor->selectedText(), QStringLiteral("Tiger"));
        QCOMPARE(m_editor->accessibleName(), QStringLiteral("Label word of picture 1"));
        m_editor->selectAll();
        QTest::keyClick(m_editor, Qt::Key_Backspace);
        type(m_editor, typed);
        if (ending == QLatin1String("enter"))
            QTest::keyClick(m_editor, Qt::Key_Return);
        else if (ending == QLatin1String("escape"))
            QTest::keyClick(m_editor, Qt::Key_Escape);
        else
            QTest::mouseClick(view().PACardBase, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(m_editor->isHidden());

        QLabel* shown = view().CellLabels[0];
        QCOMPARE(shownText(shown), label);
        QVERIFY(shown->isVisible());
        QCOMPARE(stored(0), kept.isEmpty() ? std::nullopt : std::optional(kept.toStdString()));
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("DOG")); // the other cell keeps its
        QCOMPARE(form().currentPage().LabelTexts.value(0), label);

        // The case switch applies to the kept word, on the card and on the page.
        view().TBLowerLabels->trigger();
        QCOMPARE(shown->text(), label.toLower());
        QCOMPARE(form().currentPage().LabelTexts.value(0), label.toLower());
        QCOMPARE(stored(0), kept.isEmpty() ? std::nullopt : std::optional(kept.toStdString()));
    }

    // A long word shrinks point by point to its band like a file name's word, and grows back
    // when it is short again.
    void aLongWordShrinksToItsBand() {
        view().TB8PerPage->trigger();
        place("cat1.jpg");
        QLabel* label = view().CellLabels[0];
        QCOMPARE(label->font().pointSize(), 14);
        const QString word = QStringLiteral("Hippopotamus wallowing in the mud");
        edit(0, word);
        QCOMPARE(label->text(), word.toUpper());
        QVERIFY(label->font().pointSize() < 14);
        const int bandWidth = label->width();
        QVERIFY(QFontMetrics(label->font(), label).horizontalAdvance(label->text()) <= bandWidth);
        QFont oneLarger = label->font();
        oneLarger.setPointSize(label->font().pointSize() + 1);
        QVERIFY(QFontMetrics(oneLarger, label).horizontalAdvance(label->text()) > bandWidth);

        edit(0, QStringLiteral("Ox"));
        QCOMPARE(label->text(), QStringLiteral("OX"));
        QCOMPARE(label->font().pointSize(), 14);
    }

    // A word of a thousand characters is kept; a longer one is refused with a message naming the
    // card and cell, and the cell keeps the word it had.
    void aWordTooLongIsRefused() {
        place("cat1.jpg");
        place("dog2.jpg");
        const QString longest(1000, QLatin1Char('x'));
        for (const QString& word : {longest, longest + QLatin1Char('y')}) {
            QVERIFY(doubleClickLabel(1));
            m_editor->setText(word); // pasted
            QTest::keyClick(m_editor, Qt::Key_Return);
            QVERIFY(m_editor->isHidden());
        }
        QCOMPARE(messages().texts(),
                 QStringList{"Cannot keep the label word of card 1, cell 2: the word is 1001 "
                             "characters long; a label word holds at most 1000 characters."});
        messages().clear();
        QCOMPARE(stored(1), std::optional(longest.toStdString()));
        QCOMPARE(view().CellLabels[1]->text(), longest.toUpper());
    }

    // The edited word goes with its picture: taken off the card, or the card cleared, the cell's
    // next picture has its own file name's word.
    void theEditedWordGoesWithThePicture_data() {
        QTest::addColumn<QString>("removal");
        QTest::newRow("right click on the picture") << "right click";
        QTest::newRow("unselected in the list") << "list";
        QTest::newRow("card cleared") << "clear";
        QTest::newRow("count changed") << "count";
    }
    void theEditedWordGoesWithThePicture() {
        QFETCH(QString, removal);
        place("cat1.jpg");
        edit(0, QStringLiteral("Tiger"));
        QVERIFY(stored(0));
        if (removal == QLatin1String("right click"))
            QTest::mouseClick(view().CellImages[0], Qt::RightButton);
        else if (removal == QLatin1String("list"))
            place("cat1.jpg");
        else if (removal == QLatin1String("clear"))
            view().PBClear->click();
        else
            view().TB6PerPage->trigger();
        QVERIFY(view().Cells[0].FileName.empty());
        QVERIFY(!stored(0));
        QVERIFY(m_editor->isHidden());

        place("dog2.jpg");
        QCOMPARE(view().CellLabels[0]->text(), QStringLiteral("DOG"));
        QVERIFY(!stored(0));
    }

    // A picture whose file name gives no word ("123.jpg") has a blank label; when the card's
    // cells move (another orientation, a larger window), its label moves with its cell, so the
    // editor opens over its own cell's band and the word typed there shows in it.
    void aBlankWordFollowsItsCell_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("orientation") << "orientation";
        QTest::newRow("window resized") << "resize";
    }
    void aBlankWordFollowsItsCell() {
        QFETCH(QString, change);
        place("123.jpg");
        place("dog2.jpg");
        QVERIFY(view().CellLabels[0]->text().isEmpty());
        const QSize before = view().PACard->size();
        if (change == QLatin1String("orientation")) {
            view().TBPortrait->trigger();
        } else {
            form().resize(form().size() + QSize(300, 200));
            QTRY_VERIFY(view().PACard->size() != before);
        }
        const ferlo::CardPoint origin = view().Card.CellOrigin(0);
        const QRect own(origin.X, origin.Y, view().Card.CellWidth, view().Card.CellHeight);

        view().CellImages[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view().CellImages[0], Qt::Key_F2);
        QVERIFY(m_editor->isVisible());
        // Over its own cell's band: inside the cell, centred on it.
        QVERIFY2(own.left() <= m_editor->x() && m_editor->geometry().right() <= own.right() &&
                     own.contains(m_editor->geometry().center()) &&
                     qAbs(m_editor->geometry().center().x() - own.center().x()) <= 1,
                 qPrintable(QStringLiteral("editor at %1,%2 %3x%4 beside its cell")
                                .arg(m_editor->x())
                                .arg(m_editor->y())
                                .arg(m_editor->width())
                                .arg(m_editor->height())));
        type(m_editor, QStringLiteral("Zebra"));
        QTest::keyClick(m_editor, Qt::Key_Return);
        QLabel* label = view().CellLabels[0];
        QCOMPARE(label->text(), QStringLiteral("ZEBRA"));
        QVERIFY(label->isVisible());
        QVERIFY(own.contains(label->geometry()));
    }

    // The editor opens only on the label of a placed picture while labels are on; F2 opens it on
    // the picture that has the keyboard focus.
    void theEditorOpensOnlyOnAShownLabel() {
        place("cat1.jpg");
        place("dog2.jpg");
        QTest::mouseClick(view().CellImages[1], Qt::RightButton);
        QVERIFY(!doubleClickLabel(1)); // a free cell
        view().PBToggleLabels->click();
        QTest::mouseDClick(view().PACard, Qt::LeftButton, Qt::NoModifier,
                           view().CellLabels[0]->geometry().center());
        QVERIFY(m_editor->isHidden());
        view().PBToggleLabels->click();

        view().CellImages[0]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(view().CellImages[0], Qt::Key_F2);
        QVERIFY(m_editor->isVisible());
        QCOMPARE(m_editor->text(), QStringLiteral("cat"));
        QTest::keyClicks(m_editor, QStringLiteral("Lion"));
        QTest::keyClick(m_editor, Qt::Key_Enter);
        QCOMPARE(view().CellLabels[0]->text(), QStringLiteral("LION"));
        // The focus goes back to the picture, so the keys go on where they were.
        QVERIFY(view().CellImages[0]->hasFocus());

        // Switching labels off while editing ends the edit and keeps the word.
        QVERIFY(doubleClickLabel(0));
        QTest::keyClicks(m_editor, QStringLiteral("Bear"));
        QTest::mouseClick(view().PBToggleLabels, Qt::LeftButton);
        QVERIFY(m_editor->isHidden());
        QCOMPARE(stored(0), std::optional<std::string>("Bear"));
        QVERIFY(view().CellLabels[0]->isHidden());
    }
};

QTEST_MAIN(TestLabelEdit)
#include "tst_labeledit.moc"
