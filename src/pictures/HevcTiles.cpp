// libheif's contract for a decoder: new_decoder, then push_data with the coded picture's NAL units
// (each after a 4-byte big-endian length; the parameter sets of the item's hvcC box first), then
// decode_image once, then free_decoder. The picture goes back as YCbCr (or monochrome) planes of
// the stream's chroma format and bit depth, with the colour description of its VUI; libheif
// converts them as it converts those of its own decoder.
//
// A kept libde265 decoder still knows the parameter sets of its last stream (a reset clears only
// its pictures). It is therefore given only a stream that brings exactly the same parameter sets
// and starts with a random-access picture, after which it decodes as a new decoder would; any
// other stream gets a new decoder, which is freed after it.

#include "pictures/HevcTiles.h"

#include "pictures/PlaneScaler.h"
#include "pictures/YCbCrConversion.h"

#include <libde265/de265.h>
#include <libheif/heif.h>
#include <libheif/heif_plugin.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ferlo::pictures {

namespace {

// libheif's own HEVC decoder asks for 100; the highest wins.
constexpr int kPriority = 110;
// Only a decoder whose picture had at most this many samples is kept: a decoder keeps side tables
// for the size of its last picture (several megabytes for a whole photo), and only a grid's tiles
// come many to a file.
constexpr int64_t kKeptSamples = 1024 * 1024;
constexpr size_t kKeptDecoders = 16;

const char kNoText[] = "";
const char kSuccess[] = "Success";

constexpr heif_error ok() {
    return {heif_error_Ok, heif_suberror_Unspecified, kSuccess};
}

constexpr heif_error noMemory() {
    return {heif_error_Memory_allocation_error, heif_suberror_Unspecified, kNoText};
}

using Units = std::vector<std::pair<const uint8_t*, size_t>>; // each NAL unit's start and size

// The parameter sets (each after its length) of a stream whose decoder may be a kept one, empty
// for any other. Such a stream has only parameter sets (video, then sequence, then picture ones),
// coded slices and SEI messages, all of the base layer, and its first slice starts a
// random-access picture.
std::string reusableKey(const Units& units) {
    std::string key;
    int lastSetType = 32;
    bool sliceSeen = false;
    for (const auto& [unit, size] : units) {
        if (size < 2 || (unit[0] & 0x81) != 0 || (unit[1] >> 3) != 0)
            return {};
        const int type = (unit[0] >> 1) & 0x3f;
        if (type >= 32 && type <= 34) {
            if (type < lastSetType)
                return {};
            lastSetType = type;
            key.append(reinterpret_cast<const char*>(unit) - 4, size + 4);
        } else if (type < 32) {
            if (!sliceSeen && (type < 16 || type > 21))
                return {};
            sliceSeen = true;
        } else if (type != 39 && type != 40) {
            return {};
        }
    }
    return sliceSeen ? key : std::string();
}

// The idle decoders, each with the parameter sets of its last stream.
class DecoderPool {
public:
    DecoderPool() = default;
    DecoderPool(const DecoderPool&) = delete;
    DecoderPool& operator=(const DecoderPool&) = delete;
    ~DecoderPool() {
        for (auto& [key, decoder] : m_idle)
            de265_free_decoder(decoder);
    }

    // An idle decoder that last had these parameter sets, else a new one (null when there is no
    // memory for it).
    de265_decoder_context* take(const std::string& key) {
        if (!key.empty()) {
            const std::lock_guard lock(m_mutex);
            for (auto it = m_idle.begin(); it != m_idle.end(); ++it) {
                if (it->first == key) {
                    de265_decoder_context* decoder = it->second;
                    m_idle.erase(it);
                    return decoder;
                }
            }
        }
        return de265_new_decoder();
    }

    // Keeps a decoder that has decoded a stream of these parameter sets cleanly, or frees it.
    void give(de265_decoder_context* decoder, std::string key) {
        if (!key.empty()) {
            de265_reset(decoder);
            const std::lock_guard lock(m_mutex);
            if (m_idle.size() < kKeptDecoders) {
                try {
                    m_idle.emplace_back(std::move(key), decoder);
                    return;
                } catch (const std::bad_alloc&) {
                }
            }
        }
        de265_free_decoder(decoder);
    }

private:
    std::mutex m_mutex;
    std::vector<std::pair<std::string, de265_decoder_context*>> m_idle;
};

DecoderPool& pool() {
    static DecoderPool decoders;
    return decoders;
}

const char* pluginName() {
    return "libde265 HEVC decoder, decoders kept between tiles";
}

int supports(heif_compression_format format) {
    return format == heif_compression_HEVC ? kPriority : 0;
}

// One coded picture's decoding: the libde265 decoder it was given on its first data, and the
// parameter sets that decoder may be kept with afterwards (none: it is freed).
struct Stream {
    de265_decoder_context* context = nullptr;
    std::string key;
    bool strict = false;
};

heif_error newDecoder(void** decoder) {
    *decoder = new (std::nothrow) Stream;
    if (!*decoder)
        return noMemory();
    return ok();
}

void freeDecoder(void* decoder) {
    auto* stream = static_cast<Stream*>(decoder);
    if (stream->context)
        pool().give(stream->context, {});
    delete stream;
}

void setStrict(void* decoder, int flag) {
    static_cast<Stream*>(decoder)->strict = flag != 0;
}

// The units go to the decoder at once (libde265 copies them); the first data chooses the decoder.
heif_error pushData(void* decoder, const void* data, size_t size) {
    Stream& stream = *static_cast<Stream*>(decoder);
    const auto* bytes = static_cast<const uint8_t*>(data);
    const heif_error endOfData{heif_error_Decoder_plugin_error, heif_suberror_End_of_data, kNoText};
    try {
        Units units;
        for (size_t at = 0; at < size;) {
            if (size - at < 4)
                return endOfData;
            const size_t length = size_t(bytes[at]) << 24 | size_t(bytes[at + 1]) << 16 |
                                  size_t(bytes[at + 2]) << 8 | size_t(bytes[at + 3]);
            at += 4;
            if (length > size - at || length > size_t(INT32_MAX))
                return endOfData;
            units.emplace_back(bytes + at, length);
            at += length;
        }
        if (!stream.context) {
            stream.key = reusableKey(units);
            stream.context = pool().take(stream.key);
            if (!stream.context)
                return noMemory();
        } else {
            stream.key.clear(); // a second part may bring anything
        }
        for (const auto& [unit, length] : units)
            if (de265_push_NAL(stream.context, unit, int(length), 0, nullptr) != DE265_OK)
                stream.key.clear();
    } catch (const std::bad_alloc&) {
        stream.key.clear();
        return noMemory();
    }
    return ok();
}

// A decoded picture as a heif_image: its planes copied row by row.
heif_error toHeifImage(const de265_image* picture, heif_image** out) {
    const de265_chroma chroma = de265_get_chroma_format(picture);
    const bool mono = chroma == de265_chroma_mono;
    heif_error error = heif_image_create(
        de265_get_image_width(picture, 0), de265_get_image_height(picture, 0),
        mono ? heif_colorspace_monochrome : heif_colorspace_YCbCr, heif_chroma(chroma), out);
    if (error.code != heif_error_Ok)
        return error;
    const heif_channel channels[3] = {heif_channel_Y, heif_channel_Cb, heif_channel_Cr};
    const int depth = de265_get_bits_per_pixel(picture, 0);
    for (int plane = 0; plane < (mono ? 1 : 3); ++plane) {
        const int width = de265_get_image_width(picture, plane);
        const int height = de265_get_image_height(picture, plane);
        if (de265_get_bits_per_pixel(picture, plane) != depth)
            error = {heif_error_Unsupported_feature, heif_suberror_Unsupported_color_conversion,
                     "Channels with different number of bits per pixel are not supported"};
        else if (width <= 0 || height <= 0)
            error = {heif_error_Decoder_plugin_error, heif_suberror_Invalid_image_size, kNoText};
        else
            error = heif_image_add_plane(*out, channels[plane], width, height, depth);
        if (error.code != heif_error_Ok) {
            heif_image_release(*out);
            *out = nullptr;
            return error;
        }
        int fromStride = 0, toStride = 0;
        const uint8_t* from = de265_get_image_plane(picture, plane, &fromStride);
        uint8_t* to = heif_image_get_plane(*out, channels[plane], &toStride);
        const size_t rowBytes = size_t(width) * size_t((depth + 7) / 8);
        for (int y = 0; y < height; ++y)
            std::memcpy(to + size_t(y) * size_t(toStride), from + size_t(y) * size_t(fromStride),
                        rowBytes);
    }
    return ok();
}

// What is asked for the next picture on this thread, or null.
thread_local RgbPlanesWanted::Request* t_rgbWanted = nullptr;
// The turns in which full-size RGB planes of pictures with alpha are made.
std::mutex g_alphaTurns;

// The colour description of a stream's VUI.
struct StreamColour {
    int primaries = 2;
    int transfer = 2;
    int matrix = 2;
    bool fullRange = false;
};

StreamColour streamColour(const de265_image* picture) {
    return {de265_get_image_colour_primaries(picture),
            de265_get_image_transfer_characteristics(picture),
            de265_get_image_matrix_coefficients(picture),
            de265_get_image_full_range_flag(picture) != 0};
}

// How the picture's samples become RGB, with the item's colour description, else the stream's.
// False for a picture that libheif converts in a way of its own.
bool rgbConversionFor(const de265_image* picture, const ItemColour& item, YCbCrToRgb* conversion) {
    if (de265_get_chroma_format(picture) == de265_chroma_mono)
        return false;
    for (int plane = 0; plane < 3; ++plane)
        if (de265_get_bits_per_pixel(picture, plane) != 8)
            return false;
    const StreamColour stream = streamColour(picture);
    return item.given ? yCbCrToRgbFor(item.matrixCoefficients, item.fullRange, conversion)
                      : yCbCrToRgbFor(stream.matrix, stream.fullRange, conversion);
}

// A new RGB picture of three 8-bit planes, or the error with nothing made.
heif_error newRgbImage(int width, int height, heif_image** out, uint8_t* planes[3],
                       int strides[3]) {
    heif_error error = heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_444, out);
    if (error.code != heif_error_Ok)
        return error;
    const heif_channel channels[3] = {heif_channel_R, heif_channel_G, heif_channel_B};
    for (int plane = 0; plane < 3; ++plane) {
        error = heif_image_add_plane(*out, channels[plane], width, height, 8);
        if (error.code != heif_error_Ok) {
            heif_image_release(*out);
            *out = nullptr;
            return error;
        }
        planes[plane] = heif_image_get_plane(*out, channels[plane], &strides[plane]);
    }
    return ok();
}

// The picture's RGB planes scaled to `size` while its rows are converted, straight from the
// decoder: only the smaller planes are made, so the decoder need not go first.
heif_error toScaledRgbImage(const de265_image* picture, const YCbCrToRgb& conversion, QSize size,
                            heif_image** out) {
    SamplePlane planes[3];
    for (int plane = 0; plane < 3; ++plane)
        planes[plane].data = de265_get_image_plane(picture, plane, &planes[plane].stride);
    const de265_chroma chroma = de265_get_chroma_format(picture);
    const QSize in(de265_get_image_width(picture, 0), de265_get_image_height(picture, 0));
    YCbCrRows rows(planes[0], planes[1], planes[2], chroma != de265_chroma_444,
                   chroma == de265_chroma_420, in.width(), conversion);
    const QImage scaled =
        rgbRowsToRgb32(in, size, [&](int row, uchar* const rgb[3]) { rows.convert(row, rgb); });
    if (scaled.isNull())
        throw std::bad_alloc();
    uint8_t* to[3] = {};
    int strides[3] = {};
    const heif_error error = newRgbImage(size.width(), size.height(), out, to, strides);
    if (error.code != heif_error_Ok)
        return error;
    for (int y = 0; y < size.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        uint8_t* r = to[0] + size_t(y) * size_t(strides[0]);
        uint8_t* g = to[1] + size_t(y) * size_t(strides[1]);
        uint8_t* b = to[2] + size_t(y) * size_t(strides[2]);
        for (int x = 0; x < size.width(); ++x) {
            r[x] = uint8_t(qRed(line[x]));
            g[x] = uint8_t(qGreen(line[x]));
            b[x] = uint8_t(qBlue(line[x]));
        }
    }
    return ok();
}

// The size the picture is to be scaled to as it is converted, turned as the picture is coded;
// empty when it is converted at its own size.
QSize scaledSize(const de265_image* picture, const RgbPlanesWanted::Request& wanted) {
    const QSize in(de265_get_image_width(picture, 0), de265_get_image_height(picture, 0));
    const QSize size = in == wanted.shown                ? wanted.scaledTo
                       : in == wanted.shown.transposed() ? wanted.scaledTo.transposed()
                                                         : QSize();
    return !size.isEmpty() && size.width() < in.width() && size.height() < in.height() ? size
                                                                                       : QSize();
}

// A decoded 8-bit YCbCr picture's samples copied out of the decoder, so that the decoder, the
// picture and their side tables (several megabytes for a photo) go before the RGB planes are
// made; and the colour description of its stream.
struct PendingRgb {
    YCbCrCopy copy;
    StreamColour colour;
};

// The picture's samples, to be converted as `conversion` says.
void copyForRgb(const de265_image* picture, const YCbCrToRgb& conversion, PendingRgb* pending) {
    const de265_chroma chroma = de265_get_chroma_format(picture);
    pending->colour = streamColour(picture);
    YCbCrCopy& copy = pending->copy;
    copy.conversion = conversion;
    copy.width = de265_get_image_width(picture, 0);
    copy.height = de265_get_image_height(picture, 0);
    copy.halfAcross = chroma != de265_chroma_444;
    copy.halfDown = chroma == de265_chroma_420;
    for (int plane = 0; plane < 3; ++plane) {
        int stride = 0;
        const uint8_t* from = de265_get_image_plane(picture, plane, &stride);
        copy.copyPlane(plane, {from, stride}, de265_get_image_width(picture, plane),
                       de265_get_image_height(picture, plane));
    }
}

// The RGB planes libheif would convert the copied samples into.
heif_error toRgbImage(const YCbCrCopy& copy, heif_image** out) {
    uint8_t* planes[3] = {};
    int strides[3] = {};
    const heif_error error = newRgbImage(copy.width, copy.height, out, planes, strides);
    if (error.code != heif_error_Ok)
        return error;
    copy.convertInto(planes, strides);
    return ok();
}

// The colour description of the stream's VUI on the picture; a value libheif does not know is a
// warning on the picture, or the error in strict decoding.
heif_error describeColour(const StreamColour& colour, heif_image* image, bool strict) {
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    if (!nclx)
        return noMemory();
    const heif_error results[3] = {
        heif_nclx_color_profile_set_color_primaries(nclx, uint16_t(colour.primaries)),
        heif_nclx_color_profile_set_transfer_characteristics(nclx, uint16_t(colour.transfer)),
        heif_nclx_color_profile_set_matrix_coefficients(nclx, uint16_t(colour.matrix))};
    for (const heif_error& result : results) {
        if (result.code == heif_error_Ok)
            continue;
        if (strict) {
            heif_nclx_color_profile_free(nclx);
            return result;
        }
        heif_image_add_decoding_warning(image, result);
    }
    nclx->full_range_flag = uint8_t(colour.fullRange);
    const heif_error set = heif_image_set_nclx_color_profile(image, nclx);
    heif_nclx_color_profile_free(nclx);
    return set;
}

// The picture made and described, or the error with nothing made.
heif_error finish(heif_error made, const StreamColour& colour, bool strict, heif_image** out) {
    if (made.code == heif_error_Ok)
        made = describeColour(colour, *out, strict);
    if (made.code != heif_error_Ok && *out) {
        heif_image_release(*out);
        *out = nullptr;
    }
    return made;
}

// Decodes every picture of the stream and hands on the last one, as libheif's own decoder does:
// a stream that decodes to no picture gives none and no error (libheif reports that).
heif_error decodeImage(void* decoder, heif_image** out) {
    Stream& stream = *static_cast<Stream*>(decoder);
    *out = nullptr;
    RgbPlanesWanted::Request* rgbWanted = std::exchange(t_rgbWanted, nullptr);
    if (!stream.context)
        return ok(); // no data, no picture
    de265_decoder_context* context = std::exchange(stream.context, nullptr);
    de265_flush_data(context);
    std::optional<PendingRgb> pending;
    bool clean = true;
    int more = 0;
    try {
        do {
            more = 0;
            if (de265_decode(context, &more) != DE265_OK) {
                clean = false;
                break;
            }
            const de265_image* picture = de265_get_next_picture(context);
            if (!picture)
                continue;
            if (*out)
                heif_image_release(*out);
            *out = nullptr;
            pending.reset();
            YCbCrToRgb conversion;
            const bool rgb = rgbWanted && rgbConversionFor(picture, rgbWanted->colour, &conversion);
            const QSize scaled = rgb ? scaledSize(picture, *rgbWanted) : QSize();
            if (rgbWanted)
                rgbWanted->scaled = !scaled.isEmpty();
            if (rgb && scaled.isEmpty()) {
                pending.emplace();
                copyForRgb(picture, conversion, &*pending);
            } else {
                const heif_error made = rgb ? toScaledRgbImage(picture, conversion, scaled, out)
                                            : toHeifImage(picture, out);
                const heif_error result = finish(made, streamColour(picture), stream.strict, out);
                if (result.code != heif_error_Ok) {
                    pool().give(context, {});
                    return result;
                }
            }
            clean = clean && int64_t(de265_get_image_width(picture, 0)) *
                                     de265_get_image_height(picture, 0) <=
                                 kKeptSamples;
            de265_release_next_picture(context);
        } while (more);
    } catch (const std::bad_alloc&) {
        if (*out)
            heif_image_release(*out);
        *out = nullptr;
        pool().give(context, {});
        return noMemory();
    }
    pool().give(context, clean && (*out || pending) ? std::move(stream.key) : std::string());
    if (!pending)
        return ok();
    if (rgbWanted->alphaFollows)
        rgbWanted->turn = std::unique_lock(g_alphaTurns);
    try {
        return finish(toRgbImage(pending->copy, out), pending->colour, stream.strict, out);
    } catch (const std::bad_alloc&) {
        return finish(noMemory(), pending->colour, stream.strict, out);
    }
}

const heif_decoder_plugin kPlugin{
    .plugin_api_version = 3,
    .get_plugin_name = pluginName,
    .init_plugin = nullptr, // libde265 counts its users itself: each decoder is one
    .deinit_plugin = nullptr,
    .does_support_format = supports,
    .new_decoder = newDecoder,
    .free_decoder = freeDecoder,
    .push_data = pushData,
    .decode_image = decodeImage,
    .set_strict_decoding = setStrict,
    .id_name = "libde265-kept",
};

} // namespace

const heif_decoder_plugin* hevcTilesDecoder() {
    return &kPlugin;
}

RgbPlanesWanted::RgbPlanesWanted(const ItemColour& colour, QSize shown, QSize scaledTo,
                                 bool alphaFollows)
    : m_request{colour, shown, scaledTo, alphaFollows, false, {}} {
    t_rgbWanted = &m_request;
}

RgbPlanesWanted::~RgbPlanesWanted() {
    finish();
}

void RgbPlanesWanted::finish() {
    if (t_rgbWanted == &m_request)
        t_rgbWanted = nullptr;
}

} // namespace ferlo::pictures
