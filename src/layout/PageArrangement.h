#pragma once

// How the cards of one printed page stand: one of the five counts, laid out in device pixels by
// its CountPlan (its one-pixel habits kept), or a grid's or a sheet's plan in millimetres on its
// own paper. A page holds exactly one of them, and the number of its cells is read from it.
// Plain C++.

#include "layout/CardLayout.h"
#include "layout/CountPlan.h"

#include <variant>

namespace ferlo {

class PageArrangement {
public:
    // A count of pictures; printing refuses one that is not 1, 2, 4, 6 or 8 (valid()).
    explicit PageArrangement(int count = 4)
        : m_arrangement(count) {}
    // A grid's or a sheet's cards on its paper.
    explicit PageArrangement(PagePlan plan)
        : m_arrangement(std::move(plan)) {}

    // The cells of the page: the count, or the plan's cards.
    int cells() const {
        const PagePlan* cards = plan();
        return cards ? int(cards->Cards.size()) : std::get<int>(m_arrangement);
    }
    // Whether the page can be printed: a plan, or one of the five counts.
    bool valid() const { return plan() || countPlan(true).valid(); }
    // The plan of a grid or a sheet; nothing for a count.
    const PagePlan* plan() const { return std::get_if<PagePlan>(&m_arrangement); }
    PagePlan* plan() { return std::get_if<PagePlan>(&m_arrangement); }
    // The count's grid in an orientation; not valid for a plan.
    CountPlan countPlan(bool portrait) const { return CountPlan(plan() ? 0 : cells(), portrait); }

private:
    std::variant<int, PagePlan> m_arrangement;
};

} // namespace ferlo
