#pragma once

#include "layout/Card.h"
#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class QImage;
class QWidget;

namespace ferlo {

class CardModel;
class CardView;
class DeckSession;
class PictureControl;

// The card's pictures, a part of the main window: the pictures in the cells of the card of the
// five counts, decoded on worker threads, a first look while a long decode runs, placed and
// fitted in their picture areas; and the picture passes under way, after which waiting work runs.
class CardPictures : PartOfWindow {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // What it asks of the other parts of the window: the card's panel, and of the labels, a
    // cell's label let go for a new picture or withheld for one that cannot be shown.
    struct Hooks {
        std::function<void(int)> releaseLabel;
        std::function<void(int)> withholdLabel;
    };
    // `images` are the window's picture controls of the card of the five counts.
    CardPictures(const WindowPart& part, const std::array<PictureControl*, 8>& images, Hooks hooks);
    CardPictures(const CardPictures&) = delete;
    CardPictures& operator=(const CardPictures&) = delete;

    // Runs the action now, or after the picture passes under way.
    void whenPicturesPlaced(std::function<void()> action);
    // A picture pass is under way.
    bool placing() const { return m_picturePasses > 0; }

    // The picture of a cell of the card of the five counts, decoded and placed.
    void display_picture(int index);
    void Display_All_Pictures();
    // Fits the picture of every cell that has a file; an error ends the pass and is thrown, or,
    // when the pass only follows the window's size, leaves that cell without a picture.
    // While it waits for a decoder, a pass that serves events keeps the event loop turning
    // without user input. A refit that follows the window's size must not: it runs inside Qt's
    // layout of the window, where no other event may run (it finds its pictures in the cache as
    // a rule). Returns the pictures that show only in part (damaged files).
    QStringList fitAllPictures(bool throwErrors, bool serveEvents);
    // The same on the card of the five counts.
    QStringList fitCardPictures(bool throwErrors, bool serveEvents);
    // Tells in the status bar which pictures just placed show only in part.
    void notePartialPictures(const QStringList& paths);

private:
    // A first look at the picture of a cell whose decode takes long: the file's own preview.
    // False when the file has none.
    bool showPreview(int index);
    void applyPicture(int index, int fittedWidth, int fittedHeight, const QImage& shown);
    // Outlines the picture area of a cell whose picture cannot be shown, named in its hint.
    void showUnreadable(int index);

    const TCard& card() const;

    const std::array<PictureControl*, 8>& CellImages;
    Hooks m_hooks;
    // Picture passes under way: a pass waits for its decoders with the event loop running, so
    // the window keeps painting. What that loop would start meanwhile (a refit after a resize,
    // dropped files) waits in m_afterPictures until the last pass has ended.
    class PicturePass;
    int m_picturePasses = 0;
    std::vector<std::function<void()>> m_afterPictures;
};

} // namespace ferlo
