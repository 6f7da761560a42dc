#pragma once

#include "pictures/PictureDecoder.h"
#include "printing/CardPage.h"
#include "printing/PagePainter.h"

#include <QList>
#include <QSizeF>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>

namespace ferlo {

// The pictures of one document, each decoded once however many cells and pages print it (a
// game's boards print the same pictures again and again): the first cell that asks for a
// picture has it decoded at the largest size any cell of the document needs, the others are
// handed that decode, which the page painter scales to their own cells. A picture is let go once
// the last page that prints it begins to be painted (pageBegins), so at most the pictures of the
// pages still to come are kept. Thread-safe: a page's cells ask from worker threads.
class DocumentPictures {
public:
    using Decoder = std::function<DecodedPicture(const QString&, const WantedSize&)>;
    // The pages as they will be painted at `resolution` pixels per inch; a page of the five
    // counts is taken as filling `paperMm` (portrait, turned with the page), a grid's or a
    // sheet's its own paper. `decode` stands for loadPicture when given.
    DocumentPictures(const QList<CardPage>& pages, int resolution, QSizeF paperMm,
                     Decoder decode = {});
    DecodedPicture load(const QString& path, const WantedSize& wanted);
    // Page `page` (from 1) begins: the pictures of no later page are let go.
    void pageBegins(int page);
    // Sets the options' loadPicture to load, and has their progress call pageBegins first.
    void attach(PaintOptions& options);
    // How many times a picture was decoded.
    int decodes() const { return m_decodes; }

private:
    struct Need {
        QSize box;         // the largest cell, in the pixels worth printing
        bool fill = false; // a cell crops the picture to fill it
        int lastPage = 0;
    };
    struct Entry {
        std::mutex decoding;
        std::optional<DecodedPicture> picture;
    };
    Decoder m_decode;
    std::map<QString, Need> m_needs;
    std::mutex m_mutex;
    std::map<QString, std::shared_ptr<Entry>> m_entries;
    std::atomic<int> m_decodes{0};
};

} // namespace ferlo
