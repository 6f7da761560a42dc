#include "printing/CardPage.h"

#include "platform/NativePath.h"

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

} // namespace ferlo
