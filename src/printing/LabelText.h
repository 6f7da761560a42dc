#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;
class QPaintDevice;

namespace ferlo {

// A label's word in one line, shaped with the font on a device (bidirectional order, joining,
// conjuncts, and the fallback fonts that show the characters the font lacks): its advance, and
// its line, ascent plus descent. The line is the font's own, taller only where the ink of the
// shaped glyphs rises above it or reaches below it (a vowel sign over a Thai consonant, one
// under a Devanagari letter), so that no part of a letter leaves the band it is fitted to; a
// fallback font's generous line spacing alone does not make the word smaller.
struct ShapedLine {
    int width = 0;
    int ascent = 0;
    int height = 0;
};
ShapedLine measureShapedLine(const QFont& font, const QString& text, const QPaintDevice* device);

// Draws the word in one line with the painter's pen, the left end of its baseline at `origin`,
// as QPainter::drawText does. A PDF document's text is written glyph by glyph, each read back
// as the first character its font maps to it; a word whose glyphs do not map back to its
// characters one by one in reading order (right-to-left, joined or combined letters) is drawn
// in a PDF written by QPdfWriter as the outlines of its glyphs, with its characters in logical
// order as invisible text over them, so that the document's text is the word as written.
void drawLabelLine(QPainter& painter, const QFont& font, QPointF origin, const QString& text);

} // namespace ferlo
