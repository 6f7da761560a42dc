#include "printing/LabelText.h"

#include "storage/Errors.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QHash>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QRawFont>
#include <QTextLayout>

// qpdf's own pointer type is not used: its headers need not warn of the change to std::shared_ptr.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>
#include <cmath>
#include <optional>

namespace ferlo {

namespace {

// A word reads in the direction of its first letter that has one, whatever the language of the
// window: the page looks the same wherever it is made.
Qt::LayoutDirection directionOf(const QString& text) {
    return text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
}

// The word laid out in one line on the device.
struct LaidOutLine {
    QTextLayout layout;
    QTextLine line;
    LaidOutLine(const QFont& font, const QString& text, const QPaintDevice* device)
        : layout(text, font, const_cast<QPaintDevice*>(device)) {
        layout.setCacheEnabled(true);
        QTextOption option = layout.textOption();
        option.setTextDirection(directionOf(text));
        layout.setTextOption(option);
        layout.beginLayout();
        line = layout.createLine();
        layout.endLayout();
    }
};

// The glyph a font's own character map gives a code point (0 where it has none).
quint32 nominalGlyph(const QRawFont& font, char32_t c) {
    const QList<quint32> glyphs = font.glyphIndexesForString(QString::fromUcs4(&c, 1));
    return glyphs.size() == 1 ? glyphs.front() : 0;
}

// Whether a PDF's text of the glyphs drawn for the line is the word: every glyph left to right
// is the nominal glyph of the next character, in the first plane (a PDF's character map as Qt
// writes it covers no other).
bool glyphsReadBack(const LaidOutLine& laidOut, const QList<uint>& codePoints) {
    qsizetype next = 0;
    for (const QGlyphRun& run : laidOut.layout.glyphRuns()) {
        if (run.isRightToLeft())
            return false;
        const QRawFont font = run.rawFont();
        for (const quint32 glyph : run.glyphIndexes()) {
            if (next >= codePoints.size() || codePoints[next] > 0xFFFF ||
                nominalGlyph(font, codePoints[next]) != glyph)
                return false;
            ++next;
        }
    }
    return next == codePoints.size();
}

// Each stretch of the word between two cursor positions (a grapheme, or a ligature's part) in
// logical order: its characters `from` to `to` and where it starts and ends on the line (`end`
// left of `start` in a right-to-left run).
template <typename Visit> void forEachStretch(const LaidOutLine& laidOut, Visit visit) {
    const QString& text = laidOut.layout.text();
    for (int from = 0; from < text.size();) {
        int to = from + 1;
        while (to < text.size() && !laidOut.layout.isValidCursorPosition(to))
            ++to;
        visit(from, to, laidOut.line.cursorToX(from), laidOut.line.cursorToX(to));
        from = to;
    }
}

// The word's characters as invisible text over its glyphs: each stretch between two cursor
// positions (a grapheme, or a ligature's part) gets its own characters, each its font's
// nominal glyph, side by side in reading order and scaled to the stretch's width, so that
// text extraction finds them where the word stands, in logical order.
void drawInvisibleCharacters(QPainter& painter, const LaidOutLine& laidOut, QPointF origin) {
    const QString& text = laidOut.layout.text();
    const QList<QGlyphRun> allRuns = laidOut.layout.glyphRuns();
    painter.save();
    painter.setPen(QColor(0, 0, 0, 0));
    forEachStretch(laidOut, [&](int from, int to, qreal start, qreal end) {
        const QList<QGlyphRun> runs = laidOut.layout.glyphRuns(from, to - from);
        struct Glyph {
            QRawFont font;
            quint32 index;
            qreal advance;
        };
        QList<Glyph> glyphs;
        qreal total = 0;
        for (const char32_t c : text.mid(from, to - from).toUcs4()) {
            // The font that shows the stretch, else any of the word's fonts that has the
            // character; a character no font has is left out, as it shows no letter.
            Glyph glyph{QRawFont(), 0, 0};
            for (const QList<QGlyphRun>* list : {&runs, &allRuns}) {
                for (qsizetype r = 0; r < list->size() && glyph.index == 0; ++r) {
                    glyph.font = list->at(r).rawFont();
                    glyph.index = nominalGlyph(glyph.font, c);
                }
            }
            if (glyph.index == 0)
                continue;
            glyph.advance = glyph.font.advancesForGlyphIndexes({glyph.index}).value(0).x();
            total += glyph.advance;
            glyphs << glyph;
        }
        const qreal width = std::abs(end - start);
        const qreal scale = total > 0 && width > 0 ? width / total : 1;
        qreal done = 0;
        for (const Glyph& glyph : glyphs) {
            const qreal x =
                end >= start ? start + done * scale : start - (done + glyph.advance) * scale;
            done += glyph.advance;
            QGlyphRun run;
            run.setRawFont(glyph.font);
            run.setGlyphIndexes({glyph.index});
            run.setPositions({QPointF(0, 0)});
            painter.save();
            painter.translate(origin.x() + x, origin.y());
            painter.scale(scale, 1);
            painter.drawGlyphRun(QPointF(0, 0), run);
            painter.restore();
        }
    });
    painter.restore();
}

// The layers of the writers being painted.
QMutex layersLock;
QHash<const QPaintDevice*, PdfTextLayer*>& layers() {
    static QHash<const QPaintDevice*, PdfTextLayer*> all;
    return all;
}

// A number as a PDF content stream writes it.
QByteArray number(qreal value) {
    return QByteArray::number(value, 'f', 3);
}

// A font of `count` codes (from 0), each a glyph that draws nothing and is half the text size
// wide, the code `i` read back as `texts[i]`. Half an em is the width text extraction takes a
// letter of a font of its own glyphs (Type 3) to have, and 0.95 above the baseline and 0.35
// below it their height, so that it places the text where it is set.
QPDFObjectHandle textFont(QPDF& document, const QStringList& texts) {
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
    QByteArray widths, names;
    // A character map lists at most 100 characters in one block.
    for (qsizetype first = 0; first < texts.size(); first += 100) {
        const qsizetype count = std::min<qsizetype>(100, texts.size() - first);
        map += QByteArray::number(count) + " beginbfchar\n";
        for (qsizetype i = first; i < first + count; ++i) {
            const QString& text = texts[i];
            QByteArray units;
            for (const QChar unit : text)
                units += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0');
            map += '<' + QByteArray::number(i, 16).rightJustified(2, '0') + "> <" +
                   units.toUpper() + ">\n";
        }
        map += "endbfchar\n";
    }
    map += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    for (qsizetype i = 0; i < texts.size(); ++i) {
        widths += " 500";
        names += " /w";
    }
    QPDFObjectHandle font = QPDFObjectHandle::parse(
        "<< /Type /Font /Subtype /Type3 /FontBBox [0 -350 500 950]"
        " /FontMatrix [0.001 0 0 0.001 0 0] /Resources << >> /FirstChar 0 /LastChar " +
        std::to_string(texts.size() - 1) + " /Widths [" + widths.toStdString() +
        "] /Encoding << /Type /Encoding /Differences [0" + names.toStdString() + "] >> >>");
    font.replaceKey("/CharProcs", QPDFObjectHandle::newDictionary(
                                      {{"/w", document.newStream(std::string("500 0 d0\n"))}}));
    font.replaceKey("/ToUnicode", document.newStream(map.toStdString()));
    return document.makeIndirectObject(font);
}

} // namespace

bool needsPdfTextLayer(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar unit) { return unit.isSurrogate(); });
}

PdfTextLayer::PdfTextLayer(QPdfWriter& writer)
    : m_writer(writer) {
    const QMutexLocker locked(&layersLock);
    layers().insert(&writer, this);
}

PdfTextLayer::~PdfTextLayer() {
    const QMutexLocker locked(&layersLock);
    layers().remove(&m_writer);
}

PdfTextLayer* PdfTextLayer::of(const QPaintDevice* device) {
    const QMutexLocker locked(&layersLock);
    return layers().value(device);
}

void PdfTextLayer::addText(const QRectF& box, const QString& text) {
    // Device pixels to points as Qt's PDF writer places them: from the printable area's corner,
    // the page's height less the distance from its top.
    const int resolution = m_writer.resolution();
    const QPageLayout page = m_writer.pageLayout();
    const qreal scale = 72.0 / resolution;
    const QPoint corner = page.mode() == QPageLayout::FullPageMode
                              ? QPoint()
                              : page.paintRectPixels(resolution).topLeft();
    const qreal height = page.fullRectPoints().height();
    m_words.append(
        {m_page,
         QRectF(scale * (box.left() + corner.x()), height - scale * (box.bottom() + corner.y()),
                scale * box.width(), scale * box.height()),
         text});
}

QByteArray PdfTextLayer::addTo(const QByteArray& pdf) const {
    try {
        QPDF document;
        document.setSuppressWarnings(true);
        document.processMemoryFile("document", pdf.constData(), size_t(pdf.size()));
        std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(document).getAllPages();
        for (size_t index = 0; index < pages.size(); ++index) {
            QList<Word> words;
            for (const Word& word : m_words) {
                if (word.page == int(index))
                    words << word;
            }
            if (words.isEmpty())
                continue;
            QPDFPageObjectHelper& page = pages[index];
            QPDFObjectHandle resources = page.getAttribute("/Resources", true);
            if (!resources.isDictionary()) {
                resources = QPDFObjectHandle::newDictionary();
                page.getObjectHandle().replaceKey("/Resources", resources);
            }
            QPDFObjectHandle fonts = resources.getKey("/Font");
            if (!fonts.isDictionary()) {
                fonts = QPDFObjectHandle::newDictionary();
                resources.replaceKey("/Font", fonts);
            }
            // The texts in text rendering mode 3, neither filled nor stroked; one font holds
            // the codes of 256 texts. Each text's one glyph spans its box: twice its width, as
            // the glyph is half an em wide, and its height in 1.3 em.
            QByteArray text = "Q\nBT\n3 Tr\n";
            for (qsizetype first = 0; first < words.size(); first += 256) {
                const QList<Word> some = words.mid(first, 256);
                QStringList texts;
                for (const Word& word : some)
                    texts << word.text;
                std::string name;
                for (int n = 1; name.empty() || fonts.hasKey(name); ++n)
                    name = "/FerloText" + std::to_string(n);
                fonts.replaceKey(name, textFont(document, texts));
                text += QByteArray::fromStdString(name) + " 1 Tf\n";
                for (qsizetype i = 0; i < some.size(); ++i) {
                    const QRectF& box = some[i].box;
                    const qreal size = box.height() / 1.3;
                    text += number(2 * box.width()) + " 0 0 " + number(size) + ' ' +
                            number(box.x()) + ' ' + number(box.y() + 0.35 * size) + " Tm <" +
                            QByteArray::number(i, 16).rightJustified(2, '0') + "> Tj\n";
                }
            }
            text += "ET\n";
            // The page's own drawing runs in a saved state of its own, so that the text starts
            // from the page's coordinates whatever that drawing leaves set.
            page.addPageContents(document.newStream(std::string("q\n")), true);
            page.addPageContents(document.newStream(text.toStdString()), false);
        }
        QPDFWriter writer(document);
        writer.setOutputMemory();
        writer.setDeterministicID(true);
        writer.write();
        const std::shared_ptr<Buffer> written = writer.getBufferSharedPointer();
        return QByteArray(reinterpret_cast<const char*>(written->getBuffer()),
                          qsizetype(written->getSize()));
    } catch (const std::exception& error) {
        throw Error(QCoreApplication::translate("Printing",
                                                "the text of its label words could not be added "
                                                "(%1).")
                        .arg(QString::fromLocal8Bit(error.what())));
    }
}

ShapedLine measureShapedLine(const QFont& font, const QString& text, const QPaintDevice* device) {
    const QFontMetrics metrics(font, device);
    const QFontMetricsF exact(font, device);
    // The ink of the shaped glyphs where they stand (marks moved onto their letters), fallback
    // fonts' included, from the baseline.
    const LaidOutLine laidOut(font, text, device);
    QRectF ink;
    for (const QGlyphRun& run : laidOut.layout.glyphRuns()) {
        const QRawFont used = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
            const QRectF glyph = used.boundingRect(glyphs[i]).translated(positions[i]);
            if (!glyph.isEmpty())
                ink |= glyph;
        }
    }
    ink.translate(0, -laidOut.line.ascent());
    // Ink that rises above the font's line or reaches below it, in whole pixels, makes the line
    // taller (a few thousandths are rounding, not ink).
    const auto whole = [](qreal beyond) {
        return int(std::ceil(std::max<qreal>(0, beyond - 1e-3)));
    };
    const int rise = ink.isEmpty() ? 0 : whole(-ink.top() - exact.ascent());
    const int reach = ink.isEmpty() ? 0 : whole(ink.bottom() - exact.descent());
    return {metrics.horizontalAdvance(text), metrics.ascent() + rise,
            metrics.height() + rise + reach};
}

void drawLabelLine(QPainter& painter, const QFont& font, QPointF origin, const QString& text) {
    painter.save();
    painter.setLayoutDirection(directionOf(text));
    painter.setFont(font);
    std::optional<LaidOutLine> laidOut;
    if (dynamic_cast<const QPdfWriter*>(painter.device()))
        laidOut.emplace(font, text, painter.device());
    if (laidOut && !glyphsReadBack(*laidOut, text.toUcs4())) {
        QPainterPath outlines; // laid out in the word's own direction, as the line is
        outlines.addText(origin, font, text);
        painter.fillPath(outlines, painter.pen().brush());
        PdfTextLayer* layer =
            needsPdfTextLayer(text) ? PdfTextLayer::of(painter.device()) : nullptr;
        if (layer) {
            // Each stretch where it stands, as the invisible characters are: text extraction
            // reads them in the order of the line, as it reads any glyphs.
            const QFontMetricsF metrics(font, painter.device());
            const QTransform toDevice = painter.combinedTransform();
            forEachStretch(*laidOut, [&](int from, int to, qreal start, qreal end) {
                layer->addText(toDevice.mapRect(QRectF(origin.x() + std::min(start, end),
                                                       origin.y() - metrics.ascent(),
                                                       std::abs(end - start), metrics.height())),
                               text.mid(from, to - from));
            });
        } else {
            drawInvisibleCharacters(painter, *laidOut, origin);
        }
    } else {
        painter.drawText(origin, text);
    }
    painter.restore();
}

} // namespace ferlo
