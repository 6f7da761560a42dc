// The Symbols tab and symbols on the card: a search shows drawn results, a click or a drop puts
// a symbol on the card with the word as its label, undo takes it back, both card panels draw
// it, and Card > Cards from Words fills cards as one step or names the words it cannot find.
#include "layout/CardModel.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LayoutPanel.h"
#include "mainwindow/PictureControl.h"
#include "mainwindow/SymbolBrowser.h"
#include "mainwindow/SymbolPictures.h"
#include "storage/DeckFile.h"
#include "support/TestSupport.h"
#include "support_mainwindow.h"
#include "symbols/SymbolIndex.h"
#include "symbols/SymbolSet.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// The share of an image's pixels that are neither transparent nor white.
double inkShare(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qint64 ink = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            ink += qAlpha(pixel) > 128 && (pixel & 0xffffff) != 0xffffff ? 1 : 0;
        }
    return argb.isNull() ? 0 : double(ink) / double(argb.width() * argb.height());
}

// Answers the Cards from Words dialog with a text, once it is open.
void answerWordsDialog(const QString& text) {
    QTimer::singleShot(0, qApp, [text] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog->objectName() != QLatin1String("dlgCardsFromWords"))
            qFatal("no Cards from Words dialog");
        dialog->findChild<QPlainTextEdit*>(QStringLiteral("WordsText"))->setPlainText(text);
        dialog->accept();
    });
}

} // namespace

class TestSymbolTab : public MainWindowTest {
    Q_OBJECT

    SymbolBrowser* browser() const { return form().findChild<SymbolBrowser*>(); }
    QAction* action(const char* name) const {
        return form().findChild<QAction*>(QString::fromLatin1(name));
    }
    // Searches in the Symbols tab and waits for the first icons.
    void searchFor(const QString& word) {
        form().findChild<QTabBar*>(QStringLiteral("BrowserTabs"))->setCurrentIndex(1);
        QVERIFY(browser()->isVisible());
        QSignalSpy shown(browser(), &SymbolBrowser::resultsShown);
        browser()->searchField()->setText(word);
        QVERIFY(shown.wait(10000));
        QVERIFY(browser()->results()->count() > 0);
    }

private slots:
    void init() {
        if (!SymbolIndex::installed().available())
            QSKIP("this build has no symbol set");
        m_window.emplace();
        folder().addJpeg(QStringLiteral("cat.jpg"));
        QVERIFY(m_window->open(folder().path()));
    }
    void cleanup() {
        if (m_window)
            QVERIFY2(messages().texts().isEmpty(), qPrintable(messages().texts().join('\n')));
        m_window.reset();
    }

    // A click on a result puts the symbol into the next free cell, its label the word searched
    // in the card's case, drawn sharp at the screen's pixels, its word editable; a prefix's
    // result is labelled with the symbol's own name; undo takes it all off again.
    void clickPlacesSymbol() {
        clickFile(form(), QStringLiteral("cat.jpg"));
        searchFor(QStringLiteral("dog"));
        QListWidget* results = browser()->results();
        const QIcon icon = results->item(0)->icon();
        QVERIFY(!icon.isNull());
        QVERIFY(inkShare(icon.pixmap(QSize(40, 40)).toImage()) > 0.05);
        QTest::mouseClick(results->viewport(), Qt::LeftButton, Qt::NoModifier,
                          results->visualItemRect(results->item(0)).center());
        QCOMPARE(form().pictureCount(), 2);
        const TCell& cell = form().cells()[1];
        QVERIFY(cell.Symbol);
        QCOMPARE(QString::fromStdString(cell.Symbol->hexcode), QStringLiteral("1F415"));
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("DOG"));
        PictureControl* image = view().CellImages[1];
        QVERIFY(image->isVisible() && !image->isUnreadable());
        QCOMPARE(image->picture().size(), image->size() * image->devicePixelRatioF());
        QVERIFY(inkShare(image->picture()) > 0.05);
        // Its word is edited as any label's.
        image->setFocus();
        QTest::keyClick(image, Qt::Key_F2);
        auto* editor = form().findChild<QLineEdit*>(QStringLiteral("LabelEditor"));
        QVERIFY(editor && editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("dog"));
        editor->setText(QStringLiteral("puppy"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("PUPPY"));

        searchFor(QStringLiteral("eleph"));
        QTest::keyClick(browser()->searchField(), Qt::Key_Return);
        QCOMPARE(view().CellLabels[2]->text(), QStringLiteral("ELEPHANT"));

        for (int step = 0; step < 3; ++step) // the elephant, the edit, the dog
            action("mnUndo")->trigger();
        QCOMPARE(form().pictureCount(), 1);
        QCOMPARE(cellFiles(form()).value(0), folder().file(QStringLiteral("cat.jpg")));
    }

    // A symbol dropped on a cell takes its place (in the line art chosen), the picture there
    // leaving the card and its list item; dropped beside the cells, the first free one.
    void dropPlacesSymbol() {
        clickFile(form(), QStringLiteral("cat.jpg"));
        const auto drop = [&](QPoint at, const SymbolChoice& choice) {
            QMimeData data;
            data.setData(kSymbolFormat, choice.toData());
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view().PACardBase, &enter);
            QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(view().PACardBase, &dropped);
        };
        const CardPoint first = form().card().CellOrigin(0);
        const QPoint onFirst =
            view().PACard->mapTo(view().PACardBase, QPoint(first.X + 20, first.Y + 20));
        drop(onFirst, {SymbolRef{"openmoji", "1F34E", SymbolStyle::Line}, {}, "Apfel"});
        QTRY_VERIFY(form().cells()[0].Symbol.has_value());
        QCOMPARE(form().cells()[0].Symbol->style, SymbolStyle::Line);
        QCOMPARE(form().pictureCount(), 1);
        QVERIFY(selectedFiles(form()).isEmpty());
        QCOMPARE(view().CellLabels[0]->text(), QStringLiteral("APFEL"));

        drop(QPoint(2, 2), {SymbolRef{"openmoji", "1F415", SymbolStyle::Color}, {}, "dog"});
        QTRY_COMPARE(form().pictureCount(), 2);
        QCOMPARE(QString::fromStdString(form().cells()[1].Symbol->hexcode),
                 QStringLiteral("1F415"));

        // Dragged across the card as a photo is: the two symbols change places, words and all.
        const CardPoint second = form().card().CellOrigin(1);
        dropCell(view().PACardBase,
                 view().PACard->mapTo(view().PACardBase, QPoint(second.X + 20, second.Y + 20)), 0);
        QTRY_COMPARE(QString::fromStdString(form().cells()[0].Symbol->hexcode),
                     QStringLiteral("1F415"));
        QCOMPARE(QString::fromStdString(form().cells()[1].Symbol->hexcode),
                 QStringLiteral("1F34E"));
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("APFEL"));
    }

    // The pictures of the user's symbol folders come first for their word: a PNG goes on the
    // card as a picture with the word, and a drawing of theirs as a drawing, sharp at the
    // screen's pixels, kept in a deck as its file; one that cannot be read is named.
    void userFolderPictures() {
        QTemporaryDir own;
        QImage red(32, 32, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(own.filePath(QStringLiteral("dog_2.png"))));
        ferlo::test::writeFile(own.filePath(QStringLiteral("dog.svg")),
                               "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 8 8'>"
                               "<circle cx='4' cy='4' r='4' fill='blue'/></svg>");
        ferlo::test::writeFile(own.filePath(QStringLiteral("dog_3.svg")),
                               "<svg xmlns='http://www.w3.org/2000/svg'>" +
                                   QByteArray("<g>").repeated(5000) + "</svg>");
        browser()->setUserFolders({own.path()});
        searchFor(QStringLiteral("Dog"));
        QListWidget* results = browser()->results();
        QStringList files;
        for (int i = 0; i < 2; ++i)
            files << QFileInfo(browser()->choiceOf(results->item(i)).file).fileName();
        QCOMPARE(files, (QStringList{"dog.svg", "dog_2.png"}));
        const auto click = [&](int row) {
            QTest::mouseClick(results->viewport(), Qt::LeftButton, Qt::NoModifier,
                              results->visualItemRect(results->item(row)).center());
        };
        click(1);
        QCOMPARE(cellFiles(form()).value(0), own.filePath(QStringLiteral("dog_2.png")));
        QCOMPARE(view().CellLabels[0]->text(), QStringLiteral("DOG"));
        click(0);
        QCOMPARE(cellFiles(form()).value(1), own.filePath(QStringLiteral("dog.svg")));
        QCOMPARE(view().CellLabels[1]->text(), QStringLiteral("DOG"));
        PictureControl* image = view().CellImages[1];
        QVERIFY(image->isVisible() && !image->isUnreadable());
        QCOMPARE(image->picture().size(), image->size() * image->devicePixelRatioF());
        QVERIFY(inkShare(image->picture()) > 0.3);
        const QString path = folder().file(QStringLiteral("own.ferlo"));
        writeDeck(path, form().deck().deck());
        QCOMPARE(readDeck(path), form().deck().deck());

        for (int row = 0; row < results->count(); ++row)
            if (browser()->choiceOf(results->item(row)).file.endsWith(QLatin1String("dog_3.svg")))
                click(row);
        QTRY_COMPARE(messages().texts().size(), qsizetype(1));
        QVERIFY2(messages().texts().front().contains(QStringLiteral("dog_3.svg")),
                 qPrintable(messages().texts().front()));
        messages().clear();
    }

    // A grid's panel draws its symbols, as on paper, and a deck with them comes back whole.
    void gridDrawsSymbolsAndDeckKeepsThem() {
        DeckCard stored;
        stored.layout.setCells(6);
        stored.layout.kind = CardLayout::Kind::Grid;
        stored.layout.Grid = GridSpec{3, 2, {"A4", 210, 297}, true, 0, 0, 0, 0, 10};
        stored.cells.push_back(DeckCell{{}, "dog", {}, SymbolRef{"openmoji", "1F415"}});
        stored.cells.push_back(
            DeckCell{folder().file(QStringLiteral("cat.jpg")).toStdString(), {}, {}});
        Deck deck;
        deck.cards.push_back(stored);
        const QString path = folder().file(QStringLiteral("grid.ferlo"));
        writeDeck(path, deck);
        QVERIFY(form().openDeck(path));
        auto* panel = form().findChild<LayoutPanel*>();
        QVERIFY(panel && panel->isVisible());
        QCOMPARE(panel->cellCount(), 6);
        QTRY_VERIFY(!panel->picturesPending());
        QVERIFY(!panel->isUnreadable(0));
        const QImage drawn = panel->grab(panel->pictureRect(0)).toImage();
        QVERIFY(inkShare(drawn) > 0.05);
        QCOMPARE(readDeck(path), form().deck().deck());
    }

    // Card > Cards from Words: words beyond the card's free cells go on new cards of its layout,
    // all one step of the history; a word that finds nothing is named and nothing changes.
    void cardsFromWords() {
        QUndoStack* history = form().findChild<QUndoStack*>();
        const int steps = history->count();
        answerWordsDialog(QStringLiteral("dog\ncat, apple\nhappy, eat"));
        action("mnCardsFromWords")->trigger();
        QCOMPARE(form().deck().count(), 2);
        QCOMPARE(form().deck().deck().cards[1].cells.size(), size_t(1));
        // The picture named after "cat" in the shown folder comes before the symbol.
        QCOMPARE(QString::fromStdString(form().cells()[1].FileName),
                 folder().file(QStringLiteral("cat.jpg")));
        QCOMPARE(view().CellLabels[0]->text(), QStringLiteral("DOG"));
        QCOMPARE(history->count(), steps + 1);
        action("mnUndo")->trigger();
        QCOMPARE(form().deck().count(), 1);
        QCOMPARE(form().pictureCount(), 0);
        const int undone = history->index();

        answerWordsDialog(QStringLiteral("dog, qqxqq"));
        action("mnCardsFromWords")->trigger();
        QTRY_COMPARE(messages().texts().size(), qsizetype(1));
        QVERIFY2(messages().texts().front().contains(QStringLiteral("\"qqxqq\"")),
                 qPrintable(messages().texts().front()));
        messages().clear();
        QCOMPARE(form().pictureCount(), 0);
        QCOMPARE(history->index(), undone);
        QVERIFY(history->canRedo()); // no step was made over the one undone
    }
};

QTEST_MAIN(TestSymbolTab)
#include "tst_symboltab.moc"
