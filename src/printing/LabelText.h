#pragma once

#include <QByteArray>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;
class QPaintDevice;
class QPdfWriter;

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
// Qt's character maps hold no character beyond the first plane (𝒜, 🐕, 𠀀): a word with one is
// drawn as outlines alone, and its text goes to the writer's PdfTextLayer when it has one.
void drawLabelLine(QPainter& painter, const QFont& font, QPointF origin, const QString& text);

// Whether a word's text needs a PdfTextLayer to come back from a PDF: it has a character beyond
// the first plane.
bool needsPdfTextLayer(const QString& text);

// The text of the label words that Qt's PDF writer cannot carry, gathered while a QPdfWriter's
// pages are painted (drawLabelLine finds the layer of the writer it paints on), then written
// into the finished document: on each page, over each word, the word in logical order as
// invisible text (rendering mode 3) in a font of no glyphs whose character map gives the word.
// Text extraction, search and copying then find the word where it stands.
class PdfTextLayer {
public:
    explicit PdfTextLayer(QPdfWriter& writer);
    ~PdfTextLayer();
    PdfTextLayer(const PdfTextLayer&) = delete;
    PdfTextLayer& operator=(const PdfTextLayer&) = delete;

    // The words drawn from now on lie on the page `index` (from 0) of the document.
    void beginPage(int index) { m_page = index; }
    // A word, or a stretch of one, drawn on the writer: its box in the device's pixels.
    void addText(const QRectF& box, const QString& text);
    bool isEmpty() const { return m_words.isEmpty(); }

    // The document the writer wrote, with the words' text added to its pages; a document that
    // cannot be read or written throws ferlo::Error with the cause.
    QByteArray addTo(const QByteArray& pdf) const;

    // The layer of a paint device, if it has one.
    static PdfTextLayer* of(const QPaintDevice* device);

    struct Word {
        int page = 0;
        QRectF box; // in points of PDF user space: x, y its bottom left corner (y grows upward)
        QString text;
    };

private:
    QPdfWriter& m_writer;
    int m_page = 0;
    QList<Word> m_words;
};

} // namespace ferlo
