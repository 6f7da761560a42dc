#pragma once

// A HEIC written the way phones write their photos: a grid item whose tiles (512 x 512 by
// default) are hidden HEVC items of their own, each coded by libheif's encoder (x265). The tiles
// at the right and bottom edges reach past the picture, which the grid's size crops. Header-only,
// so that bench/ can use it without the test support library.

#include <QByteArray>
#include <QFile>
#include <QImage>
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

} // namespace grid_heic

// Writes `picture` as a grid HEIC of tiles of `tileSide` pixels; true when it was written.
inline bool writeGridHeic(const QString& path, const QImage& picture, int tileSide = 512,
                          int quality = 80) {
    using namespace grid_heic;
    const int columns = (picture.width() + tileSide - 1) / tileSide;
    const int rows = (picture.height() + tileSide - 1) / tileSide;
    if (columns > 256 || rows > 256 || columns * rows > 120)
        return false; // property indices of the tiles' hvcC boxes stay below 128
    std::vector<CodedTile> tiles;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            QImage tile(tileSide, tileSide, QImage::Format_RGB32);
            tile.fill(Qt::black);
            const QImage part = picture.copy(column * tileSide, row * tileSide, tileSide, tileSide);
            for (int y = 0; y < part.height(); ++y)
                memcpy(tile.scanLine(y),
                       part.convertToFormat(QImage::Format_RGB32).constScanLine(y),
                       size_t(part.width()) * 4);
            tiles.push_back(codeTile(tile, quality));
            if (tiles.back().hvcC.isEmpty() || tiles.back().data.isEmpty())
                return false;
        }
    const int count = int(tiles.size());
    QByteArray ftyp("heic", 4);
    put32(ftyp, 0);
    ftyp.append("mif1heic", 8);
    ftyp = box("ftyp", ftyp);

    QByteArray hdlr;
    put32(hdlr, 0);
    hdlr.append("pict", 4);
    hdlr.append(QByteArray(13, '\0'));
    QByteArray pitm;
    put16(pitm, 1);
    QByteArray infos;
    put16(infos, quint16(count + 1));
    for (int item = 1; item <= count + 1; ++item) {
        QByteArray infe;
        put16(infe, quint16(item));
        put16(infe, 0);
        infe.append(item == 1 ? "grid" : "hvc1", 4).append('\0');
        infos += box("infe", infe, 2, item == 1 ? 0 : 1); // tiles are hidden
    }
    QByteArray dimg;
    put16(dimg, 1);
    put16(dimg, quint16(count));
    for (int item = 2; item <= count + 1; ++item)
        put16(dimg, quint16(item));
    QByteArray ispeTile, ispeWhole, gridData;
    put32(ispeTile, quint32(tileSide));
    put32(ispeTile, quint32(tileSide));
    put32(ispeWhole, quint32(picture.width()));
    put32(ispeWhole, quint32(picture.height()));
    gridData.append('\0').append('\1').append(char(rows - 1)).append(char(columns - 1));
    put32(gridData, quint32(picture.width()));
    put32(gridData, quint32(picture.height()));
    QByteArray ipco = box("ispe", ispeTile, 0) + box("ispe", ispeWhole, 0);
    QByteArray ipma;
    put32(ipma, quint32(count + 1));
    put16(ipma, 1);
    ipma.append('\1').append(char(2)); // the grid: the whole picture's size
    for (int tile = 0; tile < count; ++tile) {
        ipco += tiles[size_t(tile)].hvcC;
        put16(ipma, quint16(tile + 2));
        ipma.append('\2').append(char(0x80 | (tile + 3))).append(char(1));
    }
    const QByteArray iprp = box("iprp", box("ipco", ipco) + box("ipma", ipma, 0));

    // iloc version 0: offsets and lengths of 4 bytes, no base offset; all data in the mdat.
    const auto ilocFor = [&](quint32 mdatStart) {
        QByteArray iloc;
        iloc.append(char(0x44)).append('\0');
        put16(iloc, quint16(count + 1));
        quint32 at = mdatStart + 8;
        for (int item = 1; item <= count + 1; ++item) {
            const qsizetype size =
                item == 1 ? gridData.size() : tiles[size_t(item - 2)].data.size();
            put16(iloc, quint16(item));
            put16(iloc, 0);
            put16(iloc, 1);
            put32(iloc, at);
            put32(iloc, quint32(size));
            at += quint32(size);
        }
        return box("iloc", iloc, 0);
    };
    const auto metaFor = [&](quint32 mdatStart) {
        return box("meta",
                   box("hdlr", hdlr, 0) + box("pitm", pitm, 0) + ilocFor(mdatStart) +
                       box("iinf", infos, 0) + box("iref", box("dimg", dimg), 0) + iprp,
                   0);
    };
    const quint32 mdatStart = quint32(ftyp.size() + metaFor(0).size());
    QByteArray mdat = gridData;
    for (const CodedTile& tile : tiles)
        mdat += tile.data;
    QFile out(path);
    return out.open(QIODevice::WriteOnly) &&
           out.write(ftyp + metaFor(mdatStart) + box("mdat", mdat)) ==
               ftyp.size() + metaFor(mdatStart).size() + mdat.size() + 8;
}

} // namespace ferlo::test
