// Cells that hold a symbol instead of a picture file: the card model, the deck file (symbol
// cells read and written back as they were, decks without symbols written byte for byte as
// before) and the page (a symbol drawn as vectors, fitted or filled like a picture).

#include "layout/CardModel.h"
#include "printing/CardPage.h"
#include "printing/PagePainter.h"
#include "printing/PdfExport.h"
#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "support/TestSupport.h"
#include "symbols/SymbolCells.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;
using namespace ferlo::test;

Q_DECLARE_METATYPE(ferlo::SymbolRef)

namespace {

const SymbolRef kDog{"openmoji", "1F415", SymbolStyle::Color};
const SymbolRef kCatLine{"openmoji", "1F408", SymbolStyle::Line};

// A drawing twice as wide as high, solid red, on a transparent ground.
const QByteArray kWideRed = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 20 10\">"
                            "<rect width=\"20\" height=\"10\" fill=\"#ff0000\"/></svg>";

// The bounding box of the red pixels of an image.
QRect redBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

CardPage onePicturePage(const QString& drawing) {
    CardPage page;
    page.Arrangement = PageArrangement(1);
    page.Portrait = true;
    page.CutLinesOn = false;
    page.LabelsOn = false;
    page.FileNames = QStringList{QString()};
    page.SymbolFiles = QStringList{drawing};
    page.PictureLoaded = {true};
    page.LabelTexts = QStringList{QString()};
    return page;
}

} // namespace

class TestSymbolCards : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void modelPlacesSymbolsLikePictures() {
        CardModel card;
        QCOMPARE(card.place("/pics/hen.jpg"), 0);
        QCOMPARE(card.placeSymbol(kDog, "Hund"), 1);
        QCOMPARE(card.placeSymbol(kDog, "perro"), 2); // the same symbol may stand twice
        QCOMPARE(card.pictureCount(), 3);
        QCOMPARE(card.labelWord(1), std::string("Hund"));
        QCOMPARE(card.indexOf(std::string()), 3); // the free cell, not a symbol's empty file
        // A picture placed after a symbol was taken off goes where the symbol was.
        QVERIFY(card.takeOff(1));
        QVERIFY(!card.cells()[1].filled());
        QCOMPARE(card.place("/pics/cow.jpg"), 1);
        // A picture set over a symbol replaces it, word and all.
        QVERIFY(card.setPicture(2, "/pics/pig.jpg"));
        QVERIFY(!card.cells()[2].Symbol);
        QCOMPARE(card.labelWord(2), std::string("pig"));
        QVERIFY(card.setSymbol(0, kCatLine, "gato"));
        QVERIFY(card.cells()[0].FileName.empty());
        QVERIFY(card.editWord(0, "Katze"));
        QCOMPARE(card.labelWord(0), std::string("Katze"));
        QCOMPARE(card.placeSymbol(kDog, "dog"), 3);
        QVERIFY(card.full());
        QCOMPARE(card.placeSymbol(kDog, "dog"), -1);
        // The deck's form keeps symbol, word and style; the card made from it is the same card.
        const DeckCard stored = card.stored();
        QVERIFY(stored.cells[0]->symbol == kCatLine);
        QCOMPARE(*stored.cells[0]->label, std::string("Katze"));
        QVERIFY(stored.cells[0]->picture.empty());
        QVERIFY(CardModel(stored).stored() == stored);
    }

    void deckRoundTrip_data() {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<SymbolRef>("symbol");
        QTest::addColumn<QString>("label");
        QTest::newRow("colour with its word")
            << QByteArray(
                   R"({"symbol": "1F415", "set": "openmoji", "style": "color", "label": "Hund"})")
            << kDog << "Hund";
        QTest::newRow("line art") << QByteArray(
                                         R"({"symbol": "1F408", "style": "line", "label": "cat"})")
                                  << kCatLine << "cat";
        QTest::newRow("set and style left out")
            << QByteArray(R"({"symbol": "1F415", "label": "كلب"})") << kDog << "كلب";
        QTest::newRow("sequence of code points")
            << QByteArray(R"({"symbol": "1F468-200D-1F373", "label": "cook"})")
            << SymbolRef{"openmoji", "1F468-200D-1F373", SymbolStyle::Color} << "cook";
        QTest::newRow("set not installed")
            << QByteArray(R"({"symbol": "E000", "set": "arasaac", "label": "help"})")
            << SymbolRef{"arasaac", "E000", SymbolStyle::Color} << "help";
    }
    void deckRoundTrip() {
        QFETCH(QByteArray, cell);
        QFETCH(SymbolRef, symbol);
        QFETCH(QString, label);
        const QString path = m_dir.filePath(QStringLiteral("mixed.ferlo"));
        const QByteArray json = R"({"format": "ferlo-deck", "version": 3, "cards": [
            {"perPage": 4, "orientation": "landscape", "cells": [
                {"picture": "pics/dog2.jpg"}, )" +
                                cell + R"(, null, {"picture": "/abs/cow.jpg"}]}]})";
        const Deck deck = parseDeck(json, path);
        const DeckCard& card = deck.cards.at(0);
        QVERIFY(card.cells.at(1)->symbol == symbol);
        QCOMPARE(QString::fromStdString(*card.cells.at(1)->label), label);
        QVERIFY(card.cells.at(0)->picture.ends_with("/pics/dog2.jpg"));
        // Written and read again: the same deck; symbol cells raise the version, and a second
        // writing gives the same bytes.
        const QByteArray written = deckJson(deck, path);
        QVERIFY(parseDeck(written, path) == deck);
        QVERIFY(written.contains("\"version\": 3"));
        QCOMPARE(deckJson(parseDeck(written, path), path), written);
        // Through the card model, as the window and the command line hold it.
        Deck viaModel = deck;
        viaModel.cards[0] = CardModel(deck.cards[0]).stored();
        QVERIFY(viaModel == deck);
    }

    // A deck of pictures only is written exactly as before symbols existed.
    void deckWithoutSymbolsUnchanged() {
        const QString path = m_dir.filePath(QStringLiteral("farm.ferlo"));
        const Deck deck =
            parseDeck(readFile(QStringLiteral(FERLO_TEST_DATA_DIR "/farm.ferlo")), path);
        QCOMPARE(deckJson(deck, path),
                 readFile(QStringLiteral(FERLO_TEST_DATA_DIR "/symbols/farm-as-saved.ferlo")));
    }

    void badSymbolCells_data() {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QString>("place");
        QTest::newRow("path in the hexcode")
            << QByteArray(R"({"symbol": "../../etc/passwd"})") << "cells[0].symbol";
        QTest::newRow("not hex") << QByteArray(R"({"symbol": "dog"})") << "cells[0].symbol";
        QTest::newRow("number") << QByteArray(R"({"symbol": 128021})") << "cells[0].symbol";
        QTest::newRow("empty") << QByteArray(R"({"symbol": ""})") << "cells[0].symbol";
        QTest::newRow("path as set")
            << QByteArray(R"({"symbol": "1F415", "set": "../x"})") << "cells[0].set";
        QTest::newRow("unknown style")
            << QByteArray(R"({"symbol": "1F415", "style": "bold"})") << "cells[0].style";
        QTest::newRow("picture and symbol")
            << QByteArray(R"({"symbol": "1F415", "picture": "dog.jpg"})") << "cells[0]";
    }
    void badSymbolCells() {
        QFETCH(QByteArray, cell);
        QFETCH(QString, place);
        const QString path = m_dir.filePath(QStringLiteral("bad.ferlo"));
        const QByteArray json = R"({"format": "ferlo-deck", "version": 3, "cards": [
            {"perPage": 4, "orientation": "landscape", "cells": [)" +
                                cell + "]}]}";
        try {
            parseDeck(json, path);
            QFAIL("a bad symbol cell was read");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
            QVERIFY2(error.message().contains(place), qPrintable(error.message()));
        }
    }

    // A symbol that is not installed: the message names the card and the symbol, the deck is
    // saved back with the symbol, and the page prints its word in its place.
    void missingSymbolKept() {
        const QString path = m_dir.filePath(QStringLiteral("missing.ferlo"));
        const QByteArray json = R"({"format": "ferlo-deck", "version": 3, "cards": [
            {"perPage": 2, "orientation": "portrait", "cells": [{"picture": "/p/a.jpg"}]},
            {"perPage": 2, "orientation": "portrait", "cells": [null,
                {"symbol": "1F415", "set": "nosuchset", "style": "line", "label": "dog"}]}]})";
        const Deck deck = parseDeck(json, path);
        const QString message = missingSymbolsMessage(path, deck);
        QVERIFY2(message.contains(path), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("card 2")), qPrintable(message));
        QVERIFY2(message.contains(QLatin1String("1F415 (nosuchset, line art)")),
                 qPrintable(message));
        QVERIFY(parseDeck(deckJson(deck, path), path) == deck);
        const CardPage page = makeCardPage(CardModel(deck.cards[1]));
        QCOMPARE(page.SymbolFiles.value(1), QString());
        QCOMPARE(page.PictureLoaded.value(1), false);
        QCOMPARE(page.LabelTexts.value(1), QStringLiteral("DOG"));
        QCOMPARE(missingSymbolsMessage(path, Deck{{deck.cards[0]}, {}, {}}), QString());
    }

    // A symbol fitted into the picture area keeps its proportions and is centred; with Fill it
    // covers the area and is cut to it.
    void drawingFittedOrFilled_data() {
        QTest::addColumn<bool>("fill");
        QTest::newRow("fitted") << false;
        QTest::newRow("filled") << true;
    }
    void drawingFittedOrFilled() {
        QFETCH(bool, fill);
        const QString drawing = m_dir.filePath(QStringLiteral("wide.svg"));
        writeFile(drawing, kWideRed);
        CardPage page = onePicturePage(drawing);
        const QSize area(400, 600);
        if (fill) {
            // One card of 40 x 60 mm on its own paper, at 254 dpi: 10 pixels a millimetre.
            page.Arrangement = PageArrangement(
                PagePlan{40,
                         60,
                         {PageCard{{0, 0, 40, 60}, LabelShape::Rectangle, 0, 0, {0, 0, 40, 60}}},
                         false});
            page.Fill = true;
        }
        QImage image(area, QImage::Format_RGB32);
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        QPainter painter(&image);
        paintCardPage(painter, area, page);
        painter.end();
        const QRect box = redBox(image);
        QVERIFY(!box.isEmpty());
        if (fill) {
            // The wide drawing covers the tall area and is cut to it: as high as the card less
            // its margins, and no wider than the card.
            QVERIFY2(box.height() >= area.height() * 0.9 && box.width() < area.width(),
                     qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
            QVERIFY(qAbs(box.center().x() - area.width() / 2) <= 2);
        } else {
            QVERIFY2(qAbs(double(box.width()) / box.height() - 2.0) < 0.05,
                     qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
            QVERIFY(qAbs(box.center().y() - area.height() / 2) <= 2);
            QVERIFY(box.width() >= area.width() * 0.9);
        }
    }

    // In a PDF the symbol is vectors, never an image, and the document credits the set.
    void pdfHoldsVectorsAndCredit() {
        const QString drawing = m_dir.filePath(QStringLiteral("wide.svg"));
        writeFile(drawing, kWideRed);
        const QString pdf = m_dir.filePath(QStringLiteral("symbol.pdf"));
        QVERIFY(writeCardPdf(pdf, {onePicturePage(drawing)}, QPageSize(QPageSize::A4), 1200));
        const QByteArray bytes = readFile(pdf);
        QVERIFY(!bytes.isEmpty());
        QVERIFY(!bytes.contains("/Subtype /Image"));
        QVERIFY(bytes.contains("CC BY-SA 4.0"));
        QVERIFY(bytes.size() < 64 * 1024);
        // A page without symbols carries no credit.
        CardPage plain = onePicturePage(QString());
        plain.PictureLoaded = {false};
        QVERIFY(writeCardPdf(pdf, {plain}, QPageSize(QPageSize::A4), 300));
        QVERIFY(!readFile(pdf).contains("OpenMoji"));
    }

    // A drawing that cannot be read stops the page with its name, as a picture does.
    void hostileDrawingStopsThePage() {
        const QString drawing = m_dir.filePath(QStringLiteral("outside.svg"));
        writeFile(drawing, "<svg xmlns=\"http://www.w3.org/2000/svg\" "
                           "xmlns:xlink=\"http://www.w3.org/1999/xlink\" viewBox=\"0 0 1 "
                           "1\"><image xlink:href=\"/etc/hostname\"/></svg>");
        QImage image(100, 100, QImage::Format_RGB32);
        QPainter painter(&image);
        try {
            paintCardPage(painter, image.size(), onePicturePage(drawing));
            QFAIL("a drawing that refers to another file was drawn");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(QLatin1String("outside.svg")),
                     qPrintable(error.message()));
        }
    }
};

QTEST_MAIN(TestSymbolCards)
#include "tst_symbolcards.moc"
