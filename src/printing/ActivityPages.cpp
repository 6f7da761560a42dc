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

QList<CardPage> activityPages(const Activity& activity, CardPage::CardBacks backs,
                              const QString& backPicture) {
    QList<CardPage> pages;
    const bool withBacks = activityHasBacks(activity, backs);
    const QString game = QString::number(activity.seed);
    for (const ActivitySheet& sheet : activity.sheets) {
        CardModel card(sheet.card);
        CardPage page = makeCardPage(card);
        page.WordCells = QStringList(page.PicturesPerPage, QString());
        for (size_t i = 0; i < sheet.words.size() && qsizetype(i) < page.WordCells.size(); ++i)
            page.WordCells[qsizetype(i)] =
                labelInCase(QString::fromStdString(sheet.words[i]), sheet.card.upperCase);
        if (sheet.role == ActivitySheet::Role::Board)
            page.Caption = QCoreApplication::translate("Activities", "Board %1 (game %2)")
                               .arg(QString::number(sheet.number), game);
        else if (sheet.role == ActivitySheet::Role::CallerSheet)
            page.Caption =
                QCoreApplication::translate("Activities", "Caller's sheet (game %1)").arg(game);
        if (withBacks && sheet.role == ActivitySheet::Role::Cards) {
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
