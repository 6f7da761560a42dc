#pragma once

#include "activities/Activity.h"
#include "printing/CardPage.h"

#include <QList>
#include <QString>

namespace ferlo {

// The pages of a game, fronts only: each card of activityAsDeck as makeCardPage makes any
// card's page, its word cards in the card's letter case and a board's number in small print. With
// `backs` other than Words the memory and matching cards carry the pattern or `backPicture` for
// their backs, which withWordBacks then puts behind them; boards and calling cards never have
// backs. Throws ferlo::Error as makeCardPage does.
QList<CardPage> activityPages(const Activity& activity,
                              CardPage::CardBacks backs = CardPage::CardBacks::Words,
                              const QString& backPicture = {});

// The game as a deck (ActivityDeck), each board and the caller's sheet with its small print
// ("Board 3 (game 7)") in the program's language.
Deck activityAsDeck(const Activity& activity);

// Whether the game's cards are printed with backs behind them.
bool activityHasBacks(const Activity& activity, CardPage::CardBacks backs);

// A problem of the game (ActivityProblem) in the program's language.
QString activityProblemText(const ActivityProblem& problem);

// The word the free centre of a bingo board shows when none is chosen.
QString defaultFreeWord();

} // namespace ferlo
