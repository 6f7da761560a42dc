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

#include "pictures/HevcPictures.h"

#include <libde265/de265.h>
#include <libheif/heif.h>
#include <libheif/heif_plugin.h>

#include <cstdint>
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
        return heifNoMemory();
    return heifSuccess();
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
    const heif_error endOfData{heif_error_Decoder_plugin_error, heif_suberror_End_of_data,
                               kHeifNoText};
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
                return heifNoMemory();
        } else {
            stream.key.clear(); // a second part may bring anything
        }
        for (const auto& [unit, length] : units)
            if (de265_push_NAL(stream.context, unit, int(length), 0, nullptr) != DE265_OK)
                stream.key.clear();
    } catch (const std::bad_alloc&) {
        stream.key.clear();
        return heifNoMemory();
    }
    return heifSuccess();
}

// What is asked for the next picture on this thread, or null.
thread_local RgbPlanesWanted::Request* t_rgbWanted = nullptr;
// The turns in which full-size RGB planes of pictures with alpha are made.
std::mutex g_alphaTurns;

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

// A decoded picture for libheif, in place of the one before: made at once (as decoded, or RGB
// scaled while converted), or its samples copied into `pending`, to be converted once the decoder
// is gone. Throws std::bad_alloc.
heif_error takePicture(const de265_image* picture, RgbPlanesWanted::Request* rgbWanted, bool strict,
                       std::optional<PendingRgb>& pending, heif_image** out) {
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
        return heifSuccess();
    }
    const heif_error made =
        rgb ? toScaledRgbImage(picture, conversion, scaled, out) : toHeifImage(picture, out);
    return finishImage(made, streamColour(picture), strict, out);
}

// Decodes every picture of the stream and hands on the last one, as libheif's own decoder does:
// a stream that decodes to no picture gives none and no error (libheif reports that).
heif_error decodeImage(void* decoder, heif_image** out) {
    Stream& stream = *static_cast<Stream*>(decoder);
    *out = nullptr;
    RgbPlanesWanted::Request* rgbWanted = std::exchange(t_rgbWanted, nullptr);
    if (!stream.context)
        return heifSuccess(); // no data, no picture
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
            const heif_error result = takePicture(picture, rgbWanted, stream.strict, pending, out);
            if (result.code != heif_error_Ok) {
                pool().give(context, {});
                return result;
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
        return heifNoMemory();
    }
    pool().give(context, clean && (*out || pending) ? std::move(stream.key) : std::string());
    if (!pending)
        return heifSuccess();
    if (rgbWanted->alphaFollows)
        rgbWanted->turn = std::unique_lock(g_alphaTurns);
    try {
        return finishImage(toRgbImage(pending->copy, out), pending->colour, stream.strict, out);
    } catch (const std::bad_alloc&) {
        return finishImage(heifNoMemory(), pending->colour, stream.strict, out);
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

ItemColour itemColourOf(heif_image_handle* handle) {
    ItemColour colour;
    heif_color_profile_nclx* nclx = nullptr;
    if (heif_image_handle_get_nclx_color_profile(handle, &nclx).code != heif_error_Ok || !nclx)
        return colour;
    colour.given = true;
    colour.matrixCoefficients = int(nclx->matrix_coefficients);
    colour.fullRange = nclx->full_range_flag != 0;
    heif_nclx_color_profile_free(nclx);
    return colour;
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
