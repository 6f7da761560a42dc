#pragma once

#include <cmath>

namespace ferlo {

// Rounds to the nearest integer, halves to the even neighbour (627.2 -> 627, 62.5 -> 62,
// 63.5 -> 64). Every length that comes out of a real ratio on screen or paper goes through here.
inline int Round(double value) {
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return static_cast<int>(lower) + 1;
    if (fraction < 0.5)
        return static_cast<int>(lower);
    const int even = static_cast<int>(lower);
    return (even % 2 == 0) ? even : even + 1;
}

} // namespace ferlo
