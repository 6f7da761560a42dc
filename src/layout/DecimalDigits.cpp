#include "layout/DecimalDigits.h"

#include <algorithm>
#include <array>

namespace ferlo {

namespace {
// Every decimal digit of Unicode 14 lies in one run of ten consecutive code points, zero to
// nine; these are the zeros.
constexpr std::array<char32_t, 66> kZeros = {
    0x30,    0x660,   0x6F0,   0x7C0,   0x966,   0x9E6,   0xA66,   0xAE6,   0xB66,   0xBE6,
    0xC66,   0xCE6,   0xD66,   0xDE6,   0xE50,   0xED0,   0xF20,   0x1040,  0x1090,  0x17E0,
    0x1810,  0x1946,  0x19D0,  0x1A80,  0x1A90,  0x1B50,  0x1BB0,  0x1C40,  0x1C50,  0xA620,
    0xA8D0,  0xA900,  0xA9D0,  0xA9F0,  0xAA50,  0xABF0,  0xFF10,  0x104A0, 0x10D30, 0x11066,
    0x110F0, 0x11136, 0x111D0, 0x112F0, 0x11450, 0x114D0, 0x11650, 0x116C0, 0x11730, 0x118E0,
    0x11950, 0x11C50, 0x11D50, 0x11DA0, 0x16A60, 0x16AC0, 0x16B50, 0x1D7CE, 0x1D7D8, 0x1D7E2,
    0x1D7EC, 0x1D7F6, 0x1E140, 0x1E2F0, 0x1E950, 0x1FBF0};

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}
} // namespace

bool IsDecimalDigit(char32_t c) {
    const auto after = std::upper_bound(kZeros.begin(), kZeros.end(), c);
    return after != kZeros.begin() && c - *(after - 1) < 10;
}

std::size_t TrailingDigitBytes(std::string_view text) {
    // The last character begins at the last byte that is not a continuation byte, at most three
    // bytes before the end.
    std::size_t length = 1;
    while (length < 4 && length < text.size() &&
           isContinuation(static_cast<unsigned char>(text[text.size() - length])))
        ++length;
    if (length > text.size())
        return 0;
    const auto lead = static_cast<unsigned char>(text[text.size() - length]);
    const std::size_t expected = lead < 0x80             ? 1
                                 : (lead & 0xE0) == 0xC0 ? 2
                                 : (lead & 0xF0) == 0xE0 ? 3
                                 : (lead & 0xF8) == 0xF0 ? 4
                                                         : 0;
    if (expected != length)
        return 0;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = text.size() - length + 1; i < text.size(); ++i)
        c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
    // Overlong forms and surrogates are not well-formed UTF-8; a digit's shortest form is.
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
        return 0;
    return IsDecimalDigit(c) ? length : 0;
}

} // namespace ferlo
