#pragma once

// YCbCr samples into RGB ones. First as libheif 1.15 converts them for a colour description
// (nclx): sample for sample in single-precision floats, each chroma sample taken for the luma
// samples it covers, rounded half up. Our HEVC decoder converts a picture this way itself, into
// the planes it hands to libheif, so that libheif does not allocate, zero and fill a second set of
// planes; the pixels stay the ones libheif's own conversion gives. Then our own conversion of
// scaled planes into the screen's pixels, for the 8-bit planes libheif reduces deeper pictures to.

#include "pictures/PlaneScaler.h"

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

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

// Converts rows of `width` samples one at a time, in any order: chroma planes halved across when
// `halfAcross`, and down when `halfDown` (4:2:0 both, 4:2:2 across only). Throws std::bad_alloc.
class YCbCrRows {
public:
    YCbCrRows(SamplePlane y, SamplePlane cb, SamplePlane cr, bool halfAcross, bool halfDown,
              int width, const YCbCrToRgb& conversion);
    // Row `row` into the rows `out` of R, G and B.
    void convert(int row, uint8_t* const out[3]);

private:
    SamplePlane m_y, m_cb, m_cr;
    bool m_halfAcross, m_halfDown;
    int m_width;
    bool m_fullRange;
    std::array<float, 256> m_redOfCr{}, m_greenOfCb{}, m_greenOfCr{}, m_blueOfCb{};
    std::vector<float> m_terms; // a chroma row's share of R, G and B for each luma sample
    int m_termsOfRow = -1;
};

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
    // Converts the copied samples into three planes of the luma's size. Throws std::bad_alloc.
    void convertInto(uint8_t* const rgb[3], const int rgbStrides[3]) const;
};

// How YCbCr samples map to RGB: the luma weights of red and blue (BT.601: 0.299 and 0.114) and
// whether the samples use the full 0..255 range (else 16..235 for luma, 16..240 for chroma).
struct YCbCrMatrix {
    double kr = 0.299;
    double kb = 0.114;
    bool fullRange = true;
};

// The matrix for an ISO/IEC 23091-2 matrix_coefficients code (1 BT.709, 2 unspecified,
// 4 FCC, 5/6 BT.601, 7 SMPTE 240M, 9/10 BT.2020), or false for a code whose samples are not
// plain YCbCr (0 identity, 8 YCgCo, ...).
bool yCbCrMatrixFor(int matrixCoefficients, bool fullRange, YCbCrMatrix* matrix);

// Planes Y, Cb and Cr of any subsampling, scaled to `size` each and converted to
// QImage::Format_RGB32. Returns a null image when the pixels cannot be allocated.
QImage yCbCrToRgb32(const PlaneView& y, const PlaneView& cb, const PlaneView& cr, QSize size,
                    const YCbCrMatrix& matrix);

} // namespace ferlo::pictures
