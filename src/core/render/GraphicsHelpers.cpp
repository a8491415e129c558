// The drawing helpers for what is not a text item: dotted lines, the seal
// place, the emblem and frames.
#include "CanvasText.h"
#include "DrawingHelpers.h"
#include "RenderFiles.h"
#include "SelectionHighlight.h"
#include "Session.h"
#include "system/ErrorReport.h"
#include "system/FileOps.h"
#include "system/Folders.h"

#include <QFontMetricsF>
#include <QImage>
#include <QSvgRenderer>

#include <cerrno>

namespace krevol {

using namespace canvas_text;

namespace {

constexpr int kDotPoints = 14;
constexpr qint64 kDotStep = 6;
// Dots are drawn within this distance of the page's origin: a dotted line
// reaching further (a record typed wrong) is cut there, not dotted out to
// the ends of the number range.
constexpr qint64 kDotReach = 10000;
constexpr int kSealTextPoints = 12;
const QString kPictureErrorCaption = QStringLiteral("Bład");

// The graphics record framed when selected: page 1, the first scroll box only.
void highlightGraphic(Session &session, QPainter &canvas, qint32 x1, qint32 y1, qint32 x2, qint32 y2)
{
    highlight::frame(canvas, x1, y1, x2, y2);
    highlight::showPage(session, 0);
    highlight::scrollVertically(session, y2 / 2, false);
}

// The highlight of a graphics record, then, only while printing, the path of
// its picture in the working folder; "" when nothing is to be drawn (a
// missing picture is reported).
QString pictureToDraw(Session &session, QPainter &canvas, qint32 x1, qint32 y1, qint32 x2, qint32 y2,
                      const QString &relative)
{
    if (highlight::isSelected(session))
        highlightGraphic(session, canvas, x1, y1, x2, y2);
    if (!session.printing)
        return QString();
    const QString path = workingFile(relative);
    if (fileExists(path))
        return path;
    reportError(QStringLiteral("Plik nie istnieje\n") + path + QStringLiteral("\nKod błędu: ")
                    + QString::number(ENOENT),
                kPictureErrorCaption);
    return QString();
}

void reportUnreadablePicture(const QString &path)
{
    reportError(QStringLiteral("Nie można odczytać pliku graficznego\n") + path, kPictureErrorCaption);
}

} // namespace

void vFunRysujLinieZKropek(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas)
{
    Q_UNUSED(y1);
    if (highlight::isSelected(session)) {
        highlight::showPageOfRecord(session);
        highlight::frame(canvas, x1, qint64(y2) - 4, x2, qint64(y2) + 4);
        highlight::scrollVertically(session, qint64(y2) * 2 / 3, true);
    }
    // The canvas keeps its font name; the style is cleared for good and the size only lent.
    const QFont remembered = canvas.font();
    QFont font = remembered;
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    canvas.setFont(font);
    setFontPoints(canvas, kDotPoints);

    // Each dot is the ink of the font's full stop, set with its cell's top
    // left corner at (x, Y2 - 14). One dotted line is drawn as one stroke
    // whose dashes are dots: round ends on a dash of almost no length, one
    // every 6 units. It is the same picture as a full stop printed at each
    // place, and a printer or PDF takes it as one line instead of hundreds of
    // separate marks.
    const QFontMetricsF metrics(canvas.font(), canvas.device());
    const QRectF ink = metrics.tightBoundingRect(QStringLiteral("."));
    const qreal diameter = ink.isEmpty() ? 2.0 : (ink.width() + ink.height()) / 2.0;
    const QPointF centre(ink.isEmpty() ? 1.0 : ink.center().x(),
                         QFontMetrics(canvas.font(), canvas.device()).ascent()
                             + (ink.isEmpty() ? -1.0 : ink.center().y()));
    qint64 x = x1;
    if (x < -kDotReach) // skipped in one step, keeping the dots' places along the line
        x += (-kDotReach - x + kDotStep - 1) / kDotStep * kDotStep;
    const qint64 end = std::min<qint64>(x2, kDotReach);
    const qint64 dots = end > x ? (end - x + kDotStep - 1) / kDotStep : 0;
    if (dots > 0) {
        const QPen pen = canvas.pen();
        constexpr qreal kDotLength = 0.01;
        QPen dotted(pen.color(), diameter, Qt::CustomDashLine, Qt::RoundCap);
        dotted.setDashPattern({kDotLength / diameter, (kDotStep - kDotLength) / diameter});
        canvas.setPen(dotted);
        const QPointF first = QPointF(x, qint64(y2) - kDotPoints) + centre;
        canvas.drawLine(first, first + QPointF((dots - 1) * kDotStep + kDotLength, 0));
        canvas.setPen(pen);
    }

    font = canvas.font();
    if (remembered.pixelSize() > 0)
        font.setPixelSize(remembered.pixelSize());
    else
        font.setPointSizeF(remembered.pointSizeF());
    canvas.setFont(font);
}

void vFunRysujPieczatke(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas)
{
    const QString path = pictureToDraw(session, canvas, x1, y1, x2, y2, render_files::kSealPicture);
    if (path.isEmpty())
        return;
    const QImage seal(path);
    if (seal.isNull()) {
        reportUnreadablePicture(path);
        return;
    }
    canvas.drawImage(boxRect(x1, y1, x2, y2), seal);
    setFontPoints(canvas, kSealTextPoints);
    // "m.p." on one line, centred both ways in the record's box.
    const CalibrationRecord &r = session.calibration;
    const qint64 top = r.y1 + (qint64(r.y2) - r.y1 - lineHeight(canvas)) / 2;
    drawTextInBox(canvas, r.x1, top, r.x2, r.y2, HAlign::Centre, QStringLiteral("m.p."), true);
}

void vFunRysujOrzelka(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas)
{
    const QString path = pictureToDraw(session, canvas, x1, y1, x2, y2, render_files::kEmblemPicture);
    if (path.isEmpty())
        return;
    QSvgRenderer emblem(path);
    if (!emblem.isValid()) {
        reportUnreadablePicture(path);
        return;
    }
    emblem.render(&canvas, QRectF(boxRect(x1, y1, x2, y2)));
}

void vFunRysujRamke(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas)
{
    QPen pen = canvas.pen();
    const qreal rememberedWidth = pen.widthF();
    pen.setWidth(1);
    canvas.setPen(pen);
    if (highlight::isSelected(session))
        highlight::frame(canvas, x1, y1, x2, y2);
    else
        canvas.drawRect(boxRect(x1, y1, x2, y2));
    pen = canvas.pen();
    pen.setWidthF(rememberedWidth);
    canvas.setPen(pen);
}

} // namespace krevol
