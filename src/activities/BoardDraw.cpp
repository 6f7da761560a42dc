#include "activities/BoardDraw.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace ferlo {

std::uint64_t SeededRandom::next() {
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t SeededRandom::below(std::uint64_t bound) {
    // Draws from the largest multiple of bound below 2^64, so every result is equally likely.
    const std::uint64_t limit = -bound % bound; // 2^64 mod bound
    for (;;) {
        const std::uint64_t value = next();
        if (value >= limit)
            return value % bound;
    }
}

std::uint64_t CountSelections(int items, int chosen, std::uint64_t cap) {
    if (chosen < 0 || chosen > items)
        return 0;
    chosen = std::min(chosen, items - chosen);
    // C(n, k) built up as C(n - k + i, i), each step exact; stops once it reaches the cap.
    std::uint64_t count = 1;
    for (int i = 1; i <= chosen; ++i) {
        const unsigned __int128 next =
            (unsigned __int128)count * unsigned(items - chosen + i) / unsigned(i);
        if (next >= cap)
            return cap;
        count = std::uint64_t(next);
    }
    return std::min(count, cap);
}

namespace {

using Selection = std::vector<int>; // sorted item numbers

// The items least used so far, ties in the order of `order`.
Selection leastUsed(const std::vector<int>& uses, std::vector<int> order, int perBoard) {
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return uses[size_t(a)] < uses[size_t(b)]; });
    Selection chosen(order.begin(), order.begin() + perBoard);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

// A selection not drawn yet, as close to `wanted` as one swap of an item for one less used
// allows; else the first one not drawn yet in the order of the items (at most one more than
// the boards drawn is looked at).
Selection nearestNew(const Selection& wanted, const std::vector<int>& uses,
                     const std::set<Selection>& drawn, int items) {
    std::vector<int> out;
    for (int item = 0; item < items; ++item)
        if (!std::binary_search(wanted.begin(), wanted.end(), item))
            out.push_back(item);
    std::stable_sort(out.begin(), out.end(),
                     [&](int a, int b) { return uses[size_t(a)] < uses[size_t(b)]; });
    Selection in = wanted;
    std::stable_sort(in.begin(), in.end(),
                     [&](int a, int b) { return uses[size_t(a)] > uses[size_t(b)]; });
    for (int give : in) {
        for (int take : out) {
            Selection swapped = wanted;
            *std::find(swapped.begin(), swapped.end(), give) = take;
            std::sort(swapped.begin(), swapped.end());
            if (!drawn.count(swapped))
                return swapped;
        }
    }
    // Every selection in turn, in lexicographic order.
    Selection next(wanted.size());
    std::iota(next.begin(), next.end(), 0);
    const int k = int(next.size());
    while (drawn.count(next)) {
        int i = k - 1;
        while (i >= 0 && next[size_t(i)] == items - k + i)
            --i;
        if (i < 0)
            break; // every selection drawn: the caller asked for too many
        ++next[size_t(i)];
        for (int j = i + 1; j < k; ++j)
            next[size_t(j)] = next[size_t(j - 1)] + 1;
    }
    return next;
}

} // namespace

std::vector<std::vector<int>> DrawBoards(int items, int perBoard, int boards, std::uint64_t seed) {
    SeededRandom random(seed);
    std::vector<int> uses(size_t(std::max(items, 0)), 0);
    std::vector<int> order(uses.size());
    std::iota(order.begin(), order.end(), 0);
    std::set<Selection> drawn;
    std::vector<std::vector<int>> result;
    if (perBoard < 1 || perBoard > items)
        return result;
    for (int board = 0; board < boards; ++board) {
        Selection chosen;
        for (int attempt = 0; attempt < 8 && (chosen.empty() || drawn.count(chosen)); ++attempt) {
            random.shuffle(order);
            chosen = leastUsed(uses, order, perBoard);
        }
        if (drawn.count(chosen))
            chosen = nearestNew(chosen, uses, drawn, items);
        drawn.insert(chosen);
        for (int item : chosen)
            ++uses[size_t(item)];
        std::vector<int> cells = chosen;
        random.shuffle(cells);
        result.push_back(std::move(cells));
    }
    return result;
}

} // namespace ferlo
