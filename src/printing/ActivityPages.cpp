#include "printing/ActivityPages.h"

#include "layout/CardModel.h"
#include "storage/Paths.h"
#include "storage/TranslatedText.h"

#include <QCoreApplication>

namespace ferlo {

bool activityHasBacks(const Activity& activity, CardPage::CardBacks backs) {
    return backs != CardPage::CardBacks::Words &&
           (activity.kind == ActivityKind::Memory || activity.kind == ActivityKind::Match);
}

Deck activityAsDeck(const Activity& activity) {
    Deck deck = ActivityDeck(activity);
    const QString game = QString::number(activity.seed);
    for (size_t i = 0; i < activity.sheets.size() && i < deck.cards.size(); ++i) {
        const ActivitySheet& sheet = activity.sheets[i];
        QString caption;
        if (sheet.role == ActivitySheet::Role::Board)
            caption = QCoreApplication::translate("Activities", "Board %1 (game %2)")
                          .arg(QString::number(sheet.number), game);
        else if (sheet.role == ActivitySheet::Role::CallerSheet)
            caption =
                QCoreApplication::translate("Activities", "Caller's sheet (game %1)").arg(game);
        deck.cards[i].smallPrint = caption.toStdString();
    }
    return deck;
}

QList<CardPage> activityPages(const Activity& activity, CardPage::CardBacks backs,
                              const QString& backPicture) {
    // The pages of the game's deck, so that a game printed and the same game saved as a deck and
    // printed again are the same pages.
    const Deck deck = activityAsDeck(activity);
    QList<CardPage> pages;
    const bool withBacks = activityHasBacks(activity, backs);
    for (size_t i = 0; i < deck.cards.size(); ++i) {
        CardPage page = makeCardPage(CardModel(deck.cards[i]));
        if (withBacks && activity.sheets[i].role == ActivitySheet::Role::Cards) {
            page.Backs = backs;
            page.BackPicture = backPicture;
        }
        pages << page;
    }
    return pages;
}

QString activityProblemText(const ActivityProblem& problem) {
    return translatedText(problem.text);
}

QString defaultFreeWord() {
    return QCoreApplication::translate("Activities", "Free");
}

} // namespace ferlo
