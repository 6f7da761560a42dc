#pragma once

// YCbCr samples into RGB ones as libheif 1.15 converts them for a colour description (nclx):
// sample for sample in single-precision floats, each chroma sample taken for the luma samples it
// covers, rounded half up. Our HEVC decoder converts a picture this way itself, into the planes
// it hands to libheif, so that libheif does not allocate, zero and fill a second set of planes;
// the pixels stay the ones libheif's own conversion gives.

#include <cstdint>
#include <memory>

namespace ferlo::pictures {

struct YCbCrToRgb {
    float redOfCr = 1.402f;
    float greenOfCb = -0.344136f;
    float greenOfCr = -0.714136f;
    float blueOfCb = 1.772f;
    bool fullRange = true;
};

// The conversion for an ISO/IEC 23091-2 matrix_coefficients code, or false for one that libheif
// converts in a way of its own (0 identity, 8 YCgCo, 12 and 13 derived from the primaries).
bool yCbCrToRgbFor(int matrixCoefficients, bool fullRange, YCbCrToRgb* conversion);

// One 8-bit plane of samples.
struct SamplePlane {
    const uint8_t* data = nullptr;
    int stride = 0;
};

// Converts `width` x `height` samples: chroma planes halved across when `halfAcross`, and down
// when `halfDown` (4:2:0 both, 4:2:2 across only), into three planes of that size.
void convertYCbCr(SamplePlane y, SamplePlane cb, SamplePlane cr, bool halfAcross, bool halfDown,
                  int width, int height, const YCbCrToRgb& conversion, uint8_t* const rgb[3],
                  const int strides[3]);

// A picture's 8-bit samples copied out of their decoder, and how they become RGB.
struct YCbCrCopy {
    int width = 0; // the luma's size
    int height = 0;
    bool halfAcross = false;
    bool halfDown = false;
    YCbCrToRgb conversion;
    std::unique_ptr<uint8_t[]> samples[3];
    int strides[3] = {};

    // Copies plane 0 (Y), 1 (Cb) or 2 (Cr) of `width` x `height` samples. Throws std::bad_alloc.
    void copyPlane(int plane, SamplePlane from, int width, int height);
    // Converts the copied samples into three planes of the luma's size.
    void convertInto(uint8_t* const rgb[3], const int rgbStrides[3]) const;
};

} // namespace ferlo::pictures
