#pragma once

// The random part of the games: a generator of its own, so that a seed gives the same boards on
// every system and with every standard library, and the drawing of boards. Plain C++.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace ferlo {

// SplitMix64: a small generator whose every output is defined by its seed.
class SeededRandom {
public:
    explicit SeededRandom(std::uint64_t seed)
        : m_state(seed) {}
    std::uint64_t next();
    // A number from 0 to bound - 1 (bound > 0), without the bias of a plain remainder.
    std::uint64_t below(std::uint64_t bound);
    // The items in an order drawn at random (Fisher-Yates).
    template <typename T> void shuffle(std::vector<T>& items) {
        for (size_t i = items.size(); i > 1; --i)
            std::swap(items[i - 1], items[size_t(below(i))]);
    }

private:
    std::uint64_t m_state;
};

// The number of different selections of `chosen` of `items` things, or `cap` when there are at
// least that many.
std::uint64_t CountSelections(int items, int chosen, std::uint64_t cap);

// Draws `boards` selections of `perBoard` of the items 0 to items - 1, no two holding the same
// items, each in an order drawn at random for its cells. Every board takes the items used least
// so far (ties in an order drawn at random), so the items are used equally often, give or take
// one, unless keeping the boards apart asks for a swap. Needs perBoard <= items and no more boards
// than CountSelections gives.
std::vector<std::vector<int>> DrawBoards(int items, int perBoard, int boards, std::uint64_t seed);

} // namespace ferlo
