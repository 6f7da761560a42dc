#include "pictures/RowScaler.h"

#include "pictures/AreaTaps.h"

#include <algorithm>
#include <vector>

namespace ferlo::pictures {

struct RowScaler::Private {
    Private(QSize in, QSize out)
        : inHeight(in.height())
        , across(in.width(), out.width())
        , down(in.height(), out.height())
        , image(out, QImage::Format_RGB32)
        , row(size_t(out.width()) * 3)
        , sums{std::vector<qint64>(row.size()), std::vector<qint64>(row.size())} {}

    int inHeight;
    AreaTaps across, down;
    QImage image;
    std::vector<int> row;        // the input row made narrow, 3 samples a pixel
    std::vector<qint64> sums[2]; // the two output rows an input row may go into
    int next = 0;                // the input row that comes next
    int pending = 0;             // the first output row not yet complete
};

RowScaler::RowScaler(QSize in, QSize out)
    : d(std::make_unique<Private>(in, out)) {}

RowScaler::~RowScaler() = default;

bool RowScaler::isNull() const {
    return d->image.isNull();
}

void RowScaler::addRow(const uchar* pixels) {
    Private& p = *d;
    const int width = p.image.width(), height = p.image.height();
    if (p.image.isNull() || p.next >= p.inHeight)
        return;
    const int y = p.next++;
    for (int x = 0; x < width; ++x) {
        const int* weight = p.across.weights.data() + p.across.offset[size_t(x)];
        const uchar* sample = pixels + size_t(p.across.first[size_t(x)]) * 4;
        int b = 0, g = 0, r = 0;
        for (int k = 0; k < p.across.count[size_t(x)]; ++k, sample += 4) {
            b += weight[k] * sample[0];
            g += weight[k] * sample[1];
            r += weight[k] * sample[2];
        }
        p.row[size_t(x) * 3] = b;
        p.row[size_t(x) * 3 + 1] = g;
        p.row[size_t(x) * 3 + 2] = r;
    }
    // Made smaller both ways, an input row goes into one output row, or two next to each other.
    for (int o = p.pending; o < height && p.down.first[size_t(o)] <= y; ++o) {
        const int k = y - p.down.first[size_t(o)];
        if (k >= p.down.count[size_t(o)])
            continue;
        const qint64 weight = p.down.weights[size_t(p.down.offset[size_t(o)] + k)];
        std::vector<qint64>& sums = p.sums[o & 1];
        if (k == 0)
            std::fill(sums.begin(), sums.end(), 0);
        for (size_t i = 0; i < p.row.size(); ++i)
            sums[i] += weight * p.row[i];
        if (k + 1 < p.down.count[size_t(o)])
            continue;
        auto* line = reinterpret_cast<QRgb*>(p.image.scanLine(o));
        const auto sample = [&](size_t i) {
            return std::clamp(int((sums[i] + (qint64(kAreaOne) * kAreaOne) / 2) >> 32), 0, 255);
        };
        for (int x = 0; x < width; ++x)
            line[x] =
                qRgb(sample(size_t(x) * 3 + 2), sample(size_t(x) * 3 + 1), sample(size_t(x) * 3));
        p.pending = o + 1;
    }
}

QImage RowScaler::result() const {
    return d->image;
}

} // namespace ferlo::pictures
