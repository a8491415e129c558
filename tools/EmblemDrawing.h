#pragma once
// Our own drawing of a crowned eagle for the emblem place of the certificates:
// a few plain polygons, mirrored about the middle.
#include <QByteArray>

class QPainter;
class QRectF;

namespace krevol::tools {

// Draws the emblem filling `box` (its own proportions are 200 x 240).
void drawEmblem(QPainter &painter, const QRectF &box);
// The emblem as an SVG document.
QByteArray emblemSvg();

} // namespace krevol::tools
