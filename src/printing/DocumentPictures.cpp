#include "printing/DocumentPictures.h"

#include "layout/CardLayout.h"
#include "layout/PrinterCells.h"

#include <algorithm>
#include <cmath>

namespace ferlo {

namespace {

// The cells of a page at the resolution, as the page painter lays them out (whole cells: a
// picture never needs more than its cell, a filled one its card and bleed).
std::vector<QSize> cellBoxes(const CardPage& page, int resolution, QSizeF paperMm) {
    const double perMm = resolution / MillimetresPerInch;
    std::vector<QSize> boxes;
    if (const PagePlan* plan = page.Arrangement.plan()) {
        for (const PageCard& card : plan->Cards) {
            const MmRect& rect = page.Fill ? card.Bleed : card.Trim;
            boxes.emplace_back(int(std::ceil(rect.Width * perMm)),
                               int(std::ceil(rect.Height * perMm)));
        }
        return boxes;
    }
    const double shortSide = std::min(paperMm.width(), paperMm.height()) * perMm;
    const double longSide = std::max(paperMm.width(), paperMm.height()) * perMm;
    const int width = int(page.Portrait ? shortSide : longSide);
    const int height = int(page.Portrait ? longSide : shortSide);
    for (const TPrinterCell& cell :
         LayoutPrinterCells(width, height, page.Arrangement.cells(), page.Portrait, page.LabelsOn))
        boxes.emplace_back(cell.Width, cell.Height);
    return boxes;
}

// The size a picture of `own` size needs to be seen in the box, fitted (or covering it when
// filled), never larger than its own.
QSize sizeFor(QSize own, QSize box, bool fill) {
    if (own.isEmpty() || box.isEmpty())
        return own;
    const double x = double(box.width()) / own.width();
    const double y = double(box.height()) / own.height();
    const double scale = std::min(1.0, fill ? std::max(x, y) : std::min(x, y));
    return QSize(std::max(1, int(std::ceil(own.width() * scale))),
                 std::max(1, int(std::ceil(own.height() * scale))));
}

} // namespace

DocumentPictures::DocumentPictures(const QList<CardPage>& pages, int resolution, QSizeF paperMm,
                                   Decoder decode)
    : m_decode(decode ? std::move(decode) : Decoder(loadPicture)) {
    // Pictures go to paper at PaperPixelsPerInch at most.
    const int worth = std::min(resolution, PaperPixelsPerInch);
    for (qsizetype p = 0; p < pages.size(); ++p) {
        const CardPage& page = pages.at(p);
        const bool pictures = !page.Back || page.Backs == CardPage::CardBacks::Picture;
        const std::vector<QSize> boxes = cellBoxes(page, worth, paperMm);
        for (size_t i = 0; pictures && i < boxes.size(); ++i) {
            const QString& file = page.FileNames.value(qsizetype(i));
            if (file.isEmpty() || !page.PictureLoaded.value(qsizetype(i), true))
                continue;
            Need& need = m_needs[file];
            need.box = need.box.expandedTo(boxes[i]);
            need.fill = need.fill || page.Fill;
            need.lastPage = int(p) + 1;
        }
    }
}

DecodedPicture DocumentPictures::load(const QString& path, const WantedSize& wanted) {
    std::shared_ptr<Entry> entry;
    Need need;
    {
        const std::lock_guard lock(m_mutex);
        std::shared_ptr<Entry>& slot = m_entries[path];
        if (!slot)
            slot = std::make_shared<Entry>();
        entry = slot;
        const auto known = m_needs.find(path);
        if (known != m_needs.end())
            need = known->second;
    }
    const std::lock_guard decoding(entry->decoding);
    if (entry->picture) {
        // The decode is at least as large as this cell needs, unless the cell is not one of the
        // pages' (then it is decoded for itself).
        const QSize asked = wanted(entry->picture->ownSize);
        const QSize have = entry->picture->image.size();
        // A pixel or two short of a cell's own rounding is scaled up, not decoded again.
        if (asked.isEmpty() ||
            (asked.width() <= have.width() + 2 && asked.height() <= have.height() + 2))
            return *entry->picture;
    }
    DecodedPicture decoded = m_decode(path, [&](QSize own) {
        const QSize asked = wanted(own);
        return asked.isEmpty() ? asked : asked.expandedTo(sizeFor(own, need.box, need.fill));
    });
    ++m_decodes;
    // Kept at the size needed, not the decoder's step above it.
    const QSize keep = sizeFor(decoded.image.size(), need.box, need.fill);
    if (!need.box.isEmpty() && keep.width() * 5 < decoded.image.width() * 4)
        decoded.image = decoded.image.scaled(keep, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    entry->picture = decoded;
    return decoded;
}

void DocumentPictures::pageBegins(int page) {
    const std::lock_guard lock(m_mutex);
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        const auto need = m_needs.find(it->first);
        if (need != m_needs.end() && need->second.lastPage < page)
            it = m_entries.erase(it);
        else
            ++it;
    }
}

void DocumentPictures::attach(PaintOptions& options) {
    options.loadPicture = [this](const QString& path, const WantedSize& wanted) {
        return load(path, wanted);
    };
    options.progress = [this, next = options.progress](int page, int count) {
        pageBegins(page);
        return !next || next(page, count);
    };
}

} // namespace ferlo
