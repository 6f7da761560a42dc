#pragma once

#include "mainwindow/PanelPictures.h"
#include "printing/PagePainter.h"

#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

class QLabel;

namespace ferlo {

class CardModel;
class LabelEditor;

// The card panel of a grid or a sheet: the card's page drawn in proportion to its paper, as
// large as the room it is given holds, by the page painter that prints it, so the screen shows
// the cards' shapes, bleed, crop marks and labels as they print. Pictures come from the picture
// cache at the screen's device pixels. A press on a card that holds a picture is reported with
// its button, a left one when the button comes up without a drag; a double click reaches the
// label editor, which lies on the panel. From the
// keyboard, Tab and the arrow keys go from picture to picture; Space or Enter counts as a left
// press, Delete as a right press, F2 asks to edit the label, the menu key for the menu.
class LayoutPanel : public QWidget {
    Q_OBJECT
public:
    explicit LayoutPanel(QWidget* parent);

    // Lays the card out again in `room` (the card base, the panel's parent), centred. The page
    // is drawn at the next paint. What makes the layout impossible to draw (a sheet that is not
    // installed) is kept as problem() and shown on the panel.
    void showCard(const CardModel& card, QSize room);
    // The cards on the page as drawn; 0 while the layout cannot be drawn.
    int cellCount();
    const QString& problem() const { return m_problem; }
    // The card under a point of the panel, -1 for none; the label band under it likewise.
    int cellAt(QPoint at);
    int bandAt(QPoint at);
    // Whether a card holds a picture that cannot be read (its place is outlined).
    bool isUnreadable(int index);
    // A card's picture area and label band in the panel's coordinates (empty for none).
    QRect pictureRect(int index);
    QRect bandRect(int index);
    // Opens the editor over a card's label band with its word.
    void editLabel(int index, const QString& word);
    LabelEditor* editor() const { return m_editor; }

    // Whether sharp pictures of the card are still being decoded (they are drawn as they come).
    Q_INVOKABLE bool picturesPending();

    // The card whose picture has the keyboard focus, -1 for none.
    int focusedCell() const { return m_focus; }
    void setFocusedCell(int index);

signals:
    void pressed(int index, Qt::MouseButton button);
    // The picture of a card pressed with the left button was moved beyond the drag distance.
    void dragRequested(int index);
    void editRequested(int index);
    void menuRequested(int index);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Plans the page and asks for its pictures when the card or the size changed.
    void prepare();
    // A card's picture has come, or it cannot be read: drawn at the next paint.
    void placePicture(int cell, const PrintedPicture& picture, bool unreadable);
    // Draws the page with the pictures that have come, when they changed.
    void drawPage();
    QRect logical(const TRect& rect) const;
    bool filled(int index) const;
    // The next card with a picture after `from` (before it, backwards), -1 for none.
    int nextFilled(int from, bool forward) const;

    const CardModel* m_card = nullptr;
    bool m_stale = true;
    QString m_problem;
    PreparedPage m_prepared;
    // Each card's picture as it has come so far.
    struct Shown {
        PanelPictures::Request request;
        PrintedPicture picture;
        bool unreadable = false;
    };
    std::vector<Shown> m_shown;
    PanelPictures* m_pictures = nullptr;
    bool m_drawn = false; // m_page shows what has come
    QImage m_page;
    qreal m_ratio = 1.0;
    int m_focus = -1;
    // Where the left button went down on a picture, and its card, while a drag may start.
    QPoint m_pressedAt;
    int m_pressedCell = -1;
    LabelEditor* m_editor = nullptr;
    // The editor follows this hidden stand-in for the label of the card being edited.
    QLabel* m_band = nullptr;
};

} // namespace ferlo
