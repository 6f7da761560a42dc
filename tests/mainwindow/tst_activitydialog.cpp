// Card > Make Activity ...: the dialog's game follows its options, its preview shows the first
// pages and speaks the card clicked, a deck too small is said, and Add to Deck hands over the
// game's pages as cards.
#include "mainwindow/ActivityDialog.h"
#include "mainwindow/FerloMainForm.h"
#include "mainwindow/LayoutPanel.h"
#include "mainwindow/PictureControl.h"
#include "printing/ActivityPages.h"
#include "printing/support_printing.h"
#include "storage/DeckFile.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

// The share of an image's pixels that are dark: the ink of a drawn word.
double inkShare(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    qint64 ink = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ink += qGray(rgb.pixel(x, y)) < 96 ? 1 : 0;
    return rgb.isNull() ? 0 : double(ink) / double(rgb.width() * rgb.height());
}

} // namespace

class TestActivityDialog : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    std::vector<DeckCell> m_pictures;

    void choose(ActivityDialog& dialog, ActivityKind kind) {
        auto* combo = dialog.findChild<QComboBox*>("activityKind");
        combo->setCurrentIndex(combo->findData(int(kind)));
    }

    // A deck of one card of 8 holding the first 8 pictures, written to `path`.
    Deck writeEightPictureDeck(const QString& path) {
        Deck deck;
        DeckCard& card = deck.cards.emplace_back();
        card.layout.setCells(8);
        for (size_t i = 0; i < 8; ++i)
            card.cells.emplace_back(m_pictures[i]);
        writeDeck(path, deck);
        return deck;
    }

private slots:
    void initTestCase() {
        for (int i = 0; i < 10; ++i) {
            const QString name = QStringLiteral("pic%1.jpg").arg(QChar('a' + i));
            writeSolidJpeg(m_dir.filePath(name), 40, 30, Qt::blue);
            m_pictures.emplace_back().picture = m_dir.filePath(name).toStdString();
        }
    }

    // The preview shows the first page as it prints; a click on a card speaks that card.
    void previewSpeaks() {
        std::vector<DeckCell> spoken;
        DeckCard cards;
        cards.layout.setCells(4);
        ActivityDialog dialog(m_pictures, cards, {},
                              {[&](const DeckCell& c) { spoken.push_back(c); }, {}});
        choose(dialog, ActivityKind::Memory);
        QVERIFY(dialog.activity());
        auto* page = dialog.findChild<QLabel*>("activityPreview1");
        const QImage image = page->pixmap().toImage();
        QVERIFY(!image.isNull());
        // The first card (top left) shows its blue picture.
        const QRect topLeft(0, 0, image.width() / 2, image.height() / 2);
        QVERIFY(meanColour(image, topLeft).blue() > meanColour(image, topLeft).red() + 20);
        const QPoint onPage((page->width() - image.width()) / 2, 0);
        QTest::mouseClick(page, Qt::LeftButton, {},
                          onPage + QPoint(image.width() * 3 / 4, image.height() / 4));
        QCOMPARE(spoken.size(), size_t(1));
        QCOMPARE(spoken[0].picture, m_pictures[0].picture); // the pair of the first picture
    }

    // Too few pictures for a board: the reason is shown and nothing can be printed.
    void deckTooSmall() {
        ActivityDialog dialog(m_pictures, DeckCard{}, {}, {});
        choose(dialog, ActivityKind::Bingo);
        dialog.findChild<QSpinBox*>("activityColumns")->setValue(5);
        dialog.findChild<QSpinBox*>("activityRows")->setValue(5);
        QVERIFY(!dialog.activity());
        QVERIFY2(dialog.problem().contains("needs 25"), qPrintable(dialog.problem()));
        QCOMPARE(dialog.findChild<QLabel*>("activityMessage")->text(), dialog.problem());
        QVERIFY(!dialog.findChild<QPushButton*>("activityExport")->isEnabled());
    }

    // Add to Deck hands over one card for each page of the game.
    void addsToTheDeck() {
        Deck added;
        ActivityDialog dialog(m_pictures, DeckCard{}, {}, {{}, [&](const Deck& d) {
                                                               added = d;
                                                           }});
        choose(dialog, ActivityKind::Lotto);
        dialog.findChild<QSpinBox*>("activityBoards")->setValue(3);
        QVERIFY(dialog.activity());
        dialog.findChild<QPushButton*>("activityAddToDeck")->click();
        QCOMPARE(added.cards.size(), dialog.activity()->sheets.size());
        QCOMPARE(added.cards.front().layout.kind, CardLayout::Kind::Grid);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    // In the window: Card > Make Activity ... on the deck's pictures, Add to Deck puts the game's
    // pages after the deck's cards, and one Undo takes them all out again.
    void addToDeckIsOneStep() {
        const QString path = m_dir.filePath("game.ferlo");
        const Deck deck = writeEightPictureDeck(path);
        TFerloMainForm form;
        QVERIFY(form.openDeck(path));
        bool added = false;
        QTimer poll;
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = form.findChild<ActivityDialog*>();
            if (!dialog || !dialog->isVisible() || added)
                return;
            added = true;
            choose(*dialog, ActivityKind::Lotto);
            dialog->findChild<QSpinBox*>("activityBoards")->setValue(2);
            dialog->findChild<QSpinBox*>("activityColumns")->setValue(2);
            dialog->findChild<QSpinBox*>("activityRows")->setValue(2);
            dialog->findChild<QPushButton*>("activityAddToDeck")->click();
            if (dialog->isVisible())
                dialog->reject(); // the game could not be made
        });
        poll.start();
        form.findChild<QAction*>("mnActivity")->trigger();
        QVERIFY(added);
        // Two boards of 2 x 2 and the calling cards of their pictures on a card of 8.
        QCOMPARE(form.deck().count(), 1 + 2 + 1);
        QCOMPARE(form.deck().current(), 1);
        form.findChild<QAction*>("mnUndo")->trigger();
        QCOMPARE(form.deck().count(), 1);
        QCOMPARE(form.deck().deck().cards.front(), deck.cards.front());
    }

    // Save as Deck writes the game to a deck file of its own, word cards and board numbers
    // kept, the open deck untouched; reopened, its word cards show their words on the card and
    // on a board's grid, and no label beneath.
    void saveAsDeckKeepsWordsAndNumbers() {
        const QString path = m_dir.filePath("words.ferlo");
        const QString saved = m_dir.filePath("match.ferlo");
        writeEightPictureDeck(path);
        TFerloMainForm form;
        QVERIFY(form.openDeck(path));
        bool done = false;
        // A timer does not fire again inside its own handler: the file dialog has its own.
        QTimer poll, answer;
        poll.setInterval(5);
        answer.setInterval(5);
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto* files = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                files->selectFile(saved);
                static_cast<QDialog*>(files)->accept();
            }
        });
        answer.start();
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<ActivityDialog*>(QApplication::activeModalWidget());
            if (!dialog || done)
                return;
            done = true;
            choose(*dialog, ActivityKind::Match);
            dialog->findChild<QPushButton*>("activitySaveAsDeck")->click();
            dialog->reject();
        });
        poll.start();
        form.findChild<QAction*>("mnActivity")->trigger();
        QVERIFY(done);
        QCOMPARE(form.deck().count(), 1);
        QVERIFY(!form.deck().modified());
        const Deck game = readDeck(saved);
        QVERIFY(!game.cards.empty());
        const std::optional<DeckCell>& word = game.cards[0].cells.at(1);
        QVERIFY(word && word->word);
        QCOMPARE(QString::fromStdString(word->label.value_or("")), QStringLiteral("pica"));

        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.openDeck(saved));
        auto* image = form.findChild<PictureControl*>(QStringLiteral("Cell1"));
        QVERIFY(image);
        QTRY_COMPARE(image->picture().size(), image->size() * image->devicePixelRatioF());
        QVERIFY(inkShare(image->picture()) > 0.02);
        QVERIFY(!form.findChild<QLabel*>(QStringLiteral("CellLabel1"))->isVisible());
        QVERIFY(form.findChild<QLabel*>(QStringLiteral("CellLabel0"))->isVisible());

        // A bingo board with a word free centre, on its grid.
        ActivityOptions options;
        options.kind = ActivityKind::Bingo;
        options.freeCentre = true;
        options.centre.label = "Frei";
        writeDeck(saved, activityAsDeck(MakeActivity(m_pictures, options)));
        QCOMPARE(readDeck(saved).cards[0].smallPrint, std::string("Board 1 (game 1)"));
        QVERIFY(form.openDeck(saved));
        auto* panel = form.findChild<LayoutPanel*>();
        QVERIFY(panel && panel->isVisible());
        QTRY_VERIFY(!panel->picturesPending());
        QVERIFY(inkShare(panel->grab(panel->pictureRect(4)).toImage()) > 0.02);
    }
};

QTEST_MAIN(TestActivityDialog)
#include "tst_activitydialog.moc"
