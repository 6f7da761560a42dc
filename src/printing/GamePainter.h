#pragma once

// The parts of a page that only games print: the pattern on the backs of their cards and the
// small print at the foot of a page (a board's number).

class QPainter;

namespace ferlo {

struct PreparedPage;

// Each back cell of CardPage::PatternCells covered with thin grey diagonal lines, 3 mm apart on
// paper, within the card's shape.
void PrintPatternBacks(QPainter& painter, const PreparedPage& prepared);

// CardPage::Caption in small print (3 mm high) at the foot of the printable area, on the right,
// 5 mm from its edges.
void PrintCaption(QPainter& painter, const PreparedPage& prepared);
constexpr double CaptionHeightMm = 3.0;
constexpr double CaptionInsetMm = 5.0;

} // namespace ferlo
