// PNG through libpng, read by us rather than through Qt's reader so that the chunks a picture is
// drawn without cost nothing: a tiny file that declares a text, palette or scale chunk of a
// gigabyte is refused before anything is allocated for it, and libpng's complaints become the
// message instead of lines on standard error.

#include "pictures/FormatDecoder.h"

#include "pictures/ExifPreview.h"
#include "pictures/PictureFile.h"
#include "pictures/RowScaler.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QLocale>
#include <QtEndian>

#include <png.h>

#include <algorithm>
#include <cmath>
#include <csetjmp>
#include <cstring>
#include <vector>

namespace ferlo::pictures {

namespace {

// libpng's own default for one chunk's data (text after decompression, a colour profile), made a
// bound that holds: Qt's reader turns it into a warning and allocates what the chunk claims.
constexpr png_alloc_size_t kMaxChunkBytes = 8'000'000;
// How many ancillary chunks libpng keeps (its default).
constexpr png_uint_32 kMaxKeptChunks = 1000;
// The longest ancillary chunk a file may hold. Bigger ones are no picture's colours: a text or a
// suggested palette of this size is a file made to exhaust the reader.
constexpr qint64 kMaxAncillaryBytes = 16 * kMegabyte;

// Ancillary chunks that do not change how the picture looks. libpng passes over them in small
// reads and allocates nothing for them (5 bytes a name, with its NUL).
constexpr png_byte kSkippedChunks[] = "tEXt\0zTXt\0iTXt\0sPLT\0sCAL\0pCAL\0hIST\0tIME\0oFFs\0pHYs\0"
                                      "sBIT\0bKGD\0eXIf\0cHRM";
constexpr int kSkippedChunkCount = int(sizeof kSkippedChunks) / 5;

QString grouped(qint64 number) {
    return QLocale(QLocale::English).toString(number);
}

// What libpng's callbacks share with the reader. Plain data: libpng leaves by longjmp.
struct PngInput {
    FILE* file = nullptr;
    char message[256] = {};
};

void onError(png_structp png, png_const_charp message) {
    auto* input = static_cast<PngInput*>(png_get_error_ptr(png));
    std::strncpy(input->message, message ? message : "", sizeof input->message - 1);
    png_longjmp(png, 1);
}

// Warnings are about chunks passed over; the picture still shows as the file holds it.
void onWarning(png_structp, png_const_charp) {}

void onRead(png_structp png, png_bytep data, size_t length) {
    auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
    if (std::fread(data, 1, length, input->file) != length)
        png_error(png, QT_TRANSLATE_NOOP("PictureErrors",
                                         "the file is cut off before the end of its picture data"));
}

class PngDecoder {
public:
    explicit PngDecoder(const QString& path)
        : m_path(path)
        , m_file(path) {
        m_fileSize = m_file.status().st_size;
        m_input.file = m_file.stream();
        if (const QString problem = chunkProblem(); !problem.isEmpty())
            fail(path, problem);
        std::rewind(m_input.file);
        m_png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &m_input, onError, onWarning);
        if (m_png)
            m_info = png_create_info_struct(m_png);
        if (!m_png || !m_info)
            fail(path, QCoreApplication::translate("PictureErrors",
                                                   "there is not enough memory to read the file"));
        png_set_read_fn(m_png, &m_input, onRead);
        png_set_chunk_malloc_max(m_png, kMaxChunkBytes);
        png_set_chunk_cache_max(m_png, kMaxKeptChunks);
        png_set_keep_unknown_chunks(m_png, PNG_HANDLE_CHUNK_NEVER, kSkippedChunks,
                                    kSkippedChunkCount);
        // A colour profile libpng finds odd, a chunk out of place: passed over, as Qt's reader
        // does, and the picture shown.
        png_set_benign_errors(m_png, 1);
        if (!readInfo())
            failDamaged();
    }
    PngDecoder(const PngDecoder&) = delete;
    PngDecoder& operator=(const PngDecoder&) = delete;

    QSize readSize() {
        const png_uint_32 width = png_get_image_width(m_png, m_info);
        const png_uint_32 height = png_get_image_height(m_png, m_info);
        if (width == 0 || height == 0)
            fail(m_path,
                 QCoreApplication::translate("PictureErrors", "the picture has no pixels (%1 x %2)")
                     .arg(width)
                     .arg(height));
        if (qint64(width) * height > kMaxImageBytes / 4)
            fail(m_path, tooLarge(width, height));
        m_size = QSize(int(width), int(height));
        return m_size;
    }

    // At full size, or at the wanted size when that is smaller both ways and the picture is
    // opaque and not interlaced: then each row is scaled as it arrives and the picture is never
    // held at its own size.
    QImage decode(QSize wanted) {
        const int colour = png_get_color_type(m_png, m_info);
        const bool alpha = (colour & PNG_COLOR_MASK_ALPHA) != 0 ||
                           png_get_valid(m_png, m_info, PNG_INFO_tRNS) != 0;
        if (!alpha && png_get_interlace_type(m_png, m_info) == PNG_INTERLACE_NONE &&
            wanted.isValid() && !wanted.isEmpty() && wanted.width() < m_size.width() &&
            wanted.height() < m_size.height()) {
            RowScaler scaler(m_size, wanted);
            if (scaler.isNull())
                failMemory(wanted);
            std::vector<uchar> row(size_t(m_size.width()) * 4);
            if (!readScaled(&scaler, row.data()))
                failDamaged();
            QImage image = scaler.result();
            applyColourSpace(image);
            return image;
        }
        QImage image(m_size, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image.isNull())
            failMemory(m_size);
        image.fill(kMissingPixel);
        std::vector<png_bytep> rows(size_t(m_size.height()));
        for (int y = 0; y < m_size.height(); ++y)
            rows[size_t(y)] = image.scanLine(y);
        if (!readPixels(rows.data()))
            failDamaged();
        applyColourSpace(image);
        return image;
    }

    // The JPEG thumbnail of the file's EXIF chunk, for a picture large enough to take a while,
    // scaled to the shown size and coloured like the picture (which is shown as stored: so is
    // the thumbnail). A null image when there is none of the picture's shape.
    QImage preview(QSize shown) {
        if (qint64(m_size.width()) * m_size.height() <= kPreviewFromPixels || m_exifLength == 0 ||
            m_exifLength > 4 * kMegabyte)
            return {};
        QByteArray block(qsizetype(m_exifLength), Qt::Uninitialized);
        if (std::fseek(m_input.file, long(m_exifAt), SEEK_SET) != 0 ||
            std::fread(block.data(), 1, size_t(block.size()), m_input.file) != size_t(block.size()))
            return {};
        QImage image = fitPreview(readExifThumbnail(block).image, 1, m_size, shown);
        if (!image.isNull())
            applyColourSpace(image);
        return image;
    }

private:
    // libpng takes a chunk's length at its word and allocates it before reading: the chunks are
    // walked first, and an ancillary chunk that claims more than the file holds, or more than any
    // picture needs, refuses the file. A damaged critical chunk is left to libpng.
    QString chunkProblem() {
        static constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
        uchar header[8] = {};
        const size_t got = std::fread(header, 1, 8, m_input.file);
        if (got < 8 || std::memcmp(header, kSignature, 8) != 0) {
            if (got < 2 || std::memcmp(header, kSignature, 2) == 0)
                return {}; // cut off in its signature: libpng names it
            return QCoreApplication::translate("PictureErrors",
                                               "Not a PNG file: starts with 0x%1 0x%2")
                .arg(header[0], 2, 16, QLatin1Char('0'))
                .arg(header[1], 2, 16, QLatin1Char('0'));
        }
        qint64 at = 8;
        while (at + 8 <= m_fileSize) {
            if (std::fseek(m_input.file, long(at), SEEK_SET) != 0 ||
                std::fread(header, 1, 8, m_input.file) != 8)
                return {};
            const qint64 length = qFromBigEndian<quint32>(header);
            const auto isLetter = [](uchar c) {
                return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
            };
            if (!std::all_of(header + 4, header + 8, isLetter))
                return {}; // libpng names it
            const QString name = QString::fromLatin1(reinterpret_cast<const char*>(header + 4), 4);
            if (name == QLatin1String("IEND"))
                return {};
            const bool ancillary = (header[4] & 0x20) != 0;
            const qint64 end = at + 12 + length;
            if (ancillary && end > m_fileSize)
                return QCoreApplication::translate(
                           "PictureErrors",
                           "the file is damaged: its %1 chunk claims %2 bytes but the "
                           "file ends after %3")
                    .arg(name, grouped(length), grouped(m_fileSize));
            if (ancillary && length > kMaxAncillaryBytes)
                return QCoreApplication::translate(
                           "PictureErrors",
                           "the file is damaged: its %1 chunk of %2 bytes is larger "
                           "than the %3 MB a "
                           "picture's side data may take")
                    .arg(name, grouped(length))
                    .arg(kMaxAncillaryBytes / kMegabyte);
            if (name == QLatin1String("eXIf") && m_exifLength == 0) {
                m_exifAt = at + 8;
                m_exifLength = length;
            }
            at = end;
        }
        return {};
    }

    [[noreturn]] void failDamaged() {
        // libpng's own messages have no translation and stay as they are.
        const QString said = QCoreApplication::translate("PictureErrors", m_input.message);
        fail(m_path, std::strncmp(m_input.message, "the file", 8) == 0
                         ? said
                         : QCoreApplication::translate("PictureErrors", "the file is damaged: %1")
                               .arg(said));
    }

    // libpng leaves by longjmp: nothing here may need a destructor.
    bool readInfo() {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        png_read_info(m_png, m_info);
        return true;
    }

    [[noreturn]] void failMemory(QSize size) {
        fail(m_path, QCoreApplication::translate("PictureErrors",
                                                 "there is not enough memory for %1 x %2 pixels")
                         .arg(size.width())
                         .arg(size.height()));
    }

    bool readPixels(png_bytepp rows) {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        setTransforms();
        png_read_image(m_png, rows);
        return true;
    }

    // Row by row into the scaler, through one row of the picture's width.
    bool readScaled(RowScaler* scaler, png_bytep row) {
        if (setjmp(png_jmpbuf(m_png)))
            return false;
        setTransforms();
        for (int y = 0; y < m_size.height(); ++y) {
            png_read_row(m_png, row, nullptr);
            scaler->addRow(row);
        }
        return true;
    }

    void setTransforms() {
        // Every kind of PNG becomes 8-bit blue, green, red, alpha: QImage's ARGB32 in memory.
        png_set_expand(m_png); // palette to colours, grey below 8 bits to 8, tRNS to alpha
        png_set_scale_16(m_png);
        png_set_gray_to_rgb(m_png);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(m_png);
        png_set_filler(m_png, 0xff, PNG_FILLER_AFTER);
#else
        png_set_swap_alpha(m_png);
        png_set_filler(m_png, 0xff, PNG_FILLER_BEFORE);
#endif
        png_set_interlace_handling(m_png);
        png_read_update_info(m_png, m_info);
        if (png_get_rowbytes(m_png, m_info) != size_t(m_size.width()) * 4)
            png_error(m_png, QT_TRANSLATE_NOOP("PictureErrors", "its rows do not match its size"));
    }

    // An ICC profile is converted to sRGB; a file gamma other than sRGB's is taken with sRGB's
    // primaries. An sRGB chunk, or nothing, means sRGB.
    void applyColourSpace(QImage& image) {
        png_charp name = nullptr;
        int compression = 0;
        png_bytep profile = nullptr;
        png_uint_32 length = 0;
        if (png_get_iCCP(m_png, m_info, &name, &compression, &profile, &length) != 0 && profile &&
            length > 0) {
            convertToSRgb(image, QByteArray(reinterpret_cast<const char*>(profile), length));
            return;
        }
        if (png_get_valid(m_png, m_info, PNG_INFO_sRGB) != 0)
            return;
        double gamma = 0;
        if (png_get_gAMA(m_png, m_info, &gamma) == 0 || gamma <= 0 ||
            std::abs(gamma * 2.2 - 1) < 0.01)
            return;
        image.setColorSpace(QColorSpace(QColorSpace::Primaries::SRgb, float(1 / gamma)));
        convertToSRgb(image);
    }

    QString m_path;
    PictureFile m_file;
    qint64 m_fileSize = 0;
    qint64 m_exifAt = 0, m_exifLength = 0; // the first eXIf chunk's data
    PngInput m_input;
    // Members, so that a constructor that throws still frees them.
    struct Handles {
        png_structp png = nullptr;
        png_infop info = nullptr;
        ~Handles() { png_destroy_read_struct(&png, &info, nullptr); }
    } m_handles;
    png_structp& m_png = m_handles.png;
    png_infop& m_info = m_handles.info;
    QSize m_size;
};

QSize readPngSize(const QString& path) {
    return PngDecoder(path).readSize();
}

DecodedPicture loadPngPreview(const QString& path, const WantedSize& wanted) {
    PngDecoder decoder(path);
    const QSize ownSize = decoder.readSize();
    return {ownSize, decoder.preview(wanted ? wanted(ownSize) : QSize())};
}

DecodedPicture loadPng(const QString& path, const WantedSize& wanted) {
    PngDecoder decoder(path);
    const QSize ownSize = decoder.readSize();
    return {ownSize, decoder.decode(wanted ? wanted(ownSize) : QSize())};
}

} // namespace

const FormatDecoder pngDecoder{readPngSize, loadPngPreview, loadPng};

} // namespace ferlo::pictures
