#include "support/PageFiles.h"

#include "support/TestSupport.h"

#include "printing/PdfExport.h"

#include <QColor>
#include <QDebug>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace ferlo::test {

bool isDark(QRgb pixel) {
    return qGray(pixel) < 128;
}

int darkInColumn(const QImage& image, int x, int y0, int y1) {
    int count = 0;
    for (int y = y0; y <= y1; ++y)
        count += isDark(image.pixel(x, y)) ? 1 : 0;
    return count;
}

int darkInRow(const QImage& image, int y, int x0, int x1) {
    int count = 0;
    for (int x = x0; x <= x1; ++x)
        count += isDark(image.pixel(x, y)) ? 1 : 0;
    return count;
}

QRect darkBounds(const QImage& image, const QRect& region) {
    QRect bounds;
    const QRect inside = region & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (isDark(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

QColor meanColour(const QImage& image, const QRect& region) {
    long long r = 0, g = 0, b = 0, n = 0;
    const QRect inside = region & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
            ++n;
        }
    if (n == 0)
        return {};
    return QColor(int(r / n), int(g / n), int(b / n));
}

QString writeSolidJpeg(const QString& path, int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    writeJpeg(path, image, 95);
    return path;
}

static QByteArray runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        qWarning() << program << arguments << process.readAllStandardError();
        return {};
    }
    return process.readAllStandardOutput();
}

QString pdfInfoValue(const QString& pdf, const QString& key) {
    const QString info = QString::fromUtf8(runTool(QStringLiteral("pdfinfo"), {pdf}));
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(key),
                                  QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

int pdfPageCount(const QString& pdf) {
    const QString pages = pdfInfoValue(pdf, QStringLiteral("Pages"));
    return pages.isEmpty() ? -1 : pages.toInt();
}

QStringList pdfPageSizes(const QString& pdf) {
    const QString info = QString::fromUtf8(
        runTool(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"),
                                            QStringLiteral("-l"), QStringLiteral("9999"), pdf}));
    static const QRegularExpression line(QStringLiteral("^Page +\\d+ size: *(\\S+ x \\S+)"),
                                         QRegularExpression::MultilineOption);
    QStringList sizes;
    for (const QRegularExpressionMatch& match : line.globalMatch(info))
        sizes << match.captured(1);
    return sizes;
}

QByteArray pdfWithoutDates(const QString& pdf) {
    QFile file(pdf);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression varying(
        QStringLiteral(R"(/CreationDate \([^)]*\)|/ModDate \([^)]*\)|/ID \[[^\]]*\])"));
    return QString::fromLatin1(file.readAll()).replace(varying, QStringLiteral("-")).toLatin1();
}

QByteArray printedPdf(const QList<CardPage>& pages, const QString& path, const QPageSize& size,
                      int dpi) {
    writeCardPdf(path, pages, size, dpi);
    return pdfWithoutDates(path);
}

QImage renderPdfPage(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
             QString::number(page), QStringLiteral("-l"), QString::number(page),
             QStringLiteral("-singlefile"), QStringLiteral("-png"), pdf, prefix});
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QList<PdfPage> pdfWords(const QString& pdf) {
    QProcess tool;
    tool.start("pdftotext", {"-bbox", pdf, "-"});
    if (!tool.waitForFinished(60000) || tool.exitCode() != 0)
        return {};
    QList<PdfPage> pages;
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression tag(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" )re"
        R"re(xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (const QRegularExpressionMatch& m : tag.globalMatch(html)) {
        if (!m.captured(1).isEmpty())
            pages.append({QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()), {}});
        else if (!pages.isEmpty())
            pages.last().words.append(
                {m.captured(7),
                 QRectF(QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()),
                        QPointF(m.captured(5).toDouble(), m.captured(6).toDouble()))});
    }
    return pages;
}

QStringList wordTexts(const PdfPage& page) {
    QStringList texts;
    for (const PdfWord& word : page.words)
        texts << word.text;
    return texts;
}

} // namespace ferlo::test
