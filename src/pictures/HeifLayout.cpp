#include "pictures/HeifLayout.h"

#include <QList>
#include <QMap>
#include <QtEndian>

#include <cstring>

namespace ferlo::pictures {

namespace {

// The file's ftyp and meta boxes (empty when they cannot be read).
QByteArray layoutBoxes(FILE* stream, qint64 fileSize) {
    QByteArray boxes;
    for (qint64 at = 0; at + 8 <= fileSize;) {
        uchar header[8];
        if (fseeko(stream, off_t(at), SEEK_SET) != 0 || std::fread(header, 1, 8, stream) != 8)
            return {};
        const qint64 size = qFromBigEndian<quint32>(header);
        if (size < 8 || size > fileSize - at)
            break; // a 64-bit size or one to the end: no ftyp or meta is that large
        if (std::memcmp(header + 4, "ftyp", 4) == 0 || std::memcmp(header + 4, "meta", 4) == 0) {
            const qsizetype start = boxes.size();
            boxes.resize(start + qsizetype(size));
            std::memcpy(boxes.data() + start, header, 8);
            if (std::fread(boxes.data() + start + 8, 1, size_t(size - 8), stream) !=
                size_t(size - 8))
                return {};
        }
        at += size;
    }
    return boxes;
}

// Reads the layout out of the file's ftyp and meta boxes, one after the other.
class LayoutReader {
public:
    explicit LayoutReader(const QByteArray& data)
        : m_data(data) {}

    HeifLayout read() {
        HeifLayout layout;
        parse(layout);
        return layout;
    }

private:
    quint32 u32(qsizetype at) const {
        return at + 4 <= m_data.size() ? qFromBigEndian<quint32>(m_data.constData() + at) : 0u;
    }
    quint32 u16(qsizetype at) const {
        return at + 2 <= m_data.size() ? qFromBigEndian<quint16>(m_data.constData() + at) : 0u;
    }
    // Calls found(type, start, end) for each box between start and end (header excluded).
    template <typename Found> void walk(qsizetype start, qsizetype end, const Found& found) const {
        while (start + 8 <= end) {
            const qint64 size = u32(start);
            if (size < 8 || start + size > end)
                return;
            found(m_data.mid(start + 4, 4), start + 8, start + size);
            start += size;
        }
    }

    void parse(HeifLayout& layout) {
        bool stillBrand = false, sequenceBrand = false;
        walk(0, m_data.size(), [&](const QByteArray& type, qsizetype start, qsizetype end) {
            if (type == "ftyp") {
                for (qsizetype at = start; at + 4 <= end; at += at == start ? 8 : 4) {
                    const QByteArray brand = m_data.mid(at, 4);
                    stillBrand |= brand == "mif1" || brand == "heic" || brand == "heix" ||
                                  brand == "avif" || brand == "mif2";
                    sequenceBrand |=
                        brand == "msf1" || brand == "hevc" || brand == "hevx" || brand == "avis";
                }
            } else if (type == "meta") {
                walk(start + 4, end, [&](const QByteArray& inner, qsizetype from, qsizetype to) {
                    readMetaBox(inner, from, to);
                });
            }
        });
        layout.sequenceOnly = sequenceBrand && !stillBrand;
        layout.primaryType = m_types.value(m_primary);
        // The item types libheif 1.15 decodes as pictures.
        static const QList<QByteArray> pictures{"hvc1", "grid", "iovl", "av01", "iden"};
        for (auto it = m_types.cbegin(); it != m_types.cend(); ++it)
            if (it.value() == "iden")
                for (const quint32 reference : m_derived.value(it.key()))
                    layout.brokenIdentity |= !pictures.contains(m_types.value(reference));
    }

    void readMetaBox(const QByteArray& type, qsizetype from, qsizetype to) {
        const int version = from < m_data.size() ? uchar(m_data.at(from)) : 0;
        if (type == "pitm") {
            m_primary = version == 0 ? u16(from + 4) : u32(from + 4);
        } else if (type == "iinf") {
            walk(from + (version == 0 ? 6 : 8), to,
                 [&](const QByteArray& infe, qsizetype at, qsizetype) {
                     const int infeVersion = at < m_data.size() ? uchar(m_data.at(at)) : 0;
                     if (infe != "infe" || infeVersion < 2)
                         return;
                     const quint32 id = infeVersion == 2 ? u16(at + 4) : u32(at + 4);
                     m_types[id] = m_data.mid(at + (infeVersion == 2 ? 8 : 10), 4);
                 });
        } else if (type == "iref") {
            const int idBytes = version == 0 ? 2 : 4;
            const auto id = [&](qsizetype at) {
                return idBytes == 2 ? u16(at) : u32(at);
            };
            walk(from + 4, to, [&](const QByteArray& kind, qsizetype at, qsizetype end) {
                if (kind != "dimg")
                    return;
                QList<quint32>& references = m_derived[id(at)];
                const qsizetype count = u16(at + idBytes);
                for (qsizetype i = 0, ref = at + idBytes + 2; i < count && ref + idBytes <= end;
                     ++i, ref += idBytes)
                    references.append(id(ref));
            });
        }
    }

    const QByteArray& m_data;
    quint32 m_primary = 0;
    QMap<quint32, QByteArray> m_types;
    QMap<quint32, QList<quint32>> m_derived;
};

} // namespace

HeifLayout HeifLayout::read(FILE* stream, qint64 fileSize) {
    return LayoutReader(layoutBoxes(stream, fileSize)).read();
}

} // namespace ferlo::pictures
