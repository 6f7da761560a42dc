#include "storage/Paths.h"

#include <QtTest>

using namespace ferlo;

class TestPaths : public QObject {
    Q_OBJECT

private slots:
    void labelText_data() {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("label");
        QTest::newRow("full path") << "/home/ann/Pictures/dog2.jpg"
                                   << "dog";
        QTest::newRow("two digits") << "cat12.bmp"
                                    << "cat";
        QTest::newRow("leading digit stays") << "2dogs.jpg"
                                             << "2dogs";
        QTest::newRow("only trailing digits go") << "a1b2.jpg"
                                                 << "a1b";
        QTest::newRow("blank before digit stays") << "dog 2.jpg"
                                                  << "dog ";
        QTest::newRow("digits only") << "123.jpg"
                                     << "";
        QTest::newRow("last period only") << "my.photo.jpg"
                                          << "my.photo";
        QTest::newRow("no extension") << "/pics/horse7"
                                      << "horse";
        QTest::newRow("digits and blanks") << "/pics/ 12 .jpg"
                                           << " 12 ";
        QTest::newRow("blank then digits only") << "/pics/ 12.jpg"
                                                << " ";
        QTest::newRow("period in folder") << "/my.pics/owl3"
                                          << "owl";
        QTest::newRow("hidden-style name") << "/pics/.jpg"
                                           << "";
        QTest::newRow("backslash is a letter here") << "/pics/a\\b1.jpg"
                                                    << "a\\b";
        QTest::newRow("colon is a letter here") << "/pics/c:d1.jpg"
                                                << "c:d";
        QTest::newRow("umlaut") << "/pics/Müller.jpg"
                                << "Müller";
        QTest::newRow("empty") << ""
                               << "";
        // Whole characters through the file names' bytes: a surrogate pair stays whole, and a
        // byte that is not UTF-8 (kept as a lone surrogate) stays as it was.
        QTest::newRow("letter beyond the first plane") << "/pics/𠀀2.jpg"
                                                       << "𠀀";
        QTest::newRow("byte that is not UTF-8")
            << QStringLiteral("/pics/a\xDCD9٢.jpg") << QStringLiteral("a\xDCD9");
    }
    void labelText() {
        QFETCH(QString, fileName);
        QFETCH(QString, label);
        QCOMPARE(MakeLabelText(fileName), label);
    }

    void labelCase_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("ascii") << "Dog "
                               << "DOG "
                               << "dog ";
        QTest::newRow("umlaut") << "Müller"
                                << "MÜLLER"
                                << "müller";
        QTest::newRow("accents") << "Élan café"
                                 << "ÉLAN CAFÉ"
                                 << "élan café";
        QTest::newRow("greek") << "Σοφία"
                               << "ΣΟΦΊΑ"
                               << "σοφία";
        QTest::newRow("digits and signs") << "a1b-c"
                                          << "A1B-C"
                                          << "a1b-c";
        QTest::newRow("sharp s") << "Straße"
                                 << "STRASSE"
                                 << "straße";
        QTest::newRow("Danish") << "Ærø"
                                << "ÆRØ"
                                << "ærø";
        // Scripts without case stay as they are, in either case.
        for (const char* word : {"عصفور", "שלום", "कुत्ता", "ไก่", "猫", "ねこ", "ネコ", "개"})
            QTest::newRow(word) << word << word << word;
        QTest::newRow("cased and caseless") << "Ærø猫"
                                            << "ÆRØ猫"
                                            << "ærø猫";
    }
    void labelCase() {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        QCOMPARE(labelInCase(text, true), upper);
        QCOMPARE(labelInCase(text, false), lower);
    }

    void directoryAndFileName_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("name");
        QTest::newRow("nested") << "/pics/cat1.jpg"
                                << "/pics"
                                << "cat1.jpg";
        QTest::newRow("deeper") << "/home/ann/pics/cat1.jpg"
                                << "/home/ann/pics"
                                << "cat1.jpg";
        QTest::newRow("root") << "/cat1.jpg"
                              << "/"
                              << "cat1.jpg";
        QTest::newRow("no separator") << "cat1.jpg"
                                      << ""
                                      << "cat1.jpg";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("doubled separator") << "/pics//cat.jpg"
                                           << "/pics//"
                                           << "cat.jpg";
        QTest::newRow("blanks and quotes") << "/a b/it's \"x\".jpg"
                                           << "/a b"
                                           << "it's \"x\".jpg";
    }
    void directoryAndFileName() {
        QFETCH(QString, path);
        QFETCH(QString, directory);
        QFETCH(QString, name);
        QCOMPARE(directoryPart(path), directory);
        QCOMPARE(fileNamePart(path), name);
    }

    void joinPathAddsOneSeparator() {
        QCOMPARE(joinPath("/pics", "cat1.jpg"), QString("/pics/cat1.jpg"));
        QCOMPARE(joinPath("/", "cat1.jpg"), QString("/cat1.jpg"));
        // The full path of an item splits back into the directory and the item.
        for (const QString directory : {"/", "/pics", "/a/b c"}) {
            const QString full = joinPath(directory, "x.jpg");
            QCOMPARE(directoryPart(full), directory);
            QCOMPARE(fileNamePart(full), QString("x.jpg"));
        }
    }

    void blankLabels() {
        QVERIFY(isBlankLabel(""));
        QVERIFY(isBlankLabel(" \t\n"));
        QVERIFY(isBlankLabel(QString(QChar(1))));
        QVERIFY(!isBlankLabel(" a "));
        QVERIFY(!isBlankLabel(QString(QChar(0xA0)))); // a no-break space is a character
    }
};

QTEST_APPLESS_MAIN(TestPaths)
#include "tst_paths.moc"
