#pragma once

namespace ferlo {

// The largest size from 1 to `largest` at which `fits(size)` holds, 1 when none does: the size a
// search from `largest` downwards, one size at a time, stops at. A text's width grows with its
// size, so the sizes are halved rather than walked: about log2(largest) measurements, however
// many sizes lie between, where one measurement of a long word is itself costly.
template <typename Fits> int LargestFittingSize(int largest, Fits&& fits) {
    if (largest <= 1)
        return 1;
    if (fits(largest))
        return largest;
    int size = 1;           // fits, or the smallest size there is
    int tooLarge = largest; // does not fit
    while (tooLarge - size > 1) {
        const int middle = size + (tooLarge - size) / 2;
        if (fits(middle))
            size = middle;
        else
            tooLarge = middle;
    }
    return size;
}

} // namespace ferlo
