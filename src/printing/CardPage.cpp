#include "printing/CardPage.h"

#include "storage/NativePath.h"
#include "storage/Paths.h"

namespace ferlo {

CardPage makeCardPage(const CardModel& card, const std::function<bool(const QString&)>& readable) {
    CardPage page;
    page.PicturesPerPage = card.count();
    page.Portrait = card.portrait();
    page.CutLinesOn = card.cutLinesOn();
    page.LabelsOn = card.labelsOn();
    for (const TCell& cell : card.cells()) {
        const QString path = pathFromModel(cell.FileName);
        page.FileNames << path;
        page.PictureLoaded << (!path.isEmpty() &&
                               (readable ? readable(path) : pathKind(path) != PathKind::Missing));
        page.LabelTexts << cellLabelText(cell, card.upperCase());
    }
    page.LabelFont = QFont(QStringLiteral("Arial"));
    page.LabelFont.setBold(true);
    return page;
}

CardPage wordBack(const CardPage& front) {
    CardPage back = front;
    back.Back = true;
    const int count = qMax(0, front.PicturesPerPage);
    const int columns = GridColumns(count, front.Portrait);
    back.FileNames = QStringList(count, QString());
    back.PictureLoaded = QList<bool>(count, false);
    back.LabelTexts = QStringList(count, QString());
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        back.LabelTexts[row * columns + (columns - 1 - column)] = front.LabelTexts.value(i);
    }
    return back;
}

QList<CardPage> withWordBacks(const QList<CardPage>& cards) {
    QList<CardPage> pages;
    for (const CardPage& card : cards)
        pages << card << wordBack(card);
    return pages;
}

} // namespace ferlo
