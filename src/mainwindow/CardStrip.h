#pragma once

#include "layout/Deck.h"

#include <QImage>
#include <QListWidget>
#include <QThreadPool>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace ferlo {

// The card strip under the card: a row of small previews of the deck's cards, each drawn by the
// page painter on a worker thread and posted back, so the window never waits for one. A preview
// belongs to a card's content, so moving a card or undoing a change finds it ready; a changed
// card is drawn before the others. A click shows a card, a drag moves it, Delete removes it, and
// a picture dragged from the card onto one goes to its first free cell.
class CardStrip : public QListWidget {
    Q_OBJECT
public:
    explicit CardStrip(QWidget* parent = nullptr);
    ~CardStrip() override;

    // Shows the deck's cards, `current` marked; previews not yet drawn are started.
    void showDeck(const Deck& deck, int current);
    // Previews being drawn or waiting to be (for the benchmark and the tests).
    int previewsPending() const { return int(m_pending.size()); }
    // Lets the previews drawn so far go, so that the next change is drawn anew (the benchmark).
    void forgetPreviews() { m_previews.clear(); }

    // The preview's long side in pixels.
    static constexpr int kPreviewSize = 72;

signals:
    void cardChosen(int index);
    void cardMoved(int from, int to);
    void removeRequested(int index);
    void pictureDropped(int cell, int card);
    // A preview has come in (its card's index in the deck shown).
    void previewShown(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void previewDone(const std::string& key, const QImage& image);
    // The card a drop at this point goes to (a move: the place it goes to).
    int cardAt(QPoint at) const;

    std::vector<std::string> m_keys; // per card of the deck shown, its content
    std::map<std::string, QImage> m_previews;
    std::set<std::string> m_pending;
    QPoint m_pressedAt;
    int m_pressedRow = -1;
    QThreadPool m_pool;
};

} // namespace ferlo
