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

CardPage calibrationSheet() {
    CardPage page;
    page.PicturesPerPage = 1;
    page.Portrait = true;
    page.CutLinesOn = false;
    page.LabelsOn = false;
    page.FileNames = QStringList{QString()};
    page.PictureLoaded = {false};
    page.LabelTexts = QStringList{QString()};
    page.Calibration = true;
    return page;
}

CardPage wordBack(const CardPage& front, SheetTurn turn) {
    CardPage back = front;
    back.Back = true;
    const int count = qMax(0, front.PicturesPerPage);
    if (front.Plan) {
        // The mirror image of each card on the paper, the word on it: the sheet turned over on
        // that axis puts every word behind its picture, whatever the sheet's geometry.
        const bool aboutVertical = turnsAboutVerticalAxis(turn, front.Portrait);
        for (PageCard& card : back.Plan->Cards) {
            if (aboutVertical) {
                card.Trim.Left = front.Plan->PaperWidth - card.Trim.right();
                card.Bleed.Left = front.Plan->PaperWidth - card.Bleed.right();
            } else {
                card.Trim.Top = front.Plan->PaperHeight - card.Trim.bottom();
                card.Bleed.Top = front.Plan->PaperHeight - card.Bleed.bottom();
            }
        }
        back.FileNames = QStringList(count, QString());
        back.PictureLoaded = QList<bool>(count, false);
        return back;
    }
    const int columns = GridColumns(count, front.Portrait);
    const int rows = GridRows(count, front.Portrait);
    const bool mirrorColumns = turnsAboutVerticalAxis(turn, front.Portrait);
    back.FileNames = QStringList(count, QString());
    back.PictureLoaded = QList<bool>(count, false);
    back.LabelTexts = QStringList(count, QString());
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        const int behind = mirrorColumns ? row * columns + (columns - 1 - column)
                                         : (rows - 1 - row) * columns + column;
        back.LabelTexts[behind] = front.LabelTexts.value(i);
    }
    return back;
}

CardPage::FoldLine foldLineFor(int picturesPerPage, bool portrait) {
    if (GridColumns(picturesPerPage, portrait) % 2 == 0)
        return CardPage::FoldLine::Vertical;
    if (GridRows(picturesPerPage, portrait) % 2 == 0)
        return CardPage::FoldLine::Horizontal;
    return CardPage::FoldLine::None;
}

QList<CardPage> foldOverPages(const QList<CardPage>& cards) {
    QList<CardPage> sheets;
    for (const CardPage& card : cards) {
        if (card.Plan)
            throw Error(QStringLiteral("Cannot print fold-over cards: fold-over is made for the "
                                       "counts of 2, 4, 6 and 8 pictures per page, not for a "
                                       "grid or a sheet, whose cards are cut or peeled apart."));
        const int count = card.PicturesPerPage;
        const CardPage::FoldLine fold = foldLineFor(count, card.Portrait);
        if (fold == CardPage::FoldLine::None)
            throw Error(
                QStringLiteral("Cannot print fold-over cards: a card of %1 picture%2 "
                               "per page in %3 has no middle line between its cells to "
                               "fold on. Choose 2 or more pictures per page.")
                    .arg(count)
                    .arg(count == 1 ? QString() : QStringLiteral("s"))
                    .arg(card.Portrait ? QStringLiteral("portrait") : QStringLiteral("landscape")));
        const int columns = GridColumns(count, card.Portrait);
        const int rows = GridRows(count, card.Portrait);
        // The cells before the fold, and for each the cell behind it once folded.
        QList<int> fronts;
        QList<int> behind;
        for (int i = 0; i < count; ++i) {
            const int row = i / columns;
            const int column = i % columns;
            if (fold == CardPage::FoldLine::Vertical && column < columns / 2) {
                fronts << i;
                behind << row * columns + (columns - 1 - column);
            } else if (fold == CardPage::FoldLine::Horizontal && row < rows / 2) {
                fronts << i;
                behind << (rows - 1 - row) * columns + column;
            }
        }
        QList<int> placed;
        for (int i = 0; i < count; ++i) {
            if (!card.FileNames.value(i).isEmpty())
                placed << i;
        }
        for (qsizetype first = 0; first == 0 || first < placed.size(); first += fronts.size()) {
            CardPage sheet = card;
            sheet.Fold = fold;
            sheet.FileNames = QStringList(count, QString());
            sheet.PictureLoaded = QList<bool>(count, false);
            sheet.LabelTexts = QStringList(count, QString());
            sheet.FoldWords = QStringList(count, QString());
            for (qsizetype k = 0; k < fronts.size() && first + k < placed.size(); ++k) {
                const int from = placed.at(first + k);
                const int to = fronts.at(k);
                sheet.FileNames[to] = card.FileNames.value(from);
                sheet.PictureLoaded[to] = card.PictureLoaded.value(from, true);
                sheet.LabelTexts[to] = card.LabelTexts.value(from);
                sheet.FoldWords[behind.at(k)] = card.LabelTexts.value(from);
            }
            sheets << sheet;
        }
    }
    return sheets;
}

QList<CardPage> withWordBacks(const QList<CardPage>& cards, const BackPlacement& placement) {
    QList<CardPage> pages;
    for (const CardPage& card : cards) {
        CardPage back = wordBack(card, placement.turn);
        back.BackOffsetXMm = placement.offsetXMm;
        back.BackOffsetYMm = placement.offsetYMm;
        pages << card << back;
    }
    return pages;
}

} // namespace ferlo
