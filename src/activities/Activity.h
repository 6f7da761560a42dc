#pragma once

// The games made from a deck's pictures: memory pairs, picture-and-word matching, lotto and
// bingo. A game is a list of sheets, each a card (DeckCard) laid out as a grid, a sheet or a
// count, so that it prints through the page painter like any card and can be kept as a deck.
// Plain C++.

#include "layout/Deck.h"
#include "layout/LayoutText.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ferlo {

enum class ActivityKind { Memory, Match, Lotto, Bingo };
// "memory", "match", "lotto" or "bingo", letter case ignored.
std::optional<ActivityKind> ActivityKindNamed(const std::string& name);

constexpr int MaxActivityBoards = 500;
constexpr int MaxLottoSide = 6;

struct ActivityOptions {
    ActivityKind kind = ActivityKind::Memory;
    int boards = 1;  // lotto and bingo
    int columns = 3; // of a board
    int rows = 3;
    // Bingo: the middle cell holds no picture to call but `centre`: its picture or symbol, else
    // its label as a word card, else nothing.
    bool freeCentre = false;
    DeckCell centre;
    std::uint64_t seed = 1;
    // The boards' and the caller's sheet's paper (portrait).
    PaperSize paper{"A4", 210, 297};
    // The cards of memory and matching and the calling cards: their count or layout (perPage() is
    // the number of cards on a page) and switches; its cells are not used.
    DeckCard cards;
};

// One printed page of a game.
struct ActivitySheet {
    enum class Role { Cards, Board, CallerSheet, CallingCards };
    Role role = Role::Cards;
    int number = 0; // a board's number, from 1
    DeckCard card;
    // Per cell: the word of a word card, which stands alone in a free cell ("" for none).
    std::vector<std::string> words;
};

struct Activity {
    ActivityKind kind = ActivityKind::Memory;
    std::uint64_t seed = 0; // the boards' draw
    std::vector<ActivitySheet> sheets;
};

// What keeps a game from being made, for the user (one sentence).
struct ActivityProblem {
    LayoutText text;
};

// The label word a picture of the deck prints with: the word typed over the file name's, else
// the file name's (MakeLabelText).
std::string ActivityWord(const DeckCell& cell);

// The different pictures of a deck, in the order of its cards and cells (a picture that stands
// twice with the same word counts once).
std::vector<DeckCell> DeckPictures(const Deck& deck);

// What is wrong with the options whatever the pictures: the board's size for the kind, the
// number of boards, a free centre where there is no centre cell. Empty when nothing.
LayoutText CheckActivityOptions(const ActivityOptions& options);

// The game: memory (each picture twice) and matching (each picture, then its word card) fill
// pages of `options.cards` in turn; lotto gives its boards, then the calling cards, one for
// each picture on a board; bingo its boards drawn from the seed (no two holding the same
// pictures, every picture used equally often give or take one), the caller's sheet (every
// picture with its word) and the calling cards. Throws ActivityProblem when the options are
// wrong or the pictures are too few for a board or for that many different boards.
Activity MakeActivity(const std::vector<DeckCell>& pictures, const ActivityOptions& options);

// The game's sheets as a deck's cards, each word card a cell holding its word alone (its
// `word`); the small print is the caller's (it is text in the user's language).
Deck ActivityDeck(const Activity& activity);

} // namespace ferlo
