#pragma once

// The command line's games: --activity, --boards, --board, --free-centre, --seed and
// --back-picture (the usage text in CommandUsage.cpp).

#include "activities/Activity.h"
#include "printing/CardPage.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace ferlo {

struct ExportRequest;

struct ActivityRequest {
    std::optional<ActivityKind> kind;
    QString kindName; // as given, in lower case
    std::optional<int> boards;
    std::optional<std::pair<int, int>> board; // columns, rows
    std::optional<QString> freeCentre;        // given: its word, "" for the default
    std::optional<std::uint64_t> seed;
    QString backPicture;
    QStringList given; // the options' names, in order
};

extern const QStringList activityValueOptions;
extern const QStringList activitySwitchOptions;

// --free-centre takes a word after "=", or as the next argument when that is no option and
// names nothing on disk nor a picture or a deck by its name's ending (a picture given after it
// stays a picture). The arguments with
// "--free-centre" alone in its place; the word, if any, in `word`.
QStringList withFreeCentreWord(const QStringList& arguments, std::optional<QString>& word);

// Takes one of the options above into the request; throws UsageError for a bad value.
void takeActivityOption(const QString& name, const QString& value, ActivityRequest& request);

// Throws UsageError for a game's option without --activity, or one the kind does not take,
// options that do not go with a game (--fold-over, --words), and a board the kind does not
// have.
void checkActivityRequest(const ExportRequest& request);

// The game's options from the request: the card layout and switches of the other options, the
// boards' paper from --paper or --page-size, a new seed when none was given.
ActivityOptions activityOptions(const ExportRequest& request);

// What the memory cards' backs show: the back picture, the pattern (--backs) or their words.
CardPage::CardBacks requestedBacks(const ExportRequest& request);

} // namespace ferlo
