// HEIC and HEIF through libheif (HEVC decoded by libde265). The size comes from the file's boxes,
// with the rotation and mirroring the file asks for already applied; the pixels are the primary
// picture's, or its smallest thumbnail that still covers the wanted size.

#include "pictures/FormatDecoder.h"

#include "pictures/ExifPreview.h"
#include "pictures/HeifFileReader.h"
#include "pictures/HeifLayout.h"
#include "pictures/HevcTiles.h"
#include "pictures/PictureFile.h"
#include "pictures/PlaneScaler.h"
#include "pictures/YCbCrConversion.h"

#include <QByteArray>
#include <QColorSpace>
#include <QCoreApplication>
#include <QThread>
#include <QtEndian>

#include <libheif/heif.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace ferlo::pictures {

namespace {

struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
using Handle = std::unique_ptr<heif_image_handle, HandleRelease>;

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};

struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};

// nclx colour primaries code of Display P3 (SMPTE EG 432-1).
constexpr int kPrimariesP3 = 12;
// How much longer a coded picture's side may be than the shown one: HEVC codes whole blocks of
// up to 64 pixels, and libheif's limit is exclusive.
constexpr int kCodedPadding = 129;

class HeifDecoder {
public:
    explicit HeifDecoder(const QString& path)
        : m_path(path)
        , m_file(path) {
        m_reader.size = m_file.status().st_size;
        // libheif reads the file as it needs its parts (the boxes, then a picture's coded data
        // when it decodes it), so no copy of the whole file stays in memory while it decodes.
        if (m_reader.size > kMaxImageBytes)
            fail(path, QCoreApplication::translate("PictureErrors",
                                                   "the file is too large (more than %1 MB)")
                           .arg(kMaxImageBytes / kMegabyte));
        m_reader.stream = m_file.stream();
        // Held by smart pointers: a constructor that throws destroys only its members.
        m_context.reset(heif_context_alloc());
        if (!m_context)
            fail(path, QCoreApplication::translate("PictureErrors",
                                                   "there is not enough memory to read the file"));
        // Its coded pictures go to our HEVC decoder, which keeps libde265's decoders between the
        // tiles of a grid; libheif's own takes them when ours cannot be registered.
        heif_register_decoder(m_context.get(), hevcTilesDecoder());
        // A grid picture (phones write 512 x 512 tiles) has its tiles decoded on as many threads
        // as the machine has cores; a single coded picture decodes on one thread in any case.
        heif_context_set_max_decoding_threads(m_context.get(), QThread::idealThreadCount());
        check(heif_context_read_from_reader(m_context.get(), &HeifFileReader::functions, &m_reader,
                                            nullptr));
        heif_image_handle* handle = nullptr;
        check(heif_context_get_primary_image_handle(m_context.get(), &handle));
        m_primary.reset(handle);
    }
    HeifDecoder(const HeifDecoder&) = delete;
    HeifDecoder& operator=(const HeifDecoder&) = delete;

    // The size shown: libheif applies the file's rotation and mirroring to it.
    QSize readSize() {
        const int width = heif_image_handle_get_width(m_primary.get());
        const int height = heif_image_handle_get_height(m_primary.get());
        if (width <= 0 || height <= 0)
            fail(m_path,
                 QCoreApplication::translate("PictureErrors", "the picture has no pixels (%1 x %2)")
                     .arg(width)
                     .arg(height));
        if (qint64(width) * height > kMaxImageBytes / 4)
            fail(m_path, tooLarge(width, height));
        // The coded size, before a clean aperture crops it (ispe); libheif decodes all of it.
        const int codedWidth = std::max(width, heif_image_handle_get_ispe_width(m_primary.get()));
        const int codedHeight =
            std::max(height, heif_image_handle_get_ispe_height(m_primary.get()));
        if (qint64(codedWidth) * codedHeight > kMaxImageBytes / 4)
            fail(m_path, tooLarge(codedWidth, codedHeight));
        m_size = QSize(width, height);
        // libheif checks a grid's or overlay's canvas only against one side limit (32768 by
        // default), not against the size the file declares: a small file could make it allocate
        // gigabytes. No canvas may have a side much longer than the coded picture's longer side;
        // the margin leaves room for its padding to whole coding blocks (64).
        heif_context_set_maximum_image_size_limit(
            m_context.get(), std::max(codedWidth, codedHeight) + kCodedPadding);
        return m_size;
    }

    // The picture at the wanted size when it is smaller both ways than the picture (or the
    // thumbnail that covers it), else at full size.
    QImage decode(const QSize& wanted) {
        refuseBrokenIdentity();
        Handle thumbnail = coveringThumbnail(wanted);
        heif_image_handle* handle = thumbnail ? thumbnail.get() : m_primary.get();
        const QSize coded(heif_image_handle_get_width(handle),
                          heif_image_handle_get_height(handle));
        const bool smaller = wanted.isValid() && !wanted.isEmpty() &&
                             wanted.width() < coded.width() && wanted.height() < coded.height();
        QImage image = decodePlanes(handle, !thumbnail, smaller ? wanted : QSize());
        if (image.isNull())
            image = decodeRgb(handle, !thumbnail);
        applyColourProfile(image);
        return image;
    }

    // A first look: the largest thumbnail of the picture's shape, else the JPEG thumbnail of the
    // file's EXIF block, scaled to the shown size even when it is smaller, coloured like the
    // picture. A null image when the file has neither.
    QImage preview(const QSize& shown) {
        if (!shown.isValid() || shown.isEmpty())
            return {};
        refuseBrokenIdentity();
        QImage image;
        if (Handle largest =
                thumbnail([](QSize size, QSize best) { return size.width() > best.width(); })) {
            image = decodePlanes(largest.get(), false, QSize());
            if (image.isNull())
                image = decodeRgb(largest.get(), false);
            image = fitPreview(image, 1, m_size, shown);
        } else {
            image = exifPreview(shown);
        }
        if (!image.isNull())
            applyColourProfile(image);
        return image;
    }

private:
    // The picture scaled to the shown size as planes and packed into the painter's pixels,
    // without a full-size interleaved copy. libheif 1.15 turns every coded picture into 4:4:4 RGB
    // planes first (a request for YCbCr 4:2:0 planes converts those back, at a sixth of the
    // decode's time), so 8-bit pictures are taken as those planes, with their alpha plane when
    // they have one. Deeper ones without alpha are taken as the 8-bit YCbCr 4:2:0 planes libheif
    // reduces them to, when their samples are plain YCbCr. A null image for any other picture,
    // and when libheif cannot give those planes.
    QImage decodePlanes(heif_image_handle* handle, bool primary, QSize size) {
        const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
        const bool deep = heif_image_handle_get_luma_bits_per_pixel(handle) > 8 ||
                          heif_image_handle_get_chroma_bits_per_pixel(handle) > 8;
        if (alpha && deep)
            return {};
        // The item's nclx; BT.601 in full range (as libheif takes it) when it has none.
        const ItemColour colour = itemColourOf(handle);
        YCbCrMatrix matrix;
        if (deep && !yCbCrMatrixFor(colour.matrixCoefficients, colour.fullRange, &matrix))
            return {};
        const heif_colorspace space = deep ? heif_colorspace_YCbCr : heif_colorspace_RGB;
        const heif_chroma chroma = deep ? heif_chroma_420 : heif_chroma_444;
        heif_decoding_options* options = heif_decoding_options_alloc();
        options->convert_hdr_to_8bit = 1;
        heif_image* decoded = nullptr;
        // A picture of one coded picture comes from our decoder as RGB planes already, and
        // without alpha (which weighs the colours as they are averaged) at the shown size.
        std::optional<RgbPlanesWanted> rgbPlanes;
        if (!deep && primary && layout().primaryType == "hvc1")
            rgbPlanes.emplace(colour, m_size, alpha ? QSize() : decoderScale(size), alpha);
        const heif_error error = heif_decode_image(handle, &decoded, space, chroma, options);
        const bool scaled = rgbPlanes && rgbPlanes->scaled();
        if (rgbPlanes)
            rgbPlanes->finish(); // its turn ends with it, after the planes (declared later) go
        heif_decoding_options_free(options);
        std::unique_ptr<heif_image, ImageRelease> pixels(decoded);
        if (error.code == heif_error_Unsupported_feature &&
            error.subcode == heif_suberror_Unsupported_color_conversion)
            return {};
        check(error);
        if (heif_image_get_colorspace(decoded) != space ||
            heif_image_get_chroma_format(decoded) != chroma)
            return {};
        const auto plane = [&](heif_channel channel) {
            return planeOf(decoded, channel);
        };
        const PlaneView first = plane(deep ? heif_channel_Y : heif_channel_R);
        const PlaneView second = plane(deep ? heif_channel_Cb : heif_channel_G);
        const PlaneView third = plane(deep ? heif_channel_Cr : heif_channel_B);
        if (!first.data || !second.data || !third.data)
            return {};
        if (!scaled || first.size != size)
            checkDecodedSize(first.size, primary);
        const QSize shown = size.isEmpty() ? first.size : size;
        QImage image;
        if (deep) {
            image = yCbCrToRgb32(first, second, third, shown, matrix);
        } else if (alpha) {
            const PlaneView opacity = plane(heif_channel_Alpha);
            if (!opacity.data || opacity.size != first.size)
                return {};
            image = rgbaPlanesToArgb32(first, second, third, opacity, shown);
        } else {
            image = rgbPlanesToRgb32(first, second, third, shown);
        }
        if (image.isNull())
            failMemory(shown);
        return image;
    }

    // A decoded picture's 8-bit plane, else an empty one.
    static PlaneView planeOf(const heif_image* decoded, heif_channel channel) {
        PlaneView view;
        if (heif_image_get_bits_per_pixel_range(decoded, channel) != 8)
            return view;
        view.data = heif_image_get_plane_readonly(decoded, channel, &view.stride);
        view.size =
            QSize(heif_image_get_width(decoded, channel), heif_image_get_height(decoded, channel));
        return view.data && !view.size.isEmpty() ? view : PlaneView();
    }

    // The size the decoder may scale the picture to: none for a square picture that is not to
    // be shown square, whose coded picture may be turned a quarter afterwards.
    QSize decoderScale(QSize size) const {
        const bool square = m_size.width() == m_size.height();
        return square && size.width() != size.height() ? QSize() : size;
    }

    // Any picture through libheif's conversion to RGB, at full size.
    QImage decodeRgb(heif_image_handle* handle, bool primary) {
        const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
        heif_decoding_options* options = heif_decoding_options_alloc();
        options->convert_hdr_to_8bit = 1;
        heif_image* decoded = nullptr;
        const heif_error error = heif_decode_image(
            handle, &decoded, heif_colorspace_RGB,
            alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options);
        heif_decoding_options_free(options);
        std::unique_ptr<heif_image, ImageRelease> pixels(decoded);
        check(error);

        int stride = 0;
        const uint8_t* plane =
            heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
        const QSize size(heif_image_get_width(decoded, heif_channel_interleaved),
                         heif_image_get_height(decoded, heif_channel_interleaved));
        if (!plane)
            fail(m_path, QCoreApplication::translate("PictureErrors",
                                                     "the picture's pixels do not match its size"));
        checkDecodedSize(size, primary);
        const QImage view(plane, size.width(), size.height(), stride,
                          alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
        QImage image = view.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        if (image.isNull())
            failMemory(size);
        return image;
    }

    // The header's size is what the card was fitted to: a file whose coded picture is of
    // another size (a lying header) fails. A thumbnail is smaller by nature.
    void checkDecodedSize(QSize size, bool primary) {
        const bool matches =
            primary ? size == m_size
                    : size.width() <= m_size.width() && size.height() <= m_size.height();
        if (size.width() <= 0 || size.height() <= 0 || !matches)
            fail(m_path, QCoreApplication::translate("PictureErrors",
                                                     "the picture's pixels do not match its size"));
    }

    [[noreturn]] void failMemory(QSize size) {
        fail(m_path, QCoreApplication::translate("PictureErrors",
                                                 "there is not enough memory for %1 x %2 pixels")
                         .arg(size.width())
                         .arg(size.height()));
    }

    // The file's boxes as read once.
    const HeifLayout& layout() {
        if (!m_layout)
            m_layout.emplace(HeifLayout::read(m_reader.stream, m_reader.size));
        return *m_layout;
    }

    // libheif 1.15 aborts the program when it decodes an identity-derived item whose reference is
    // no picture: such a file is refused before anything of it is decoded.
    void refuseBrokenIdentity() {
        if (layout().brokenIdentity)
            fail(m_path, QCoreApplication::translate("PictureErrors", "the file is damaged"));
    }

    // The cause in our words; libheif's own text follows in parentheses.
    void check(const heif_error& error) {
        if (error.code == heif_error_Ok)
            return;
        QString cause;
        const HeifLayout& layout = this->layout();
        if (m_reader.readFailed)
            cause = QCoreApplication::translate("PictureErrors",
                                                "the file could not be read to its end");
        else if (layout.sequenceOnly)
            cause = QCoreApplication::translate(
                "PictureErrors", "this HEIF file holds an image sequence, which cannot be printed");
        else if (layout.primaryType == "iden")
            cause = QCoreApplication::translate(
                "PictureErrors", "this HEIF file's picture is an identity-derived ('iden') "
                                 "item, which cannot be read");
        else if (error.code == heif_error_Memory_allocation_error)
            cause = QCoreApplication::translate("PictureErrors", "the picture is too large");
        else if (error.code == heif_error_Unsupported_filetype)
            cause = QCoreApplication::translate("PictureErrors",
                                                "this is not a HEIF picture that can be read");
        else if (error.code == heif_error_Unsupported_feature)
            cause = QCoreApplication::translate(
                "PictureErrors", "this HEIF file uses a kind of picture that cannot be read");
        else
            cause = QCoreApplication::translate("PictureErrors", "the file is damaged");
        fail(m_path,
             QStringLiteral("%1 (%2)").arg(cause, QString::fromUtf8(error.message).trimmed()));
    }

    // The smallest thumbnail of the picture's shape that covers the wanted size both ways.
    Handle coveringThumbnail(const QSize& wanted) {
        if (!wanted.isValid() || wanted.isEmpty())
            return {};
        return thumbnail([&](QSize size, QSize best) {
            return size.width() >= wanted.width() && size.height() >= wanted.height() &&
                   (best.isEmpty() || size.width() < best.width());
        });
    }

    // The thumbnail of the picture's shape that `better(its size, the best one's so far)`
    // prefers. A thumbnail whose shape differs from the picture's by more than 1 % (or more than
    // rounding to whole pixels gives), a thumbnail of another picture or one stored turned, is
    // never taken.
    template <typename Better> Handle thumbnail(const Better& better) {
        const int count = heif_image_handle_get_number_of_thumbnails(m_primary.get());
        if (count <= 0 || count > 16)
            return {};
        heif_item_id ids[16];
        heif_image_handle_get_list_of_thumbnail_IDs(m_primary.get(), ids, count);
        Handle best;
        QSize bestSize;
        for (int i = 0; i < count; ++i) {
            heif_image_handle* candidate = nullptr;
            if (heif_image_handle_get_thumbnail(m_primary.get(), ids[i], &candidate).code !=
                heif_error_Ok)
                continue;
            Handle thumbnail(candidate);
            const QSize size(heif_image_handle_get_width(candidate),
                             heif_image_handle_get_height(candidate));
            if (sameShape(size, m_size) && better(size, bestSize)) {
                best = std::move(thumbnail);
                bestSize = size;
            }
        }
        return best;
    }

    // The JPEG thumbnail of the picture's EXIF block, turned by the block's orientation: writers
    // give it the turn their boxes give the picture. (libheif 1.15 reports the coded size of a
    // picture its encoder turned as the shown one, so the two turns cannot be compared.) A
    // thumbnail that comes out of another shape than the picture is not used.
    QImage exifPreview(const QSize& shown) {
        heif_item_id id = 0;
        if (heif_image_handle_get_list_of_metadata_block_IDs(m_primary.get(), "Exif", &id, 1) < 1)
            return {};
        const size_t size = heif_image_handle_get_metadata_size(m_primary.get(), id);
        if (size < 4 || size > size_t(4 * kMegabyte))
            return {};
        QByteArray block(qsizetype(size), Qt::Uninitialized);
        if (heif_image_handle_get_metadata(m_primary.get(), id, block.data()).code != heif_error_Ok)
            return {};
        // The item begins with the offset of the TIFF header after its own four bytes.
        const quint32 offset = qFromBigEndian<quint32>(block.constData());
        if (offset > size - 4)
            return {};
        const ExifThumbnail found = readExifThumbnail(block.mid(qsizetype(4 + offset)));
        return fitPreview(found.image, found.orientation, m_size, shown);
    }

    // An ICC profile, or the Display P3 primaries of an nclx profile, converted to sRGB.
    void applyColourProfile(QImage& image) {
        const heif_color_profile_type type =
            heif_image_handle_get_color_profile_type(m_primary.get());
        if (type == heif_color_profile_type_rICC || type == heif_color_profile_type_prof) {
            const size_t size = heif_image_handle_get_raw_color_profile_size(m_primary.get());
            if (size == 0 || size > size_t(16 * kMegabyte))
                return;
            QByteArray icc(qsizetype(size), Qt::Uninitialized);
            if (heif_image_handle_get_raw_color_profile(m_primary.get(), icc.data()).code ==
                heif_error_Ok)
                convertToSRgb(image, icc);
            return;
        }
        heif_color_profile_nclx* nclx = nullptr;
        if (heif_image_handle_get_nclx_color_profile(m_primary.get(), &nclx).code != heif_error_Ok)
            return;
        const bool p3 = nclx && int(nclx->color_primaries) == kPrimariesP3;
        heif_nclx_color_profile_free(nclx);
        if (p3) {
            image.setColorSpace(QColorSpace(QColorSpace::DisplayP3));
            convertToSRgb(image);
        }
    }

    QString m_path;
    PictureFile m_file;      // outlives the context, which reads from it
    HeifFileReader m_reader; // of the file
    std::unique_ptr<heif_context, ContextFree> m_context; // outlives the handle
    Handle m_primary;
    QSize m_size;
    std::optional<HeifLayout> m_layout;
};

QSize readHeifSize(const QString& path) {
    return HeifDecoder(path).readSize();
}

DecodedPicture loadHeifPreview(const QString& path, const WantedSize& wanted) {
    HeifDecoder decoder(path);
    const QSize ownSize = decoder.readSize();
    return {ownSize, decoder.preview(wanted ? wanted(ownSize) : QSize())};
}

DecodedPicture loadHeif(const QString& path, const WantedSize& wanted) {
    HeifDecoder decoder(path);
    const QSize ownSize = decoder.readSize();
    const QSize size = wanted ? wanted(ownSize) : QSize();
    return {ownSize, decoder.decode(size)};
}

} // namespace

const FormatDecoder heifDecoder{readHeifSize, loadHeifPreview, loadHeif};

} // namespace ferlo::pictures
