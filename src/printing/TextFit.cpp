#include "printing/PagePainter.h"

#include "layout/FitSize.h"

#include <QtGlobal>

// The pixel sizes at which a label fits its band and a back's word its cell, from the font's
// measures at each size.

namespace ferlo {

int FitLabelPixelSize(int bandHeight, int bandWidth, const std::function<int(int)>& lineHeight,
                      const std::function<int(int)>& textWidth) {
    // The largest pixel size whose line is no higher than the band. Line heights grow with the
    // pixel size but not one for one (they may skip a value), so search rather than count.
    int size = 1;
    int tooHigh = qMax(2, 2 * bandHeight + 1); // a line at twice the band's height never fits
    while (tooHigh - size > 1) {
        const int middle = size + (tooHigh - size) / 2;
        if (lineHeight(middle) <= bandHeight)
            size = middle;
        else
            tooHigh = middle;
    }
    return LargestFittingSize(size, [&](int pixels) { return textWidth(pixels) <= bandWidth; });
}

int FitWordPixelSize(int height, int width, const std::function<int(int)>& lineHeight,
                     const std::function<int(int)>& textWidth) {
    // Both measures grow with the size, so one search finds the largest size that fits both.
    int size = 1;
    int tooLarge = qMax(2, 2 * height + 1); // a line twice the height never fits
    while (tooLarge - size > 1) {
        const int middle = size + (tooLarge - size) / 2;
        if (lineHeight(middle) <= height && textWidth(middle) <= width)
            size = middle;
        else
            tooLarge = middle;
    }
    // Hinted advances are not strictly monotonic: step down past a size that rounds wide.
    while (size > 1 && (lineHeight(size) > height || textWidth(size) > width))
        --size;
    return size;
}

} // namespace ferlo
