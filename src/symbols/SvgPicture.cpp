#include "symbols/SvgPicture.h"

#include "storage/Errors.h"
#include "storage/NativePath.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace ferlo {

namespace {

[[noreturn]] void refuse(const QString& name, const QString& cause) {
    throw Error(
        QCoreApplication::translate("Symbols", "Cannot read the drawing %1: %2").arg(name, cause));
}

// Closes a file descriptor on every way out.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

// A reference that stays inside the document: "#id", possibly padded.
bool isLocalReference(QStringView value) {
    return value.trimmed().startsWith(u'#');
}

// Every url(...) in a style or presentation attribute must name a part of the document.
bool refersOutside(QStringView text) {
    for (qsizetype at = text.indexOf(u"url(", 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(u"url(", at + 4, Qt::CaseInsensitive)) {
        QStringView inside = text.mid(at + 4).trimmed();
        if (inside.startsWith(u'"') || inside.startsWith(u'\''))
            inside = inside.mid(1);
        if (!inside.startsWith(u'#'))
            return true;
    }
    return text.contains(u"@import", Qt::CaseInsensitive);
}

// An embedded picture (a data: address) must be a raster picture of bounded size: a drawing
// inside the drawing would be read by Qt's SVG image reader, past these checks.
void checkEmbeddedPicture(QStringView address, const QString& name, const SvgLimits& limits) {
    const qsizetype comma = address.indexOf(u',');
    if (comma < 0)
        refuse(name, QCoreApplication::translate(
                         "Symbols", "it holds an embedded picture that cannot be read"));
    const QStringView header = address.left(comma);
    const QByteArray payload = address.mid(comma + 1).toLatin1();
    const QByteArray bytes = header.endsWith(u";base64", Qt::CaseInsensitive)
                                 ? QByteArray::fromBase64(payload)
                                 : QByteArray::fromPercentEncoding(payload);
    QBuffer buffer;
    buffer.setData(bytes);
    QImageReader reader(&buffer);
    static const QList<QByteArray> raster{"png", "jpeg", "jpg", "gif", "bmp", "webp"};
    const QSize size = reader.size();
    if (!raster.contains(reader.format().toLower()))
        refuse(name,
               QCoreApplication::translate(
                   "Symbols", "it holds an embedded picture that is not a PNG, JPEG, GIF, BMP or "
                              "WebP picture"));
    if (size.width() > limits.maxEmbeddedSide || size.height() > limits.maxEmbeddedSide)
        refuse(name, QCoreApplication::translate(
                         "Symbols", "it holds an embedded picture larger than %1 x %1 pixels")
                         .arg(limits.maxEmbeddedSide));
}

// The internal entities of the document type: each a short literal without references of its
// own, and all their uses together expanding to a bounded number of characters.
void checkEntities(const QXmlStreamReader& xml, const QByteArray& data, const QString& name,
                   const SvgLimits& limits) {
    const QXmlStreamEntityDeclarations entities = xml.entityDeclarations();
    if (!xml.notationDeclarations().isEmpty())
        refuse(name,
               QCoreApplication::translate("Symbols", "its document type declares notations"));
    if (entities.size() > limits.maxEntities)
        refuse(name, QCoreApplication::translate("Symbols",
                                                 "its document type declares more than %1 entities")
                         .arg(limits.maxEntities));
    qint64 expansion = 0;
    for (const QXmlStreamEntityDeclaration& entity : entities) {
        if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty() ||
            !entity.notationName().isEmpty())
            refuse(name, QCoreApplication::translate(
                             "Symbols", "its document type refers to another file (%1)")
                             .arg(entity.systemId().toString()));
        const QStringView value = entity.value();
        if (value.size() > limits.maxEntityLength || value.contains(u'&') || value.contains(u'%'))
            refuse(name, QCoreApplication::translate(
                             "Symbols",
                             "its document type declares an entity that is too long or nested (%1)")
                             .arg(entity.name().toString()));
        const QByteArray use = '&' + entity.name().toUtf8() + ';';
        expansion += qint64(data.count(use)) * std::max<qint64>(1, value.size());
        if (expansion > limits.maxEntityExpansion)
            refuse(name, QCoreApplication::translate(
                             "Symbols", "its entities expand to more than %1 characters")
                             .arg(limits.maxEntityExpansion));
    }
}

// Elements drawn with every <use> expanded: each element with an id covers a run of elements
// in document order, and a <use> draws its target's run again, uses inside it included.
class UseExpansion {
public:
    void element() { ++m_elements; }
    qint64 position() const { return m_elements; }
    void named(const QString& id, qint64 from, qint64 to) {
        if (!m_runs.contains(id))
            m_runs.insert(id, {from, to});
    }
    void use(qint64 at, const QString& target) { m_uses.push_back({at, target}); }

    // False when the drawn elements would pass `limit` or the uses form a loop.
    bool within(qint64 limit) {
        m_limit = limit;
        qint64 total = m_elements;
        for (const Use& use : m_uses) {
            total += drawn(use.target);
            if (total > limit)
                return false;
        }
        return true;
    }

private:
    struct Run {
        qint64 from = 0, to = 0;
    };
    struct Use {
        qint64 at = 0;
        QString target;
    };
    // The elements a use of `id` draws; over the limit for a loop.
    qint64 drawn(const QString& id) {
        const auto known = m_drawn.constFind(id);
        if (known != m_drawn.constEnd())
            return *known;
        const auto run = m_runs.constFind(id);
        if (run == m_runs.constEnd())
            return 0;                    // Qt draws nothing for a use of an unknown id
        m_drawn.insert(id, m_limit + 1); // a use reached again while counting is a loop
        qint64 total = run->to - run->from;
        const auto first = std::lower_bound(m_uses.begin(), m_uses.end(), run->from,
                                            [](const Use& use, qint64 at) { return use.at < at; });
        for (auto it = first; it != m_uses.end() && it->at < run->to && total <= m_limit; ++it)
            total += drawn(it->target);
        total = std::min(total, m_limit + 1);
        m_drawn.insert(id, total);
        return total;
    }

    qint64 m_elements = 0;
    qint64 m_limit = 0;
    QHash<QString, Run> m_runs;
    std::vector<Use> m_uses; // in document order
    QHash<QString, qint64> m_drawn;
};

// An element being read: where its run of elements starts, its id, and whether it is a style.
struct OpenElement {
    qint64 from = 0;
    QString id;
    bool style = false;
};

// Refuses an element's reference to another file, checks an embedded picture, and notes a use;
// returns the element's id.
QString checkAttributes(const QXmlStreamReader& xml, qint64 from, const QString& name,
                        const SvgLimits& limits, UseExpansion& uses) {
    const bool isImage = xml.name() == u"image";
    const bool isUse = xml.name() == u"use";
    QString id;
    for (const QXmlStreamAttribute& attribute : xml.attributes()) {
        const QStringView value = attribute.value();
        if (attribute.name() == u"href") {
            if (isImage && value.trimmed().startsWith(u"data:", Qt::CaseInsensitive))
                checkEmbeddedPicture(value.trimmed(), name, limits);
            else if (!isLocalReference(value))
                refuse(name,
                       QCoreApplication::translate("Symbols", "it refers to another file (%1)")
                           .arg(value.left(200)));
            if (isUse)
                uses.use(from, value.trimmed().mid(1).toString());
        } else if (refersOutside(value)) {
            refuse(name, QCoreApplication::translate("Symbols", "it refers to another file (%1)")
                             .arg(value.left(200)));
        }
        if (attribute.name() == u"id")
            id = value.toString();
    }
    return id;
}

// Opens an element within the limits of nesting and count; the first must be the drawing.
OpenElement openElement(const QXmlStreamReader& xml, bool first, int depth, const QString& name,
                        const SvgLimits& limits, UseExpansion& uses) {
    if (first && xml.name() != u"svg")
        refuse(name, QCoreApplication::translate("Symbols", "it is not an SVG drawing"));
    if (depth >= limits.maxDepth)
        refuse(name,
               QCoreApplication::translate("Symbols", "its elements are nested more than %1 deep")
                   .arg(limits.maxDepth));
    if (uses.position() >= limits.maxElements)
        refuse(name, QCoreApplication::translate("Symbols", "it holds more than %1 elements")
                         .arg(limits.maxElements));
    OpenElement element{uses.position(), {}, xml.name() == u"style"};
    uses.element();
    element.id = checkAttributes(xml, element.from, name, limits, uses);
    return element;
}

// What can only be judged once the whole document is read.
void checkWhole(const QXmlStreamReader& xml, bool sawRoot, UseExpansion& uses, const QString& name,
                const SvgLimits& limits) {
    if (xml.hasError())
        refuse(name,
               QCoreApplication::translate("Symbols", "it is not well-formed XML (line %1: %2)")
                   .arg(xml.lineNumber())
                   .arg(xml.errorString()));
    if (!sawRoot)
        refuse(name, QCoreApplication::translate("Symbols", "it is not an SVG drawing"));
    if (!uses.within(limits.maxDrawnElements))
        refuse(name, QCoreApplication::translate(
                         "Symbols",
                         "it draws more than %1 elements, or its parts use each other in a loop")
                         .arg(limits.maxDrawnElements));
}

// Reads the whole document once with bounds, before Qt's SVG reader sees it.
void checkDocument(const QByteArray& data, const QString& name, const SvgLimits& limits) {
    if (data.startsWith("\x1f\x8b"))
        refuse(name, QCoreApplication::translate(
                         "Symbols", "compressed drawings (.svgz) are not read; unpack it first"));
    QXmlStreamReader xml(data);
    xml.setNamespaceProcessing(true);
    xml.setEntityExpansionLimit(limits.maxEntityLength);
    UseExpansion uses;
    std::vector<OpenElement> open;
    bool sawRoot = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            checkEntities(xml, data, name, limits);
            break;
        case QXmlStreamReader::ProcessingInstruction:
            if (xml.processingInstructionTarget().compare(u"xml-stylesheet", Qt::CaseInsensitive) ==
                0)
                refuse(name, QCoreApplication::translate(
                                 "Symbols", "it refers to a style sheet in another file"));
            break;
        case QXmlStreamReader::EntityReference:
            refuse(name, QCoreApplication::translate(
                             "Symbols", "it refers to an entity that is not declared (%1)")
                             .arg(xml.name().toString()));
        case QXmlStreamReader::StartElement:
            open.push_back(openElement(xml, !sawRoot, int(open.size()), name, limits, uses));
            sawRoot = true;
            break;
        case QXmlStreamReader::EndElement:
            if (!open.empty()) {
                if (!open.back().id.isEmpty())
                    uses.named(open.back().id, open.back().from, uses.position());
                open.pop_back();
            }
            break;
        case QXmlStreamReader::Characters:
            if (!open.empty() && open.back().style && refersOutside(xml.text()))
                refuse(name,
                       QCoreApplication::translate("Symbols", "its style refers to another file"));
            break;
        default:
            break;
        }
    }
    checkWhole(xml, sawRoot, uses, name, limits);
}

} // namespace

QByteArray readBoundedFile(const QString& path, qint64 maxBytes) {
    const QString name = displayName(path);
    const auto fail = [&name](const QString& cause) {
        return Error(
            QCoreApplication::translate("Symbols", "Cannot read the file %1: %2").arg(name, cause));
    };
    FileDescriptor file;
    // Non-blocking, so that opening a pipe never waits for a writer; the type is then checked on
    // what was opened, not on a name that might change in between.
    file.fd = ::open(encodePath(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (file.fd < 0)
        throw fail(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status {};
    if (::fstat(file.fd, &status) != 0 || !S_ISREG(status.st_mode))
        throw fail(QCoreApplication::translate("Symbols", "it is not a regular file"));
    if (status.st_size > maxBytes)
        throw fail(
            QCoreApplication::translate("Symbols", "it is larger than %1 bytes").arg(maxBytes));
    QByteArray data;
    data.resize(qsizetype(std::min<qint64>(status.st_size, maxBytes) + 1));
    qsizetype filled = 0;
    while (filled < data.size()) {
        const ssize_t got = ::read(file.fd, data.data() + filled, size_t(data.size() - filled));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw fail(QString::fromLocal8Bit(std::strerror(errno)));
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes) // the file grew while it was read
        throw fail(
            QCoreApplication::translate("Symbols", "it is larger than %1 bytes").arg(maxBytes));
    data.truncate(filled);
    return data;
}

SvgPicture SvgPicture::fromFile(const QString& path, const SvgLimits& limits) {
    return fromData(readBoundedFile(path, limits.maxBytes), displayName(path), limits);
}

SvgPicture SvgPicture::fromData(const QByteArray& data, const QString& name,
                                const SvgLimits& limits) {
    if (data.size() > limits.maxBytes)
        refuse(name, QCoreApplication::translate("Symbols", "it is larger than %1 bytes")
                         .arg(limits.maxBytes));
    checkDocument(data, name, limits);
    QSvgRenderer renderer(data);
    if (!renderer.isValid())
        refuse(name, QCoreApplication::translate("Symbols",
                                                 "it is not an SVG drawing that can be drawn"));
    const QRectF box = renderer.viewBoxF();
    const auto sane = [](double value) {
        return std::isfinite(value) && value > 1e-6 && value < 1e9;
    };
    if (!sane(box.width()) || !sane(box.height()) || !std::isfinite(box.left()) ||
        !std::isfinite(box.top()) || box.width() / box.height() > 1000 ||
        box.height() / box.width() > 1000)
        refuse(name, QCoreApplication::translate(
                         "Symbols", "it has no usable size (a viewBox, or a width and a height)"));
    SvgPicture picture;
    picture.m_data = data;
    picture.m_name = name;
    picture.m_viewBox = box;
    picture.m_maxImageSide = limits.maxImageSide;
    return picture;
}

void SvgPicture::render(QPainter& painter, const QRectF& target) const {
    if (m_data.isEmpty() || target.isEmpty())
        return;
    QSvgRenderer renderer(m_data);
    renderer.render(&painter, target);
}

QImage SvgPicture::toImage(QSize size, const QColor& background) const {
    if (size.width() < 1 || size.height() < 1 || size.width() > m_maxImageSide ||
        size.height() > m_maxImageSide)
        refuse(m_name, QCoreApplication::translate(
                           "Symbols", "%1 x %2 pixels is not a size it can be drawn at")
                           .arg(size.width())
                           .arg(size.height()));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        refuse(m_name,
               QCoreApplication::translate("Symbols", "not enough memory for %1 x %2 pixels")
                   .arg(size.width())
                   .arg(size.height()));
    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

} // namespace ferlo
