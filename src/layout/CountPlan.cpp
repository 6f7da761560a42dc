#include "layout/CountPlan.h"

#include <algorithm>

namespace ferlo {

namespace {

struct CountRow {
    int count;
    int portraitColumns;
    int portraitRows;
    int labelFontSize;
};

// The five counts: their portrait grid (landscape turns it) and their label size.
constexpr CountRow kCounts[] = {
    {1, 1, 1, 24}, {2, 1, 2, 20}, {4, 2, 2, 18}, {6, 2, 3, 16}, {8, 2, 4, 14},
};

} // namespace

CountPlan::CountPlan(int count, bool portrait) {
    for (const CountRow& row : kCounts) {
        if (row.count != count)
            continue;
        m_count = count;
        m_portrait = portrait;
        m_columns = portrait ? row.portraitColumns : row.portraitRows;
        m_rows = portrait ? row.portraitRows : row.portraitColumns;
        m_labelFontSize = row.labelFontSize;
    }
}

std::vector<CardPoint> CountPlan::screenOrigins(int width, int height) const {
    std::vector<CardPoint> origins;
    if (!valid())
        return origins;
    const int w = screenCellWidth(width);
    const int h = screenCellHeight(height);
    for (int k = 0; k < m_count; ++k) {
        const int row = k / m_columns;
        const int column = k % m_columns;
        origins.push_back({column == 0 ? 1 : column * w + 1, row == 0 ? 1 : row * h});
    }
    if (m_count == 4 || (m_count == 6 && m_columns == 2))
        origins[1].X = w;
    return origins;
}

std::vector<CountPlan::Line> CountPlan::cutLines(int width, int height, bool thirdsFirst) const {
    std::vector<Line> middles;
    std::vector<Line> others;
    // An even number of parts has a middle boundary; the others are thirds or quarters.
    const auto sort = [&](bool across, const std::vector<int>& boundaries) {
        const size_t parts = boundaries.size() - 1;
        for (size_t k = 1; k < parts; ++k)
            (parts % 2 == 0 && k == parts / 2 ? middles : others)
                .push_back({across, boundaries[k]});
    };
    sort(true, rowBoundaries(height));
    sort(false, columnBoundaries(width));
    if (!m_portrait)
        std::reverse(middles.begin(), middles.end());
    if (thirdsFirst && m_count == 6)
        std::swap(middles, others);
    middles.insert(middles.end(), others.begin(), others.end());
    return middles;
}

std::vector<int> CountPlan::Boundaries(int length, int parts) {
    switch (parts) {
    case 2:
        return {0, length / 2, length};
    case 3:
        return {0, length / 3, (length / 3) * 2, length};
    case 4:
        return {0, length / 4, length / 2, (length / 4) * 3, length};
    default:
        return {0, length};
    }
}

} // namespace ferlo
