#pragma once

// The taps of area averaging in 16-bit fixed point, shared by the scalers of planes and of rows:
// each output sample the mean of the input area it covers, parts of samples weighted by their
// share.

#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace ferlo::pictures {

constexpr int kAreaOne = 1 << 16; // fixed-point 1.0 of the weights and colour tables

// The input samples that make each output sample and their weights (summing to kAreaOne).
struct AreaTaps {
    std::vector<int> first, count, offset;
    std::vector<int> weights;

    AreaTaps(int in, int out)
        : first(size_t(out))
        , count(size_t(out))
        , offset(size_t(out)) {
        // Output sample o covers [o * in, (o + 1) * in) and input sample i covers
        // [i * out, (i + 1) * out), both in units of 1 / out of an input sample.
        for (int o = 0; o < out; ++o) {
            const qint64 start = qint64(o) * in, end = start + in;
            const int from = int(start / out), to = int((end - 1) / out);
            first[size_t(o)] = from;
            count[size_t(o)] = to - from + 1;
            offset[size_t(o)] = int(weights.size());
            int left = kAreaOne;
            for (int i = from; i <= to; ++i) {
                const qint64 overlap =
                    std::min(end, qint64(i + 1) * out) - std::max(start, qint64(i) * out);
                const int weight = i == to ? left : int(overlap * kAreaOne / in);
                weights.push_back(weight);
                left -= weight;
            }
        }
    }
};

inline uchar areaWeighted(int sum) {
    return uchar(std::clamp((sum + kAreaOne / 2) >> 16, 0, 255));
}

} // namespace ferlo::pictures
