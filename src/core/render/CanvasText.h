#pragma once
// Low-level text on a page canvas, shared by the drawing helpers: fonts sized
// in points at 96 units per inch, text placed by the top of its first line,
// and coordinates kept where the paint engines stay exact.
#include <QPainter>
#include <QRect>
#include <QString>

namespace krevol::canvas_text {

// Font sizes outside this range make the font machinery misbehave; a record
// asking for one is drawn at the nearest size inside it.
inline constexpr int kMinFontPoints = 1;
inline constexpr int kMaxFontPoints = 1000;
// Coordinates beyond this are far off any page; they are held there so that
// no rectangle arithmetic overflows.
inline constexpr qint64 kCoordinateLimit = 1000000;

int clampedPoints(qint64 points);
// Points to page units at 96 per inch: 12 points are 16 units.
int pointsToPageUnits(int points);
int clampCoordinate(qint64 value);
qint32 saturate32(qint64 value);

// Sets the canvas font's size, leaving its name and style.
void setFontPoints(QPainter &canvas, qint64 points);
// The line height of the canvas font: ascent plus descent.
int lineHeight(const QPainter &canvas);

// The rectangle with these edges (right and bottom exclusive), coordinates held in range.
QRect boxRect(qint64 left, qint64 top, qint64 right, qint64 bottom);

enum class HAlign { Left, Centre, Right };

// Draws the text with the top of its first line at `top`; a line break starts
// the next line one line height lower. Each line is placed between left and
// right by the alignment; with `clip` nothing outside the box shows, and an
// empty or inverted box shows nothing.
void drawTextInBox(QPainter &canvas, qint64 left, qint64 top, qint64 right, qint64 bottom,
                   HAlign align, const QString &text, bool clip);

// Pen colour only: the width and style the canvas has stay.
void setPenColour(QPainter &canvas, const QColor &colour);

} // namespace krevol::canvas_text
