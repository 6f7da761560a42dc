#pragma once

// A decoded HEVC picture as the heif_image our decoder hands libheif: its planes as decoded, or
// RGB planes converted as libheif converts YCbCr (at full size, or scaled while converted), and
// described with the colour of the picture's stream.

#include "pictures/HevcTiles.h"
#include "pictures/YCbCrConversion.h"

#include <QSize>

#include <libde265/de265.h>
#include <libheif/heif.h>

namespace ferlo::pictures {

inline constexpr char kHeifNoText[] = "";

constexpr heif_error heifSuccess() {
    return {heif_error_Ok, heif_suberror_Unspecified, "Success"};
}

constexpr heif_error heifNoMemory() {
    return {heif_error_Memory_allocation_error, heif_suberror_Unspecified, kHeifNoText};
}

// The colour description of a stream's VUI.
struct StreamColour {
    int primaries = 2;
    int transfer = 2;
    int matrix = 2;
    bool fullRange = false;
};

StreamColour streamColour(const de265_image* picture);

// A decoded picture as a heif_image: its planes copied row by row.
heif_error toHeifImage(const de265_image* picture, heif_image** out);

// How the picture's samples become RGB, with the item's colour description, else the stream's.
// False for a picture that libheif converts in a way of its own.
bool rgbConversionFor(const de265_image* picture, const ItemColour& item, YCbCrToRgb* conversion);

// The picture's RGB planes scaled to `size` while its rows are converted, straight from the
// decoder: only the smaller planes are made, so the decoder need not go first. Throws
// std::bad_alloc.
heif_error toScaledRgbImage(const de265_image* picture, const YCbCrToRgb& conversion, QSize size,
                            heif_image** out);

// A decoded 8-bit YCbCr picture's samples copied out of the decoder, so that the decoder, the
// picture and their side tables (several megabytes for a photo) go before the RGB planes are
// made; and the colour description of its stream.
struct PendingRgb {
    YCbCrCopy copy;
    StreamColour colour;
};

// The picture's samples, to be converted as `conversion` says. Throws std::bad_alloc.
void copyForRgb(const de265_image* picture, const YCbCrToRgb& conversion, PendingRgb* pending);

// The RGB planes libheif would convert the copied samples into. Throws std::bad_alloc.
heif_error toRgbImage(const YCbCrCopy& copy, heif_image** out);

// The picture made and described with its stream's colour (a value libheif does not know is a
// warning on the picture, or the error in strict decoding), or the error with nothing made.
heif_error finishImage(heif_error made, const StreamColour& colour, bool strict, heif_image** out);

} // namespace ferlo::pictures
