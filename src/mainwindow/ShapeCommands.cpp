#include "mainwindow/ShapeCommands.h"

#include "layout/CardGeometry.h"
#include "layout/DeckSession.h"
#include "mainwindow/CardPictures.h"
#include "mainwindow/LineShape.h"

#include <QAction>
#include <QFrame>
#include <QLabel>

// The card's shape: its count and orientation, its size in the card base, and its cut lines.

namespace ferlo {

ShapeCommands::ShapeCommands(const WindowPart& part, Controls controls, Hooks hooks)
    : m_deck(*part.deck)
    , m_hooks(std::move(hooks))
    , LABSelect(controls.selectCaption)
    , PACard(controls.card)
    , PACardBase(controls.cardBase)
    , CutLines(controls.cutLines)
    , TBCutLines(controls.cutLinesButton) {}

const CardModel& ShapeCommands::model() const {
    return m_deck.card();
}

const TCard& ShapeCommands::card() const {
    return m_deck.screen();
}

void ShapeCommands::noteOpening() {
    m_openingBase = PACardBase->size();
    m_openingScale = card().ScreenScale;
}

void ShapeCommands::showSelectCaption() {
    const int count = model().count();
    LABSelect->setText(count == 1 ? tr("Select A Picture")
                                  : tr("Select up to %1 Pictures").arg(count));
    LABSelect->adjustSize();
}

void ShapeCommands::TBNumPerPageClick(int count) {
    // A new count empties the card.
    if (!m_deck.edit([count](CardModel& card) { return card.setCount(count); }))
        return;
    showSelectCaption();
    clearShownCell(-1);
    showLayoutState();
    ToggleCutLines();
}

void ShapeCommands::SetOrientation() {
    // Once the window is open, the card takes the largest size that its base holds with the
    // opening's margins (the opening size at the opening base). A base that does not hold it
    // (the card strip took part of it) shows it smaller, whole.
    if (!m_openingBase.isEmpty()) {
        const double scale =
            ScreenScaleForBase(model().portrait(), m_openingScale, m_openingBase.width(),
                               m_openingBase.height(), PACardBase->width(), PACardBase->height());
        m_deck.setScreenScale(ScreenScaleInBase(model().portrait(), scale, PACardBase->width(),
                                                PACardBase->height()));
    }
    PACard->resize(card().CardWidth, card().CardHeight);
    const int top = (PACardBase->height() - PACard->height()) / 2;
    const int left = (PACardBase->width() - PACard->width()) / 2;
    PACard->move(left, top);
    refreshLayoutPanel();
}

void ShapeCommands::TBOrientationClick(bool portrait) {
    if (!m_deck.edit([&](CardModel& card) { return card.setOrientation(portrait); }))
        return;
    SetOrientation();
    ToggleCutLines();
    m_hooks.displayAllLabels();
    cardPictures().Display_All_Pictures();
}

void ShapeCommands::fitCardToBase() {
    if (m_openingBase.isEmpty())
        return;
    if (cardPictures().placing()) {
        cardPictures().whenPicturesPlaced([this] { fitCardToBase(); });
        return;
    }
    const QSize before = PACard->size();
    SetOrientation();
    if (PACard->size() == before)
        return; // centred anew, nothing else moves
    ToggleCutLines();
    m_hooks.displayAllLabels();
    cardPictures().fitAllPictures(false, false);
}

void ShapeCommands::ToggleCutLines() {
    refreshLayoutPanel();
    showCutLines();
}

void ShapeCommands::showCutLines() {
    for (TLine* line : CutLines)
        line->hide();
    if (!model().cutLinesOn()) {
        TBCutLines->setToolTip(tr("Turn Cutlines On"));
        return;
    }
    TBCutLines->setToolTip(tr("Turn Cutlines Off"));
    const auto segments =
        ScreenCutLines(model().count(), model().portrait(), PACard->width(), PACard->height());
    for (size_t k = 0; k < segments.size() && k < CutLines.size(); ++k) {
        CutLines[k]->SetPoints(QPoint(segments[k].First.X, segments[k].First.Y),
                               QPoint(segments[k].Second.X, segments[k].Second.Y));
        CutLines[k]->raise();
        CutLines[k]->show();
    }
}

} // namespace ferlo
