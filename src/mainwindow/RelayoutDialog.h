#pragma once

class QWidget;

namespace ferlo {

// Card > Change Layout of All Cards: asks for the count and orientation onto which the deck's
// `pictures` are dealt, showing how many cards that makes. `perPage` and `portrait` come in as
// the card on screen has them and go out as chosen; false when the user cancelled.
bool askDeckLayout(QWidget* parent, int pictures, int& perPage, bool& portrait);

} // namespace ferlo
