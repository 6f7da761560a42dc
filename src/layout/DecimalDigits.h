#pragma once

#include <cstddef>
#include <string_view>

namespace ferlo {

// Whether a code point is a decimal digit of any script: Unicode's general category Nd (as of
// Unicode 14), 0 to 9 and their like in Arabic-Indic, Persian, Devanagari, Thai, fullwidth and
// other forms.
bool IsDecimalDigit(char32_t c);

// The number of bytes of the last character of UTF-8 text when that character is a decimal
// digit, else 0. A byte that is not part of a well-formed UTF-8 sequence is never a digit, so
// text that is not UTF-8 loses no part of a character by it.
std::size_t TrailingDigitBytes(std::string_view text);

} // namespace ferlo
