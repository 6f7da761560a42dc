#include "layout/DeckEdit.h"

#include "layout/CardModel.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace ferlo {

namespace {

using Cells = std::vector<std::optional<DeckCell>>;

void trimFreeCells(Cells& cells) {
    while (!cells.empty() && !cells.back())
        cells.pop_back();
}

const std::optional<DeckCell>& cellAt(const DeckCard& card, size_t index) {
    static const std::optional<DeckCell> free;
    return index < card.cells.size() ? card.cells[index] : free;
}

// What a cell shows, its file or its symbol, as one comparable text.
std::string shownBy(const DeckCell& cell) {
    if (!cell.symbol)
        return cell.picture;
    return '\x1f' + cell.symbol->set + '\x1f' + cell.symbol->hexcode +
           (cell.symbol->style == SymbolStyle::Line ? "\x1fline" : "");
}

std::vector<std::string> picturesOf(const DeckCard& card) {
    std::vector<std::string> files;
    for (const auto& cell : card.cells)
        if (cell)
            files.push_back(shownBy(*cell));
    return files;
}

// A text of the Edit menu and its arguments.
LayoutText text(const char* english, std::vector<LayoutText> args = {}) {
    return layoutText("DeckEdit", english, std::move(args));
}

// A card as it is counted in the Edit menu, from 1.
LayoutText cardNumber(size_t index) {
    return layoutData(std::to_string(index + 1));
}

LayoutText word(const DeckCell& cell) {
    if (cell.symbol)
        return layoutData(cell.label.value_or(std::string()));
    return layoutData(cell.label ? *cell.label : MakeLabelText(cell.picture));
}

// The change of one card's cells: pictures placed, taken off, moved or given a word.
LayoutText describeCells(const DeckCard& before, const DeckCard& after, size_t index) {
    const size_t count = std::max(before.cells.size(), after.cells.size());
    std::vector<size_t> placed, takenOff, changed;
    for (size_t i = 0; i < count; ++i) {
        const auto& was = cellAt(before, i);
        const auto& now = cellAt(after, i);
        if (was == now)
            continue;
        if (!was)
            placed.push_back(i);
        else if (!now)
            takenOff.push_back(i);
        else
            changed.push_back(i);
    }
    if (after.cells.empty() && takenOff.size() >= 2)
        return text(QT_TRANSLATE_NOOP("DeckEdit", "Clear card %1"), {cardNumber(index)});
    // A picture that left one cell for another, or two that changed places.
    const auto sameFiles = [&] {
        std::vector<std::string> was = picturesOf(before);
        std::vector<std::string> now = picturesOf(after);
        std::sort(was.begin(), was.end());
        std::sort(now.begin(), now.end());
        return was == now;
    };
    if (placed.size() + takenOff.size() + changed.size() >= 2 && sameFiles()) {
        const size_t first = !takenOff.empty() ? takenOff.front() : changed.front();
        return text(QT_TRANSLATE_NOOP("DeckEdit", "Move %1"), {word(*cellAt(before, first))});
    }
    if (placed.size() == 1 && takenOff.empty() && changed.empty())
        return text(QT_TRANSLATE_NOOP("DeckEdit", "Place %1"),
                    {word(*cellAt(after, placed.front()))});
    if (takenOff.size() == 1 && placed.empty() && changed.empty())
        return text(QT_TRANSLATE_NOOP("DeckEdit", "Take off %1"),
                    {word(*cellAt(before, takenOff.front()))});
    if (changed.size() == 1 && placed.empty() && takenOff.empty()) {
        const DeckCell& was = *cellAt(before, changed.front());
        const DeckCell& now = *cellAt(after, changed.front());
        const bool same = shownBy(was) == shownBy(now);
        if (same && was.label != now.label)
            return text(QT_TRANSLATE_NOOP("DeckEdit", "Edit word %1"), {word(now)});
        if (same)
            return text(QT_TRANSLATE_NOOP("DeckEdit", "Record %1"), {word(now)});
        return text(QT_TRANSLATE_NOOP("DeckEdit", "Place %1"), {word(now)});
    }
    if (takenOff.empty() && changed.empty())
        return text(QT_TRANSLATE_NOOP("DeckEdit", "Place %1 pictures"),
                    {layoutData(std::to_string(placed.size()))});
    return text(QT_TRANSLATE_NOOP("DeckEdit", "Change card %1"), {cardNumber(index)});
}

// The change of one card: its shape or switches, else its cells.
LayoutText describeCard(const DeckCard& before, const DeckCard& after, size_t index) {
    // A new count is named as such; any other change of the arrangement is a new layout.
    CardLayout arrangement = after.layout;
    arrangement.setCells(before.layout.cells());
    if (before.layout != arrangement)
        return text(QT_TRANSLATE_NOOP("DeckEdit", "Change layout of card %1"), {cardNumber(index)});
    if (before.perPage() != after.perPage())
        return after.perPage() == 1 ? text(QT_TRANSLATE_NOOP("DeckEdit", "1 picture per card"))
                                    : text(QT_TRANSLATE_NOOP("DeckEdit", "%1 pictures per card"),
                                           {layoutData(std::to_string(after.perPage()))});
    if (before.portrait != after.portrait)
        return after.portrait ? text(QT_TRANSLATE_NOOP("DeckEdit", "Portrait"))
                              : text(QT_TRANSLATE_NOOP("DeckEdit", "Landscape"));
    if (before.labels != after.labels)
        return after.labels ? text(QT_TRANSLATE_NOOP("DeckEdit", "Labels on"))
                            : text(QT_TRANSLATE_NOOP("DeckEdit", "Labels off"));
    if (before.upperCase != after.upperCase)
        return after.upperCase ? text(QT_TRANSLATE_NOOP("DeckEdit", "Uppercase labels"))
                               : text(QT_TRANSLATE_NOOP("DeckEdit", "Lowercase labels"));
    if (before.cutLines != after.cutLines)
        return after.cutLines ? text(QT_TRANSLATE_NOOP("DeckEdit", "Cut lines on"))
                              : text(QT_TRANSLATE_NOOP("DeckEdit", "Cut lines off"));
    return describeCells(before, after, index);
}

} // namespace

bool swapCells(DeckCard& card, int first, int second) {
    if (first == second || first < 0 || second < 0 || first >= card.perPage() ||
        second >= card.perPage())
        return false;
    const size_t needed = size_t(std::max(first, second)) + 1;
    if (card.cells.size() < needed)
        card.cells.resize(needed);
    std::swap(card.cells[size_t(first)], card.cells[size_t(second)]);
    trimFreeCells(card.cells);
    return true;
}

int putInFreeCell(DeckCard& card, const DeckCell& cell) {
    for (int i = 0; i < card.perPage(); ++i) {
        if (size_t(i) >= card.cells.size())
            card.cells.resize(size_t(i) + 1);
        if (!card.cells[size_t(i)]) {
            card.cells[size_t(i)] = cell;
            return i;
        }
    }
    return -1;
}

bool takeCell(DeckCard& card, int index) {
    if (index < 0 || size_t(index) >= card.cells.size() || !card.cells[size_t(index)])
        return false;
    card.cells[size_t(index)].reset();
    trimFreeCells(card.cells);
    return true;
}

bool moveCard(Deck& deck, int from, int to) {
    const int count = int(deck.cards.size());
    if (from == to || from < 0 || to < 0 || from >= count || to >= count)
        return false;
    const auto begin = deck.cards.begin();
    if (from < to)
        std::rotate(begin + from, begin + from + 1, begin + to + 1);
    else
        std::rotate(begin + to, begin + from, begin + from + 1);
    return true;
}

Deck relaidOut(const Deck& deck, const DeckCard& shape) {
    Deck result = deck;
    result.cards.clear();
    DeckCard empty = shape;
    empty.cells.clear();
    const size_t perCard = size_t(std::max(1, shape.perPage()));
    for (const DeckCard& card : deck.cards) {
        for (const auto& cell : card.cells) {
            if (!cell)
                continue;
            if (result.cards.empty() || result.cards.back().cells.size() >= perCard)
                result.cards.push_back(empty);
            result.cards.back().cells.push_back(cell);
        }
    }
    if (result.cards.empty())
        result.cards.push_back(empty);
    return result;
}

namespace {

// A picture moved from one card to another: the two hold the same pictures between them, and the
// one it went to holds more. The card it went to, or none.
std::optional<size_t> pictureMovedTo(const Deck& before, const Deck& after, size_t first,
                                     size_t second) {
    const auto together = [](const DeckCard& one, const DeckCard& other) {
        std::vector<std::string> files = picturesOf(one);
        const std::vector<std::string> more = picturesOf(other);
        files.insert(files.end(), more.begin(), more.end());
        std::sort(files.begin(), files.end());
        return files;
    };
    const auto& was = before.cards;
    const auto& now = after.cards;
    if (together(was[first], was[second]) != together(now[first], now[second]))
        return std::nullopt;
    const bool intoLater = picturesOf(now[second]).size() > picturesOf(was[second]).size();
    return intoLater ? second : first;
}

} // namespace

LayoutText describeChangeText(const Deck& before, const Deck& after) {
    const auto& was = before.cards;
    const auto& now = after.cards;
    if (now.size() == was.size() + 1 || was.size() == now.size() + 1) {
        // One card more or fewer, the others as they were: the first place where they part.
        const bool added = now.size() > was.size();
        const auto& longer = added ? now : was;
        const auto& shorter = added ? was : now;
        size_t at = 0;
        while (at < shorter.size() && shorter[at] == longer[at])
            ++at;
        if (std::equal(shorter.begin() + long(at), shorter.end(), longer.begin() + long(at) + 1))
            return added ? text(QT_TRANSLATE_NOOP("DeckEdit", "New card"))
                         : text(QT_TRANSLATE_NOOP("DeckEdit", "Remove card %1"), {cardNumber(at)});
    }
    if (was.size() == now.size()) {
        std::vector<size_t> differ;
        for (size_t i = 0; i < was.size(); ++i)
            if (!(was[i] == now[i]))
                differ.push_back(i);
        if (differ.size() == 1)
            return describeCard(was[differ.front()], now[differ.front()], differ.front());
        if (differ.size() >= 2) {
            // A card taken from its place to another: the cards between shifted by one.
            const size_t first = differ.front();
            const size_t last = differ.back();
            const auto shifted = [&](size_t from, size_t to) {
                Deck moved = before;
                return moveCard(moved, int(from), int(to)) && moved.cards == now;
            };
            if (shifted(first, last))
                return text(QT_TRANSLATE_NOOP("DeckEdit", "Move card %1"), {cardNumber(first)});
            if (shifted(last, first))
                return text(QT_TRANSLATE_NOOP("DeckEdit", "Move card %1"), {cardNumber(last)});
        }
        if (differ.size() == 2) {
            if (const auto moved = pictureMovedTo(before, after, differ.front(), differ.back()))
                return text(QT_TRANSLATE_NOOP("DeckEdit", "Move picture to card %1"),
                            {cardNumber(*moved)});
        }
        if (differ.empty()) {
            if (before.duplex != after.duplex)
                return text(QT_TRANSLATE_NOOP("DeckEdit", "Double-sided printing"));
            if (before.language != after.language)
                return text(QT_TRANSLATE_NOOP("DeckEdit", "Language"));
            return {};
        }
    }
    return text(QT_TRANSLATE_NOOP("DeckEdit", "Change cards"));
}

std::string describeChange(const Deck& before, const Deck& after) {
    return describeChangeText(before, after).english();
}

} // namespace ferlo
