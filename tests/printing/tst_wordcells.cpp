// What a cell can hold besides a picture file or a symbol: a word alone (a word card) and, on the
// card, a line of small print; and a picture file that is an SVG drawing. Decks keep them (older
// decks written as before), pages print them, and a game saved as a deck prints as the game.

#include "activities/Activity.h"
#include "layout/CardModel.h"
#include "printing/ActivityPages.h"
#include "printing/CardPage.h"
#include "printing/PagePainter.h"
#include "printing/PdfExport.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "support/TestSupport.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

namespace {

const QByteArray kRedSquare = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\">"
                              "<rect width=\"10\" height=\"10\" fill=\"#ff0000\"/></svg>";

QByteArray deckText(int version, const QByteArray& card) {
    return R"({"format": "ferlo-deck", "version": )" + QByteArray::number(version) +
           R"(, "cards": [)" + card + "]}";
}

// Every page painted at a small size, so that two lists of pages can be compared pixel by pixel.
QList<QImage> painted(const QList<CardPage>& pages) {
    QList<QImage> images;
    for (const CardPage& page : pages) {
        QImage image(420, 594, QImage::Format_RGB32);
        image.setDotsPerMeterX(2000);
        image.setDotsPerMeterY(2000);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintCardPage(painter, image.size(), page);
        painter.end();
        images << image;
    }
    return images;
}

} // namespace

class TestWordCells : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    std::vector<DeckCell> photos(int count) {
        std::vector<DeckCell> cells;
        for (int i = 0; i < count; ++i) {
            const QString file = m_dir.filePath(QStringLiteral("p%1.png").arg(QChar(u'a' + i)));
            if (!QFileInfo::exists(file)) {
                QImage image(16, 12, QImage::Format_RGB32);
                image.fill(QColor::fromHsv(i * 360 / count, 200, 200));
                image.save(file);
            }
            cells.emplace_back().picture = file.toStdString();
        }
        return cells;
    }

private slots:
    // A word card, small print and an SVG picture, each alone and together, come back the same
    // written and read again, through the card model too, and raise the version to 4.
    void deckRoundTrip_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::newRow("word card")
            << QByteArray(R"({"perPage": 4, "cells": [{"picture": "dog.jpg"}, {"word": "Hund"}]})");
        QTest::newRow("blank word card")
            << QByteArray(R"({"perPage": 2, "cells": [null, {"word": ""}]})");
        QTest::newRow("word card with its recording")
            << QByteArray(R"({"perPage": 1, "cells": [{"word": "كلب", "sound": "dog.wav"}]})");
        QTest::newRow("small print")
            << QByteArray(R"x({"perPage": 4, "smallPrint": "Board 3 (game 7)", "cells": []})x");
        QTest::newRow("svg picture") << QByteArray(
            R"({"perPage": 2, "cells": [{"picture": "own/Dog.SVG", "label": "dog"}]})");
        QTest::newRow("all on a grid") << QByteArray(
            R"({"perPage": 4, "smallPrint": "Board 1", "cells": [{"word": "free"},
                {"symbol": "1F415", "label": "dog"}, {"picture": "a.svg"}],
                "layout": {"kind": "grid", "columns": 2, "rows": 2,
                           "paper": {"width": 210, "height": 297}}})");
    }
    void deckRoundTrip() {
        QFETCH(QByteArray, card);
        const QString path = m_dir.filePath(QStringLiteral("cells.ferlo"));
        const Deck deck = parseDeck(deckText(4, card), path);
        const QByteArray written = deckJson(deck, path);
        QVERIFY2(written.contains("\"version\": 4"), written.constData());
        QVERIFY(parseDeck(written, path) == deck);
        QCOMPARE(deckJson(parseDeck(written, path), path), written);
        Deck viaModel = deck;
        viaModel.cards[0] = CardModel(deck.cards[0]).stored();
        QVERIFY(viaModel == deck);
    }

    // Decks without the new keys are written at the version they were: pictures only at 1,
    // symbols at 3; and a deck of an older version passes over keys it did not have.
    void olderDecksUnchanged_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("version");
        QTest::newRow("pictures") << deckText(1, R"({"perPage": 2, "cells": [{"picture": "a.jpg",
            "label": "Kitty"}]})") << QByteArray("\"version\": 1");
        QTest::newRow("symbols") << deckText(3, R"({"perPage": 2, "cells": [{"symbol": "1F415",
            "label": "dog"}]})") << QByteArray("\"version\": 3");
        QTest::newRow("version 3 passes over small print")
            << deckText(3, R"({"perPage": 2, "smallPrint": "Board 1", "cells": []})")
            << QByteArray("\"version\": 1");
    }
    void olderDecksUnchanged() {
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, version);
        const QString path = m_dir.filePath(QStringLiteral("old.ferlo"));
        const QByteArray written = deckJson(parseDeck(json, path), path);
        QVERIFY2(written.contains(version), written.constData());
        QVERIFY(!written.contains("smallPrint") && !written.contains("\"word\""));
        const QString farm = m_dir.filePath(QStringLiteral("farm.ferlo"));
        QCOMPARE(
            deckJson(parseDeck(readFile(QStringLiteral(FERLO_TEST_DATA_DIR "/farm.ferlo")), farm),
                     farm),
            readFile(QStringLiteral(FERLO_TEST_DATA_DIR "/symbols/farm-as-saved.ferlo")));
    }

    void badCells_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("place");
        QTest::newRow("word and picture")
            << QByteArray(R"({"cells": [{"word": "dog", "picture": "dog.jpg"}]})") << "cells[0]";
        QTest::newRow("word and symbol")
            << QByteArray(R"({"cells": [{"word": "dog", "symbol": "1F415"}]})") << "cells[0]";
        QTest::newRow("word a number")
            << QByteArray(R"({"cells": [{"word": 5}]})") << "cells[0].word";
        QTest::newRow("word too long")
            << "{\"cells\": [{\"word\": \"" + QByteArray(1001, 'a') + "\"}]}"
            << "cells[0].word";
        QTest::newRow("small print an object")
            << QByteArray(R"({"smallPrint": {}, "cells": []})") << "cards[0].smallPrint";
    }
    void badCells() {
        QFETCH(QByteArray, card);
        QFETCH(QString, place);
        const QString path = m_dir.filePath(QStringLiteral("bad.ferlo"));
        try {
            parseDeck(deckText(4, card), path);
            QFAIL("a bad cell was read");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
            QVERIFY2(error.message().contains(place), qPrintable(error.message()));
        }
    }

    // A word card prints its word alone in the card's case and no label; the small print goes
    // to the foot of the page; an edit of the word changes the word, a blank one keeps the card.
    void wordCardOnThePage() {
        DeckCard stored;
        stored.layout.setCells(2);
        stored.upperCase = false;
        stored.smallPrint = "Board 2 (game 5)";
        stored.cells = {DeckCell{{}, "Hund", {}, {}, true}};
        CardModel card(stored);
        QCOMPARE(card.pictureCount(), 1);
        const CardPage page = makeCardPage(card);
        QCOMPARE(page.WordCells, (QStringList{"hund", QString()}));
        QCOMPARE(page.LabelTexts, (QStringList{QString(), QString()}));
        QCOMPARE(page.Caption, QStringLiteral("Board 2 (game 5)"));
        QVERIFY(card.editWord(0, "Katze"));
        QCOMPARE(card.labelWord(0), std::string("Katze"));
        QVERIFY(card.editWord(0, ""));
        QVERIFY(card.cells()[0].filled() && card.stored().cells[0]->word);
        QVERIFY(card.setPicture(0, "/p/cat.jpg"));
        QVERIFY(!card.cells()[0].WordCard);
    }

    // A game saved as a deck, read back and printed gives the same pages as the game printed
    // directly: word cards, a word free centre and the boards' numbers included.
    void gameSavedAsDeckPrintsTheSame_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("picture and word") << int(ActivityKind::Match);
        QTest::newRow("bingo with a word free centre") << int(ActivityKind::Bingo);
    }
    void gameSavedAsDeckPrintsTheSame() {
        QFETCH(int, kind);
        ActivityOptions options;
        options.kind = ActivityKind(kind);
        options.boards = 3;
        options.freeCentre = options.kind == ActivityKind::Bingo;
        options.centre.label = "Frei";
        options.cards.layout.setCells(6);
        options.seed = 11;
        const Activity activity = MakeActivity(photos(12), options);
        const QString path = m_dir.filePath(QStringLiteral("game.ferlo"));
        writeDeck(path, activityAsDeck(activity));
        const Deck read = readDeck(path);
        QList<CardPage> fromDeck;
        for (const DeckCard& card : read.cards)
            fromDeck << makeCardPage(CardModel(card));
        const QList<CardPage> direct = activityPages(activity);
        QCOMPARE(fromDeck.size(), direct.size());
        QStringList words;
        for (qsizetype i = 0; i < direct.size(); ++i) {
            QCOMPARE(fromDeck[i].WordCells, direct[i].WordCells);
            QCOMPARE(fromDeck[i].Caption, direct[i].Caption);
            words << direct[i].WordCells.join(QString()) << direct[i].Caption;
        }
        const QString all = words.join(QLatin1Char('|'));
        QVERIFY2(all.contains(options.kind == ActivityKind::Bingo ? "FREI" : "PC"),
                 qPrintable(all));
        if (options.kind == ActivityKind::Bingo)
            QVERIFY2(all.contains(QLatin1String("Board 3")), qPrintable(all));
        QCOMPARE(painted(fromDeck), painted(direct));
    }

    // An SVG picture prints as vectors, credits no symbol set, and one that cannot be read, or
    // is not there, is named.
    void svgPictureOnPaper() {
        const QString drawing = m_dir.filePath(QStringLiteral("own.svg"));
        writeFile(drawing, kRedSquare);
        CardModel card;
        QVERIFY(card.place(drawing.toStdString()) == 0);
        const CardPage page = makeCardPage(card);
        QCOMPARE(page.SymbolFiles.value(0), drawing);
        QVERIFY(!holdsSymbols({page}));
        const QString pdf = m_dir.filePath(QStringLiteral("own.pdf"));
        QVERIFY(writeCardPdf(pdf, {page}, QPageSize(QPageSize::A4), 1200));
        const QByteArray bytes = readFile(pdf);
        QVERIFY(!bytes.contains("/Subtype /Image"));
        QVERIFY(!bytes.contains("OpenMoji"));
        const QImage image = painted({page}).front();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                red += image.pixel(x, y) == qRgb(255, 0, 0) ? 1 : 0;
        QVERIFY(red > 1000); // the drawing fills its picture area

        const QString hostile = m_dir.filePath(QStringLiteral("deep.svg"));
        writeFile(hostile, "<svg xmlns=\"http://www.w3.org/2000/svg\">" +
                               QByteArray("<g>").repeated(5000) + "</svg>");
        QVERIFY(card.setPicture(1, hostile.toStdString()));
        try {
            painted({makeCardPage(card)});
            QFAIL("a drawing nested too deep was drawn");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(QLatin1String("deep.svg")),
                     qPrintable(error.message()));
        }
        const QString gone = m_dir.filePath(QStringLiteral("gone.svg"));
        QVERIFY(card.setPicture(1, gone.toStdString()));
        QCOMPARE(makeCardPage(card).PictureLoaded.value(1), false);
        Deck deck{{card.stored()}, {}, {}};
        QVERIFY(missingPicturesMessage(QStringLiteral("d.ferlo"), deck).contains("gone.svg"));
    }
};

QTEST_MAIN(TestWordCells)
#include "tst_wordcells.moc"
