// The layers of src/: the table "Layers" of docs/ARCHITECTURE.md says which folders each folder may
// include. Every #include "..." in src/ keeps to it, and the view of src/ each library is compiled
// against (build/src/layers/<library>/) holds exactly the folders the table allows, so that the
// document, the build and the sources cannot drift apart.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

struct Layer {
    QString library;
    QStringList mayInclude; // besides the folder itself
};
using LayerTable = QMap<QString, Layer>; // by folder, relative to src/

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The rows "| `folder` | `library` | `layer`, `layer` |" of the document's table (a dash for none).
LayerTable parseLayerTable(const QString& document) {
    static const QRegularExpression row(
        QStringLiteral(R"(^\|\s*`([a-z/]+)`\s*\|\s*`(ferlo_[a-z]+)`\s*\|([^|]*)\|\s*$)"),
        QRegularExpression::MultilineOption);
    static const QRegularExpression quoted(QStringLiteral("`([a-z/]+)`"));
    LayerTable table;
    for (const QRegularExpressionMatch& match : row.globalMatch(document)) {
        Layer layer{match.captured(2), {}};
        for (const QRegularExpressionMatch& name : quoted.globalMatch(match.captured(3)))
            layer.mayInclude << name.captured(1);
        table.insert(match.captured(1), layer);
    }
    return table;
}

// What is wrong with the #include "..." lines of one file of `folder`: each names a file by its
// folder under src/ ("layout/Card.h"), and that folder is the file's own or one the table allows.
QStringList includeFaults(const LayerTable& table, const QString& folder, const QString& file,
                          const QString& text) {
    static const QRegularExpression include(QStringLiteral(R"re(^\s*#\s*include\s*"([^"]+)")re"),
                                            QRegularExpression::MultilineOption);
    QStringList faults;
    if (!table.contains(folder))
        return {QStringLiteral("%1: the folder %2 has no row in the table").arg(file, folder)};
    const Layer& layer = table[folder];
    for (const QRegularExpressionMatch& match : include.globalMatch(text)) {
        const QString included = match.captured(1);
        const qsizetype slash = included.lastIndexOf(QLatin1Char('/'));
        const QString from = slash > 0 ? included.left(slash) : QString();
        if (from.isEmpty() || included.contains(QLatin1String("..")))
            faults << QStringLiteral("%1: \"%2\" does not name its folder under src/")
                          .arg(file, included);
        else if (from != folder && !layer.mayInclude.contains(from))
            faults << QStringLiteral("%1: \"%2\" reaches %3, which %4 may not include")
                          .arg(file, included, from, folder);
    }
    return faults;
}

QString sourceDir() {
    return QStringLiteral(FERLO_SOURCE_DIR "/src");
}

QStringList sourceFolders() {
    QStringList folders;
    QDirIterator it(sourceDir(), QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << QDir(sourceDir()).relativeFilePath(it.next());
    folders.sort();
    return folders;
}

LayerTable documentTable() {
    return parseLayerTable(readText(QStringLiteral(FERLO_SOURCE_DIR "/docs/ARCHITECTURE.md")));
}

} // namespace

class TestLayers : public QObject {
    Q_OBJECT

private slots:
    void tableIsWhole() {
        const LayerTable table = documentTable();
        QVERIFY2(table.size() >= 9, "docs/ARCHITECTURE.md has no table of layers");
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            for (const QString& name : it->mayInclude)
                QVERIFY2(table.contains(name),
                         qPrintable(it.key() + " may include " + name + ", which has no row"));
    }

    void checkerFindsFaults_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("faults");
        QTest::newRow("own folder") << "storage"
                                    << "#include \"storage/Errors.h\"" << 0;
        QTest::newRow("a layer below") << "storage"
                                       << "#include \"layout/Card.h\"" << 0;
        QTest::newRow("system headers are not ours") << "layout"
                                                     << "#include <QString>" << 0;
        QTest::newRow("reaching up") << "storage"
                                     << "#include \"mainwindow/FerloMainForm.h\"" << 1;
        QTest::newRow("reaching up, spaced") << "storage"
                                             << "  #  include \"printing/X.h\"" << 1;
        QTest::newRow("a nested layer is not its parent's")
            << "printing"
            << "#include \"printing/job/PrintJob.h\"" << 1;
        QTest::newRow("sideways") << "sound"
                                  << "#include \"pictures/PictureDecoder.h\"" << 1;
        QTest::newRow("no folder") << "layout"
                                   << "#include \"Card.h\"" << 1;
        QTest::newRow("climbing out") << "layout"
                                      << "#include \"layout/../app/X.h\"" << 1;
        QTest::newRow("a folder without a row") << "widgets"
                                                << "#include \"layout/Card.h\"" << 1;
        QTest::newRow("each line counts") << "layout"
                                          << "#include \"layout/Card.h\"\n#include \"storage/"
                                             "Paths.h\"\n#include \"app/X.h\""
                                          << 2;
    }
    void checkerFindsFaults() {
        QFETCH(QString, folder);
        QFETCH(QString, text);
        QFETCH(int, faults);
        const LayerTable table = parseLayerTable(
            QStringLiteral("| folder | library | may include |\n|---|---|---|\n"
                           "| `layout` | `ferlo_layout` | — |\n"
                           "| `storage` | `ferlo_storage` | `layout` |\n"
                           "| `sound` | `ferlo_sound` | `storage`, `layout` |\n"
                           "| `pictures` | `ferlo_pictures` | `storage`, `layout` |\n"
                           "| `printing` | `ferlo_printing` | `pictures`, `storage`, `layout` |\n"
                           "| `printing/job` | `ferlo_printjob` | `printing`, `layout` |\n"));
        QCOMPARE(table.size(), 6);
        QCOMPARE(includeFaults(table, folder, QStringLiteral("x.cpp"), text).size(), faults);
    }

    void sourcesKeepToTheirLayers_data() {
        QTest::addColumn<QString>("folder");
        for (const QString& folder : sourceFolders())
            QTest::newRow(qPrintable(folder)) << folder;
    }
    void sourcesKeepToTheirLayers() {
        QFETCH(QString, folder);
        const LayerTable table = documentTable();
        const QDir dir(sourceDir() + QLatin1Char('/') + folder);
        QStringList faults;
        const QStringList files = dir.entryList(
            {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.def")}, QDir::Files);
        for (const QString& name : files)
            faults << includeFaults(table, folder, folder + QLatin1Char('/') + name,
                                    readText(dir.filePath(name)));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // The build compiles each library against the folders of its row, no more and no fewer (a
    // layer the table names but this tree does not hold yet is left out).
    void viewsAreTheTable_data() {
        QTest::addColumn<QString>("folder");
        const QStringList folders = sourceFolders();
        const LayerTable table = documentTable();
        for (auto it = table.cbegin(); it != table.cend(); ++it)
            if (folders.contains(it.key()))
                QTest::newRow(qPrintable(it.key())) << it.key();
    }
    void viewsAreTheTable() {
        QFETCH(QString, folder);
        const LayerTable table = documentTable();
        const QStringList present = sourceFolders();
        QStringList expected{folder};
        for (const QString& layer : table[folder].mayInclude)
            if (present.contains(layer))
                expected << layer;
        const QString view =
            QStringLiteral(FERLO_BINARY_DIR "/src/layers/") + table[folder].library;
        QVERIFY2(QFileInfo(view).isDir(), qPrintable("no view " + view));
        // The folders of the view that hold headers.
        QStringList seen;
        QDirIterator it(view, QDir::Files | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString folderOf = QDir(view).relativeFilePath(QFileInfo(it.next()).path());
            if (!seen.contains(folderOf))
                seen << folderOf;
        }
        expected.sort();
        seen.sort();
        QCOMPARE(seen, expected);
    }
};

QTEST_GUILESS_MAIN(TestLayers)
#include "tst_layers.moc"
