// Label sheets from sheet templates: units, shapes, equivalents, layouts, search, and templates
// that must be refused with their file and cause.
#include "storage/Errors.h"
#include "storage/SheetTemplates.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace ferlo;

namespace {

const PaperSizes kPapers = {{QStringLiteral("A4"), {210.0, 297.0}},
                            {QStringLiteral("US-Letter"), {215.9, 279.4}}};

SheetCatalogue read(const QByteArray& templates) {
    SheetCatalogue catalogue;
    readTemplateFile("<Glabels-templates>" + templates + "</Glabels-templates>",
                     QStringLiteral("test-templates.xml"), kPapers, catalogue);
    return catalogue;
}

const QByteArray kBusinessCards =
    R"(<Template brand="Avery" part="5371" size="US-Letter" _description="Business Cards">
         <Meta category="card"/>
         <Label-rectangle id="0" width="3.5in" height="2in" round="0.1in">
           <Markup-margin size="0.0625in"/>
           <Layout nx="2" ny="5" x0="0.75in" y0="0.5in" dx="3.5in" dy="2in"/>
         </Label-rectangle>
       </Template>
       <Template brand="Avery" part="8371" equiv="5371"/>)";

} // namespace

class TestSheetTemplates : public QObject {
    Q_OBJECT

private slots:
    void readsSheets_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("shape");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("markup");
        QTest::addColumn<double>("lastLeft");
        QTest::addColumn<double>("lastTop");
        QTest::newRow("rectangle in inches")
            << kBusinessCards << "Avery 5371" << 10 << int(LabelShape::Rectangle) << 88.9 << 2.54
            << 1.5875 << 107.95 << 215.9;
        QTest::newRow("equivalent")
            << kBusinessCards << "avery8371" << 10 << int(LabelShape::Rectangle) << 88.9 << 2.54
            << 1.5875 << 107.95 << 215.9;
        QTest::newRow("round, bare points")
            << QByteArray(R"(<Template brand="X" part="R1" size="A4" _description="Round">
                 <Label-round id="0" radius="36"><Markup-margin size="5"/>
                   <Layout nx="2" ny="1" x0="10mm" y0="20mm" dx="60mm" dy="0"/>
                 </Label-round></Template>)")
            << "X R1" << 2 << int(LabelShape::Round) << 25.4 << 12.7 << 5 * MillimetresPerPoint
            << 70.0 << 20.0;
        QTest::newRow("ellipse on paper of its own")
            << QByteArray(R"(<Template brand="X" part="E" size="Other" width="10cm" height="5cm">
                 <Label-ellipse id="0" width="40mm" height="20mm">
                   <Layout nx="1" ny="1" x0="5mm" y0="5mm"/></Label-ellipse></Template>)")
            << "X E" << 1 << int(LabelShape::Ellipse) << 40.0 << 0.0 << 0.0 << 5.0 << 5.0;
        // Two layouts: the labels fill row by row across both.
        QTest::newRow("two layouts")
            << QByteArray(R"(<Template brand="X" part="2L" size="A4">
                 <Label-rectangle id="0" width="50mm" height="30mm" round="40mm">
                   <Layout nx="1" ny="2" x0="100mm" y0="10mm" dx="0" dy="40mm"/>
                   <Layout nx="1" ny="2" x0="10mm" y0="10mm" dx="0" dy="40mm"/>
                 </Label-rectangle></Template>)")
            << "X 2L" << 4 << int(LabelShape::Rectangle) << 50.0 << 15.0 << 0.0 << 100.0 << 50.0;
    }
    void readsSheets() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, name);
        const SheetCatalogue catalogue = read(xml);
        QCOMPARE(catalogue.Refused, QStringList());
        QFETCH(int, labels);
        QFETCH(int, shape);
        QFETCH(double, width);
        QFETCH(double, radius);
        QFETCH(double, markup);
        QFETCH(double, lastLeft);
        QFETCH(double, lastTop);
        const SheetTemplate& sheet = sheetNamed(catalogue, name);
        QCOMPARE(int(sheet.Labels.size()), labels);
        QCOMPARE(int(sheet.Shape), shape);
        QCOMPARE(sheet.LabelWidth, width);
        const PageCard& last = sheet.Labels.back();
        QCOMPARE(last.Radius, radius);
        QCOMPARE(last.Markup, markup);
        QCOMPARE(last.Trim.Left, lastLeft);
        QCOMPARE(last.Trim.Top, lastTop);
        if (sheet.Labels.size() > 1)
            QVERIFY(sheet.Labels[0].Trim.Left < sheet.Labels[1].Trim.Left);
    }

    void refusesHostileTemplates_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("cause");
        const auto label = [](const char* attributes, const char* layout) {
            return QByteArray(R"(<Template brand="Bad" part="1" size="A4">)") +
                   "<Label-rectangle id=\"0\" " + attributes + "><Layout " + layout +
                   "/></Label-rectangle></Template>";
        };
        const char* oneLabel = R"(nx="1" ny="1" x0="1mm" y0="1mm" dx="0" dy="0")";
        QTest::newRow("zero width")
            << label(R"(width="0" height="10mm")", oneLabel) << "its labels have no size";
        QTest::newRow("negative height")
            << label(R"(width="10mm" height="-5mm")", oneLabel)
            << R"(its height "-5mm" is not a length in pt, mm, cm, in or pc)";
        QTest::newRow("nx = 100000")
            << label(R"(width="1mm" height="1mm")", R"(nx="100000" ny="1" dx="1mm" dy="1mm")")
            << R"(its nx "100000" is not a whole number from 1 to 200)";
        QTest::newRow("too many labels")
            << label(R"(width="1mm" height="1mm")",
                     R"(nx="200" ny="200" x0="0" y0="0" dx="1mm" dy="1mm")")
            << "it has more than 2000 labels on a sheet";
        QTest::newRow("label off the page")
            << label(R"(width="50mm" height="50mm")",
                     R"(nx="5" ny="1" x0="0" y0="0" dx="50mm" dy="0")")
            << "a label at 200.0, 0.0 mm runs 40.0 mm off the paper";
        QTest::newRow("unknown unit")
            << label(R"(width="3furlong" height="1mm")", oneLabel)
            << R"(its width "3furlong" is not a length in pt, mm, cm, in or pc)";
        QTest::newRow("a kilometre") << label(R"(width="1000000mm" height="1mm")", oneLabel)
                                     << "its width of 1000000mm is more than a metre";
        QTest::newRow("unknown paper")
            << QByteArray(R"(<Template brand="Bad" part="1" size="Z9"/>)")
            << R"(its paper size "Z9" is not known)";
        QTest::newRow("no labels")
            << QByteArray(R"(<Template brand="Bad" part="1" size="A4"/>)") << "it has no labels";
        QTest::newRow("dangling equivalent")
            << QByteArray(R"(<Template brand="Bad" part="1" equiv="404"/>)")
            << "the sheet Bad 404 it is equal to is not there";
    }
    void refusesHostileTemplates() {
        QFETCH(QByteArray, xml);
        // A good sheet after the bad one is still read.
        QFETCH(QString, cause);
        const SheetCatalogue catalogue = read(xml + kBusinessCards);
        QCOMPARE(catalogue.Refused,
                 QStringList(QStringLiteral("The sheet Bad 1 in test-templates.xml is left out: "
                                            "%1.")
                                 .arg(cause)));
        QCOMPARE(int(catalogue.Sheets.size()), 2);
    }

    void findsSheets_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("part number") << "5371" << QStringList{"Avery 5371"};
        QTest::newRow("brand and part, case and blanks")
            << " AVERY 83 71" << QStringList{"Avery 8371"};
        QTest::newRow("description") << "business card" << QStringList{"Avery 5371", "Avery 8371"};
        QTest::newRow("words apart") << "avery cards" << QStringList{"Avery 5371", "Avery 8371"};
        QTest::newRow("nothing") << "zweckform" << QStringList{};
    }
    void findsSheets() {
        QFETCH(QString, text);
        QStringList names;
        const SheetCatalogue catalogue = read(kBusinessCards);
        for (const SheetTemplate* sheet : findSheets(catalogue, text))
            names << QString::fromStdString(sheet->name());
        QFETCH(QStringList, found);
        QCOMPARE(names, found);
    }

    void namesWhatIsMissing() {
        QTemporaryDir empty;
        const SheetCatalogue none = readSheetCatalogue(empty.path());
        QVERIFY(none.Sheets.empty());
        try {
            sheetNamed(none, QStringLiteral("Avery 5371"));
            QFAIL("a sheet was found without templates");
        } catch (const Error& error) {
            QVERIFY2(error.message().startsWith(QStringLiteral("Cannot use the sheet Avery 5371. "
                                                               "No label sheets are installed")),
                     qPrintable(error.message()));
            QVERIFY(error.message().contains(QStringLiteral("glabels-data")));
        }
        QVERIFY_THROWS_EXCEPTION(Error,
                                 sheetNamed(read(kBusinessCards), QStringLiteral("Avery 1")));
    }

    void readsTheInstalledPackage() {
        if (!QFile::exists(sheetTemplateFolder() + QStringLiteral("/paper-sizes.xml")))
            QSKIP("the sheet templates are not installed");
        const SheetCatalogue& catalogue = installedSheets();
        QVERIFY(catalogue.Sheets.size() > 1000);
        QCOMPARE(sheetNamed(catalogue, QStringLiteral("Avery 5371")).Labels.size(), size_t(10));
        QVERIFY(!findSheets(catalogue, QStringLiteral("zweckform 32010")).empty());
        for (const QString& refused : catalogue.Refused)
            qInfo("%s", qPrintable(refused));
    }
};

QTEST_GUILESS_MAIN(TestSheetTemplates)
#include "tst_sheettemplates.moc"
