#include "activities/Activity.h"

#include "activities/BoardDraw.h"
#include "layout/CardModel.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace ferlo {

namespace {

constexpr const char* Scope = "Activities";
// A board's paper keeps this margin around the board, and room for its number below it.
constexpr double BoardMarginMm = 15;
constexpr double BoardFootMm = 8;
// The caller's sheet: a picture and its word in each card of a grid.
constexpr int CallerColumns = 5;
constexpr int CallerRows = 8;

LayoutText number(long long value) {
    return layoutData(std::to_string(value));
}

[[noreturn]] void refuse(const char* text, std::vector<LayoutText> args = {}) {
    throw ActivityProblem{layoutText(Scope, text, std::move(args))};
}

bool holdsPicture(const DeckCell& cell) {
    return !cell.picture.empty() || cell.symbol.has_value();
}

int centreCell(const ActivityOptions& options) {
    return options.rows / 2 * options.columns + options.columns / 2;
}

// The board's cards: square, as large as the paper holds inside its margins, centred.
GridSpec boardGrid(const ActivityOptions& options, int columns, int rows) {
    GridSpec grid;
    grid.Columns = columns;
    grid.Rows = rows;
    grid.Paper = options.paper;
    const double width = (options.paper.Width - 2 * BoardMarginMm) / columns;
    const double height = (options.paper.Height - 2 * BoardMarginMm - BoardFootMm) / rows;
    grid.CardWidth = grid.CardHeight = std::floor(std::min(width, height) * 10) / 10;
    return grid;
}

// A card of the switches of `shape` laid out as `grid`, its cells free.
DeckCard gridCard(const DeckCard& shape, const GridSpec& grid) {
    DeckCard card;
    card.labels = shape.labels;
    card.upperCase = shape.upperCase;
    card.cutLines = false;
    card.portrait = true;
    card.layout.kind = CardLayout::Kind::Grid;
    card.layout.Grid = grid;
    card.layout.Outlines = true;
    return card;
}

// Sheets of `shape` holding the cells in turn, a word card where a cell is empty and its word
// is not.
void addCards(std::vector<ActivitySheet>& sheets, ActivitySheet::Role role, const DeckCard& shape,
              const std::vector<DeckCell>& cells, const std::vector<std::string>& words) {
    const size_t perPage = size_t(std::max(1, shape.perPage()));
    for (size_t first = 0; first < cells.size(); first += perPage) {
        ActivitySheet sheet;
        sheet.role = role;
        sheet.card = shape;
        sheet.card.cells.clear();
        sheet.words.assign(perPage, std::string());
        for (size_t i = first; i < cells.size() && i < first + perPage; ++i) {
            if (holdsPicture(cells[i]))
                sheet.card.cells.emplace_back(cells[i]);
            else
                sheet.card.cells.emplace_back(std::nullopt);
            sheet.words[i - first] = words[i];
        }
        sheets.push_back(std::move(sheet));
    }
}

Activity memoryGame(const std::vector<DeckCell>& pictures, const ActivityOptions& options) {
    std::vector<DeckCell> cells;
    std::vector<std::string> words;
    for (const DeckCell& picture : pictures) {
        cells.push_back(picture);
        words.emplace_back();
        if (options.kind == ActivityKind::Match) {
            cells.push_back(DeckCell{});
            words.push_back(ActivityWord(picture));
        } else {
            cells.push_back(picture);
            words.emplace_back();
        }
    }
    Activity activity{options.kind, options.seed, {}};
    addCards(activity.sheets, ActivitySheet::Role::Cards, options.cards, cells, words);
    return activity;
}

void checkEnough(const std::vector<DeckCell>& pictures, const ActivityOptions& options,
                 int perBoard) {
    const int count = int(pictures.size());
    if (count < perBoard)
        refuse(QT_TRANSLATE_NOOP("Activities",
                                 "The deck has %1 different pictures, but a %2 × %3 board "
                                 "needs %4."),
               {number(count), number(options.columns), number(options.rows), number(perBoard)});
    const std::uint64_t different = CountSelections(count, perBoard, std::uint64_t(options.boards));
    if (different < std::uint64_t(options.boards))
        refuse(QT_TRANSLATE_NOOP("Activities",
                                 "The deck's %1 pictures make only %2 different boards of %3 "
                                 "pictures: ask for fewer boards or add pictures."),
               {number(count), number(static_cast<long long>(different)), number(perBoard)});
}

// The boards, and the pictures they use in the deck's order.
std::vector<int> addBoards(Activity& activity, const std::vector<DeckCell>& pictures,
                           const ActivityOptions& options) {
    const bool free = options.kind == ActivityKind::Bingo && options.freeCentre;
    const int cells = options.columns * options.rows;
    const int perBoard = cells - (free ? 1 : 0);
    checkEnough(pictures, options, perBoard);
    const GridSpec grid = boardGrid(options, options.columns, options.rows);
    std::vector<bool> used(pictures.size(), false);
    int number = 0;
    for (const std::vector<int>& drawn :
         DrawBoards(int(pictures.size()), perBoard, options.boards, options.seed)) {
        ActivitySheet sheet;
        sheet.role = ActivitySheet::Role::Board;
        sheet.number = ++number;
        sheet.card = gridCard(options.cards, grid);
        sheet.words.assign(size_t(cells), std::string());
        auto next = drawn.begin();
        for (int cell = 0; cell < cells; ++cell) {
            if (free && cell == centreCell(options)) {
                const bool picture = holdsPicture(options.centre);
                sheet.card.cells.emplace_back(picture ? std::optional(options.centre)
                                                      : std::nullopt);
                if (!picture)
                    sheet.words[size_t(cell)] = options.centre.label.value_or(std::string());
                continue;
            }
            used[size_t(*next)] = true;
            sheet.card.cells.emplace_back(pictures[size_t(*next++)]);
        }
        activity.sheets.push_back(std::move(sheet));
    }
    std::vector<int> usedPictures;
    for (size_t i = 0; i < used.size(); ++i)
        if (used[i])
            usedPictures.push_back(int(i));
    return usedPictures;
}

} // namespace

std::optional<ActivityKind> ActivityKindNamed(const std::string& name) {
    std::string key;
    for (char c : name)
        key += char(std::tolower(static_cast<unsigned char>(c)));
    if (key == "memory")
        return ActivityKind::Memory;
    if (key == "match")
        return ActivityKind::Match;
    if (key == "lotto")
        return ActivityKind::Lotto;
    if (key == "bingo")
        return ActivityKind::Bingo;
    return std::nullopt;
}

std::string ActivityWord(const DeckCell& cell) {
    return cell.label ? *cell.label : MakeLabelText(cell.picture);
}

std::vector<DeckCell> DeckPictures(const Deck& deck) {
    std::vector<DeckCell> pictures;
    for (const DeckCard& card : deck.cards) {
        for (const std::optional<DeckCell>& cell : card.cells) {
            if (!cell || !holdsPicture(*cell))
                continue;
            const auto same = [&](const DeckCell& other) {
                return other.picture == cell->picture && other.symbol == cell->symbol &&
                       ActivityWord(other) == ActivityWord(*cell);
            };
            if (std::none_of(pictures.begin(), pictures.end(), same))
                pictures.push_back(*cell);
        }
    }
    return pictures;
}

LayoutText CheckActivityOptions(const ActivityOptions& options) {
    const auto args = [&] {
        return std::vector<LayoutText>{number(options.columns), number(options.rows)};
    };
    const bool boards = options.kind == ActivityKind::Lotto || options.kind == ActivityKind::Bingo;
    if (boards && (options.boards < 1 || options.boards > MaxActivityBoards))
        return layoutText(Scope,
                          QT_TRANSLATE_NOOP("Activities", "A game has 1 to %1 boards, not %2."),
                          {number(MaxActivityBoards), number(options.boards)});
    if (options.kind == ActivityKind::Bingo &&
        (options.columns != options.rows || options.columns < 3 || options.columns > 5))
        return layoutText(
            Scope,
            QT_TRANSLATE_NOOP("Activities", "A bingo board is 3 × 3, 4 × 4 or 5 × 5, not %1 × %2."),
            args());
    if (options.kind == ActivityKind::Lotto &&
        (options.columns < 1 || options.rows < 1 || options.columns > MaxLottoSide ||
         options.rows > MaxLottoSide || options.columns * options.rows < 2)) {
        std::vector<LayoutText> sides = args();
        sides.push_back(number(MaxLottoSide));
        return layoutText(Scope,
                          QT_TRANSLATE_NOOP("Activities",
                                            "A lotto board has 1 to %3 columns and rows and at "
                                            "least 2 cards, not %1 × %2."),
                          std::move(sides));
    }
    if (options.kind == ActivityKind::Bingo && options.freeCentre &&
        (options.columns % 2 == 0 || options.rows % 2 == 0))
        return layoutText(
            Scope,
            QT_TRANSLATE_NOOP("Activities", "A %1 × %2 board has no centre cell to leave free."),
            args());
    return {};
}

Activity MakeActivity(const std::vector<DeckCell>& pictures, const ActivityOptions& options) {
    const LayoutText problem = CheckActivityOptions(options);
    if (!problem.empty())
        throw ActivityProblem{problem};
    if (pictures.empty())
        refuse(QT_TRANSLATE_NOOP("Activities", "There are no pictures to make a game of."));
    if (options.kind == ActivityKind::Memory || options.kind == ActivityKind::Match)
        return memoryGame(pictures, options);
    Activity activity{options.kind, options.seed, {}};
    const std::vector<int> used = addBoards(activity, pictures, options);
    std::vector<DeckCell> calls;
    for (int picture : used)
        calls.push_back(pictures[size_t(picture)]);
    const std::vector<std::string> noWords(calls.size());
    if (options.kind == ActivityKind::Bingo) {
        DeckCard list = gridCard(options.cards, boardGrid(options, CallerColumns, CallerRows));
        list.labels = true;
        list.layout.Grid.CardWidth = list.layout.Grid.CardHeight = 0; // the page divided evenly
        list.layout.Grid.Margin = BoardMarginMm;
        addCards(activity.sheets, ActivitySheet::Role::CallerSheet, list, calls, noWords);
    }
    addCards(activity.sheets, ActivitySheet::Role::CallingCards, options.cards, calls, noWords);
    return activity;
}

Deck ActivityDeck(const Activity& activity) {
    Deck deck;
    for (const ActivitySheet& sheet : activity.sheets) {
        DeckCard card = sheet.card;
        const size_t count = std::min(sheet.words.size(), size_t(std::max(0, card.perPage())));
        for (size_t i = 0; i < count; ++i) {
            if (sheet.words[i].empty() || (i < card.cells.size() && card.cells[i]))
                continue;
            if (card.cells.size() <= i)
                card.cells.resize(i + 1);
            DeckCell word;
            word.word = true;
            word.label = sheet.words[i];
            card.cells[i] = word;
        }
        deck.cards.push_back(std::move(card));
    }
    return deck;
}

} // namespace ferlo
