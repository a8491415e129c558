#include "EmblemDrawing.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgGenerator>

namespace krevol::tools {
namespace {

constexpr double kWidth = 200;
constexpr double kHeight = 240;

// The left half of the bird (the viewer's left), in the 200 x 240 box; the
// parts on the middle line reach one unit past it, so the halves overlap.
QPainterPath leftHalf()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    // A wing raised from the shoulder, its lower edge cut into five feathers.
    path.addPolygon(QPolygonF({{92, 96},  {70, 84},  {40, 62},  {14, 50},  {18, 70},  {8, 78},
                               {22, 92},  {12, 102}, {30, 114}, {22, 124}, {44, 134}, {40, 146},
                               {64, 150}, {70, 160}, {92, 150}}));
    // The body and a leg with three claws.
    path.addPolygon(QPolygonF({{101, 86}, {84, 104}, {80, 140}, {88, 172}, {101, 180}}));
    path.addPolygon(QPolygonF({{86, 168}, {72, 184}, {58, 186}, {66, 192}, {62, 200},
                               {74, 194}, {78, 202}, {84, 190}, {94, 176}}));
    // Half of the tail fan.
    path.addPolygon(QPolygonF({{101, 176}, {88, 178}, {74, 214}, {88, 208}, {92, 222}, {101, 210}}));
    // Half of the crown resting on the head: its band, a side point and half the middle one.
    path.addPolygon(QPolygonF({{101, 56}, {83, 56}, {81, 44}, {72, 20}, {87, 34}, {101, 10}}));
    return path;
}

QPainterPath head()
{
    QPainterPath path;
    path.addEllipse(QPointF(100, 70), 17, 17);
    // The beak, turned to the viewer's right.
    path.addPolygon(QPolygonF({{112, 62}, {132, 66}, {124, 80}, {112, 76}}));
    return path;
}

} // namespace

void drawEmblem(QPainter &painter, const QRectF &box)
{
    QPainterPath bird = leftHalf();
    // Mirroring turns the outlines the other way round; turned back, the
    // overlapping middle adds up instead of cancelling out.
    bird.addPath(QTransform(-1, 0, 0, 1, kWidth, 0).map(bird).toReversed());
    bird.addPath(head());
    painter.save();
    painter.translate(box.topLeft());
    painter.scale(box.width() / kWidth, box.height() / kHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawPath(bird);
    // The eye, left white.
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(106, 66), 3, 3);
    painter.restore();
}

QByteArray emblemSvg()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(int(kWidth), int(kHeight)));
    generator.setViewBox(QRectF(0, 0, kWidth, kHeight));
    generator.setTitle(QStringLiteral("Orzeł"));
    generator.setDescription(QStringLiteral("Godło na miejsce orła świadectwa"));
    QPainter painter(&generator);
    drawEmblem(painter, QRectF(0, 0, kWidth, kHeight));
    painter.end();
    return buffer.data();
}

} // namespace krevol::tools
