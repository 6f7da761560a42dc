// Options > Speech and File > Deck Properties: the voices in the order of their shown names, the
// first choice that leaves the voice to the deck and the program, and a stored voice the engine
// no longer has kept as it is.
#include "dialogs/SpeechDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <QtTest>

using namespace ferlo;

namespace {

// The engine's codes do not sort as their names do.
const QList<QPair<QString, QString>> kVoices{
    {"cmn", "Chinese (Mandarin)"},        {"de", "German"},   {"el", "Greek"},
    {"en-gb", "English (Great Britain)"}, {"ka", "Georgian"}, {"vi", "Vietnamese"}};

QStringList itemTexts(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class TestSpeechDialog : public QObject {
    Q_OBJECT

private slots:
    void voicesAreListedByTheirNames() {
        TdlgSpeech dialog(kVoices);
        QCOMPARE(itemTexts(dialog.cbVoice),
                 (QStringList{"The deck's or the program's language", "Chinese (Mandarin) (cmn)",
                              "English (Great Britain) (en-gb)", "Georgian (ka)", "German (de)",
                              "Greek (el)", "Vietnamese (vi)"}));
        QCOMPARE(dialog.cbVoice->itemData(4).toString(), QStringLiteral("de"));
        dialog.setOptions({true, QStringLiteral("xx-old"), 175});
        QCOMPARE(dialog.cbVoice->currentText(), QStringLiteral("xx-old"));
        QCOMPARE(dialog.options().voice, QStringLiteral("xx-old"));
    }

    // The deck's language: opened on the deck's (a tag in other case or spelling finds its
    // voice; an unknown one is kept), OK gives the choice, Cancel leaves it.
    void deckLanguageIsChosenAmongTheVoices_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("result");
        QTest::newRow("none, to German") << ""
                                         << "The program's language"
                                         << "de" << true << "de";
        QTest::newRow("German, to none") << "de"
                                         << "German (de)"
                                         << "" << true << "";
        QTest::newRow("case of the tag") << "EN-GB"
                                         << "English (Great Britain) (en-gb)"
                                         << "el" << true << "el";
        QTest::newRow("unknown kept") << "tlh"
                                      << "tlh"
                                      << "tlh" << true << "tlh";
        QTest::newRow("cancelled") << "ka"
                                   << "Georgian (ka)"
                                   << "vi" << false << "ka";
    }
    void deckLanguageIsChosenAmongTheVoices() {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QFETCH(QString, chosen);
        QFETCH(bool, accept);
        QFETCH(QString, result);
        QString opened;
        QTimer::singleShot(0, qApp, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* box = dialog->findChild<QComboBox*>(QStringLiteral("cbDeckLanguage"));
            opened = box->currentText();
            box->setCurrentIndex(box->findData(chosen));
            accept ? dialog->accept() : dialog->reject();
        });
        QString language = stored;
        QCOMPARE(editDeckLanguage(nullptr, kVoices, language), accept);
        QCOMPARE(opened, shown);
        QCOMPARE(language, result);
    }
};

QTEST_MAIN(TestSpeechDialog)
#include "tst_speechdialog.moc"
