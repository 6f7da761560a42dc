// The symbol index: built from a small hand-made OpenMoji table and CLDR annotations, then
// searched: ranking, variants folding under their symbol, case and accents per language, the
// fallback to English, the user's symbol folders, and an index file that is cut short or lies.
#include "storage/Errors.h"
#include "storage/Registry.h"
#include "support/TestSupport.h"
#include "symbols/SymbolIndex.h"
#include "symbols/SymbolIndexBuilder.h"
#include "symbols/SymbolSet.h"
#include "symbols/SymbolText.h"

#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>

using namespace ferlo;

namespace {

const QString dataDir = QStringLiteral(FERLO_TEST_DATA_DIR "/symbols");

SymbolIndexBuild tinyBuild() {
    return buildSymbolIndex(dataDir + QStringLiteral("/openmoji.csv"),
                            dataDir + QStringLiteral("/cldr"),
                            {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("ar")});
}

const SymbolIndex& tiny() {
    static const SymbolIndex index =
        SymbolIndex::fromBytes(tinyBuild().index, QStringLiteral("tiny.index"));
    return index;
}

QStringList hexcodes(const QVector<SymbolMatch>& matches) {
    QStringList codes;
    for (const SymbolMatch& match : matches)
        codes << (match.kind == SymbolMatch::Kind::UserFile ? QFileInfo(match.file).fileName()
                                                            : match.hexcode);
    return codes;
}

void putLe32(QByteArray& bytes, qsizetype at, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xFF);
}

// Where the first language's term records begin, found by walking the file as it is written.
struct Layout {
    qsizetype symbols = 0; // the symbol count
    qsizetype languages = 0;
};
Layout layoutOf(const QByteArray& index) {
    const auto number = [&](qsizetype at) {
        return quint32(quint8(index[at])) | quint32(quint8(index[at + 1])) << 8 |
               quint32(quint8(index[at + 2])) << 16 | quint32(quint8(index[at + 3])) << 24;
    };
    Layout layout;
    layout.symbols = 8 + 4 + 4 + 4 + qsizetype(number(16));
    layout.languages = layout.symbols + 4 + qsizetype(number(layout.symbols)) * 12;
    return layout;
}

} // namespace

class TestSymbolIndex : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void init() {
        qputenv("FERLO_REGISTRY_DIR", m_dir.path().toLocal8Bit());
        QFile::remove(registryHivePath(HKEY_LOCAL_MACHINE));
    }

    void folding_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("folded");
        QTest::newRow("case") << "HUND"
                              << "hund";
        QTest::newRow("French accents") << "Élève"
                                        << "eleve";
        QTest::newRow("German umlaut and sharp s") << "Fußgänger STRAẞE"
                                                   << "fussganger strasse";
        QTest::newRow("Spanish tilde") << "Pingüino Año"
                                       << "pinguino ano";
        QTest::newRow("spaces made one, ends trimmed") << "  ice \t cream "
                                                       << "ice cream";
        QTest::newRow("Arabic short vowels") << "كَلْبٌ"
                                             << "كلب";
        QTest::newRow("Arabic hamza on alef, teh marbuta") << "أرنبة"
                                                           << "ارنبه";
        QTest::newRow("Arabic tatweel, alef maksura") << "مـوسى"
                                                      << "موسي";
        QTest::newRow("curly apostrophe") << "o’clock"
                                          << "o'clock";
        QTest::newRow("Devanagari vowel sign kept") << "बिल"
                                                    << "बिल";
    }
    void folding() {
        QFETCH(QString, word);
        QFETCH(QString, folded);
        QCOMPARE(foldForSearch(word), folded);
    }

    void variantBase_data() {
        QTest::addColumn<QString>("hexcode");
        QTest::addColumn<QString>("base");
        QTest::newRow("skin tone") << "1F3C3-1F3FD"
                                   << "1F3C3";
        QTest::newRow("gender sign") << "1F3C3-200D-2642-FE0F"
                                     << "1F3C3";
        QTest::newRow("tone before gender") << "1F3C3-1F3FD-200D-2640-FE0F"
                                            << "1F3C3-200D-2640-FE0F";
        QTest::newRow("man doing something") << "1F468-200D-1F393"
                                             << "1F9D1-200D-1F393";
        QTest::newRow("no variant") << "1F415"
                                    << "";
        QTest::newRow("a skin tone alone is no variant") << "1F3FB"
                                                         << "";
    }
    void variantBase() {
        QFETCH(QString, hexcode);
        QFETCH(QString, base);
        QCOMPARE(variantBaseStep(hexcode), base);
    }

    void builds() {
        const SymbolIndexBuild build = tinyBuild();
        QCOMPARE(build.symbols, 13);
        // 1F3C3-1F3FD, 1F3C3-200D-2642-FE0F, 1F3C3-1F3FD-200D-2642-FE0F and 1F468-200D-1F393 fold.
        QCOMPARE(build.ownSymbols, 9);
        QCOMPARE(build.languages, (QStringList{"en", "de", "fr", "ar"}));
        QCOMPARE(tiny().symbolCount(), 9);
        QCOMPARE(tiny().languages(), build.languages);
    }

    void search_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("first");
        // The name first, then keywords in the symbols' order, then prefixes, closest first.
        QTest::newRow("name, keyword, word of a name")
            << "dog"
            << "en" << QStringList{"1F415", "1F436", "1F32D"};
        QTest::newRow("prefix: the shortest term first, a name before a keyword")
            << "do"
            << "en" << QStringList{"1F415", "1F436", "1F32D"};
        QTest::newRow("a tag with quotes in the table") << "snack"
                                                        << "en" << QStringList{"1F32D"};
        QTest::newRow("German name before keywords") << "Hund"
                                                     << "de" << QStringList{"1F415", "1F436"};
        QTest::newRow("German first, then English") << "hot"
                                                    << "de" << QStringList{"1F32D"};
        QTest::newRow("German regional tag") << "apfel"
                                             << "de_AT" << QStringList{"1F34E"};
        QTest::newRow("English behind German") << "apple"
                                               << "de" << QStringList{"1F34E"};
        QTest::newRow("a brand's logo is left out") << "apple"
                                                    << "en" << QStringList{"1F34E"};
        QTest::newRow("inherited CLDR entries are skipped") << "↑↑↑"
                                                            << "de" << QStringList{};
        QTest::newRow("unknown language: English")
            << "dog"
            << "xx" << QStringList{"1F415", "1F436", "1F32D"};
        QTest::newRow("French accents ignored") << "ELEVE"
                                                << "fr" << QStringList{"1F9D1-200D-1F393"};
        QTest::newRow("French accents typed") << "élève"
                                              << "fr" << QStringList{"1F9D1-200D-1F393"};
        QTest::newRow("Arabic with short vowels") << "كَلْب"
                                                  << "ar" << QStringList{"1F415"};
        QTest::newRow("Arabic word of a name") << "حمراء"
                                               << "ar" << QStringList{"1F34E"};
        QTest::newRow("the CLDR's keyword before OpenMoji's looser tag")
            << "pet"
            << "en" << QStringList{"1F415", "1F436"};
        QTest::newRow("OpenMoji's own tags") << "goldfish"
                                             << "en" << QStringList{"E000"};
        QTest::newRow("CLDR English keyword") << "doggo"
                                              << "en" << QStringList{"1F415"};
        QTest::newRow("variation selector in the table") << "frowning face"
                                                         << "en" << QStringList{"2639-FE0F"};
        QTest::newRow("a name in German for it") << "düsteres gesicht"
                                                 << "de" << QStringList{"2639-FE0F"};
        QTest::newRow("nothing") << "zebra"
                                 << "en" << QStringList{};
        QTest::newRow("empty word") << "  "
                                    << "en" << QStringList{};
    }
    void search() {
        QFETCH(QString, word);
        QFETCH(QString, language);
        QFETCH(QStringList, first);
        QStringList found = hexcodes(tiny().search(word, language, 100, {}));
        QCOMPARE(found.mid(0, first.size()), first);
        if (first.isEmpty())
            QVERIFY2(found.isEmpty(), qPrintable(found.join(' ')));
        QCOMPARE(found.removeDuplicates(), 0);
    }

    void ranks_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("hexcode");
        QTest::addColumn<int>("rank");
        QTest::newRow("name") << "dog"
                              << "1F415" << 0;
        QTest::newRow("keyword") << "dog"
                                 << "1F436" << 1;
        QTest::newRow("prefix") << "gold"
                                << "E000" << 2;
        QTest::newRow("a variant's name ranks its symbol") << "man running"
                                                           << "1F3C3" << 0;
    }
    void ranks() {
        QFETCH(QString, word);
        QFETCH(QString, hexcode);
        QFETCH(int, rank);
        const QString language =
            QString::fromLatin1(QTest::currentDataTag()).contains("German") ? "de" : "en";
        for (const SymbolMatch& match : tiny().search(word, language, 100, {}))
            if (match.hexcode == hexcode) {
                QCOMPARE(match.rank, rank);
                return;
            }
        QFAIL("not found");
    }

    void variantsFoldUnderTheirSymbol_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("symbol");
        QTest::newRow("skin tone and gender, English") << "running"
                                                       << "en"
                                                       << "1F3C3";
        QTest::newRow("gender variant's own keyword") << "racing"
                                                      << "en"
                                                      << "1F3C3";
        QTest::newRow("derived German annotations") << "Jogger"
                                                    << "de"
                                                    << "1F3C3";
        QTest::newRow("man student under student") << "student"
                                                   << "en"
                                                   << "1F9D1-200D-1F393";
    }
    void variantsFoldUnderTheirSymbol() {
        QFETCH(QString, word);
        QFETCH(QString, language);
        QFETCH(QString, symbol);
        const QVector<SymbolMatch> matches = tiny().search(word, language, 100, {});
        QCOMPARE(hexcodes(matches), QStringList{symbol});
        // Shown with its own name and keywords, in the language searched.
        QCOMPARE(matches.front().name, tiny().name(symbol, language));
    }

    void namesAndKeywordsInTheLanguage() {
        const SymbolMatch dog =
            tiny().search(QStringLiteral("hund"), QStringLiteral("de"), 1, {}).front();
        QCOMPARE(dog.name, QStringLiteral("Hund"));
        QCOMPARE(dog.keywords, (QStringList{"Haustier", "Hund", "Tier"}));
        // No French keywords for the dog face: the English ones.
        const SymbolMatch face =
            tiny().search(QStringLiteral("dog face"), QStringLiteral("fr"), 1, {}).front();
        QCOMPARE(face.name, QStringLiteral("dog face"));
        QCOMPARE(face.keywords, (QStringList{"dog", "face", "pet"}));
        QCOMPARE(tiny().best(QStringLiteral("chien"), QStringLiteral("fr"), {})->hexcode,
                 QStringLiteral("1F415"));
        // A prefix alone is no best match.
        QVERIFY(!tiny().best(QStringLiteral("chi"), QStringLiteral("fr"), {}));
    }

    void userSymbolWords_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("word");
        QTest::newRow("plain") << "dog.svg"
                               << "dog";
        QTest::newRow("number after an underscore") << "dog_2.svg"
                                                    << "dog";
        QTest::newRow("number in brackets") << "Dog (3).png"
                                            << "Dog";
        QTest::newRow("underscores are spaces") << "ice_cream.jpg"
                                                << "ice cream";
        QTest::newRow("dots in the name") << "mr.smith.jpeg"
                                          << "mr.smith";
        QTest::newRow("a number alone stays") << "2.svg"
                                              << "2";
        QTest::newRow("Arabic") << "قطة_1.png"
                                << "قطة";
    }
    void userSymbolWords() {
        QFETCH(QString, file);
        QFETCH(QString, word);
        QCOMPARE(userSymbolWord(file), word);
    }

    void userFolders() {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("animals/more")));
        for (const char* name : {"dog_2.svg", "Dog (3).PNG", "ice_cream.jpg", "notes.txt",
                                 "dogma.pdf", "animals/more/élève.jpeg", "animals/dog.gif"})
            test::writeFile(folder.filePath(QString::fromUtf8(name)), "x");
        const QStringList folders{folder.path()};
        // The user's files lead at the same rank; the word from the file name is the name.
        const QVector<SymbolMatch> dog =
            tiny().search(QStringLiteral("dog"), QStringLiteral("en"), 100, folders);
        QCOMPARE(hexcodes(dog).mid(0, 3), (QStringList{"Dog (3).PNG", "dog_2.svg", "1F415"}));
        QCOMPARE(dog[0].kind, SymbolMatch::Kind::UserFile);
        QCOMPARE(dog[0].name, QStringLiteral("Dog"));
        QCOMPARE(dog[0].file, folder.filePath(QStringLiteral("Dog (3).PNG")));
        QCOMPARE(dog[2].kind, SymbolMatch::Kind::OpenMoji);
        QVERIFY(dog[2].file.isEmpty());
        QCOMPARE(
            hexcodes(tiny().search(QStringLiteral("cream"), QStringLiteral("en"), 100, folders)),
            QStringList{"ice_cream.jpg"});
        QCOMPARE(
            hexcodes(tiny().search(QStringLiteral("eleve"), QStringLiteral("de"), 100, folders)),
            QStringList{"élève.jpeg"});
        // A file added later is found: the listing follows the folder.
        test::writeFile(folder.filePath(QStringLiteral("animals/more/zebra.svg")), "x");
        QTRY_COMPARE(
            hexcodes(tiny().search(QStringLiteral("zebra"), QStringLiteral("en"), 100, folders)),
            QStringList{"zebra.svg"});
        // A folder that is gone finds nothing and is no error.
        QVERIFY(
            tiny()
                .search(QStringLiteral("dog"), QStringLiteral("en"), 100, {folder.filePath("gone")})
                .size() == 3);
    }

    void storedUserFolders() {
        QCOMPARE(readSymbolFolders(), QStringList{});
        const QStringList folders{"/a/b", "/c \"quoted\" \\ d", "/ü/كلب"};
        saveSymbolFolders(folders);
        QCOMPARE(readSymbolFolders(), folders);
        saveSymbolFolders({"/x"});
        QCOMPARE(readSymbolFolders(), QStringList{"/x"});
        QVERIFY_THROWS_EXCEPTION(Error, saveSymbolFolders({"/a\nb"}));
        QCOMPARE(readSymbolFolders(), QStringList{"/x"});
    }

    void missingSet() {
        const SymbolIndex none;
        QVERIFY(!none.available());
        QVERIFY(!none.missingReason().isEmpty());
        QCOMPARE(none.search(QStringLiteral("dog"), QStringLiteral("en"), 100, {}).size(), 0);
        QTemporaryDir folder;
        test::writeFile(folder.filePath(QStringLiteral("dog.png")), "x");
        QCOMPARE(hexcodes(none.search(QStringLiteral("dog"), QStringLiteral("en"), 100,
                                      {folder.path()})),
                 QStringList{"dog.png"});
        QCOMPARE(symbolFileIn(QString(), QStringLiteral("1F415"), SymbolStyle::Color), QString());
    }

    void symbolFiles_data() {
        QTest::addColumn<QString>("hexcode");
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("file");
        QTest::newRow("colour") << "1F415" << int(SymbolStyle::Color) << "color/1F415.svg";
        QTest::newRow("line art") << "1F415" << int(SymbolStyle::Line) << "black/1F415.svg";
        QTest::newRow("not in the set") << "1F416" << int(SymbolStyle::Color) << "";
        QTest::newRow("a path") << "../color/1F415" << int(SymbolStyle::Color) << "";
        QTest::newRow("lower case") << "1f415" << int(SymbolStyle::Color) << "";
    }
    void symbolFiles() {
        QFETCH(QString, hexcode);
        QFETCH(int, style);
        QFETCH(QString, file);
        QTemporaryDir set;
        QVERIFY(QDir(set.path()).mkpath("color") && QDir(set.path()).mkpath("black"));
        test::writeFile(set.filePath("color/1F415.svg"), "<svg/>");
        test::writeFile(set.filePath("black/1F415.svg"), "<svg/>");
        QCOMPARE(symbolFileIn(set.path(), hexcode, SymbolStyle(style)),
                 file.isEmpty() ? QString() : set.filePath(file));
    }

    void listing_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<bool>("available");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("errors");
        QTest::newRow("found") << "chien" << true << 0 << "1F415\tchien\tanimal, chien\n"
                               << "";
        QTest::newRow("none") << "zebra" << true << 1 << ""
                              << "ferlo: no symbol found for \"zebra\"\n";
        QTest::newRow("no set") << "chien" << false << 1 << ""
                                << "ferlo: No symbol set is loaded.\n";
    }
    void listing() {
        QFETCH(QString, word);
        QFETCH(bool, available);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, errors);
        std::FILE* outFile = std::tmpfile();
        std::FILE* errorFile = std::tmpfile();
        const int result = printSymbolList(word, QStringLiteral("fr"),
                                           available ? tiny() : SymbolIndex(), outFile, errorFile);
        const auto text = [](std::FILE* file) {
            std::fflush(file);
            std::rewind(file);
            QByteArray bytes;
            char buffer[4096];
            for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                bytes.append(buffer, qsizetype(n));
            std::fclose(file);
            return QString::fromLocal8Bit(bytes);
        };
        QCOMPARE(result, status);
        QCOMPARE(text(outFile), out);
        QCOMPARE(text(errorFile), errors);
    }

    void builderFaults_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("cause");
        QTest::newRow("no hexcode column")
            << QByteArray("emoji,annotation,tags,openmoji_tags\nx,y,z,w\n")
            << "no column \"hexcode\"";
        QTest::newRow("not a hexcode")
            << QByteArray("hexcode,annotation,tags,openmoji_tags\n../x,y,z,w\n") << "is no hexcode";
        QTest::newRow("open quote")
            << QByteArray("hexcode,annotation,tags,openmoji_tags\n1F415,\"dog,z,w\n")
            << "not closed";
        QTest::newRow("empty") << QByteArray() << "empty";
    }
    void builderFaults() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, cause);
        const QString file = m_dir.filePath(QStringLiteral("table.csv"));
        test::writeFile(file, csv);
        try {
            buildSymbolIndex(file, QString(), {});
            QFAIL("built");
        } catch (const std::runtime_error& error) {
            const QString message = QString::fromUtf8(error.what());
            QVERIFY2(message.startsWith(file) && message.contains(cause), qPrintable(message));
        }
    }

    void builderNamesAMissingLanguage() {
        try {
            buildSymbolIndex(dataDir + QStringLiteral("/openmoji.csv"),
                             dataDir + QStringLiteral("/cldr"), {"es"});
            QFAIL("built");
        } catch (const std::runtime_error& error) {
            QVERIFY2(QString::fromUtf8(error.what()).contains("annotations/es.xml"), error.what());
        }
        // Without the CLDR: English alone.
        const SymbolIndexBuild english =
            buildSymbolIndex(dataDir + QStringLiteral("/openmoji.csv"), QString(), {"de"});
        QCOMPARE(english.languages, QStringList{"en"});
        const SymbolIndex index = SymbolIndex::fromBytes(english.index, "en.index");
        QCOMPARE(hexcodes(index.search("Hund", "de", 10, {})), QStringList{});
        QCOMPARE(hexcodes(index.search("dog", "de", 1, {})), QStringList{"1F415"});
    }

    // Every cut of the index is refused with a message naming the file; none crashes.
    void truncatedIndexIsRefused() {
        const QByteArray whole = tinyBuild().index;
        for (qsizetype size = 0; size < whole.size(); ++size) {
            try {
                SymbolIndex::fromBytes(whole.left(size), QStringLiteral("cut.index"));
                QFAIL(qPrintable(QStringLiteral("a cut at %1 bytes was read").arg(size)));
            } catch (const Error& error) {
                QVERIFY(error.message().contains(QStringLiteral("cut.index")));
            }
        }
        QVERIFY(SymbolIndex::fromBytes(whole, QStringLiteral("whole.index")).available());
    }

    void lyingIndexIsRefused_data() {
        QTest::addColumn<int>("field"); // which number is changed
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QString>("cause");
        QTest::newRow("magic") << 0 << 0x12345678u << "no symbol index";
        QTest::newRow("version") << 8 << 1u << "another version";
        QTest::newRow("file size") << 12 << 1u << "size";
        QTest::newRow("pool size beyond the file") << 16 << 0x7FFFFFF0u << "ends too early";
        QTest::newRow("huge symbol count") << -1 << 0xFFFFFFFFu << "more records";
        QTest::newRow("hexcode outside the texts") << -2 << 0xFFFFFFF0u << "outside";
        QTest::newRow("base out of range") << -3 << 5000u << "isn't there";
        QTest::newRow("huge language count") << -4 << 0x40000000u << "more records";
        QTest::newRow("no language") << -4 << 0u << "no language";
        QTest::newRow("base is a variant") << -5 << 0u << "under a variant";
        QTest::newRow("a hexcode given twice") << -6 << 0u << "given twice";
    }
    void lyingIndexIsRefused() {
        QFETCH(int, field);
        QFETCH(quint32, value);
        QFETCH(QString, cause);
        QByteArray index = tinyBuild().index;
        const Layout layout = layoutOf(index);
        const qsizetype firstSymbol = layout.symbols + 4;
        // Symbol 4 is 1F3C3-1F3FD, a variant of symbol 3; symbol 5 is 1F3C3-200D-2642-FE0F.
        const qsizetype at = field >= 0    ? field
                             : field == -1 ? layout.symbols
                             : field == -2 ? firstSymbol
                             : field == -3 ? firstSymbol + 4 * 12 + 8
                             : field == -4 ? layout.languages
                                           : firstSymbol + 3 * 12 + 8; // symbol 3 folds under 0
        if (field == -5)
            putLe32(index, firstSymbol + 0 * 12 + 8, 1); // and symbol 0 under 1
        if (field == -6) { // symbol 1 (1F415) takes the hexcode of symbol 0 (1F436)
            for (int i = 0; i < 8; ++i)
                index[firstSymbol + 12 + i] = index[firstSymbol + i];
        }
        putLe32(index, at, value);
        try {
            SymbolIndex::fromBytes(index, QStringLiteral("lying.index"));
            QFAIL("read");
        } catch (const Error& error) {
            QVERIFY2(error.message().contains(QStringLiteral("lying.index")) &&
                         error.message().contains(cause),
                     qPrintable(error.message()));
        }
    }

    // The index built with the program, when this build has the symbol set.
    void installedIndex_data() {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("hexcode");
        QTest::newRow("dog") << "dog"
                             << "en"
                             << "1F415";
        QTest::newRow("Hund") << "Hund"
                              << "de"
                              << "1F415";
        QTest::newRow("perro") << "perro"
                               << "es"
                               << "1F415";
        QTest::newRow("chien") << "chien"
                               << "fr"
                               << "1F415";
        QTest::newRow("كلب") << "كلب"
                             << "ar"
                             << "1F415";
        QTest::newRow("Apfel") << "Apfel"
                               << "de"
                               << "1F34E";
        QTest::newRow("etudiant") << "ETUDIANT"
                                  << "fr"
                                  << "1F9D1-200D-1F393";
        QTest::newRow("a fruit, not a brand") << "apple"
                                              << "en"
                                              << "1F34E";
        // The obvious picture first: a car, not a tram car that has "car" among its words; a
        // glass of milk, whose CLDR keyword it is, not a cow tagged with it; the hen that the
        // CLDR calls a chicken.
        QTest::newRow("car") << "car"
                             << "en"
                             << "1F697";
        QTest::newRow("milk") << "milk"
                              << "en"
                              << "1F95B";
        QTest::newRow("hen") << "hen"
                             << "en"
                             << "1F414";
        // A keyword that is also a word of the name first: the angry face, not another face
        // that has "angry" among its keywords; the faces picture cards use for feelings.
        QTest::newRow("angry") << "angry"
                               << "en"
                               << "1F620";
        QTest::newRow("happy") << "happy"
                               << "en"
                               << "1F600";
        QTest::newRow("sad") << "sad"
                             << "en"
                             << "2639";
        QTest::newRow("glücklich") << "glücklich"
                                   << "de"
                                   << "1F600";
        QTest::newRow("Milch") << "Milch"
                               << "de"
                               << "1F95B";
    }
    void installedIndex() {
        QFETCH(QString, word);
        QFETCH(QString, language);
        QFETCH(QString, hexcode);
        const QString file = QStringLiteral(FERLO_BINARY_DIR "/src/symbols/openmoji.index");
        if (!QFile::exists(file))
            QSKIP("this build has no symbol set");
        static const SymbolIndex index = SymbolIndex::fromFile(file);
        QCOMPARE(index.symbolCount(), 2484); // 4,495 less 53 brand logos, 1,958 variants folded
        const auto best = index.best(word, language, {});
        QVERIFY(best);
        QCOMPARE(best->hexcode, hexcode);
    }
};

QTEST_GUILESS_MAIN(TestSymbolIndex)
#include "tst_symbolindex.moc"
