#pragma once

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

class QWidget;

namespace ferlo {

// The panel that shows the card on screen, as the window's handlers see it: the card of the five
// counts (the window's picture, label and cut-line controls on PACard) or a grid's or a sheet's
// page (LayoutPanel). The window picks the one the card's layout needs; a handler asks it and
// never which one it is. Cells are numbered as in the card model.
class CardView {
public:
    virtual ~CardView() = default;

    // Shows the picture of a cell just placed (a first look while a long decode runs); throws
    // what keeps it from being read, the cell then marked as unreadable.
    virtual void showPicture(int index) = 0;
    // Fits every picture to the card as it is now. An error ends the pass and is thrown, or,
    // without throwErrors, leaves its cell marked; serveEvents keeps the event loop turning
    // while it waits. Returns the pictures that show only in part.
    virtual QStringList showPictures(bool throwErrors, bool serveEvents) = 0;
    // Draws the card anew from the model (a grid's or a sheet's page; the card of the five
    // counts is drawn by its controls, cell by cell).
    virtual void refresh() = 0;
    // The render pass's part of the panel: on the card of the five counts, every label and the
    // cut lines (a grid's or a sheet's page is drawn by the commands that change it).
    virtual void render() = 0;
    // A word card shows its word in the card's case: after an edit or a new case its picture is
    // drawn again.
    virtual void redrawWordCards() = 0;
    // Shows a cell's label word in its band.
    virtual void showLabel(int index) = 0;
    // Opens the label editor over a cell's label (labels on, a picture placed).
    virtual void editLabel(int index) = 0;

    // The cell under a point of the card base, -1 for none.
    virtual int cellAt(QPoint inBase) = 0;
    // Where a cell stands on the panel, to find its neighbours.
    virtual QPoint cellOrigin(int index) = 0;
    // The cell whose picture has the keyboard focus (-1 for none), and giving it the focus.
    virtual int focusedCell() = 0;
    virtual void focusCell(int index) = 0;
    // Where a drag of a cell's picture starts, and what it shows.
    virtual QWidget* dragSource(int index) = 0;
    virtual QImage dragImage(int index) = 0;
    // Where the picture's menu opens, in global coordinates.
    virtual QPoint menuPoint(int index) = 0;

    // Shows or hides the panel.
    virtual void setShown(bool shown) = 0;
    // The widget that the controls floating over a cell (the record panel) go on.
    virtual QWidget* surface() = 0;
    // What the toolbar's shape buttons show for the card: the count whose button is checked
    // (0: no count button stands for it), whether the orientation can be chosen, and the
    // orientation of the page shown.
    struct Shape {
        int count = 0;
        bool orientable = false;
        bool portrait = false;
    };
    virtual Shape shape() = 0;
};

} // namespace ferlo
