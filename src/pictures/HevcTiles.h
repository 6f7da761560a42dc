#pragma once

struct heif_decoder_plugin;

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

// While it lives, the next picture this decoder hands over on this thread, and only that one, goes
// to libheif as RGB planes: converted here as libheif converts YCbCr into RGB, with the item's
// colour description, else the stream's own. libheif then neither allocates, zeroes and fills a
// second set of planes nor converts them sample by sample. A picture that libheif converts in a
// way of its own (monochrome, deeper than 8 bits, identity or YCgCo samples) goes as YCbCr, as
// any other does. Meant for one coded picture's decoding: libheif decodes the picture before its
// alpha item, which must stay as it is.
class RgbPlanesWanted {
public:
    explicit RgbPlanesWanted(const ItemColour& colour);
    ~RgbPlanesWanted();
    RgbPlanesWanted(const RgbPlanesWanted&) = delete;
    RgbPlanesWanted& operator=(const RgbPlanesWanted&) = delete;

private:
    ItemColour m_colour;
};

} // namespace ferlo::pictures
