#include "ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace krevol {
namespace {

const QColor kInk(40, 52, 72);
const QColor kPaper(252, 252, 246);
const QColor kBlue(52, 101, 164);
const QColor kGreen(58, 140, 60);
const QColor kRed(190, 48, 40);
const QColor kGold(222, 170, 40);

void sheet(QPainter &p, QRectF r)
{
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 7, r.top());
    path.lineTo(r.right(), r.top() + 7);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 7, r.top()), QPointF(r.right() - 7, r.top() + 7));
    p.drawLine(QPointF(r.right() - 7, r.top() + 7), QPointF(r.right(), r.top() + 7));
}

void textLines(QPainter &p, QRectF r, int count)
{
    p.setPen(QPen(kInk.lighter(170), 1.5));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(r.left() + 4, r.top() + 11 + i * 5), QPointF(r.right() - 5, r.top() + 11 + i * 5));
}

void person(QPainter &p, QPointF at, QColor color)
{
    p.setPen(QPen(kInk, 1.2));
    p.setBrush(color);
    p.drawEllipse(QRectF(at.x() - 5, at.y(), 10, 10));
    p.drawRoundedRect(QRectF(at.x() - 9, at.y() + 11, 18, 12), 5, 5);
}

void badge(QPainter &p, QPointF centre, QColor color, const QString &sign)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawEllipse(centre, 7, 7);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
    if (sign == QLatin1String("+")) {
        p.drawLine(centre + QPointF(-4, 0), centre + QPointF(4, 0));
        p.drawLine(centre + QPointF(0, -4), centre + QPointF(0, 4));
    } else if (sign == QLatin1String("x")) {
        p.drawLine(centre + QPointF(-3, -3), centre + QPointF(3, 3));
        p.drawLine(centre + QPointF(-3, 3), centre + QPointF(3, -3));
    }
}

void pencil(QPainter &p, QPointF tip)
{
    p.save();
    p.translate(tip);
    p.rotate(-45);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kGold);
    p.drawRect(QRectF(4, -3, 14, 6));
    p.setBrush(kRed);
    p.drawRect(QRectF(18, -3, 3, 6));
    p.setBrush(kPaper);
    QPolygonF point({QPointF(0, 0), QPointF(4, -3), QPointF(4, 3)});
    p.drawPolygon(point);
    p.restore();
}

QPixmap draw(ToolbarPicture picture)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    switch (picture) {
    case ToolbarPicture::NewFile:
        sheet(p, QRectF(6, 2, 20, 27));
        badge(p, QPointF(23, 24), kGreen, QStringLiteral("+"));
        break;
    case ToolbarPicture::OpenFile:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kGold.darker(110));
        p.drawRect(QRectF(3, 8, 24, 19));
        p.setBrush(kGold);
        p.drawPolygon(QPolygonF({QPointF(3, 27), QPointF(8, 14), QPointF(30, 14), QPointF(27, 27)}));
        break;
    case ToolbarPicture::Save:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(kInk.lighter(140));
        p.drawRect(QRectF(9, 18, 14, 10));
        break;
    case ToolbarPicture::AddStudent:
        person(p, QPointF(13, 4), kBlue.lighter(130));
        badge(p, QPointF(24, 23), kGreen, QStringLiteral("+"));
        break;
    case ToolbarPicture::EditStudent:
        person(p, QPointF(13, 4), kBlue.lighter(130));
        pencil(p, QPointF(16, 29));
        break;
    case ToolbarPicture::DeleteStudent:
        person(p, QPointF(13, 4), kBlue.lighter(130));
        badge(p, QPointF(24, 23), kRed, QStringLiteral("x"));
        break;
    case ToolbarPicture::EditDocument:
        sheet(p, QRectF(4, 2, 20, 27));
        textLines(p, QRectF(4, 2, 20, 27), 3);
        pencil(p, QPointF(15, 29));
        break;
    case ToolbarPicture::Print:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(kInk.lighter(160));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 20, 14, 9));
        p.setBrush(kGreen);
        p.drawEllipse(QRectF(24, 15, 3, 3));
        break;
    case ToolbarPicture::Help: {
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(20);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case ToolbarPicture::Contact:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(3, 8, 26, 17));
        p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(16, 18), QPointF(29, 8)}));
        break;
    case ToolbarPicture::SchoolTemplate:
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kRed.lighter(150));
        p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(16, 3), QPointF(30, 13)}));
        p.setBrush(kPaper);
        p.drawRect(QRectF(5, 13, 22, 16));
        p.setBrush(kBlue.lighter(140));
        for (int x : {8, 14, 20})
            p.drawRect(QRectF(x, 17, 4, 5));
        p.setBrush(kGold);
        p.drawRect(QRectF(14, 23, 4, 6));
        break;
    case ToolbarPicture::Import:
        sheet(p, QRectF(2, 2, 16, 22));
        person(p, QPointF(24, 7), kBlue.lighter(130));
        p.setPen(QPen(kGreen, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 27), QPointF(17, 27));
        p.drawLine(QPointF(14, 24), QPointF(17, 27));
        p.drawLine(QPointF(14, 30), QPointF(17, 27));
        break;
    }
    return pixmap;
}

} // namespace

QIcon toolbarIcon(ToolbarPicture picture)
{
    return QIcon(draw(picture));
}

QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    sheet(p, QRectF(5, 2, 22, 28));
    textLines(p, QRectF(5, 2, 22, 28), 3);
    p.setPen(QPen(kRed.darker(120), 1));
    p.setBrush(kRed);
    p.drawEllipse(QRectF(15, 19, 9, 9));
    return QIcon(pixmap);
}

} // namespace krevol
