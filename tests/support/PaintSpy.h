#pragma once
// A paint device that records what is drawn on it, in device coordinates:
// texts with their baseline origin and font, lines, rectangles, points,
// images and paths, each with the pen and the clip in force. Page pictures
// are replayed onto it to see what a renderer drew.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPicture>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>

namespace krevol::test {

struct PaintEvent
{
    enum class Kind { Text, Line, Rect, Points, Image, Path };
    Kind kind = Kind::Text;
    QString text;         // Text
    QPointF origin;       // Text: the baseline's left end
    QFont font;           // Text
    double advance = 0;   // Text: its width in device units
    double scale = 1;     // Text: how much the font is enlarged on the device
    QLineF line;          // Line
    QRectF rect;          // Rect, Image, Path (bounding rectangle)
    QList<QPointF> points;
    QColor pen;
    double penWidth = 0;  // device units
    bool clipped = false;
    QRectF clip;          // device coordinates, when clipped

    double textRight() const { return origin.x() + advance; }
};

class PaintSpy : public QPaintDevice
{
public:
    explicit PaintSpy(QSize size = QSize(885, 1314), int dpi = 96);
    ~PaintSpy() override;

    QPaintEngine *paintEngine() const override;
    QList<PaintEvent> events;

    QList<PaintEvent> of(PaintEvent::Kind kind) const;
    QStringList texts() const;
    // The text events whose text is exactly `text`.
    QList<PaintEvent> textsEqual(const QString &text) const;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSize m_size;
    int m_dpi;
    std::unique_ptr<QPaintEngine> m_engine;
};

// Replays a page picture unscaled onto the spy.
void replay(const QPicture &picture, PaintSpy &spy);

// True when the image has a pixel darker than `threshold` (grey level) inside `area`.
bool hasInk(const QImage &image, const QRect &area, int threshold = 160);
// The page picture drawn unscaled onto a white image of the page's size.
QImage rasterised(const QPicture &picture, QSize pageSize = QSize(885, 1314));

} // namespace krevol::test
