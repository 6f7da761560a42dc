#include "printing/LabelText.h"

#include "storage/Errors.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QPageLayout>
#include <QPdfWriter>

// qpdf's own pointer type is not used: its headers need not warn of the change to std::shared_ptr.
#define POINTERHOLDER_TRANSITION 4
#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <algorithm>

namespace ferlo {

namespace {
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

// The dictionary of a page's fonts, made when the page has none.
QPDFObjectHandle pageFonts(QPDFPageObjectHelper& page) {
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
    return fonts;
}

// Adds a page's words as text of its own, over what the page draws.
void addPageWords(QPDF& document, QPDFPageObjectHelper& page,
                  const QList<PdfTextLayer::Word>& words) {
    using Word = PdfTextLayer::Word;
    QPDFObjectHandle fonts = pageFonts(page);
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
            text += number(2 * box.width()) + " 0 0 " + number(size) + ' ' + number(box.x()) + ' ' +
                    number(box.y() + 0.35 * size) + " Tm <" +
                    QByteArray::number(i, 16).rightJustified(2, '0') + "> Tj\n";
        }
    }
    text += "ET\n";
    // The page's own drawing runs in a saved state of its own, so that the text starts
    // from the page's coordinates whatever that drawing leaves set.
    page.addPageContents(document.newStream(std::string("q\n")), true);
    page.addPageContents(document.newStream(text.toStdString()), false);
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
            addPageWords(document, pages[index], words);
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

} // namespace ferlo
