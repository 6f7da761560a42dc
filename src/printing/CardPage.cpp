#include "printing/CardPage.h"

#include "layout/CountPlan.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

#include "storage/DeckFile.h"
#include "storage/Errors.h"
#include "storage/NativePath.h"
#include "storage/Paths.h"
#include "storage/SheetTemplates.h"
#include "storage/TranslatedText.h"
#include "symbols/SymbolCells.h"

namespace ferlo {

PagePlan planLayout(const CardLayout& layout) {
    if (layout.kind == CardLayout::Kind::Sheet)
        return PlanSheet(sheetNamed(installedSheets(), QString::fromStdString(layout.Name)));
    const PlanResult result = PlanGrid(layout.Grid);
    if (!result.Problem.empty())
        throw Error(translatedText(result.Problem));
    return result.Plan;
}

CardPage makeCardPage(const CardModel& card, const std::function<bool(const QString&)>& readable) {
    CardPage page;
    page.Arrangement = PageArrangement(card.count());
    page.Portrait = card.portrait();
    page.CutLinesOn = card.cutLinesOn();
    page.LabelsOn = card.labelsOn();
    for (const TCell& cell : card.cells()) {
        const QString path = pathFromModel(cell.FileName);
        // A drawing of one's own (an SVG file) prints as vectors, as a symbol does.
        const bool ownDrawing = !cell.Symbol && isDrawingFile(path);
        page.FileNames << path;
        const QString drawing =
            cell.Symbol ? installedSymbolFile(*cell.Symbol) : (ownDrawing ? path : QString());
        page.SymbolFiles << drawing;
        page.PictureLoaded << (cell.Symbol ? !drawing.isEmpty()
                                           : !path.isEmpty() &&
                                                 (readable ? readable(path)
                                                           : pathKind(path) != PathKind::Missing));
        page.LabelTexts << cellLabelText(cell, card.upperCase());
        page.WordCells << (cell.WordCard ? labelInCase(QString::fromStdString(LabelWord(cell)),
                                                       card.upperCase())
                                         : QString());
    }
    page.Caption = QString::fromStdString(card.smallPrint());
    const CardLayout& layout = card.layout();
    if (layout.kind != CardLayout::Kind::Count) {
        PagePlan plan = planLayout(layout);
        ApplyBleed(plan, layout.Bleed);
        page.Portrait = plan.PaperHeight >= plan.PaperWidth;
        page.Arrangement = PageArrangement(std::move(plan));
        page.Fill = layout.Fill;
        page.Bleed = layout.Bleed;
        page.Outlines = layout.Outlines;
        while (page.FileNames.size() < page.Arrangement.cells()) {
            page.FileNames << QString();
            page.SymbolFiles << QString();
            page.PictureLoaded << false;
            page.LabelTexts << QString();
            page.WordCells << QString();
        }
    }
    page.LabelFont = QFont(QStringLiteral("Arial"));
    page.LabelFont.setBold(true);
    return page;
}

CardPage calibrationSheet() {
    CardPage page;
    page.Arrangement = PageArrangement(1);
    page.Portrait = true;
    page.CutLinesOn = false;
    page.LabelsOn = false;
    page.FileNames = QStringList{QString()};
    page.PictureLoaded = {false};
    page.LabelTexts = QStringList{QString()};
    page.Calibration = true;
    return page;
}

namespace {

bool holdsCard(const CardPage& page, int cell) {
    return !page.FileNames.value(cell).isEmpty() || !page.SymbolFiles.value(cell).isEmpty() ||
           !page.WordCells.value(cell).isEmpty();
}

// A game's back: the pattern or the back picture behind every card, in the cell `behind` gives.
void gameBacks(const CardPage& front, CardPage& back, const std::function<int(int)>& behind) {
    const int count = qMax(0, front.Arrangement.cells());
    const bool picture = front.Backs == CardPage::CardBacks::Picture;
    back.LabelTexts = QStringList(count, QString());
    back.PatternCells = QList<bool>(count, false);
    for (int i = 0; i < count; ++i) {
        if (!holdsCard(front, i))
            continue;
        const int at = behind(i);
        if (picture) {
            back.FileNames[at] = front.BackPicture;
            back.PictureLoaded[at] = true;
        } else {
            back.PatternCells[at] = true;
        }
    }
}

} // namespace

CardPage wordBack(const CardPage& front, SheetTurn turn) {
    CardPage back = front;
    back.Back = true;
    back.WordCells.clear();
    back.Caption.clear();
    const bool game = front.Backs != CardPage::CardBacks::Words;
    const int count = qMax(0, front.Arrangement.cells());
    if (const PagePlan* plan = front.Arrangement.plan()) {
        // The mirror image of each card on the paper, the word on it: the sheet turned over on
        // that axis puts every word behind its picture, whatever the sheet's geometry.
        const bool aboutVertical = turnsAboutVerticalAxis(turn, front.Portrait);
        for (PageCard& card : back.Arrangement.plan()->Cards) {
            if (aboutVertical) {
                card.Trim.Left = plan->PaperWidth - card.Trim.right();
                card.Bleed.Left = plan->PaperWidth - card.Bleed.right();
            } else {
                card.Trim.Top = plan->PaperHeight - card.Trim.bottom();
                card.Bleed.Top = plan->PaperHeight - card.Bleed.bottom();
            }
        }
        back.FileNames = QStringList(count, QString());
        back.SymbolFiles = QStringList(count, QString());
        back.PictureLoaded = QList<bool>(count, false);
        if (game)
            gameBacks(front, back, [](int cell) { return cell; });
        return back;
    }
    const CountPlan grid = front.Arrangement.countPlan(front.Portrait);
    const int columns = grid.columns();
    const int rows = grid.rows();
    const bool mirrorColumns = turnsAboutVerticalAxis(turn, front.Portrait);
    back.FileNames = QStringList(count, QString());
    back.SymbolFiles = QStringList(count, QString());
    back.PictureLoaded = QList<bool>(count, false);
    back.LabelTexts = QStringList(count, QString());
    const auto behind = [&](int i) {
        const int row = i / columns;
        const int column = i % columns;
        return mirrorColumns ? row * columns + (columns - 1 - column)
                             : (rows - 1 - row) * columns + column;
    };
    if (game) {
        gameBacks(front, back, behind);
        return back;
    }
    for (int i = 0; i < count; ++i)
        back.LabelTexts[behind(i)] = front.LabelTexts.value(i);
    return back;
}

CardPage::FoldLine foldLineFor(int picturesPerPage, bool portrait) {
    if (CountPlan(picturesPerPage, portrait).columns() % 2 == 0)
        return CardPage::FoldLine::Vertical;
    if (CountPlan(picturesPerPage, portrait).rows() % 2 == 0)
        return CardPage::FoldLine::Horizontal;
    return CardPage::FoldLine::None;
}

namespace {

// Where a card folds, and for each cell before the fold the cell that lies behind it.
struct Fold {
    CardPage::FoldLine line = CardPage::FoldLine::None;
    QList<int> fronts;
    QList<int> behind;
};

// The five counts: the cells of the first half of the columns or rows.
Fold countFold(int count, bool portrait) {
    Fold fold;
    fold.line = foldLineFor(count, portrait);
    const int columns = CountPlan(count, portrait).columns();
    const int rows = CountPlan(count, portrait).rows();
    for (int i = 0; fold.line != CardPage::FoldLine::None && i < count; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        if (fold.line == CardPage::FoldLine::Vertical && column < columns / 2) {
            fold.fronts << i;
            fold.behind << row * columns + (columns - 1 - column);
        } else if (fold.line == CardPage::FoldLine::Horizontal && row < rows / 2) {
            fold.fronts << i;
            fold.behind << (rows - 1 - row) * columns + column;
        }
    }
    return fold;
}

// A grid or a sheet folds on the paper's middle line when its cards stand in mirror pairs about
// it, none across it: down the middle if they do, else across it.
Fold planFold(const PagePlan& plan) {
    const auto near = [](double a, double b) {
        return std::abs(a - b) < 0.05;
    };
    for (const bool vertical : {true, false}) {
        const double middle = vertical ? plan.PaperWidth / 2 : plan.PaperHeight / 2;
        Fold fold;
        fold.line = vertical ? CardPage::FoldLine::Vertical : CardPage::FoldLine::Horizontal;
        bool pairs = !plan.Cards.empty();
        for (size_t i = 0; pairs && i < plan.Cards.size(); ++i) {
            const MmRect& a = plan.Cards[i].Trim;
            const double from = vertical ? a.Left : a.Top;
            const double to = vertical ? a.right() : a.bottom();
            if (from < middle - 0.05 && to > middle + 0.05)
                pairs = false; // a card across the fold
            const auto mirror =
                std::find_if(plan.Cards.begin(), plan.Cards.end(), [&](const PageCard& other) {
                    const MmRect& b = other.Trim;
                    return vertical ? near(b.Left, 2 * middle - to) && near(b.Top, a.Top)
                                    : near(b.Top, 2 * middle - to) && near(b.Left, a.Left);
                });
            if (mirror == plan.Cards.end())
                pairs = false;
            else if (to <= middle + 0.05) {
                fold.fronts << int(i);
                fold.behind << int(mirror - plan.Cards.begin());
            }
        }
        if (pairs && !fold.fronts.isEmpty())
            return fold;
    }
    return {};
}

} // namespace

QList<CardPage> foldOverPages(const QList<CardPage>& cards) {
    QList<CardPage> sheets;
    for (const CardPage& card : cards) {
        const int count = card.Arrangement.cells();
        const PagePlan* plan = card.Arrangement.plan();
        const Fold fold = plan ? planFold(*plan) : countFold(count, card.Portrait);
        if (fold.line == CardPage::FoldLine::None && plan)
            throw Error(QCoreApplication::translate(
                "Printing", "Cannot print fold-over cards: the cards of this grid or "
                            "sheet do not stand in pairs about the middle of the "
                            "paper, so no fold puts one behind another."));
        if (fold.line == CardPage::FoldLine::None) {
            const QString orientation = card.Portrait
                                            ? QCoreApplication::translate("Printing", "portrait")
                                            : QCoreApplication::translate("Printing", "landscape");
            throw Error(
                (count == 1
                     ? QCoreApplication::translate(
                           "Printing", "Cannot print fold-over cards: a card of %1 picture per "
                                       "page in %2 has no middle line between its cells to "
                                       "fold on. Choose 2 or more pictures per page.")
                     : QCoreApplication::translate(
                           "Printing", "Cannot print fold-over cards: a card of %1 pictures "
                                       "per page in %2 has no middle line between its cells to "
                                       "fold on. Choose 2 or more pictures per page."))
                    .arg(QString::number(count), orientation));
        }
        QList<int> placed;
        for (int i = 0; i < count; ++i) {
            if (!card.FileNames.value(i).isEmpty() || !card.SymbolFiles.value(i).isEmpty())
                placed << i;
        }
        for (qsizetype first = 0; first == 0 || first < placed.size();
             first += fold.fronts.size()) {
            CardPage sheet = card;
            sheet.Fold = fold.line;
            sheet.FileNames = QStringList(count, QString());
            sheet.SymbolFiles = QStringList(count, QString());
            sheet.PictureLoaded = QList<bool>(count, false);
            sheet.LabelTexts = QStringList(count, QString());
            sheet.FoldWords = QStringList(count, QString());
            for (qsizetype k = 0; k < fold.fronts.size() && first + k < placed.size(); ++k) {
                const int from = placed.at(first + k);
                const int to = fold.fronts.at(k);
                sheet.FileNames[to] = card.FileNames.value(from);
                sheet.SymbolFiles[to] = card.SymbolFiles.value(from);
                sheet.PictureLoaded[to] = card.PictureLoaded.value(from, true);
                sheet.LabelTexts[to] = card.LabelTexts.value(from);
                sheet.FoldWords[fold.behind.at(k)] = card.LabelTexts.value(from);
            }
            sheets << sheet;
        }
    }
    return sheets;
}

bool holdsSymbols(const QList<CardPage>& pages) {
    return std::any_of(pages.begin(), pages.end(), [](const CardPage& page) {
        if (page.Back)
            return false;
        // A drawing of one's own is the cell's picture file, no symbol of the set.
        for (qsizetype i = 0; i < page.SymbolFiles.size(); ++i)
            if (!page.SymbolFiles.at(i).isEmpty() &&
                page.SymbolFiles.at(i) != page.FileNames.value(i))
                return true;
        return false;
    });
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
