#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>

class QPainter;

namespace ferlo {

// What an SVG drawing may hold before it is drawn. A symbol of the installed set is a few
// kilobytes; a user's own drawing may come from anywhere, so every measure that decides how
// long reading and drawing take, or how much memory they need, is bounded.
struct SvgLimits {
    qint64 maxBytes = 4 * 1024 * 1024; // the file, read no further
    int maxDepth = 64;                 // elements inside elements
    int maxElements = 100'000;         // elements in the document
    // Elements drawn, each <use> counted as the elements it draws again (nested uses multiply).
    qint64 maxDrawnElements = 250'000;
    int maxEntities = 64;                // internal entities declared in the document type
    int maxEntityLength = 1024;          // characters of one entity's value
    qint64 maxEntityExpansion = 1 << 20; // characters all entity references expand to
    int maxEmbeddedSide = 4096;          // pixels of an embedded picture (data: address), per side
    int maxImageSide = 16384;            // pixels per side of an image drawn from the drawing
};

// An SVG drawing read and checked within bounds, ready to be drawn any number of times, on any
// thread (each drawing makes its own renderer). A drawing that refers to anything outside
// itself (another file, a web address, a style sheet) is refused, as is one whose document type
// declares external or nested entities: drawing it never opens another file.
class SvgPicture {
public:
    // Reads a regular file (a link is followed; a folder, a device or a pipe is refused before
    // any byte is read) of at most limits.maxBytes. Throws ferlo::Error naming the file and the
    // cause.
    static SvgPicture fromFile(const QString& path, const SvgLimits& limits = {});
    // The same for bytes already read; `name` is the file the message names.
    static SvgPicture fromData(const QByteArray& data, const QString& name,
                               const SvgLimits& limits = {});

    // The drawing's own coordinates: its viewBox, else its width and height.
    QRectF viewBox() const { return m_viewBox; }
    // Width over height, always finite and positive.
    double aspect() const { return m_viewBox.width() / m_viewBox.height(); }
    const QString& name() const { return m_name; }

    // Draws the whole drawing into the target rectangle (stretched to it: callers fit the
    // rectangle to aspect()). On a PDF or a printer the drawing stays vectors.
    void render(QPainter& painter, const QRectF& target) const;
    // The drawing at `size` on a transparent (or the given) background. Throws ferlo::Error for a
    // size beyond limits.maxImageSide or one that cannot be allocated.
    QImage toImage(QSize size, const QColor& background = Qt::transparent) const;

private:
    SvgPicture() = default;

    QByteArray m_data;
    QString m_name;
    QRectF m_viewBox;
    int m_maxImageSide = 0;
};

// Reads at most maxBytes of a regular file (a drawing, a list of words): a link is followed,
// anything but a regular file is refused before it is read, so a pipe or a device never blocks or
// runs on. Throws ferlo::Error naming the file: missing, unreadable, not a file, or larger than
// maxBytes.
QByteArray readBoundedFile(const QString& path, qint64 maxBytes);

} // namespace ferlo
