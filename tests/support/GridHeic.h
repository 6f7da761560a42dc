#pragma once

// A HEIC written the way phones write their photos: a grid item whose tiles (512 x 512 by
// default) are hidden HEVC items of their own, each coded by libheif's encoder (x265). The tiles
// at the right and bottom edges reach past the picture, which the grid's size crops. Header-only,
// so that bench/ can use it without the test support library.

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QSize>
#include <QString>
#include <QtEndian>

#include <libheif/heif.h>

#include <vector>

namespace ferlo::test {

namespace grid_heic {

inline void put16(QByteArray& out, quint32 value) {
    out.append(char(value >> 8)).append(char(value));
}
inline void put32(QByteArray& out, quint32 value) {
    put16(out, value >> 16);
    put16(out, value & 0xffff);
}
inline QByteArray box(const char* type, const QByteArray& body, int version = -1, int flags = 0) {
    QByteArray out;
    put32(out, quint32(body.size() + 8 + (version >= 0 ? 4 : 0)));
    out.append(type, 4);
    if (version >= 0)
        put32(out, quint32(version) << 24 | quint32(flags));
    return out + body;
}

// The child box `type` of the boxes in data[start, end): its whole bytes, or empty.
inline QByteArray child(const QByteArray& data, qsizetype start, qsizetype end, const char* type,
                        qsizetype* at = nullptr) {
    while (start + 8 <= end) {
        const qsizetype size = qFromBigEndian<quint32>(data.constData() + start);
        if (size < 8 || start + size > end)
            break;
        if (data.mid(start + 4, 4) == type) {
            if (at)
                *at = start;
            return data.mid(start, size);
        }
        start += size;
    }
    return {};
}

struct CodedTile {
    QByteArray hvcC; // the whole property box
    QByteArray data; // the item's NAL units
};

// One tile coded alone by libheif, taken out of the file it writes: its hvcC box and the payload
// of its mdat (a file of one picture without thumbnail holds only that picture's units there).
inline CodedTile codeTile(const QImage& tile, int quality) {
    const QImage rgb = tile.convertToFormat(QImage::Format_RGB888);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, quality);
    heif_image* image = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        memcpy(plane + y * stride, rgb.constScanLine(y), size_t(rgb.width()) * 3);
    heif_context_encode_image(context, image, encoder, nullptr, nullptr);
    heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* userdata) {
                           static_cast<QByteArray*>(userdata)->append(
                               static_cast<const char*>(data), qsizetype(size));
                           return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                       }};
    QByteArray file;
    heif_context_write(context, &writer, &file);
    heif_image_release(image);
    heif_encoder_release(encoder);
    heif_context_free(context);

    qsizetype metaAt = 0, iprpAt = 0, ipcoAt = 0, mdatAt = 0;
    const QByteArray meta = child(file, 0, file.size(), "meta", &metaAt);
    const QByteArray iprp = child(file, metaAt + 12, metaAt + meta.size(), "iprp", &iprpAt);
    const QByteArray ipco = child(file, iprpAt + 8, iprpAt + iprp.size(), "ipco", &ipcoAt);
    const QByteArray mdat = child(file, 0, file.size(), "mdat", &mdatAt);
    return {child(file, ipcoAt + 8, ipcoAt + ipco.size(), "hvcC"), mdat.mid(8)};
}

// The tiles of the picture, row by row, each coded alone; empty when one could not be coded.
inline std::vector<CodedTile> codeTiles(const QImage& picture, int tileSide, int quality) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<CodedTile> tiles;
    for (int y0 = 0; y0 < rgb.height(); y0 += tileSide)
        for (int x0 = 0; x0 < rgb.width(); x0 += tileSide) {
            QImage tile(tileSide, tileSide, QImage::Format_RGB32);
            tile.fill(Qt::black);
            const QImage part = rgb.copy(x0, y0, tileSide, tileSide);
            for (int y = 0; y < part.height(); ++y)
                memcpy(tile.scanLine(y), part.constScanLine(y), size_t(part.width()) * 4);
            tiles.push_back(codeTile(tile, quality));
            if (tiles.back().hvcC.isEmpty() || tiles.back().data.isEmpty())
                return {};
        }
    return tiles;
}

// The item properties: the tiles' and the grid's sizes, each tile's hvcC (essential).
inline QByteArray properties(const std::vector<CodedTile>& tiles, int tileSide, QSize size) {
    QByteArray ispeTile, ispeWhole;
    put32(ispeTile, quint32(tileSide));
    put32(ispeTile, quint32(tileSide));
    put32(ispeWhole, quint32(size.width()));
    put32(ispeWhole, quint32(size.height()));
    QByteArray ipco = box("ispe", ispeTile, 0) + box("ispe", ispeWhole, 0);
    QByteArray ipma;
    put32(ipma, quint32(tiles.size() + 1));
    put16(ipma, 1);
    ipma.append('\1').append(char(2)); // the grid: the whole picture's size
    for (size_t tile = 0; tile < tiles.size(); ++tile) {
        ipco += tiles[tile].hvcC;
        put16(ipma, quint16(tile + 2));
        ipma.append('\2').append(char(0x80 | (tile + 3))).append(char(1));
    }
    return box("iprp", box("ipco", ipco) + box("ipma", ipma, 0));
}

// The meta box: item 1 the grid, items 2.. the hidden tiles, all data in the mdat whose payload
// starts at `dataStart` (iloc version 0: offsets and lengths of 4 bytes, no base offset).
inline QByteArray metaBox(const std::vector<CodedTile>& tiles, const QByteArray& iprp,
                          qsizetype gridBytes, quint32 dataStart) {
    const int count = int(tiles.size());
    QByteArray hdlr, pitm, infos, dimg, iloc;
    put32(hdlr, 0);
    hdlr.append("pict", 4).append(QByteArray(13, '\0'));
    put16(pitm, 1);
    put16(infos, quint16(count + 1));
    put16(dimg, 1);
    put16(dimg, quint16(count));
    iloc.append(char(0x44)).append('\0');
    put16(iloc, quint16(count + 1));
    quint32 at = dataStart;
    for (int item = 1; item <= count + 1; ++item) {
        QByteArray infe;
        put16(infe, quint16(item));
        put16(infe, 0);
        infe.append(item == 1 ? "grid" : "hvc1", 4).append('\0');
        infos += box("infe", infe, 2, item == 1 ? 0 : 1); // tiles are hidden
        if (item > 1)
            put16(dimg, quint16(item));
        const qsizetype size = item == 1 ? gridBytes : tiles[size_t(item - 2)].data.size();
        put16(iloc, quint16(item));
        put16(iloc, 0);
        put16(iloc, 1);
        put32(iloc, at);
        put32(iloc, quint32(size));
        at += quint32(size);
    }
    return box("meta",
               box("hdlr", hdlr, 0) + box("pitm", pitm, 0) + box("iloc", iloc, 0) +
                   box("iinf", infos, 0) + box("iref", box("dimg", dimg), 0) + iprp,
               0);
}

// The file type box of a still HEIC.
inline QByteArray fileType() {
    QByteArray brands("heic", 4);
    put32(brands, 0);
    return box("ftyp", brands.append("mif1heic", 8));
}

inline bool writeBytes(const QString& path, const QByteArray& file) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

} // namespace grid_heic

// Writes `picture` as a HEIC of one coded picture whose item carries a colour description (an nclx
// colr box) of its own: `matrix` and the range given, whatever the stream's own says. True when it
// was written.
inline bool writeNclxHeic(const QString& path, const QImage& picture, int matrix, bool fullRange,
                          int quality = 80) {
    using namespace grid_heic;
    const CodedTile coded = codeTile(picture, quality);
    if (coded.hvcC.isEmpty() || coded.data.isEmpty())
        return false;
    const QByteArray ftyp = fileType();
    QByteArray ispe, colr("nclx", 4);
    put32(ispe, quint32(picture.width()));
    put32(ispe, quint32(picture.height()));
    put16(colr, 2); // primaries and transfer unspecified
    put16(colr, 2);
    put16(colr, quint16(matrix));
    colr.append(char(fullRange ? 0x80 : 0));
    QByteArray ipma;
    put32(ipma, 1);
    put16(ipma, 1);
    ipma.append('\3').append(char(0x81)).append('\2').append('\3');
    const QByteArray iprp =
        box("iprp", box("ipco", coded.hvcC + box("ispe", ispe, 0) + box("colr", colr)) +
                        box("ipma", ipma, 0));
    const auto meta = [&](quint32 dataStart) {
        QByteArray hdlr, pitm, infos, infe, iloc;
        put32(hdlr, 0);
        hdlr.append("pict", 4).append(QByteArray(13, '\0'));
        put16(pitm, 1);
        put16(infos, 1);
        put16(infe, 1);
        put16(infe, 0);
        infe.append("hvc1", 4).append('\0');
        iloc.append(char(0x44)).append('\0');
        put16(iloc, 1);
        put16(iloc, 1);
        put16(iloc, 0);
        put16(iloc, 1);
        put32(iloc, dataStart);
        put32(iloc, quint32(coded.data.size()));
        return box("meta",
                   box("hdlr", hdlr, 0) + box("pitm", pitm, 0) + box("iloc", iloc, 0) +
                       box("iinf", infos + box("infe", infe, 2), 0) + iprp,
                   0);
    };
    const quint32 dataStart = quint32(ftyp.size() + meta(0).size() + 8);
    const QByteArray file = ftyp + meta(dataStart) + box("mdat", coded.data);
    return writeBytes(path, file);
}

// Writes `picture` as a grid HEIC of tiles of `tileSide` pixels; true when it was written.
inline bool writeGridHeic(const QString& path, const QImage& picture, int tileSide = 512,
                          int quality = 80) {
    using namespace grid_heic;
    const int columns = (picture.width() + tileSide - 1) / tileSide;
    const int rows = (picture.height() + tileSide - 1) / tileSide;
    if (columns > 256 || rows > 256 || columns * rows > 120)
        return false; // property indices of the tiles' hvcC boxes stay below 128
    const std::vector<CodedTile> tiles = codeTiles(picture, tileSide, quality);
    if (tiles.empty())
        return false;
    const QByteArray ftyp = fileType();
    QByteArray mdat;
    mdat.append('\0').append('\1').append(char(rows - 1)).append(char(columns - 1));
    put32(mdat, quint32(picture.width()));
    put32(mdat, quint32(picture.height()));
    const qsizetype gridBytes = mdat.size();
    for (const CodedTile& tile : tiles)
        mdat += tile.data;
    const QByteArray iprp = properties(tiles, tileSide, picture.size());
    // The meta box's size does not depend on the offsets in it.
    const quint32 dataStart = quint32(ftyp.size() + metaBox(tiles, iprp, gridBytes, 0).size() + 8);
    const QByteArray file = ftyp + metaBox(tiles, iprp, gridBytes, dataStart) + box("mdat", mdat);
    return writeBytes(path, file);
}

} // namespace ferlo::test
