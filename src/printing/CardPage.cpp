#include "printing/CardPage.h"

#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/SheetTemplates.h"

namespace ferlo {

PagePlan planLayout(const CardLayout& layout) {
    if (layout.kind == CardLayout::Kind::Sheet)
        return PlanSheet(sheetNamed(installedSheets(), QString::fromStdString(layout.Name)));
    const PlanResult result = PlanGrid(layout.Grid);
    if (!result.Error.empty())
        throw Error(QString::fromStdString(result.Error));
    return result.Plan;
}

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
    const CardLayout& layout = card.layout();
    if (layout.kind != CardLayout::Kind::Count) {
        page.Plan = planLayout(layout);
        ApplyBleed(*page.Plan, layout.Bleed);
        page.Fill = layout.Fill;
        page.Bleed = layout.Bleed;
        page.Outlines = layout.Outlines;
        page.PicturesPerPage = int(page.Plan->Cards.size());
        page.Portrait = page.Plan->PaperHeight >= page.Plan->PaperWidth;
        while (page.FileNames.size() < page.PicturesPerPage) {
            page.FileNames << QString();
            page.PictureLoaded << false;
            page.LabelTexts << QString();
        }
    }
    page.LabelFont = QFont(QStringLiteral("Arial"));
    page.LabelFont.setBold(true);
    return page;
}

CardPage wordBack(const CardPage& front) {
    CardPage back = front;
    back.Back = true;
    const int count = qMax(0, front.PicturesPerPage);
    if (front.Plan) {
        // The mirror image of each card on the paper, the word on it: the sheet turned over on
        // its vertical axis puts every word behind its picture, whatever the sheet's geometry.
        for (PageCard& card : back.Plan->Cards) {
            card.Trim.Left = front.Plan->PaperWidth - card.Trim.right();
            card.Bleed.Left = front.Plan->PaperWidth - card.Bleed.right();
        }
        back.FileNames = QStringList(count, QString());
        back.PictureLoaded = QList<bool>(count, false);
        return back;
    }
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
