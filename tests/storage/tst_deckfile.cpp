// The deck file: reading the documented example, a message with the place for each kind of
// damage, and saving and reading back without loss, file names that are not UTF-8 included.
#include "layout/Card.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;

Q_DECLARE_METATYPE(ferlo::DeckCard)

namespace {

// The example of docs/deck-format.md.
const QByteArray kExample = [] {
    QFile file(QStringLiteral(FERLO_TEST_DATA_DIR "/farm.ferlo"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}();

// A deck of one card whose JSON object is `card`.
QByteArray oneCard(const QByteArray& card) {
    return R"({"format": "ferlo-deck", "version": 1, "cards": [)" + card + "]}";
}

DeckCell cell(const std::string& picture, std::optional<std::string> label = std::nullopt) {
    return DeckCell{picture, std::move(label), std::nullopt};
}

QByteArray readBack(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDeckFile : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void readsTheExample() {
        const QString path = m_dir.filePath("farm.ferlo");
        const std::string folder = encodePath(m_dir.path()).toStdString();
        Deck expected;
        expected.cards.push_back(
            DeckCard{false,
                     true,
                     true,
                     true,
                     {cell(folder + "/pics/dog2.jpg"), cell(folder + "/pics/cat.jpg", "Kitty"),
                      std::nullopt, std::nullopt},
                     CardLayout::counted(4)});
        expected.cards.push_back(DeckCard{
            true, true, false, true, {cell(folder + "/pics/hen7.jpg")}, CardLayout::counted(2)});
        QCOMPARE(parseDeck(kExample, path), expected);

        // Keys it does not know are passed over; switches left out take the defaults.
        const Deck sparse = parseDeck(
            R"({"format": "ferlo-deck", "version": 1, "note": [1, {}], "cards": [
                 {"cells": [{"picture": "/abs/x.jpg", "crop": 3}], "colour": "red"}]})",
            path);
        QCOMPARE(sparse.cards.size(), size_t(1));
        QCOMPARE(sparse.cards[0],
                 (DeckCard{false, true, true, true, {cell("/abs/x.jpg")}, CardLayout::counted(4)}));
    }

    void deckNames() {
        QVERIFY(isDeckFileName("/a/farm.ferlo"));
        QVERIFY(isDeckFileName("FARM.Ferlo"));
        QVERIFY(!isDeckFileName("/a/farm.ferlo.jpg"));
        QVERIFY(!isDeckFileName("/a/ferlo"));
    }

    void damaged_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("cause"); // after "Cannot read the deck file PATH: "
        QTest::newRow("cut short") << kExample.left(40) << "line 2, column 1: unterminated object";
        QTest::newRow("bad token on line 3")
            << QByteArray("{\n  \"format\": \"ferlo-deck\",\n  \"version\": 1 x\n}")
            << "line 3, column 17: ";
        QTest::newRow("empty file") << QByteArray() << "the file is empty";
        QTest::newRow("blanks only") << QByteArray(" \n\t\r\n") << "the file is empty";
        QTest::newRow("larger than any deck")
            << kExample + QByteArray(16 * 1024 * 1024, ' ') << "the file is larger than 16 MB";
        QTest::newRow("array at the top")
            << QByteArray("[]") << "the top level: expected an object";
        QTest::newRow("another format")
            << QByteArray(R"({"format": "ferlo-card", "version": 1, "cards": []})")
            << "format: expected \"ferlo-deck\"";
        QTest::newRow("newer version")
            << QByteArray(R"({"format": "ferlo-deck", "version": 5, "cards": []})")
            << "version: version 5 is newer than this program reads (4)";
        QTest::newRow("version as text")
            << QByteArray(R"({"format": "ferlo-deck", "version": "1", "cards": []})")
            << "version: expected a version number, not a string";
        QTest::newRow("no cards") << QByteArray(R"({"format": "ferlo-deck", "version": 1})")
                                  << "cards: expected an array, not nothing";
        QTest::newRow("card not an object")
            << oneCard("4") << "cards[0]: expected an object, not 4";
        QTest::newRow("sound as a number")
            << oneCard(R"({"cells": [{"picture": "a.jpg", "sound": 7}]})")
            << "cards[0].cells[0].sound: expected a string, not 7";
        QTest::newRow("language as a list")
            << QByteArray(R"({"format": "ferlo-deck", "version": 1, "language": [], "cards": []})")
            << "language: expected a string, not an array";
        QTest::newRow("count 3") << oneCard(R"({"perPage": 3})")
                                 << "cards[0].perPage: expected 1, 2, 4, 6 or 8, not 3";
        QTest::newRow("count 4.5") << oneCard(R"({"perPage": 4.5})")
                                   << "cards[0].perPage: expected 1, 2, 4, 6 or 8, not 4.5";
        QTest::newRow("count as text")
            << oneCard(R"({"perPage": "4"})")
            << "cards[0].perPage: expected 1, 2, 4, 6 or 8, not a string";
        QTest::newRow("orientation") << oneCard(R"({"orientation": "upright"})")
                                     << "cards[0].orientation: expected \"portrait\" or";
        QTest::newRow("switch as text") << oneCard(R"({"labels": "yes"})")
                                        << "cards[0].labels: expected true or false, not a string";
        QTest::newRow("more cells than the count")
            << oneCard(R"({"perPage": 1, "cells": [null, null]})")
            << "cards[0].cells: 2 cells, more than the card's count of 1";
        QTest::newRow("cell as text")
            << oneCard(R"({"cells": ["dog.jpg"]})")
            << "cards[0].cells[0]: expected an object or null, not a string";
        QTest::newRow("picture a number")
            << QByteArray(R"({"format": "ferlo-deck", "version": 1, "cards": [{},
                 {"cells": [{"picture": 5}]}]})")
            << "cards[1].cells[0].picture: expected a string, not 5";
        QTest::newRow("cell without picture") << oneCard(R"({"cells": [null, {"label": "x"}]})")
                                              << "cards[0].cells[1]: a cell needs a \"picture\"";
        QTest::newRow("empty picture") << oneCard(R"({"cells": [{"picture": ""}]})")
                                       << "cards[0].cells[0].picture: the file name is empty";
        QTest::newRow("NUL in picture")
            << oneCard(R"({"cells": [{"picture": "a\u0000b.jpg"}]})")
            << "cards[0].cells[0].picture: a file name cannot hold a NUL";
        QTest::newRow("picture bytes not text")
            << oneCard(R"({"cells": [{"pictureBytes": []}]})")
            << "cards[0].cells[0].pictureBytes: expected a string, not an array";
        QTest::newRow("label a number") << oneCard(R"({"cells": [{"picture": "a", "label": 1}]})")
                                        << "cards[0].cells[0].label: expected a string, not 1";
        QTest::newRow("label too long")
            << oneCard("{\"cells\": [null, {\"picture\": \"a\", \"label\": \"" +
                       QByteArray(1001, 'x') + "\"}]}")
            << "cards[0].cells[1].label: the word is 1001 characters long; a label word holds at "
               "most 1000 characters";
        // A lone surrogate is a character of its own: it is saved as the replacement character.
        QTest::newRow("label too long by a lone surrogate")
            << oneCard("{\"cells\": [{\"picture\": \"a\", \"label\": \"" + QByteArray(1000, 'x') +
                       "\\udc80\"}]}")
            << "cards[0].cells[0].label: the word is 1001 characters long";
        QTest::newRow("double-sided choices not an object")
            << QByteArray(R"({"format": "ferlo-deck", "version": 1, "cards": [], "duplex": 1})")
            << "duplex: expected an object, not 1";
        QTest::newRow("unknown turn")
            << QByteArray(R"({"format": "ferlo-deck", "version": 1, "cards": [],)"
                          R"( "duplex": {"turn": "sideways"}})")
            << "duplex.turn: expected \"standard\", \"long edge\" or \"short edge\", not "
               "\"sideways\"";
    }
    void damagedLayouts_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("cause");
        const QByteArray grid = R"("kind": "grid", "columns": 4, "rows": 5,
                                   "paper": {"width": 215.9, "height": 279.4})";
        QTest::newRow("unknown kind") << QByteArray(R"({"layout": {"kind": "hexagons"}})")
                                      << R"(cards[0].layout.kind: expected "grid" or "sheet")";
        QTest::newRow("layout not an object")
            << QByteArray(R"({"layout": 4})") << "cards[0].layout: expected an object, not 4";
        QTest::newRow("eleven columns")
            << QByteArray(R"({"layout": {"kind": "grid", "columns": 11, "rows": 1}})")
            << "cards[0].layout.columns: expected a whole number from 1 to 10, not 11";
        QTest::newRow("paper of no size")
            << QByteArray(R"({"layout": {"kind": "grid", "columns": 1, "rows": 1,
                                         "paper": {"width": 0, "height": 10}}})")
            << "cards[0].layout.paper.width: expected a number from 1 to 1000, not 0";
        QTest::newRow("bleed of 9") << "{\"layout\": {" + grid + R"(, "bleed": 9}})"
                                    << "cards[0].layout.bleed: expected a number from 0 to 6";
        QTest::newRow("count against the grid")
            << "{\"perPage\": 8, \"layout\": {" + grid + "}}"
            << "cards[0].perPage: expected 20, the grid's cards, not 8";
        QTest::newRow("sheet without a name") << QByteArray(R"({"layout": {"kind": "sheet"}})")
                                              << "cards[0].layout.name: expected a name";
        QTest::newRow("sheet without a count")
            << QByteArray(R"({"layout": {"kind": "sheet", "name": "Avery 5371"}})")
            << "cards[0].perPage: a sheet's card needs its number of labels";
    }
    void damagedLayouts() {
        QFETCH(QByteArray, card);
        QFETCH(QString, cause);
        const QString path = m_dir.filePath("layout.ferlo");
        try {
            parseDeck(R"({"format": "ferlo-deck", "version": 2, "cards": [)" + card + "]}", path);
            QFAIL("a damaged layout was read");
        } catch (const Error& error) {
            QVERIFY2(error.message().startsWith("Cannot read the deck file " + path + ": " + cause),
                     qPrintable(error.message()));
        }
    }

    // A grid or a sheet is kept whole, even a sheet that is not installed here; only such a deck
    // is written as version 2, and version 1 passes over a "layout" key as any unknown key.
    void layoutsRoundTrip_data() {
        QTest::addColumn<DeckCard>("card");
        QTest::addColumn<int>("version");
        DeckCard counted{true, false, true, true, {cell("/p/a.jpg")}, CardLayout::counted(8)};
        QTest::newRow("five counts: version 1") << counted << 1;
        DeckCard grid{false, true, true, true, {std::nullopt, cell("/p/b.jpg", "Bee")}, {}};
        grid.layout.kind = CardLayout::Kind::Grid;
        grid.layout.Name = "2 \u00d7 2 in picture cards (Letter)";
        grid.layout.Grid = {4, 5, {"Letter", 215.9, 279.4}, false, 50.8, 50.8, 0, 1.5, 0};
        grid.layout.Fill = true;
        grid.layout.Bleed = 3;
        QTest::newRow("grid of given cards") << grid << 2;
        DeckCard even{false, true, true, true, {}, {}};
        even.layout.kind = CardLayout::Kind::Grid;
        even.layout.Grid = {3, 2, {"", 100, 150}, true, 0, 0, 0, 0, 7.5};
        QTest::newRow("custom paper divided") << even << 2;
        DeckCard sheet{false, true, false, false, {cell("/p/c.jpg")}, {}};
        sheet.layout.kind = CardLayout::Kind::Sheet;
        sheet.layout.setCells(30);
        sheet.layout.Name = "Nobody 1234";
        sheet.layout.Outlines = true;
        QTest::newRow("sheet not installed") << sheet << 2;
    }
    void layoutsRoundTrip() {
        QFETCH(DeckCard, card);
        QFETCH(int, version);
        const QString path = m_dir.filePath("layouts.ferlo");
        const Deck deck{{card}, {}, {}};
        writeDeck(path, deck);
        QCOMPARE(readDeck(path), deck);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray json = file.readAll();
        QCOMPARE(QJsonDocument::fromJson(json).object()["version"].toInt(), version);
        // The same file called version 1: the layout is passed over, the count stays its own.
        json.replace("\"version\": 2", "\"version\": 1");
        if (!IsValidPicturesPerPage(card.perPage())) {
            QVERIFY_THROWS_EXCEPTION(Error, parseDeck(json, path));
        } else {
            const DeckCard read = parseDeck(json, path).cards.at(0);
            QCOMPARE(read.layout, CardLayout::counted(card.perPage()));
            QCOMPARE(read.cells, card.cells);
        }
    }

    void damaged() {
        QFETCH(QByteArray, json);
        QFETCH(QString, cause);
        const QString path = m_dir.filePath("damaged.ferlo");
        try {
            parseDeck(json, path);
            QFAIL("no error");
        } catch (const Error& error) {
            const QString prefix = QStringLiteral("Cannot read the deck file %1: ").arg(path);
            QVERIFY2(error.message().startsWith(prefix + cause), qPrintable(error.message()));
        }
    }

    // The limit counts characters: 1,000 of them read, pictographs beyond the BMP counting one.
    void theLongestLabelReads() {
        const QString word =
            QString::fromUtf8("\xF0\x9F\x90\x84").repeated(500) + QString(500, 'x');
        const Deck deck = parseDeck(
            oneCard("{\"cells\": [{\"picture\": \"a\", \"label\": \"" + word.toUtf8() + "\"}]}"),
            m_dir.filePath("long.ferlo"));
        QCOMPARE(QString::fromStdString(*deck.cards.at(0).cells.at(0)->label), word);
    }

    void roundTrip_data() {
        QTest::addColumn<QByteArray>("picture"); // "@" stands for the deck's folder
        QTest::addColumn<QString>("stored");     // the "picture" text in the file
        QTest::addColumn<bool>("asBytes");       // whether "pictureBytes" is there too
        QTest::newRow("under the folder: relative")
            << QByteArray("@/pics/dog2.jpg") << "pics/dog2.jpg" << false;
        QTest::newRow("outside: absolute")
            << QByteArray("/elsewhere/cat.jpg") << "/elsewhere/cat.jpg" << false;
        QTest::newRow("a sibling folder with the folder's name as prefix")
            << QByteArray("@x/cat.jpg") << "@x/cat.jpg" << false;
        QTest::newRow("UTF-8 name, spaces, percent")
            << QByteArray("@/M\xc3\xbcller 100%.jpg") << "M\u00fcller 100%.jpg" << false;
        QTest::newRow("Latin-1 byte")
            << QByteArray("@/caf\xe9 %41.jpg") << "caf\ufffd %41.jpg" << true;
        QTest::newRow("not UTF-8, outside")
            << QByteArray("/old/\xff\xfe.jpg") << "/old/\ufffd\ufffd.jpg" << true;
    }
    void roundTrip() {
        QFETCH(QByteArray, picture);
        QFETCH(QString, stored);
        QFETCH(bool, asBytes);
        const QByteArray folder = encodePath(m_dir.path());
        picture.replace('@', folder);
        stored.replace('@', m_dir.path());
        Deck deck;
        deck.cards.push_back(DeckCard{true,
                                      false,
                                      false,
                                      false,
                                      {std::nullopt, cell(picture.toStdString()),
                                       cell(picture.toStdString(), "\u00e9t\u00e9 Dog"),
                                       cell(picture.toStdString(), "")},
                                      CardLayout::counted(6)});
        deck.cards.push_back(DeckCard{false, true, true, true, {}, CardLayout::counted(1)});
        deck.duplex = {SheetTurn::ShortEdge, ManualFeed::FaceUpReversing, true};
        // A cell's own recording follows the picture's rule; the deck's language stays as typed.
        if (!asBytes)
            deck.cards[0].cells[2]->sound = picture.toStdString() + ".ogg";
        deck.language = "en-GB";
        const QString path = m_dir.filePath("saved.ferlo");
        writeDeck(path, deck);
        QCOMPARE(readDeck(path), deck);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject written =
            QJsonDocument::fromJson(file.readAll()).object()["cards"][0]["cells"][1].toObject();
        QCOMPARE(written["picture"].toString(), stored);
        QCOMPARE(written.contains("pictureBytes"), asBytes);
        if (!asBytes) {
            QCOMPARE(QJsonDocument::fromJson(readBack(path))
                         .object()["cards"][0]["cells"][2]["sound"]
                         .toString(),
                     stored + ".ogg");
        }
    }

    // A deck that could not be read back is never saved, and an old file stays as it was.
    void refusesToSaveWhatItCannotRead() {
        const QString path = m_dir.filePath("kept.ferlo");
        Deck good;
        good.cards.push_back(
            DeckCard{false, true, true, true, {cell("/a/dog.jpg")}, CardLayout::counted(2)});
        writeDeck(path, good);
        Deck bad = good;
        bad.cards[0].cells.resize(3);
        try {
            writeDeck(path, bad);
            QFAIL("no error");
        } catch (const Error& error) {
            QVERIFY2(error.message().startsWith("Cannot write the deck file " + path),
                     qPrintable(error.message()));
        }
        QCOMPARE(readDeck(path), good);
        QCOMPARE(QDir(m_dir.path()).entryList({"kept*"}, QDir::Files | QDir::Hidden),
                 QStringList{"kept.ferlo"});
        try {
            writeDeck(m_dir.filePath("none/x.ferlo"), good);
            QFAIL("no error");
        } catch (const Error& error) {
            QVERIFY(error.message().startsWith("Cannot write the deck file " +
                                               m_dir.filePath("none/x.ferlo")));
        }
        try {
            readDeck(m_dir.filePath("none.ferlo"));
            QFAIL("no error");
        } catch (const Error& error) {
            QVERIFY(error.message().startsWith("Cannot read the deck file " +
                                               m_dir.filePath("none.ferlo")));
        }
    }

    // A name holding a place marker of QString::arg is shown as it is written.
    void missingPicturesNameADeckAsWritten() {
        const QString deckPath = m_dir.filePath("%2 %1 deck.ferlo");
        Deck deck;
        deck.cards.push_back(DeckCard{false,
                                      true,
                                      true,
                                      true,
                                      {cell(modelPath(m_dir.filePath("gone%3.jpg"))),
                                       cell(modelPath(m_dir.filePath("lost.jpg")))},
                                      CardLayout::counted(4)});
        QCOMPARE(missingPicturesMessage(deckPath, deck),
                 "The deck file " + deckPath + " names 2 missing pictures: " +
                     m_dir.filePath("gone%3.jpg") + ", " + m_dir.filePath("lost.jpg"));
    }
};

QTEST_MAIN(TestDeckFile)
#include "tst_deckfile.moc"
