#include "pictures/YCbCrConversion.h"

#include "pictures/AreaTaps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

#include <sys/mman.h>

namespace ferlo::pictures {

using std::size_t;

namespace {

// libheif's luma and chroma weights for a code (zero for a code it takes as BT.601's defaults).
struct Weights {
    float kr = 0;
    float kb = 0;
};

Weights weightsOf(int matrixCoefficients) {
    switch (matrixCoefficients) {
    case 1:
        return {0.2126f, 0.0722f};
    case 4:
        return {0.30f, 0.11f};
    case 5:
    case 6:
        return {0.299f, 0.114f};
    case 7:
        return {0.212f, 0.087f};
    case 9:
    case 10:
        return {0.2627f, 0.0593f};
    default:
        return {};
    }
}

// Rounded half up and clipped to 0..255, as libheif does: the sum plus one half, truncated (the
// clipping done before the truncation, where the vectoriser can do it, gives the same values).
inline uint8_t sample(float value) {
    return uint8_t(int(std::min(std::max(value + 0.5f, 0.0f), 255.0f)));
}

// One row, in a loop the vectoriser takes: the luma's value computed, not looked up.
template <bool fullRange>
[[gnu::always_inline]] inline void
convertRow(const uint8_t* __restrict luma, const float* __restrict red,
           const float* __restrict greenB, const float* __restrict greenR,
           const float* __restrict blue, int width, uint8_t* const out[3]) {
    uint8_t* __restrict outR = out[0];
    uint8_t* __restrict outG = out[1];
    uint8_t* __restrict outB = out[2];
    for (int x = 0; x < width; ++x) {
        float v = float(luma[x]);
        if constexpr (!fullRange)
            v = (v - 16) * 1.1689f;
        outR[x] = sample(v + red[x]);
        outG[x] = sample(v + greenB[x] + greenR[x]);
        outB[x] = sample(v + blue[x]);
    }
}

// Eight samples at a time where the processor has AVX2; the same floats, so the same samples.
__attribute__((target_clones("avx2", "default"))) void
convertAnyRow(bool fullRange, const uint8_t* luma, const float* red, const float* greenB,
              const float* greenR, const float* blue, int width, uint8_t* const out[3]) {
    if (fullRange)
        convertRow<true>(luma, red, greenB, greenR, blue, width, out);
    else
        convertRow<false>(luma, red, greenB, greenR, blue, width, out);
}

// Asks the kernel to back the whole 2 MB pages inside the buffer with huge pages: a photo's copy
// then costs a few page faults instead of thousands. A wish only.
void wishHugePages(void* buffer, size_t bytes) {
    constexpr uintptr_t kHugePage = 2 * 1024 * 1024;
    const uintptr_t start =
        (reinterpret_cast<uintptr_t>(buffer) + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(buffer) + bytes) & ~(kHugePage - 1);
    if (end > start)
        madvise(reinterpret_cast<void*>(start), end - start, MADV_HUGEPAGE);
}

} // namespace

bool yCbCrToRgbFor(int matrixCoefficients, bool fullRange, YCbCrToRgb* conversion) {
    if (matrixCoefficients == 0 || matrixCoefficients == 8 || matrixCoefficients == 12 ||
        matrixCoefficients == 13)
        return false;
    YCbCrToRgb result;
    result.fullRange = fullRange;
    const Weights k = weightsOf(matrixCoefficients);
    if (k.kr != 0 || k.kb != 0) {
        // The same expressions in the same order: the floats must come out bit for bit.
        result.redOfCr = 2 * (-k.kr + 1);
        result.greenOfCb = 2 * k.kb * (-k.kb + 1) / (k.kb + k.kr - 1);
        result.greenOfCr = 2 * k.kr * (-k.kr + 1) / (k.kb + k.kr - 1);
        result.blueOfCb = 2 * (-k.kb + 1);
    }
    *conversion = result;
    return true;
}

YCbCrRows::YCbCrRows(SamplePlane y, SamplePlane cb, SamplePlane cr, bool halfAcross, bool halfDown,
                     int width, const YCbCrToRgb& conversion)
    : m_y(y)
    , m_cb(cb)
    , m_cr(cr)
    , m_halfAcross(halfAcross)
    , m_halfDown(halfDown)
    , m_width(width)
    , m_fullRange(conversion.fullRange)
    , m_terms(size_t(4) * size_t(width)) {
    // Each chroma value's share of R, G and B, once.
    for (int v = 0; v < 256; ++v) {
        float c = float(v - 128);
        if (!conversion.fullRange)
            c = c * 1.1429f;
        m_redOfCr[size_t(v)] = conversion.redOfCr * c;
        m_greenOfCb[size_t(v)] = conversion.greenOfCb * c;
        m_greenOfCr[size_t(v)] = conversion.greenOfCr * c;
        m_blueOfCb[size_t(v)] = conversion.blueOfCb * c;
    }
}

void YCbCrRows::convert(int row, uint8_t* const out[3]) {
    const size_t width = size_t(m_width);
    float* red = m_terms.data();
    float* greenB = red + width;
    float* greenR = greenB + width;
    float* blue = greenR + width;
    const int chromaRow = m_halfDown ? row / 2 : row;
    if (chromaRow != m_termsOfRow) {
        // The chroma row's terms, spread to the luma samples they cover.
        const uint8_t* b = m_cb.data + size_t(chromaRow) * size_t(m_cb.stride);
        const uint8_t* r = m_cr.data + size_t(chromaRow) * size_t(m_cr.stride);
        const int chromaWidth = m_halfAcross ? (m_width + 1) / 2 : m_width;
        for (int x = 0; x < chromaWidth; ++x) {
            const int first = m_halfAcross ? 2 * x : x;
            const int last = m_halfAcross && first + 1 < m_width ? first + 1 : first;
            for (int at = first; at <= last; ++at) {
                red[at] = m_redOfCr[r[x]];
                greenB[at] = m_greenOfCb[b[x]];
                greenR[at] = m_greenOfCr[r[x]];
                blue[at] = m_blueOfCb[b[x]];
            }
        }
        m_termsOfRow = chromaRow;
    }
    convertAnyRow(m_fullRange, m_y.data + size_t(row) * size_t(m_y.stride), red, greenB, greenR,
                  blue, m_width, out);
}

void YCbCrCopy::copyPlane(int plane, SamplePlane from, int width, int height) {
    const size_t bytes = size_t(width) * size_t(height);
    samples[plane] = std::make_unique_for_overwrite<uint8_t[]>(bytes);
    wishHugePages(samples[plane].get(), bytes);
    strides[plane] = width;
    for (int y = 0; y < height; ++y)
        std::memcpy(samples[plane].get() + size_t(y) * size_t(width),
                    from.data + size_t(y) * size_t(from.stride), size_t(width));
}

void YCbCrCopy::convertInto(uint8_t* const rgb[3], const int rgbStrides[3]) const {
    YCbCrRows rows({samples[0].get(), strides[0]}, {samples[1].get(), strides[1]},
                   {samples[2].get(), strides[2]}, halfAcross, halfDown, width, conversion);
    for (int row = 0; row < height; ++row) {
        uint8_t* const out[3] = {rgb[0] + size_t(row) * size_t(rgbStrides[0]),
                                 rgb[1] + size_t(row) * size_t(rgbStrides[1]),
                                 rgb[2] + size_t(row) * size_t(rgbStrides[2])};
        rows.convert(row, out);
    }
}

bool yCbCrMatrixFor(int matrixCoefficients, bool fullRange, YCbCrMatrix* matrix) {
    switch (matrixCoefficients) {
    case 1:
        *matrix = {0.2126, 0.0722, fullRange};
        return true;
    case 2: // unspecified: BT.601, as the decoder library takes it
    case 5:
    case 6:
        *matrix = {0.299, 0.114, fullRange};
        return true;
    case 4:
        *matrix = {0.30, 0.11, fullRange};
        return true;
    case 7:
        *matrix = {0.212, 0.087, fullRange};
        return true;
    case 9:
    case 10:
        *matrix = {0.2627, 0.0593, fullRange};
        return true;
    default:
        return false;
    }
}

QImage yCbCrToRgb32(const PlaneView& y, const PlaneView& cb, const PlaneView& cr, QSize size,
                    const YCbCrMatrix& matrix) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const std::vector<uchar> luma = scalePlane(y, size);
    const std::vector<uchar> blue = scalePlane(cb, size);
    const std::vector<uchar> red = scalePlane(cr, size);

    // Tables in fixed point: the luma's value, and each chroma sample's share of R, G and B.
    const double kg = 1 - matrix.kr - matrix.kb;
    std::array<int, 256> lumaOf{}, redOfCr{}, greenOfCb{}, greenOfCr{}, blueOfCb{};
    for (int v = 0; v < 256; ++v) {
        const double l = matrix.fullRange ? v : (v - 16) * 255.0 / 219.0;
        const double c = matrix.fullRange ? v - 128 : (v - 128) * 255.0 / 224.0;
        lumaOf[size_t(v)] = int(std::lround(l * kAreaOne));
        redOfCr[size_t(v)] = int(std::lround(c * 2 * (1 - matrix.kr) * kAreaOne));
        blueOfCb[size_t(v)] = int(std::lround(c * 2 * (1 - matrix.kb) * kAreaOne));
        greenOfCb[size_t(v)] =
            int(std::lround(-c * 2 * matrix.kb * (1 - matrix.kb) / kg * kAreaOne));
        greenOfCr[size_t(v)] =
            int(std::lround(-c * 2 * matrix.kr * (1 - matrix.kr) / kg * kAreaOne));
    }
    const int width = size.width();
    for (int row = 0; row < size.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        const size_t at = size_t(row) * size_t(width);
        for (int x = 0; x < width; ++x) {
            const int l = lumaOf[luma[at + size_t(x)]];
            const uchar b = blue[at + size_t(x)], r = red[at + size_t(x)];
            line[x] =
                qRgb(areaWeighted(l + redOfCr[r]), areaWeighted(l + greenOfCb[b] + greenOfCr[r]),
                     areaWeighted(l + blueOfCb[b]));
        }
    }
    return image;
}

} // namespace ferlo::pictures
