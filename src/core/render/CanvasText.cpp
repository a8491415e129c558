#include "CanvasText.h"

#include <QFontMetrics>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <limits>

namespace krevol::canvas_text {

int clampedPoints(qint64 points)
{
    return int(std::clamp<qint64>(points, kMinFontPoints, kMaxFontPoints));
}

int pointsToPageUnits(int points)
{
    return qRound(points * 96.0 / 72.0);
}

int clampCoordinate(qint64 value)
{
    return int(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

qint32 saturate32(qint64 value)
{
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                      std::numeric_limits<qint32>::max()));
}

void setFontPoints(QPainter &canvas, qint64 points)
{
    QFont font = canvas.font();
    // Pixel sizes keep page units at 96 per inch whatever the screen's dpi.
    font.setPixelSize(pointsToPageUnits(clampedPoints(points)));
    canvas.setFont(font);
}

int lineHeight(const QPainter &canvas)
{
    const QFontMetrics metrics = canvas.fontMetrics();
    return metrics.ascent() + metrics.descent();
}

QRect boxRect(qint64 left, qint64 top, qint64 right, qint64 bottom)
{
    const int l = clampCoordinate(left);
    const int t = clampCoordinate(top);
    return QRect(l, t, clampCoordinate(right) - l, clampCoordinate(bottom) - t);
}

void drawTextInBox(QPainter &canvas, qint64 left, qint64 top, qint64 right, qint64 bottom,
                   HAlign align, const QString &text, bool clip)
{
    if (text.isEmpty())
        return;
    const QRect box = boxRect(left, top, right, bottom);
    if (clip) {
        if (box.width() <= 0 || box.height() <= 0)
            return;
        canvas.setClipRect(box);
    }
    const QFontMetrics metrics = canvas.fontMetrics();
    const int height = metrics.ascent() + metrics.descent();
    qint64 lineTop = top;
    QString unbroken = text;
    unbroken.remove(QLatin1Char('\r'));
    for (const QString &line : unbroken.split(QLatin1Char('\n'))) {
        if (clip && lineTop >= bottom)
            break; // the lines below the box are hidden anyway
        qint64 x = left;
        if (align != HAlign::Left) {
            const qint64 width = metrics.horizontalAdvance(line);
            x = align == HAlign::Right ? right - width : left + (right - left - width) / 2;
        }
        canvas.drawText(QPoint(clampCoordinate(x), clampCoordinate(lineTop + metrics.ascent())), line);
        lineTop += height;
    }
    if (clip)
        canvas.setClipping(false);
}

void setPenColour(QPainter &canvas, const QColor &colour)
{
    QPen pen = canvas.pen();
    pen.setColor(colour);
    canvas.setPen(pen);
}

} // namespace krevol::canvas_text
