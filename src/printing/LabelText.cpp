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

} // namespace

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
