#pragma once

// Scaling 8-bit sample planes by area averaging, and packing them into the screen's pixels. A
// decoder that gets its picture as planes (HEIF) scales them to the size the caller shows, before
// the colours are converted, so that no full-size RGB picture is ever made.

#include <QImage>
#include <QSize>

#include <cstdint>
#include <functional>
#include <vector>

namespace ferlo::pictures {

// One 8-bit plane of a decoded picture, as the library holds it.
struct PlaneView {
    const uchar* data = nullptr;
    int stride = 0; // bytes from one row to the next
    QSize size;
};

// The plane scaled to `size` by area averaging (each output sample the mean of the input area
// it covers, parts of samples weighted by their share); a larger size repeats samples. Rows of
// the result lie `size.width()` bytes apart.
std::vector<uchar> scalePlane(const PlaneView& plane, QSize size);

// Planes R, G and B of one size, scaled to `size` by area averaging and packed into
// QImage::Format_RGB32 one row at a time: besides the planes and the result, only a few rows
// are held. A null image when the planes differ in size or the pixels cannot be allocated.
QImage rgbPlanesToRgb32(const PlaneView& r, const PlaneView& g, const PlaneView& b, QSize size);

// The same averaging for planes whose rows are made on request, into three planes of `size`
// (rows `outStrides` bytes apart): `rows(y, rgb)` writes row y of R, G and B (in.width() samples
// each) into rgb[0..2]. Rows are asked for top to bottom, each once, and only as many as one
// output row covers are held, so the planes are never made whole. Throws std::bad_alloc.
void rgbRowsToPlanes(QSize in, QSize size, const std::function<void(int, uchar* const[3])>& rows,
                     uchar* const out[3], const int outStrides[3]);

// The same with an alpha plane, into QImage::Format_ARGB32: each colour sample weighs by its alpha
// in the average, so that the colour of transparent pixels (often black) does not bleed into the
// ones beside them. A null image when the planes differ in size or the pixels cannot be allocated.
QImage rgbaPlanesToArgb32(const PlaneView& r, const PlaneView& g, const PlaneView& b,
                          const PlaneView& a, QSize size);

} // namespace ferlo::pictures
