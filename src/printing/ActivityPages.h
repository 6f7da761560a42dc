#pragma once

#include "activities/Activity.h"
#include "printing/CardPage.h"

#include <QList>
#include <QString>

namespace ferlo {

// The pages of a game, fronts only: each sheet's card as makeCardPage makes any card's page,
// with its word cards in the card's letter case and a board's number in small print ("Board
// 3"). With `backs` other than Words the memory and matching cards carry the pattern or
// `backPicture` for their backs, which withWordBacks then puts behind them; boards and calling
// cards never have backs. Throws ferlo::Error as makeCardPage does.
QList<CardPage> activityPages(const Activity& activity,
                              CardPage::CardBacks backs = CardPage::CardBacks::Words,
                              const QString& backPicture = {});

// Whether the game's cards are printed with backs behind them.
bool activityHasBacks(const Activity& activity, CardPage::CardBacks backs);

// A problem of the game (ActivityProblem) in the program's language.
QString activityProblemText(const ActivityProblem& problem);

// The word the free centre of a bingo board shows when none is chosen.
QString defaultFreeWord();

} // namespace ferlo
