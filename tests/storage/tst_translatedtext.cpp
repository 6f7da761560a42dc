// The card model's texts reach the user translated: the text in its scope, its translated
// arguments filled in, data (numbers, paper names, label words) as it is, in one pass.
#include "layout/CardLayout.h"
#include "layout/DeckEdit.h"
#include "storage/TranslatedText.h"

#include <QtTest>

Q_DECLARE_METATYPE(ferlo::LayoutText)

using namespace ferlo;

namespace {

// Brackets every text it is asked for, and says which scope asked.
class Brackets : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* = nullptr,
                      int = -1) const override {
        return QStringLiteral("[%1:%2]").arg(QLatin1String(context), QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

LayoutText placing(const std::string& word) {
    Deck before;
    before.cards.push_back(DeckCard{});
    Deck after = before;
    after.cards.front().cells.push_back(DeckCell{"/p/a.jpg", word, std::nullopt});
    return describeChangeText(before, after);
}

} // namespace

class TestTranslatedText : public QObject {
    Q_OBJECT

private slots:
    void textsAreTranslatedWithTheirArguments_data() {
        QTest::addColumn<LayoutText>("text");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("translated");

        GridSpec grid{2, 2, *NamedPaper("A5"), true, 0, 0, 0, 0, 80};
        QTest::newRow("paper named inside a plan's problem")
            << PlanGrid(grid).Problem << "A margin of 80.0 mm leaves no room on A5 landscape."
            << "[CardLayout:A margin of 80.0 mm leaves no room on [CardLayout:A5 landscape].]";
        grid.Paper = PaperSize{"", 100, 150};
        QTest::newRow("paper by its size")
            << PlanGrid(grid).Problem
            << "A margin of 80.0 mm leaves no room on 100.0 × 150.0 mm paper landscape."
            << "[CardLayout:A margin of 80.0 mm leaves no room on [CardLayout:100.0 × 150.0 mm "
               "paper landscape].]";
        // A word holding placeholders is a word, filled in once and never filled again.
        QTest::newRow("word with placeholders") << placing("%2 and %1") << "Place %2 and %1"
                                                << "[DeckEdit:Place %2 and %1]";
        QTest::newRow("no change") << LayoutText{} << ""
                                   << "";
    }
    void textsAreTranslatedWithTheirArguments() {
        QFETCH(LayoutText, text);
        QFETCH(QString, english);
        QFETCH(QString, translated);
        QCOMPARE(QString::fromStdString(text.english()), english);
        QCOMPARE(translatedText(text), english); // no translator: the English itself
        Brackets brackets;
        QCoreApplication::installTranslator(&brackets);
        const QString shown = translatedText(text);
        QCoreApplication::removeTranslator(&brackets);
        QCOMPARE(shown, translated);
    }
};

QTEST_GUILESS_MAIN(TestTranslatedText)
#include "tst_translatedtext.moc"
