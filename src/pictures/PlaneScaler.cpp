#include "pictures/PlaneScaler.h"

#include "pictures/AreaTaps.h"

#include <algorithm>
#include <cstring>

namespace ferlo::pictures {

namespace {

// Area averaging at any ratio: across first, every input row once, into rows of the output's
// width; then down.
std::vector<uchar> scaleArea(const PlaneView& plane, QSize size) {
    const int inWidth = plane.size.width(), inHeight = plane.size.height();
    const int outWidth = size.width(), outHeight = size.height();
    std::vector<uchar> out(size_t(outWidth) * size_t(outHeight));
    if (outWidth <= 0 || outHeight <= 0 || inWidth <= 0 || inHeight <= 0)
        return out;
    const AreaTaps across(inWidth, outWidth), down(inHeight, outHeight);
    std::vector<uchar> rows(size_t(outWidth) * size_t(inHeight));
    for (int y = 0; y < inHeight; ++y) {
        const uchar* in = plane.data + qsizetype(y) * plane.stride;
        uchar* to = rows.data() + size_t(y) * size_t(outWidth);
        if (inWidth == outWidth) {
            std::memcpy(to, in, size_t(outWidth));
            continue;
        }
        for (int x = 0; x < outWidth; ++x) {
            const int* weight = across.weights.data() + across.offset[size_t(x)];
            const uchar* sample = in + across.first[size_t(x)];
            int sum = 0;
            for (int k = 0; k < across.count[size_t(x)]; ++k)
                sum += weight[k] * sample[k];
            to[x] = areaWeighted(sum);
        }
    }
    std::vector<int> sums(static_cast<size_t>(outWidth));
    for (int y = 0; y < outHeight; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        const int* weight = down.weights.data() + down.offset[size_t(y)];
        for (int k = 0; k < down.count[size_t(y)]; ++k) {
            const uchar* row = rows.data() + size_t(down.first[size_t(y)] + k) * size_t(outWidth);
            for (int x = 0; x < outWidth; ++x)
                sums[size_t(x)] += weight[k] * row[x];
        }
        uchar* to = out.data() + size_t(y) * size_t(outWidth);
        for (int x = 0; x < outWidth; ++x)
            to[x] = areaWeighted(sums[size_t(x)]);
    }
    return out;
}

// The taps of area averaging with a fixed count per output sample (unused ones weigh nothing),
// weights in 14-bit fixed point, so that the products of 8-bit samples fit 16-bit lanes and the
// loops that make a row can be vectorised. Each weight is the difference of two rounded
// boundaries, so that rounding errors do not pile up on one sample.
struct FixedTaps {
    static constexpr int kBits = 14;
    int taps = 1;
    std::vector<int> first;
    std::vector<qint16> weights; // `taps` per output sample

    FixedTaps(int in, int out)
        : first(size_t(out)) {
        for (int o = 0; o < out; ++o) {
            const qint64 start = qint64(o) * in, end = start + in;
            taps = std::max(taps, int((end - 1) / out - start / out + 1));
        }
        weights.assign(size_t(out) * size_t(taps), 0);
        const auto at = [&](qint64 position) { // in 1 / out of an input sample, rounded
            return int((position * (1 << kBits) + in / 2) / in);
        };
        for (int o = 0; o < out; ++o) {
            const qint64 start = qint64(o) * in, end = start + in;
            const int from = int(start / out), to = int((end - 1) / out);
            first[size_t(o)] = from;
            for (int i = from; i <= to; ++i) {
                const qint64 left = std::max(start, qint64(i) * out) - start;
                const qint64 right = std::min(end, qint64(i + 1) * out) - start;
                weights[size_t(o) * size_t(taps) + size_t(i - from)] = qint16(at(right) - at(left));
            }
        }
    }
};

// One output row's column sums of a plane: the input rows it covers (`rows`, as many as the row
// has taps, or fewer at the plane's end), weighted, with 8 bits of fraction kept (at most
// 255 << 8). Sixteen samples at a time where the processor has AVX2.
__attribute__((target_clones("avx2", "default"))) void
sumDownRows(const uchar* const* rows, const qint16* weight, int count, int width, qint32* to) {
    const uchar* in = rows[0];
    const qint16 w0 = weight[0];
    for (int x = 0; x < width; ++x)
        to[x] = w0 * qint16(in[x]);
    for (int k = 1; k < count; ++k) {
        in = rows[k];
        const qint16 w = weight[k];
        if (w == 0)
            continue;
        for (int x = 0; x < width; ++x)
            to[x] += w * qint16(in[x]);
    }
    for (int x = 0; x < width; ++x)
        to[x] >>= FixedTaps::kBits - 8;
}

// The same for a plane's rows.
void sumDown(const PlaneView& plane, const FixedTaps& down, int row, std::vector<qint32>& sums) {
    const int first = down.first[size_t(row)];
    const int count = std::min(down.taps, plane.size.height() - first);
    std::vector<const uchar*> rows(static_cast<size_t>(count));
    for (int k = 0; k < count; ++k)
        rows[size_t(k)] = plane.data + qsizetype(first + k) * plane.stride;
    sumDownRows(rows.data(), down.weights.data() + size_t(row) * size_t(down.taps), count,
                plane.size.width(), sums.data());
}

// One output row across: each pixel the weighted sums of three planes' columns.
template <int Taps>
void sumAcross(const FixedTaps& across, int taps, const std::vector<qint32> (&sums)[3], QRgb* line,
               int width) {
    const int count = Taps > 0 ? Taps : taps;
    const qint32 *r = sums[0].data(), *g = sums[1].data(), *b = sums[2].data();
    const auto sample = [](qint32 sum) {
        return std::min((sum + (1 << (FixedTaps::kBits + 7))) >> (FixedTaps::kBits + 8), 255);
    };
    for (int x = 0; x < width; ++x) {
        const qint16* weight = across.weights.data() + size_t(x) * size_t(count);
        const int first = across.first[size_t(x)];
        qint32 sr = 0, sg = 0, sb = 0;
        for (int k = 0; k < count; ++k) {
            sr += weight[k] * r[first + k];
            sg += weight[k] * g[first + k];
            sb += weight[k] * b[first + k];
        }
        line[x] = qRgb(sample(sr), sample(sg), sample(sb));
    }
}

// One output row across, with the loop for the taps the scaling has.
void sumAcrossAny(const FixedTaps& across, const std::vector<qint32> (&sums)[3], QRgb* line,
                  int width) {
    switch (across.taps) {
    case 1:
        return sumAcross<1>(across, 1, sums, line, width);
    case 2:
        return sumAcross<2>(across, 2, sums, line, width);
    case 3:
        return sumAcross<3>(across, 3, sums, line, width);
    case 4:
        return sumAcross<4>(across, 4, sums, line, width);
    default:
        return sumAcross<0>(across, across.taps, sums, line, width);
    }
}

// One output row's column sums of a colour plane, each sample times its alpha: the input rows
// it covers, weighted (at most 255 * 255).
void sumDownWeighted(const PlaneView& plane, const PlaneView& alpha, const FixedTaps& down, int row,
                     std::vector<qint32>& sums) {
    const int width = plane.size.width();
    const qint16* weight = down.weights.data() + size_t(row) * size_t(down.taps);
    const int first = down.first[size_t(row)];
    const int count = std::min(down.taps, plane.size.height() - first);
    const uchar* in = plane.data + qsizetype(first) * plane.stride;
    const uchar* opacity = alpha.data + qsizetype(first) * alpha.stride;
    qint32* to = sums.data();
    std::fill(to, to + width, 0);
    for (int k = 0; k < count; ++k, in += plane.stride, opacity += alpha.stride) {
        const qint32 w = weight[k];
        if (w == 0)
            continue;
        for (int x = 0; x < width; ++x)
            to[x] += w * (qint32(in[x]) * qint32(opacity[x]));
    }
    for (int x = 0; x < width; ++x)
        to[x] >>= FixedTaps::kBits;
}

// Three planes scaled to `size` by area averaging (`down` their taps down), one output row at a
// time: `rowsFor(first, count, rows)` points rows[i][0 .. count - 1] at plane i's input rows from
// `first` on, the rows the output row covers, and `put(row, pixels)` takes the row's RGB32 pixels.
template <typename RowsFor, typename Put>
void scaleRgb(QSize in, QSize size, const FixedTaps& down, RowsFor&& rowsFor, Put&& put) {
    const FixedTaps across(in.width(), size.width());
    // Room past the last column for the unused taps of the last samples (they weigh nothing).
    std::vector<qint32> sums[3];
    for (std::vector<qint32>& plane : sums)
        plane.assign(size_t(in.width()) + size_t(across.taps), 0);
    std::vector<const uchar*> rows[3];
    for (auto& plane : rows)
        plane.resize(size_t(down.taps));
    std::vector<QRgb> line(size_t(size.width()));
    for (int row = 0; row < size.height(); ++row) {
        const int first = down.first[size_t(row)];
        const int count = std::min(down.taps, in.height() - first);
        rowsFor(first, count, rows);
        const qint16* weight = down.weights.data() + size_t(row) * size_t(down.taps);
        for (int i = 0; i < 3; ++i)
            sumDownRows(rows[i].data(), weight, count, in.width(), sums[i].data());
        sumAcrossAny(across, sums, line.data(), size.width());
        put(row, line.data());
    }
}

} // namespace

QImage rgbPlanesToRgb32(const PlaneView& r, const PlaneView& g, const PlaneView& b, QSize size) {
    const QSize in = r.size;
    if (in.isEmpty() || size.isEmpty() || g.size != in || b.size != in)
        return {};
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const PlaneView* planes[3] = {&r, &g, &b};
    if (in == size) { // packed as they are: averaging one sample gives it back
        for (int y = 0; y < size.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            const uchar* row[3];
            for (int i = 0; i < 3; ++i)
                row[i] = planes[i]->data + qsizetype(y) * planes[i]->stride;
            for (int x = 0; x < size.width(); ++x)
                line[x] = qRgb(row[0][x], row[1][x], row[2][x]);
        }
        return image;
    }
    scaleRgb(
        in, size, FixedTaps(in.height(), size.height()),
        [&](int first, int count, std::vector<const uchar*>(&rows)[3]) {
            for (int i = 0; i < 3; ++i)
                for (int k = 0; k < count; ++k)
                    rows[i][size_t(k)] = planes[i]->data + qsizetype(first + k) * planes[i]->stride;
        },
        [&](int row, const QRgb* pixels) {
            std::memcpy(image.scanLine(row), pixels, size_t(size.width()) * sizeof(QRgb));
        });
    return image;
}

void rgbRowsToPlanes(QSize in, QSize size, const std::function<void(int, uchar* const[3])>& rows,
                     uchar* const out[3], const int outStrides[3]) {
    if (in.isEmpty() || size.isEmpty())
        return;
    // Each input row in slot (row % taps) of each plane: the rows of one output row are
    // consecutive, so they never share a slot, and a row shared with the output row before is
    // made once.
    const FixedTaps down(in.height(), size.height());
    const size_t width = size_t(in.width()), slotCount = size_t(down.taps);
    std::vector<uchar> held(3 * slotCount * width);
    std::vector<int> rowInSlot(slotCount, -1);
    scaleRgb(
        in, size, down,
        [&](int first, int count, std::vector<const uchar*>(&made)[3]) {
            for (int k = 0; k < count; ++k) {
                const int input = first + k;
                const size_t slot = size_t(input) % slotCount;
                uchar* const to[3] = {held.data() + slot * width,
                                      held.data() + (slotCount + slot) * width,
                                      held.data() + (2 * slotCount + slot) * width};
                if (rowInSlot[slot] != input) {
                    rows(input, to);
                    rowInSlot[slot] = input;
                }
                for (int i = 0; i < 3; ++i)
                    made[i][size_t(k)] = to[i];
            }
        },
        [&](int row, const QRgb* pixels) {
            uchar* red = out[0] + qsizetype(row) * outStrides[0];
            uchar* green = out[1] + qsizetype(row) * outStrides[1];
            uchar* blue = out[2] + qsizetype(row) * outStrides[2];
            for (int x = 0; x < size.width(); ++x) {
                red[x] = uchar(qRed(pixels[x]));
                green[x] = uchar(qGreen(pixels[x]));
                blue[x] = uchar(qBlue(pixels[x]));
            }
        });
}

QImage rgbaPlanesToArgb32(const PlaneView& r, const PlaneView& g, const PlaneView& b,
                          const PlaneView& a, QSize size) {
    const QSize in = r.size;
    if (in.isEmpty() || size.isEmpty() || g.size != in || b.size != in || a.size != in)
        return {};
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    const FixedTaps down(in.height(), size.height()), across(in.width(), size.width());
    // Colours times alpha (at most 255 * 255) and alpha with 8 bits of fraction, down each
    // column; room past the last column for the unused taps of the last samples.
    std::vector<qint32> sums[4];
    for (std::vector<qint32>& plane : sums)
        plane.assign(size_t(in.width()) + size_t(across.taps), 0);
    const PlaneView* colours[3] = {&r, &g, &b};
    const int taps = across.taps;
    for (int row = 0; row < size.height(); ++row) {
        for (int i = 0; i < 3; ++i)
            sumDownWeighted(*colours[i], a, down, row, sums[i]);
        sumDown(a, down, row, sums[3]);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int x = 0; x < size.width(); ++x) {
            const qint16* weight = across.weights.data() + size_t(x) * size_t(taps);
            const size_t first = size_t(across.first[size_t(x)]);
            // Each sum is at most 2^14 times its largest term, so it fits 31 bits.
            qint32 total[4] = {0, 0, 0, 0};
            for (int k = 0; k < taps; ++k)
                for (int i = 0; i < 4; ++i)
                    total[i] += weight[k] * sums[i][first + size_t(k)];
            const int alpha =
                std::min((total[3] + (1 << (FixedTaps::kBits + 7))) >> (FixedTaps::kBits + 8), 255);
            if (total[3] <= 0) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            // The mean of colour times alpha over the mean alpha: total * 2^8 / alpha total.
            const float scale = 256.0f / float(total[3]);
            const auto colour = [&](int i) {
                return std::min(int(float(total[i]) * scale + 0.5f), 255);
            };
            line[x] = qRgba(colour(0), colour(1), colour(2), alpha);
        }
    }
    return image;
}

std::vector<uchar> scalePlane(const PlaneView& plane, QSize size) {
    if (size.width() <= 0 || size.height() <= 0 || plane.size.isEmpty())
        return std::vector<uchar>(size_t(qMax(0, size.width())) * size_t(qMax(0, size.height())));
    // While the plane is at least twice the size both ways and its sides are even, whole 2 x 2
    // blocks are averaged first: the same areas, at a fraction of the general loop's cost.
    std::vector<uchar> halved;
    PlaneView view = plane;
    while (view.size.width() % 2 == 0 && view.size.height() % 2 == 0 &&
           view.size.width() >= 2 * size.width() && view.size.height() >= 2 * size.height()) {
        const int width = view.size.width() / 2, height = view.size.height() / 2;
        std::vector<uchar> next(size_t(width) * size_t(height));
        for (int y = 0; y < height; ++y) {
            const uchar* a = view.data + qsizetype(2 * y) * view.stride;
            const uchar* b = a + view.stride;
            uchar* to = next.data() + size_t(y) * size_t(width);
            for (int x = 0; x < width; ++x)
                to[x] = uchar((a[2 * x] + a[2 * x + 1] + b[2 * x] + b[2 * x + 1] + 2) >> 2);
        }
        halved.swap(next);
        view = {halved.data(), width, QSize(width, height)};
    }
    return scaleArea(view, size);
}

} // namespace ferlo::pictures
