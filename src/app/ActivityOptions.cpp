#include "app/ActivityOptions.h"

#include "app/CommandRequest.h"
#include "pictures/PictureFormats.h"
#include "printing/ActivityPages.h"
#include "storage/DeckFile.h"
#include "storage/NativePath.h"
#include "storage/TranslatedText.h"

#include <QCoreApplication>
#include <QPageSize>
#include <QRegularExpression>
#include <QSizeF>

#include <random>

namespace ferlo {

const QStringList activityValueOptions{"activity", "boards", "board", "seed", "back-picture"};
const QStringList activitySwitchOptions{"free-centre"};

namespace {

const QString freeCentre = QStringLiteral("--free-centre");

UsageError badValue(const char* text, const QString& value) {
    return UsageError{QCoreApplication::translate("CommandLine", text).arg(value)};
}

std::pair<int, int> boardSize(const QString& value) {
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*(\\d{1,2})\\s*[xX×]\\s*(\\d{1,2})\\s*$"));
    const QRegularExpressionMatch match = pattern.match(value);
    if (!match.hasMatch())
        throw badValue(
            QT_TRANSLATE_NOOP("CommandLine", "bad --board \"%1\": use columns x rows, such as 5x5"),
            value);
    return {match.captured(1).toInt(), match.captured(2).toInt()};
}

// The options that need --activity, and the kinds they apply to.
bool appliesTo(const QString& name, ActivityKind kind) {
    const bool boards = kind == ActivityKind::Lotto || kind == ActivityKind::Bingo;
    if (name == QLatin1String("free-centre"))
        return kind == ActivityKind::Bingo;
    if (name == QLatin1String("back-picture"))
        return !boards;
    return boards; // boards, board, seed
}

} // namespace

QStringList withFreeCentreWord(const QStringList& arguments, std::optional<QString>& word) {
    QStringList result;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            return result + arguments.mid(i);
        if (argument.startsWith(freeCentre + QLatin1Char('='))) {
            word = argument.mid(freeCentre.size() + 1);
            result << freeCentre;
            continue;
        }
        result << argument;
        if (argument != freeCentre || i + 1 >= arguments.size())
            continue;
        const QString& next = arguments.at(i + 1);
        // A picture or deck that is not there stays an input, to be named as missing.
        if (!next.startsWith(QLatin1Char('-')) && pathKind(next) == PathKind::Missing &&
            !isPictureFileName(next) && !isDeckFileName(next)) {
            word = next;
            ++i;
        }
    }
    return result;
}

void takeActivityOption(const QString& name, const QString& value, ActivityRequest& request) {
    request.given << name;
    bool ok = false;
    if (name == QLatin1String("activity")) {
        request.kind = ActivityKindNamed(value.toStdString());
        request.kindName = value.toLower();
        if (!request.kind)
            throw badValue(QT_TRANSLATE_NOOP("CommandLine", "bad --activity \"%1\": use memory, "
                                                            "match, lotto or bingo"),
                           value);
    } else if (name == QLatin1String("boards")) {
        request.boards = value.toInt(&ok);
        if (!ok || *request.boards < 1 || *request.boards > MaxActivityBoards)
            throw badValue(
                QT_TRANSLATE_NOOP("CommandLine", "bad number of boards \"%1\": use 1 to 500"),
                value);
    } else if (name == QLatin1String("board")) {
        request.board = boardSize(value);
    } else if (name == QLatin1String("seed")) {
        request.seed = value.trimmed().toULongLong(&ok);
        if (!ok || value.trimmed().startsWith(QLatin1Char('+')))
            throw badValue(QT_TRANSLATE_NOOP("CommandLine",
                                             "bad --seed \"%1\": use a whole number from 0 to "
                                             "18446744073709551615"),
                           value);
    } else if (name == QLatin1String("back-picture")) {
        if (value.isEmpty())
            throw UsageError{QCoreApplication::translate(
                "CommandLine", "the option --back-picture needs a file name")};
        request.backPicture = value;
    }
}

void checkActivityRequest(const ExportRequest& request) {
    const ActivityRequest& activity = request.activity;
    for (const QString& name : activity.given) {
        if (name == QLatin1String("activity"))
            continue;
        if (!activity.kind)
            throw UsageError{QCoreApplication::translate(
                                 "CommandLine", "the option --%1 applies only with --activity")
                                 .arg(name)};
        if (!appliesTo(name, *activity.kind))
            throw UsageError{QCoreApplication::translate(
                                 "CommandLine", "the option --%1 does not apply to --activity %2")
                                 .arg(name, activity.kindName)};
    }
    if (!activity.kind)
        return;
    if (request.backs && !appliesTo(QStringLiteral("back-picture"), *activity.kind))
        throw UsageError{QCoreApplication::translate(
                             "CommandLine", "the option --%1 does not apply to --activity %2")
                             .arg(QStringLiteral("backs"), activity.kindName)};
    if (request.foldOver || !request.words.words.isEmpty() || !request.wordFiles.isEmpty())
        throw UsageError{QCoreApplication::translate(
            "CommandLine", "--fold-over, --words and --words-from do not apply with --activity")};
    const LayoutText problem = CheckActivityOptions(activityOptions(request));
    if (!problem.empty())
        throw UsageError{withLowerFirst(translatedText(problem))};
}

ActivityOptions activityOptions(const ExportRequest& request) {
    const ActivityRequest& activity = request.activity;
    ActivityOptions options;
    options.kind = activity.kind.value_or(ActivityKind::Memory);
    options.boards = activity.boards.value_or(1);
    const std::pair<int, int> board = activity.board.value_or(
        options.kind == ActivityKind::Bingo ? std::pair(5, 5) : std::pair(3, 3));
    options.columns = board.first;
    options.rows = board.second;
    options.seed = activity.seed ? *activity.seed : std::random_device()();
    if (activity.freeCentre) {
        options.freeCentre = true;
        const QString& word = *activity.freeCentre;
        if (!word.isEmpty() && pathKind(word) == PathKind::PlainFile)
            options.centre.picture = modelPath(word);
        else
            options.centre.label = (word.isEmpty() ? defaultFreeWord() : word).toStdString();
    }
    if (request.layout.paper) {
        options.paper = *request.layout.paper;
    } else {
        const QSizeF size = request.pageSize.size(QPageSize::Millimeter);
        options.paper =
            PaperSize{request.pageSize.name().toStdString(), size.width(), size.height()};
    }
    options.cards = request.card;
    if (request.chosen)
        options.cards.layout = request.chosen->layout;
    return options;
}

CardPage::CardBacks requestedBacks(const ExportRequest& request) {
    if (!request.activity.backPicture.isEmpty())
        return CardPage::CardBacks::Picture;
    return request.backs ? CardPage::CardBacks::Pattern : CardPage::CardBacks::Words;
}

} // namespace ferlo
