#pragma once

#include "mainwindow/WindowPart.h"

#include <QCoreApplication>
#include <QSize>

#include <array>
#include <functional>

class QAction;
class QFrame;
class QLabel;

namespace ferlo {

class CardModel;
class TCard;
class CardPictures;
class DeckSession;
class TLine;

// The card's shape, a part of the main window: the count and orientation commands, the card
// sized and centred in its base (and following the base once the window is open), the cut lines
// of the card of the five counts, and the caption over the browser for the card's count.
class ShapeCommands {
    Q_DECLARE_TR_FUNCTIONS(ferlo::TFerloMainForm)
public:
    // The window's controls it shows the shape on, handed as references to the window's own
    // pointers, which are set when the window builds them.
    struct Controls {
        QLabel* const& selectCaption;
        QFrame* const& card;
        QFrame* const& cardBase;
        const std::array<TLine*, 4>& cutLines;
        QAction* const& cutLinesButton;
    };
    // What it asks of the other parts of the window: the card's panel drawn anew, a shown
    // cell emptied (-1: all), the card panel and shape buttons as the layout says, the labels laid
    // out again, and the card's pictures.
    struct Hooks {
        std::function<void()> refreshLayoutPanel;
        std::function<void(int)> clearShownCell;
        std::function<void()> showLayoutState;
        std::function<void()> displayAllLabels;
        std::function<CardPictures&()> pictures;
    };
    ShapeCommands(const WindowPart& part, Controls controls, Hooks hooks);
    ShapeCommands(const ShapeCommands&) = delete;
    ShapeCommands& operator=(const ShapeCommands&) = delete;

    // Start-up has built the card: its base and screen scale now are the opening's, which the
    // card follows from here.
    void noteOpening();
    // Start-up has finished (noteOpening).
    bool opened() const { return !m_openingBase.isEmpty(); }

    void TBNumPerPageClick(int count);
    // The caption over the browser for the card's count.
    void showSelectCaption();
    // Sizes and centres the card panel for the model's orientation and the card base's size.
    void SetOrientation();
    void TBOrientationClick(bool portrait);
    // Grows or shrinks the card with the card base, keeping the opening's margins.
    void fitCardToBase();
    // Cut lines: shows the lines as the cut-line switch says (it toggles nothing), on either
    // card panel; showCutLines, on the card of the five counts.
    void ToggleCutLines();
    void showCutLines();

private:
    const CardModel& model() const;
    const TCard& card() const;
    void refreshLayoutPanel() { m_hooks.refreshLayoutPanel(); }
    void clearShownCell(int index) { m_hooks.clearShownCell(index); }
    void showLayoutState() { m_hooks.showLayoutState(); }
    CardPictures& cardPictures() { return m_hooks.pictures(); }

    DeckSession& m_deck;
    Hooks m_hooks;
    QLabel* const& LABSelect;
    QFrame* const& PACard;
    QFrame* const& PACardBase;
    const std::array<TLine*, 4>& CutLines;
    QAction* const& TBCutLines;
    // The card base and screen scale the window opened with; the card follows the base from
    // there. Empty until start-up has finished.
    QSize m_openingBase;
    double m_openingScale = 1.0;
};

} // namespace ferlo
