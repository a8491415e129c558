#pragma once
// The calibration editor's selection highlight: the selected record framed in
// red, the preview turned to its page and scrolled to it.
#include <QPainter>

namespace krevol {

class Session;

namespace highlight {

// The editor is open and the current record is the item it has selected.
bool isSelected(const Session &session);
// A red rectangle with the edges given; the pen goes back to black.
void frame(QPainter &canvas, qint64 left, qint64 top, qint64 right, qint64 bottom);
// Tab page 1 for a name holding "STR2", else tab page 0.
void showPageOfRecord(Session &session);
void showPage(Session &session, int tab);
void scrollVertically(Session &session, qint64 value, bool bothBoxes);
void scrollHorizontally(Session &session, qint64 value);

} // namespace highlight
} // namespace krevol
