// The deck the window keeps, against the model alone: every change reaches the deck and its
// listener, and the deck is modified exactly when it differs from what was opened or saved.
#include "layout/DeckSession.h"

#include <QtTest>

using ferlo::CardModel;
using ferlo::Deck;
using ferlo::DeckCard;
using ferlo::DeckCell;
using ferlo::DeckSession;

namespace {

DeckCard cardOf(std::initializer_list<const char*> pictures) {
    DeckCard card;
    for (const char* picture : pictures)
        card.cells.emplace_back(DeckCell{picture, std::nullopt, std::nullopt});
    return card;
}

// The pictures of the deck's cards, "a b|c" for two cards.
QString picturesOf(const Deck& deck) {
    QStringList cards;
    for (const DeckCard& card : deck.cards) {
        QStringList cells;
        for (const auto& cell : card.cells)
            cells << (cell ? QString::fromStdString(cell->picture) : QStringLiteral("-"));
        cards << cells.join(' ');
    }
    return cards.join('|');
}

} // namespace

class TestDeckSession : public QObject {
    Q_OBJECT

private slots:
    // Each step changes the deck of two cards "a b|c" (the first on screen) through the session;
    // afterwards the deck, the card on screen, how often the listener was told, and whether the
    // deck differs from its file.
    void everyChangeReachesTheDeckAndItsListener_data() {
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("deck");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("told");
        QTest::addColumn<bool>("modified");
        QTest::newRow("a picture placed") << "place"
                                          << "a b d|c" << 0 << true << true;
        QTest::newRow("a picture taken off") << "takeOff"
                                             << "- b|c" << 0 << true << true;
        QTest::newRow("a picture already there") << "placeAgain"
                                                 << "a b|c" << 0 << false << false;
        QTest::newRow("another card shown") << "select"
                                            << "a b|c" << 1 << true << false;
        QTest::newRow("a card outside the deck") << "selectOutside"
                                                 << "a b|c" << 0 << false << false;
        QTest::newRow("a card added") << "insert"
                                      << "a b||c" << 1 << true << true;
        QTest::newRow("the card removed") << "remove"
                                          << "c" << 0 << true << true;
        QTest::newRow("the language") << "language"
                                      << "a b|c" << 0 << true << true;
        QTest::newRow("saved") << "saved"
                               << "a b|c" << 0 << true << false;
        QTest::newRow("the screen's scale") << "scale"
                                            << "a b|c" << 0 << false << false;
    }
    void everyChangeReachesTheDeckAndItsListener() {
        QFETCH(QString, step);
        QFETCH(QString, deck);
        QFETCH(int, current);
        QFETCH(bool, told);
        QFETCH(bool, modified);
        DeckSession session;
        Deck opened;
        opened.cards = {cardOf({"a", "b"}), cardOf({"c"})};
        session.reset(opened, "deck.ferlo");
        int tellings = 0;
        session.setListener([&](const DeckSession&) { ++tellings; });

        if (step == "place")
            QCOMPARE(session.edit([](CardModel& card) { return card.place("d"); }), 2);
        else if (step == "takeOff")
            QVERIFY(session.edit([](CardModel& card) { return card.takeOff(0); }));
        else if (step == "placeAgain")
            QCOMPARE(session.edit([](CardModel& card) { return card.place("a"); }), -1);
        else if (step == "select")
            QVERIFY(session.select(1));
        else if (step == "selectOutside")
            QVERIFY(!session.select(2));
        else if (step == "insert")
            session.insertAfterCurrent(DeckCard{});
        else if (step == "remove")
            QVERIFY(session.removeCurrent());
        else if (step == "language")
            session.setLanguage("de");
        else if (step == "saved")
            session.saved("other.ferlo");
        else if (step == "scale")
            session.setScreenScale(1.5);

        QCOMPARE(picturesOf(session.deck()), deck);
        QCOMPARE(session.current(), current);
        QCOMPARE(tellings > 0, told);
        QCOMPARE(session.modified(), modified);
        // The model on screen is the deck's card on screen.
        QVERIFY(session.card().stored() == session.currentCard());
    }

    // A card comes on screen at the scale the window shows cards at; its model is the deck's.
    void aCardOnScreenKeepsTheScreensScale() {
        DeckSession session;
        Deck deck;
        DeckCard portrait = cardOf({"a"});
        portrait.portrait = true;
        portrait.layout.setCells(2);
        deck.cards = {cardOf({"b"}), portrait};
        session.reset(deck, std::string());
        session.setScreenScale(1.28);
        QVERIFY(session.select(1));
        QCOMPARE(session.screen().ScreenScale, 1.28);
        QCOMPARE(session.card().count(), 2);
        // Its layout on screen follows the model: two cells, one over the other.
        QCOMPARE(session.screen().CellOrigins.size(), size_t(2));
        QCOMPARE(session.screen().CardHeight, ferlo::CardSizeFor(true, 1.28).Height);
        QVERIFY(session.card().portrait());
        QCOMPARE(session.card().cells().front().FileName, std::string("a"));
        // A change of the model is laid out on screen at once.
        QVERIFY(session.edit([](CardModel& card) { return card.setOrientation(false); }));
        QCOMPARE(session.screen().CardWidth, ferlo::CardSizeFor(false, 1.28).Width);
        QVERIFY(session.edit([](CardModel& card) { return card.setCount(8); }));
        QCOMPARE(session.screen().CellOrigins.size(), size_t(8));
    }

    // Undoing a change back to what was saved clears the mark.
    void undoingToTheSavedDeckIsUnmodified() {
        DeckSession session;
        const Deck saved = session.deck();
        session.edit([](CardModel& card) { return card.place("a"); });
        QVERIFY(session.modified());
        session.restore(saved, 0);
        QVERIFY(!session.modified());
    }
};

QTEST_MAIN(TestDeckSession)
#include "tst_decksession.moc"
