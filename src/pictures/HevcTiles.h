#pragma once

#include <QSize>

#include <mutex>

struct heif_decoder_plugin;
struct heif_image_handle;

namespace ferlo::pictures {

// The HEVC decoder that libheif is given for the contexts of our HEIF reader. libheif asks for a
// new decoder for every coded picture, and a phone's photo is a grid of many small ones (48 tiles
// of 512 x 512 in a 12-megapixel photo); libheif's own decoder starts a libde265 decoder with a
// worker thread for each. This one keeps the libde265 decoders of small pictures between them,
// each reset after its picture, and decodes on the thread that asks. The pixels are the same.
const heif_decoder_plugin* hevcTilesDecoder();

// The colour description (nclx) of the item a picture is decoded for, when the file gives one.
struct ItemColour {
    bool given = false;
    int matrixCoefficients = 2;
    bool fullRange = true;
};

// The item's own colour description, when it has one.
ItemColour itemColourOf(heif_image_handle* handle);

// While it lives, the next picture this decoder hands over on this thread, and only that one, goes
// to libheif as RGB planes: converted here as libheif converts YCbCr into RGB, with the item's
// colour description, else the stream's own. libheif then neither allocates, zeroes and fills a
// second set of planes nor converts them sample by sample. A picture that libheif converts in a
// way of its own (monochrome, deeper than 8 bits, identity or YCgCo samples) goes as YCbCr, as
// any other does. Meant for one coded picture's decoding: libheif decodes the picture before its
// alpha item, which must stay as it is.
//
// With a size to scale to, a picture of the size it is shown at (`shown`, either way round) is
// also scaled to it (turned alike), by area averaging as rgbPlanesToRgb32 scales, while its rows
// are converted: the RGB planes are then never made at full size. libheif turns and mirrors the
// smaller picture as it would the whole; a picture it crops is not scaled.
//
// When `alphaFollows`, the full-size RGB planes of a picture with alpha are made in turns: from
// the moment they are made until this request goes, no other thread makes such planes. libheif
// then decodes the alpha item while it holds them, which is a picture's largest moment; in turns,
// two threads' largest moments never add up.
class RgbPlanesWanted {
public:
    explicit RgbPlanesWanted(const ItemColour& colour, QSize shown = {}, QSize scaledTo = {},
                             bool alphaFollows = false);
    ~RgbPlanesWanted();
    RgbPlanesWanted(const RgbPlanesWanted&) = delete;
    RgbPlanesWanted& operator=(const RgbPlanesWanted&) = delete;

    // No later picture takes the request (the turn, when taken, is kept until the request goes).
    void finish();
    // Whether the picture went to libheif scaled.
    bool scaled() const { return m_request.scaled; }

    struct Request {
        ItemColour colour;
        QSize shown;
        QSize scaledTo;
        bool alphaFollows = false;
        bool scaled = false;
        std::unique_lock<std::mutex> turn;
    };

private:
    Request m_request;
};

} // namespace ferlo::pictures
