// The rules of choosing pictures, against the card model alone: no window, no QApplication.
#include "layout/CardModel.h"
#include "layout/DecimalDigits.h"

#include <QtTest>

using ferlo::CardLayout;
using ferlo::CardModel;
using ferlo::DeckCard;
using ferlo::DeckCell;

Q_DECLARE_METATYPE(ferlo::CardLayout)

namespace {

// The files of the cells in order, "" for a free cell.
QStringList filesOf(const CardModel& card) {
    QStringList files;
    for (const ferlo::TCell& cell : card.cells())
        files << QString::fromStdString(cell.FileName);
    return files;
}

// An arrangement of a kind: `cells` is a count's pictures or a sheet's labels; a grid's cards
// are its columns x rows.
CardLayout arrangement(CardLayout::Kind kind, int cells, int columns = 1, int rows = 1) {
    CardLayout layout = CardLayout::counted(cells);
    layout.kind = kind;
    layout.Grid.Columns = columns;
    layout.Grid.Rows = rows;
    layout.Name = kind == CardLayout::Kind::Sheet ? "Nobody 1234" : "";
    return layout;
}

} // namespace

class TestCardModel : public QObject {
    Q_OBJECT

private slots:
    void startsAsTheWindowOpens() {
        const CardModel card;
        QCOMPARE(card.count(), 4);
        QCOMPARE(card.portrait(), false);
        QVERIFY(card.labelsOn() && card.upperCase() && card.cutLinesOn());
        QCOMPARE(filesOf(card), QStringList(4, QString()));
        QCOMPARE(ferlo::ScreenLayout(card, 1.0).CardWidth, 595); // laid out at scale 1
    }

    // Each step: "+file" places, "-index" takes off; the cells afterwards.
    void choosingPictures_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<int>>("results");
        QTest::addColumn<QStringList>("cells");
        QTest::newRow("lowest free cell")
            << QStringList{"+a", "+b", "-0", "+c"} << QList<int>{0, 1, 1, 0}
            << QStringList{"c", "b", "", ""};
        QTest::newRow("a picture on the card is not placed twice")
            << QStringList{"+a", "+a"} << QList<int>{0, -1} << QStringList{"a", "", "", ""};
        QTest::newRow("a full card takes no more")
            << QStringList{"+a", "+b", "+c", "+d", "+e"} << QList<int>{0, 1, 2, 3, -1}
            << QStringList{"a", "b", "c", "d"};
        QTest::newRow("taking off a free cell or one outside")
            << QStringList{"+a", "-1", "-7", "-0", "-0"} << QList<int>{0, 0, 0, 1, 0}
            << QStringList{"", "", "", ""};
    }
    void choosingPictures() {
        QFETCH(QStringList, steps);
        QFETCH(QList<int>, results);
        QFETCH(QStringList, cells);
        CardModel card;
        QList<int> got;
        for (const QString& step : steps) {
            if (step.startsWith('+'))
                got << card.place(step.mid(1).toStdString());
            else
                got << int(card.takeOff(step.mid(1).toInt()));
        }
        QCOMPARE(got, results);
        QCOMPARE(filesOf(card), cells);
        QCOMPARE(card.pictureCount(), int(cells.size() - cells.count(QString())));
        QCOMPARE(card.full(), !cells.contains(QString()));
    }

    void theWordGoesWithItsPicture() {
        CardModel card;
        card.place("/p/dog2.jpg");
        card.place("/p/cat.jpg");
        QCOMPARE(card.labelWord(0), std::string("dog"));
        QVERIFY(card.editWord(0, "Rex"));
        QCOMPARE(card.labelWord(0), std::string("Rex"));
        QVERIFY(!card.editWord(2, "nobody")); // a free cell has no word
        // Taken off and placed again: the file name's word.
        card.takeOff(0);
        QCOMPARE(card.place("/p/dog2.jpg"), 0);
        QCOMPARE(card.labelWord(0), std::string("dog"));
        // An empty word gives back the file name's word; clearing drops every word.
        card.editWord(1, "Kitty");
        card.editWord(1, "");
        QCOMPARE(card.labelWord(1), std::string("cat"));
        card.editWord(1, "Kitty");
        card.clear();
        QCOMPARE(card.place("/p/cat.jpg"), 0);
        QCOMPARE(card.labelWord(0), std::string("cat"));
    }

    void aNewCountEmptiesTheCard_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("cells");
        QTest::newRow("shrinks to 2") << 2 << true << 2;
        QTest::newRow("grows to 8") << 8 << true << 8;
        QTest::newRow("the same count") << 4 << false << 4;
        QTest::newRow("not a count") << 3 << false << 4;
    }
    void aNewCountEmptiesTheCard() {
        QFETCH(int, count);
        QFETCH(bool, changed);
        QFETCH(int, cells);
        CardModel card;
        for (const char* file : {"a", "b", "c"})
            card.place(file);
        card.editWord(0, "word");
        QCOMPARE(card.setCount(count), changed);
        QCOMPARE(int(card.cells().size()), cells);
        QCOMPARE(card.pictureCount(), changed ? 0 : 3);
        QCOMPARE(card.labelWord(0), std::string(changed ? "" : "word"));
    }

    void aNewOrientationKeepsPicturesAndWords() {
        CardModel card;
        card.setCount(6);
        card.place("a1.jpg");
        card.place("b.jpg");
        card.editWord(1, "bee");
        const int landscapeWidth = ferlo::ScreenLayout(card, 1.0).CardWidth;
        QVERIFY(card.setOrientation(true));
        QVERIFY(!card.setOrientation(true));
        QCOMPARE(filesOf(card), (QStringList{"a1.jpg", "b.jpg", "", "", "", ""}));
        QCOMPARE(card.labelWord(1), std::string("bee"));
        QVERIFY(ferlo::ScreenLayout(card, 1.0).CardWidth < landscapeWidth);
        QCOMPARE(ferlo::ScreenLayout(card, 1.0).CellWidth,
                 ferlo::ScreenLayout(card, 1.0).CardWidth / 2); // two columns
    }

    void theSwitchesAndTheLabelBand() {
        CardModel card;
        const int withLabels = ferlo::ScreenLayout(card, 1.0).PictureHeight;
        card.setLabels(false);
        QVERIFY(ferlo::ScreenLayout(card, 1.0).PictureHeight > withLabels);
        card.setUpperCase(false);
        card.setCutLines(false);
        const DeckCard stored = card.stored();
        QVERIFY(!stored.labels && !stored.upperCase && !stored.cutLines);
    }

    // The deck keeps a card as DeckCard and shows and prints it as a model again.
    void aStoredCardIsTheSameCard() {
        DeckCard stored;
        stored.layout.setCells(2);
        stored.portrait = true;
        stored.upperCase = false;
        stored.cells = {DeckCell{"/p/a.jpg", "Ay", {}}, DeckCell{"/p/a.jpg", std::nullopt, {}},
                        DeckCell{"/p/beyond.jpg", std::nullopt, {}}};
        const CardModel card(stored);
        // A deck may print a picture twice; cells beyond the count are dropped.
        QCOMPARE(filesOf(card), (QStringList{"/p/a.jpg", "/p/a.jpg"}));
        QCOMPARE(card.labelWord(0), std::string("Ay"));
        stored.cells.pop_back();
        QVERIFY(card.stored() == stored);
        // Free cells at the end are left out, as a deck file leaves them.
        CardModel shown;
        shown.place("x.jpg");
        QCOMPARE(shown.stored().cells.size(), size_t(1));
    }

    // A deck's card keeps its arrangement, a sheet that is not installed here with the number of
    // labels it was made with; an arrangement of no cells, or of more than a page holds, gives
    // four pictures.
    void aStoredArrangementIsKept_data() {
        using Kind = CardLayout::Kind;
        QTest::addColumn<CardLayout>("layout");
        QTest::addColumn<int>("cells");
        QTest::addColumn<bool>("kept");
        QTest::newRow("six pictures") << arrangement(Kind::Count, 6) << 6 << true;
        QTest::newRow("not a count") << arrangement(Kind::Count, 3) << 4 << false;
        QTest::newRow("grid of 3 x 2") << arrangement(Kind::Grid, 99, 3, 2) << 6 << true;
        QTest::newRow("sheet not installed") << arrangement(Kind::Sheet, 30) << 30 << true;
        QTest::newRow("sheet of no labels") << arrangement(Kind::Sheet, 0) << 4 << false;
        QTest::newRow("sheet beyond a page")
            << arrangement(Kind::Sheet, ferlo::MaxLayoutCells + 1) << 4 << false;
    }
    void aStoredArrangementIsKept() {
        QFETCH(CardLayout, layout);
        QFETCH(int, cells);
        QFETCH(bool, kept);
        DeckCard stored;
        stored.layout = layout;
        stored.cells = {DeckCell{"/p/a.jpg", std::nullopt, {}}};
        const CardModel card(stored);
        QCOMPARE(card.count(), cells);
        QCOMPARE(int(card.cells().size()), cells);
        QCOMPARE(card.stored().perPage(), cells);
        QCOMPARE(card.stored() == stored, kept);
        QCOMPARE(filesOf(card).first(), QStringLiteral("/p/a.jpg"));
    }

    // A grid is one value: its cards follow from its columns and rows, whatever it was given.
    // A new grid frees the cells, a change of its switches alone keeps them, and a count in its
    // place ends it, even the count of as many cells.
    void aGridIsOneArrangement() {
        using Kind = CardLayout::Kind;
        CardModel card;
        QVERIFY(card.setLayout(arrangement(Kind::Grid, 7, 2, 2)));
        QCOMPARE(card.count(), 4);
        card.place("a.jpg");
        QVERIFY(!card.setLayout(arrangement(Kind::Grid, 12, 2, 2)));
        CardLayout filled = arrangement(Kind::Grid, 4, 2, 2);
        filled.Fill = true;
        QVERIFY(card.setLayout(filled));
        QCOMPARE(card.pictureCount(), 1);
        QVERIFY(card.setLayout(arrangement(Kind::Grid, 4, 1, 4)));
        QCOMPARE(card.pictureCount(), 0);
        QVERIFY(!card.setLayout(arrangement(Kind::Count, 4)));
        QVERIFY(!card.setLayout(arrangement(Kind::Sheet, 0)));
        QCOMPARE(card.stored().layout, arrangement(Kind::Grid, 4, 1, 4));
        QVERIFY(card.setCount(4));
        QCOMPARE(int(card.layout().kind), int(Kind::Count));
        QCOMPARE(card.stored().layout, CardLayout());
    }

    void labelWordOfAFileName_data() {
        QTest::addColumn<QByteArray>("fileName");
        QTest::addColumn<QByteArray>("word");
        QTest::newRow("digits and extension") << QByteArray("/pics/dog2.jpg") << QByteArray("dog");
        QTest::newRow("a blank stays") << QByteArray("dog 2.jpg") << QByteArray("dog ");
        QTest::newRow("only digits") << QByteArray("/p/123.jpg") << QByteArray("");
        QTest::newRow("dots in the folder") << QByteArray("/a.b/cat") << QByteArray("cat");
        QTest::newRow("bytes that are not UTF-8") << QByteArray("/p/\xff\xfe"
                                                                "7.jpg")
                                                  << QByteArray("\xff\xfe");
        QTest::newRow("UTF-8") << QByteArray("/p/\xc3\xa4pfel12.png") << QByteArray("\xc3\xa4pfel");
        // Whole characters: a letter beyond the first plane, an emoji, marks at the end.
        QTest::newRow("four-byte letter") << QByteArray("/p/𠀀2.jpg") << QByteArray("𠀀");
        QTest::newRow("emoji") << QByteArray("😀.png") << QByteArray("😀");
        QTest::newRow("Devanagari") << QByteArray("कुत्ता3.jpg") << QByteArray("कुत्ता");
        QTest::newRow("tone mark last") << QByteArray("ไก่7.jpg") << QByteArray("ไก่");
        QTest::newRow("combining mark last")
            << QByteArray("cafe\xcc\x81.jpg") << QByteArray("cafe\xcc\x81");
        QTest::newRow("a digit with a mark is no plain digit")
            << QByteArray("no2\xcc\x81.jpg") << QByteArray("no2\xcc\x81");
        QTest::newRow("keycap") << QByteArray("1\xef\xb8\x8f\xe2\x83\xa3.png")
                                << QByteArray("1\xef\xb8\x8f\xe2\x83\xa3");
        QTest::newRow("superscript is no digit") << QByteArray("m²3.jpg") << QByteArray("m²");
        // Digits of other scripts go as ASCII digits do.
        QTest::newRow("Arabic-Indic") << QByteArray("عصفور١٢.jpg") << QByteArray("عصفور");
        QTest::newRow("Persian") << QByteArray("گربه۳.jpg") << QByteArray("گربه");
        QTest::newRow("Devanagari digit") << QByteArray("कुत्ता३.jpg") << QByteArray("कुत्ता");
        QTest::newRow("fullwidth") << QByteArray("猫１２.jpg") << QByteArray("猫");
        QTest::newRow("mixed digits") << QByteArray("قطة٢3.jpg") << QByteArray("قطة");
        QTest::newRow("only Arabic-Indic digits") << QByteArray("٣.jpg") << QByteArray("");
        // Bytes that are not a whole UTF-8 digit are never taken for one.
        QTest::newRow("lead byte of a digit alone")
            << QByteArray("a\xd9.jpg") << QByteArray("a\xd9");
        QTest::newRow("last byte of a digit alone")
            << QByteArray("a\xa2.jpg") << QByteArray("a\xa2");
        QTest::newRow("stray byte before a digit") << QByteArray("a\xd9"
                                                                 "2.jpg")
                                                   << QByteArray("a\xd9");
        QTest::newRow("overlong 2") << QByteArray("a\xc0\xb2.jpg") << QByteArray("a\xc0\xb2");
        QTest::newRow("digit cut short") << QByteArray("a\xe0\xa5.jpg") << QByteArray("a\xe0\xa5");
    }
    void labelWordOfAFileName() {
        QFETCH(QByteArray, fileName);
        QFETCH(QByteArray, word);
        QCOMPARE(QByteArray::fromStdString(ferlo::MakeLabelText(fileName.toStdString())), word);
    }

    // The decimal digits are Unicode's (general category Nd) for every code point the Unicode
    // of Qt here and of the table both know.
    void decimalDigitsAreUnicodes() {
        for (char32_t c = 0; c <= 0x10FFFF; ++c) {
            const QChar::UnicodeVersion version = QChar::unicodeVersion(c);
            if (version == QChar::Unicode_Unassigned || version > QChar::Unicode_14_0)
                continue;
            if (ferlo::IsDecimalDigit(c) != (QChar::category(c) == QChar::Number_DecimalDigit))
                QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0'))));
        }
    }
};

QTEST_APPLESS_MAIN(TestCardModel)
#include "tst_cardmodel.moc"
