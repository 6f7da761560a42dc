#pragma once

struct heif_decoder_plugin;

namespace ferlo::pictures {

// The HEVC decoder that libheif is given for the contexts of our HEIF reader. libheif asks for a
// new decoder for every coded picture, and a phone's photo is a grid of many small ones (48 tiles
// of 512 x 512 in a 12-megapixel photo); libheif's own decoder starts a libde265 decoder with a
// worker thread for each. This one keeps the libde265 decoders of small pictures between them,
// each reset after its picture, and decodes on the thread that asks. The pixels are the same.
const heif_decoder_plugin* hevcTilesDecoder();

} // namespace ferlo::pictures
