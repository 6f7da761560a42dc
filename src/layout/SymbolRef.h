#pragma once

#include <string>

namespace ferlo {

// The two drawings of every symbol of a set: in colour, or as black line art (colouring pages,
// little ink). A deck writes them as "color" and "line".
enum class SymbolStyle { Color, Line };

// A symbol of an installed symbol set, named by its set and its hexcode ("1F415": the code
// points of the emoji it draws, joined by "-"), in one of its two styles.
struct SymbolRef {
    std::string set = "openmoji";
    std::string hexcode;
    SymbolStyle style = SymbolStyle::Color;

    bool operator==(const SymbolRef&) const = default;
};

} // namespace ferlo
