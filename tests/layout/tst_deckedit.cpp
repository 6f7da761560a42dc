// Changes that reach over cells and cards, and the names the undo history gives changes,
// against the deck alone.
#include "layout/DeckEdit.h"

#include <QtTest>

using namespace ferlo;

namespace {

DeckCell cell(const std::string& picture, std::optional<std::string> word = std::nullopt) {
    return DeckCell{"/p/" + picture, std::move(word), std::nullopt};
}

// A card of `perPage` whose cells hold the pictures named ("" for a free cell).
DeckCard card(int perPage, const QStringList& pictures) {
    DeckCard made;
    made.layout.setCells(perPage);
    for (const QString& picture : pictures) {
        if (picture.isEmpty())
            made.cells.emplace_back();
        else
            made.cells.emplace_back(cell(picture.toStdString()));
    }
    return made;
}

// The pictures of each card, "" for a free cell, cards joined by "|".
QString layoutOf(const Deck& deck) {
    QStringList cards;
    for (const DeckCard& each : deck.cards) {
        QStringList cells;
        for (const auto& held : each.cells)
            cells << (held ? QString::fromStdString(held->picture).mid(3) : QString());
        cards << cells.join(',');
    }
    return cards.join('|');
}

} // namespace

class TestDeckEdit : public QObject {
    Q_OBJECT

private slots:
    // A 20-picture deck of five 4-picture cards, one word edited, dealt onto 6-picture cards.
    void relaidOutKeepsOrderAndWords() {
        Deck deck;
        for (int c = 0; c < 5; ++c) {
            QStringList names;
            for (int i = 0; i < 4; ++i)
                names << QStringLiteral("p%1.jpg").arg(c * 4 + i, 2, 10, QLatin1Char('0'));
            deck.cards.push_back(card(4, names));
        }
        deck.cards[2].cells[1]->label = "Rex";
        deck.cards[3].cells[0].reset(); // a free cell is no place on the new cards
        DeckCard shape = card(6, {});
        shape.portrait = true;
        shape.upperCase = false;
        const Deck relaid = relaidOut(deck, shape);
        QCOMPARE(relaid.cards.size(), size_t(4));
        QCOMPARE(layoutOf(relaid), QStringLiteral("p00.jpg,p01.jpg,p02.jpg,p03.jpg,p04.jpg,p05.jpg|"
                                                  "p06.jpg,p07.jpg,p08.jpg,p09.jpg,p10.jpg,p11.jpg|"
                                                  "p13.jpg,p14.jpg,p15.jpg,p16.jpg,p17.jpg,p18.jpg|"
                                                  "p19.jpg"));
        QCOMPARE(relaid.cards[1].cells[3]->label, std::optional<std::string>("Rex"));
        for (const DeckCard& each : relaid.cards)
            QVERIFY(each.perPage() == 6 && each.portrait && !each.upperCase);
        // No picture: one empty card of the shape.
        QCOMPARE(relaidOut(Deck{{card(4, {})}, {}, {}}, shape).cards, std::vector{shape});
    }

    void swapsAndMoves() {
        DeckCard two = card(4, {"a.jpg", "", "b.jpg"});
        two.cells[0]->label = "Ant";
        QVERIFY(swapCells(two, 0, 3)); // into a free cell beyond the stored ones
        QCOMPARE(layoutOf(Deck{{two}, {}, {}}), QStringLiteral(",,b.jpg,a.jpg"));
        QCOMPARE(two.cells[3]->label, std::optional<std::string>("Ant"));
        QVERIFY(swapCells(two, 3, 1));
        QCOMPARE(layoutOf(Deck{{two}, {}, {}}), QStringLiteral(",a.jpg,b.jpg")); // trimmed
        QVERIFY(!swapCells(two, 1, 4) && !swapCells(two, 1, 1) && !swapCells(two, -1, 0));
        QCOMPARE(putInFreeCell(two, cell("c.jpg")), 0);
        QCOMPARE(putInFreeCell(two, cell("d.jpg")), 3);
        QCOMPARE(putInFreeCell(two, cell("e.jpg")), -1);
        QVERIFY(takeCell(two, 3) && !takeCell(two, 3) && two.cells.size() == 3);

        Deck deck{{card(1, {"a"}), card(1, {"b"}), card(1, {"c"}), card(1, {"d"})}, {}, {}};
        QVERIFY(moveCard(deck, 0, 2));
        QCOMPARE(layoutOf(deck), QStringLiteral("b|c|a|d"));
        QVERIFY(moveCard(deck, 3, 0));
        QCOMPARE(layoutOf(deck), QStringLiteral("d|b|c|a"));
        QVERIFY(!moveCard(deck, 1, 1) && !moveCard(deck, 0, 4) && !moveCard(deck, -1, 0));
    }

    // Each change from one deck to the other, and the name of its step.
    void describeChange_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("name");
        QTest::newRow("place") << "a.jpg"
                               << "a.jpg,dog2.jpg"
                               << "Place dog";
        QTest::newRow("take off the last") << "dog2.jpg"
                                           << ""
                                           << "Take off dog";
        QTest::newRow("clear") << "a.jpg,b.jpg"
                               << ""
                               << "Clear card 1";
        QTest::newRow("swap") << "a.jpg,b.jpg"
                              << "b.jpg,a.jpg"
                              << "Move a";
        QTest::newRow("to a free cell") << "a.jpg,b.jpg"
                                        << ",b.jpg,a.jpg"
                                        << "Move a";
        QTest::newRow("several placed") << "|a.jpg"
                                        << "b.jpg,c.jpg|a.jpg"
                                        << "Place 2 pictures";
        QTest::newRow("new card") << "a.jpg|b.jpg"
                                  << "a.jpg||b.jpg"
                                  << "New card";
        QTest::newRow("remove card 3") << "a|b|c|d"
                                       << "a|b|d"
                                       << "Remove card 3";
        QTest::newRow("remove a twin") << "a|a|b"
                                       << "a|b"
                                       << "Remove card 2";
        QTest::newRow("move card") << "a|b|c|d"
                                   << "b|c|a|d"
                                   << "Move card 1";
        QTest::newRow("move card back") << "a|b|c|d"
                                        << "a|d|b|c"
                                        << "Move card 4";
        QTest::newRow("picture to the next card") << "a,b|c"
                                                  << "a|c,b"
                                                  << "Move picture to card 2";
        QTest::newRow("picture to the previous card") << "a|c,b"
                                                      << "a,b|c"
                                                      << "Move picture to card 1";
        QTest::newRow("two cards changed") << "a|b|c"
                                           << "a,x|b|c,y"
                                           << "Change cards";
        QTest::newRow("one card in another") << "a|b"
                                             << "a|c"
                                             << "Place c";
    }
    void describeChange() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, name);
        const auto deck = [](const QString& text) {
            Deck made;
            for (const QString& cards : text.split('|'))
                made.cards.push_back(card(4, cards.isEmpty() ? QStringList() : cards.split(',')));
            return made;
        };
        QCOMPARE(QString::fromStdString(ferlo::describeChange(deck(before), deck(after))), name);
    }

    // Shape, switches and words of one card.
    void describeCardChanges() {
        const DeckCard was = card(4, {"a.jpg"});
        const auto named = [&](auto change) {
            Deck after{{was}, {}, {}};
            change(after.cards[0]);
            return QString::fromStdString(ferlo::describeChange(Deck{{was}, {}, {}}, after));
        };
        QCOMPARE(named([](DeckCard& c) { c.layout.setCells(6), c.cells.clear(); }),
                 QStringLiteral("6 pictures per card"));
        QCOMPARE(named([](DeckCard& c) { c.portrait = true; }), QStringLiteral("Portrait"));
        QCOMPARE(named([](DeckCard& c) { c.cutLines = false; }), QStringLiteral("Cut lines off"));
        QCOMPARE(named([](DeckCard& c) { c.cells[0]->label = "Ant"; }),
                 QStringLiteral("Edit word Ant"));
    }
};

QTEST_APPLESS_MAIN(TestDeckEdit)
#include "tst_deckedit.moc"
