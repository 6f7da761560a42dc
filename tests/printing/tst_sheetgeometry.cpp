// Every rectangle, round and elliptic sheet of the installed sheet templates, painted by the page
// painter with outlines on: each label's outline must lie within 0.2 mm of where the template
// puts it. The expected labels are read from the XML here, by this test's own reader.
#include "layout/CardModel.h"
#include "printing/CardPage.h"
#include "printing/PagePainter.h"
#include "storage/Errors.h"
#include "storage/SheetTemplates.h"

#include <QDir>
#include <QPaintEngine>
#include <QPainter>
#include <QXmlStreamReader>
#include <QtTest>

#include <cmath>

using namespace ferlo;

namespace {

constexpr int kDpi = 600;
constexpr double kTolerance = 0.2; // mm

// A paint device that keeps the bounding box of every path drawn on it.
class OutlineRecorder : public QPaintDevice {
public:
    OutlineRecorder(QSize size)
        : m_size(size) {}
    QPaintEngine* paintEngine() const override { return &m_engine; }
    const QList<QRectF>& outlines() const { return m_engine.outlines; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return kDpi;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    struct Engine : QPaintEngine {
        Engine()
            : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPath(const QPainterPath& path) override {
            outlines << state->transform().map(path).boundingRect();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        Type type() const override { return User; }
        QList<QRectF> outlines;
    };
    QSize m_size;
    mutable Engine m_engine;
};

double toMm(QStringView text) {
    static const QList<std::pair<QString, double>> units = {
        {"mm", 1.0}, {"cm", 10.0}, {"in", 25.4}, {"pt", 25.4 / 72}, {"pc", 25.4 / 6}};
    for (const auto& [unit, factor] : units)
        if (text.endsWith(unit))
            return text.chopped(unit.size()).toDouble() * factor;
    return text.toDouble() * 25.4 / 72; // bare numbers are points
}

struct Expected {
    QString name;
    QString file;
    QList<QRectF> labels; // mm
};

// The sheets of one file with rectangle, round or elliptic labels, equivalents left out (they
// are the same sheet under another number).
QList<Expected> expectedSheets(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Expected> sheets;
    QXmlStreamReader xml(&file);
    double width = 0, height = 0;
    bool inLabel = false;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::EndElement &&
            xml.name().startsWith(QLatin1String("Label-")))
            inLabel = false;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == QLatin1String("Template")) {
            inLabel = false;
            if (!a.hasAttribute("equiv"))
                sheets.append(
                    {a.value("brand").toString() + ' ' + a.value("part").toString(), path, {}});
        } else if (xml.name() == QLatin1String("Label-rectangle") ||
                   xml.name() == QLatin1String("Label-ellipse")) {
            width = toMm(a.value("width")), height = toMm(a.value("height"));
            inLabel = !sheets.isEmpty();
        } else if (xml.name() == QLatin1String("Label-round")) {
            width = height = 2 * toMm(a.value("radius"));
            inLabel = !sheets.isEmpty();
        } else if (xml.name() == QLatin1String("Layout") && inLabel) {
            const int nx = a.value("nx").toInt(), ny = a.value("ny").toInt();
            for (int y = 0; y < ny; ++y)
                for (int x = 0; x < nx; ++x)
                    sheets.last().labels
                        << QRectF(toMm(a.value("x0")) + x * toMm(a.value("dx")),
                                  toMm(a.value("y0")) + y * toMm(a.value("dy")), width, height);
        }
    }
    sheets.removeIf([](const Expected& sheet) { return sheet.labels.isEmpty(); });
    return sheets;
}

double deviation(const QRectF& a, const QRectF& b) {
    return std::max({std::abs(a.left() - b.left()), std::abs(a.top() - b.top()),
                     std::abs(a.right() - b.right()), std::abs(a.bottom() - b.bottom())});
}

} // namespace

class TestSheetGeometry : public QObject {
    Q_OBJECT

private slots:
    void everySheetLiesWhereItsTemplateSays() {
        const QDir folder(sheetTemplateFolder());
        const QStringList files = folder.entryList({"*-templates.xml"}, QDir::Files, QDir::Name);
        if (files.isEmpty())
            QSKIP("the sheet templates are not installed");
        int checked = 0, labels = 0;
        double worst = 0;
        QString worstSheet;
        QStringList refused, seen;
        for (const QString& name : files) {
            for (const Expected& sheet : expectedSheets(folder.filePath(name))) {
                const QString key = sheet.name.toLower().remove(' ');
                if (seen.contains(key))
                    continue; // a second template of the same name: the first one is used
                seen << key;
                CardLayout layout;
                layout.kind = CardLayout::Kind::Sheet;
                layout.Name = sheet.name.toStdString();
                layout.Outlines = true;
                layout.setCells(int(sheet.labels.size()));
                CardModel card;
                card.setLabels(false);
                card.setCutLines(false);
                CardPage page;
                try {
                    card.setLayout(layout);
                    page = makeCardPage(card);
                } catch (const Error& error) {
                    // The reader's own reason, if it gave one.
                    QString reason = error.message();
                    for (const QString& refusal : installedSheets().Refused)
                        if (refusal.startsWith("The sheet " + sheet.name + " in "))
                            reason = refusal;
                    refused << reason;
                    continue;
                }
                const double perMm = kDpi / 25.4;
                OutlineRecorder device(QSize(int(page.Arrangement.plan()->PaperWidth * perMm),
                                             int(page.Arrangement.plan()->PaperHeight * perMm)));
                QPainter painter(&device);
                paintCardPage(painter, QSize(device.width(), device.height()), page);
                painter.end();
                QCOMPARE(device.outlines().size(), sheet.labels.size());
                for (const QRectF& expected : sheet.labels) {
                    double best = 1e9;
                    for (const QRectF& drawn : device.outlines()) {
                        const QRectF mm(drawn.topLeft() / perMm, drawn.size() / perMm);
                        best = std::min(best, deviation(expected, mm));
                    }
                    if (best > worst)
                        worst = best, worstSheet = sheet.name;
                    QVERIFY2(best <= kTolerance,
                             qPrintable(QStringLiteral("%1 (%2): a label %3 mm off")
                                            .arg(sheet.name, sheet.file)
                                            .arg(best)));
                    ++labels;
                }
                ++checked;
            }
        }
        qInfo("%d sheets with %d labels checked, worst deviation %.4f mm (%s); %d refused:",
              checked, labels, worst, qPrintable(worstSheet), int(refused.size()));
        for (const QString& reason : refused)
            qInfo("  %s", qPrintable(reason));
        QVERIFY(checked > 500);
    }
};

QTEST_MAIN(TestSheetGeometry)
#include "tst_sheetgeometry.moc"
