#include "printing/CardPage.h"

#include "platform/DeckFile.h"
#include "platform/NativePath.h"
#include "platform/Paths.h"

namespace ferlo {

CardPage makeCardPage(const TCard& card, bool cutLinesOn, const TCellArray& cells,
                      const QList<bool>& pictureLoaded, const QStringList& labelWords) {
    CardPage page;
    page.PicturesPerPage = card.PicturesPerPage;
    page.Portrait = card.Portrait;
    page.CutLinesOn = cutLinesOn;
    page.LabelsOn = card.LabelsOn;
    for (size_t i = 0; i < cells.size(); ++i) {
        page.FileNames << decodePath(QByteArray::fromStdString(cells[i].FileName));
        page.PictureLoaded << pictureLoaded.value(qsizetype(i));
        page.LabelTexts << labelWords.value(qsizetype(i));
    }
    page.LabelFont = QFont(QStringLiteral("Arial"));
    page.LabelFont.setBold(true);
    return page;
}

CardPage makeDeckCardPage(const DeckCard& card, const QList<bool>& pictureLoaded) {
    TCard layout;
    layout.PicturesPerPage = card.perPage;
    layout.Portrait = card.portrait;
    layout.LabelsOn = card.labels;
    TCellArray cells(size_t(card.perPage));
    QList<bool> loaded;
    QStringList labels;
    for (size_t i = 0; i < cells.size(); ++i) {
        const bool filled = i < card.cells.size() && card.cells[i];
        if (filled) {
            cells[i].FileName = card.cells[i]->picture;
            labels << labelInCase(deckLabelWord(*card.cells[i]), card.upperCase);
        } else {
            labels << QString();
        }
        loaded << (filled && pictureLoaded.value(qsizetype(i), true));
    }
    return makeCardPage(layout, card.cutLines, cells, loaded, labels);
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
