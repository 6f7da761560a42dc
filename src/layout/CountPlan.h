#pragma once

// The plan of a card laid out by one of the five counts (1, 2, 4, 6 or 8 pictures): its grid
// in an orientation, and where the cells of that grid lie on the card on screen and on the
// printed page. Both read this one plan, so a count's geometry is written down once, its
// one-pixel habits included. Plain integer arithmetic.

#include "layout/CardGeometry.h"

#include <vector>

namespace ferlo {

class CountPlan {
public:
    // The count's grid in the orientation; 1 x 1 with no label size for a count that is not
    // 1, 2, 4, 6 or 8.
    CountPlan(int count, bool portrait);

    bool valid() const { return m_count > 0; }
    int count() const { return m_count; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // The label font size in points; 0 when not valid.
    int labelFontSize() const { return m_labelFontSize; }

    // On screen, a card panel of width x height: the size every cell has, and the cells'
    // top-left corners row by row, left to right. The panel's first row and column start one
    // pixel in, and so does every column but the first: a cell's left edge lies one pixel past
    // its share of the width. The second cell of a 2 x 2 grid and of the portrait 6 grid is the
    // exception: it starts on its share, one pixel left of the cell under it.
    int screenCellWidth(int width) const { return width / m_columns; }
    int screenCellHeight(int height) const { return height / m_rows; }
    std::vector<CardPoint> screenOrigins(int width, int height) const;

    // On paper, a printable area of width x height device pixels: the cells' boundaries
    // across and down, shared by neighbouring cells (the cut lines lie on the inner ones).
    // Halves are length / 2; thirds are (length / 3) x 1 and x 2; quarters (length / 4) x 1
    // and x 3 with the middle at length / 2, so an odd length leaves its remainder in the last
    // part, never spread.
    std::vector<int> columnBoundaries(int width) const { return Boundaries(width, m_columns); }
    std::vector<int> rowBoundaries(int height) const { return Boundaries(height, m_rows); }

    // The cut lines of a card or page of width x height: one on each inner boundary, across at
    // a row boundary or down at a column boundary, in the order they are drawn. The middle lines
    // come first (across before down on a portrait card, down before across on a landscape
    // one), then the thirds or quarters in order; on paper a 6-count's thirds come before its
    // middle (`thirdsFirst`).
    struct Line {
        bool across = false;
        int at = 0;
    };
    std::vector<Line> cutLines(int width, int height, bool thirdsFirst) const;

private:
    static std::vector<int> Boundaries(int length, int parts);

    int m_count = 0;
    bool m_portrait = true;
    int m_columns = 1;
    int m_rows = 1;
    int m_labelFontSize = 0;
};

} // namespace ferlo
