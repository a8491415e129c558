#include "PaintSpy.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextItem>

namespace krevol::test {
namespace {

class SpyEngine : public QPaintEngine
{
public:
    explicit SpyEngine(PaintSpy &spy) : QPaintEngine(AllFeatures), m_spy(spy) {}

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState &state) override
    {
        const QPaintEngine::DirtyFlags flags = state.state();
        if (flags & DirtyPen)
            m_pen = state.pen();
        if (flags & DirtyFont)
            m_font = state.font();
        if (flags & DirtyTransform)
            m_transform = state.transform();
        if (flags & DirtyClipEnabled)
            m_clipped = state.isClipEnabled();
        if (flags & DirtyClipRegion) {
            m_clip = m_transform.mapRect(QRectF(state.clipRegion().boundingRect()));
            m_clipped = state.clipOperation() != Qt::NoClip;
        }
        if (flags & DirtyClipPath) {
            m_clip = m_transform.map(state.clipPath()).boundingRect();
            m_clipped = state.clipOperation() != Qt::NoClip;
        }
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        PaintEvent e = event(PaintEvent::Kind::Text);
        e.text = item.text();
        e.origin = m_transform.map(p);
        e.font = item.font();
        e.advance = m_transform.m11() * item.width();
        e.scale = m_transform.m22();
        m_spy.events << e;
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            PaintEvent e = event(PaintEvent::Kind::Line);
            e.line = m_transform.map(lines[i]);
            m_spy.events << e;
        }
    }
    void drawLines(const QLine *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QLineF line(lines[i]);
            drawLines(&line, 1);
        }
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            PaintEvent e = event(PaintEvent::Kind::Rect);
            e.rect = m_transform.mapRect(rects[i]);
            m_spy.events << e;
        }
    }
    void drawRects(const QRect *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QRectF rect(rects[i]);
            drawRects(&rect, 1);
        }
    }
    void drawPoints(const QPointF *points, int count) override
    {
        PaintEvent e = event(PaintEvent::Kind::Points);
        for (int i = 0; i < count; ++i)
            e.points << m_transform.map(points[i]);
        m_spy.events << e;
    }
    void drawPoints(const QPoint *points, int count) override
    {
        for (int i = 0; i < count; ++i) {
            const QPointF point(points[i]);
            drawPoints(&point, 1);
        }
    }
    // A replayed picture hands lines, rectangles and wide points over as
    // paths, polygons and ellipses; they are recorded as what they were drawn as.
    void drawPath(const QPainterPath &path) override
    {
        if (path.elementCount() == 2 && path.elementAt(0).isMoveTo() && path.elementAt(1).isLineTo()) {
            const QLineF line(path.elementAt(0), path.elementAt(1));
            drawLines(&line, 1);
            return;
        }
        if (isRectangle(path)) {
            const QRectF rect = path.boundingRect();
            drawRects(&rect, 1);
            return;
        }
        PaintEvent e = event(PaintEvent::Kind::Path);
        e.rect = m_transform.map(path).boundingRect();
        m_spy.events << e;
    }
    void drawEllipse(const QRectF &r) override
    {
        const QPointF centre = r.center();
        drawPoints(&centre, 1);
    }
    void drawEllipse(const QRect &r) override { drawEllipse(QRectF(r)); }
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode) override
    {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        drawPath(path);
    }
    void drawPixmap(const QRectF &r, const QPixmap &, const QRectF &) override { image(r); }
    void drawImage(const QRectF &r, const QImage &, const QRectF &, Qt::ImageConversionFlags) override
    {
        image(r);
    }

private:
    static bool isRectangle(const QPainterPath &path)
    {
        if (path.elementCount() != 4 && path.elementCount() != 5)
            return false;
        const QRectF box = path.boundingRect();
        for (int i = 0; i < path.elementCount(); ++i) {
            const QPointF p = path.elementAt(i);
            if ((p.x() != box.left() && p.x() != box.right()) || (p.y() != box.top() && p.y() != box.bottom()))
                return false;
        }
        return true;
    }

    PaintEvent event(PaintEvent::Kind kind) const
    {
        PaintEvent e;
        e.kind = kind;
        e.pen = m_pen.color();
        e.penWidth = m_pen.widthF() * m_transform.m11();
        e.clipped = m_clipped;
        e.clip = m_clip;
        return e;
    }
    void image(const QRectF &r)
    {
        PaintEvent e = event(PaintEvent::Kind::Image);
        e.rect = m_transform.mapRect(r);
        m_spy.events << e;
    }

    PaintSpy &m_spy;
    QPen m_pen;
    QFont m_font;
    QTransform m_transform;
    bool m_clipped = false;
    QRectF m_clip;
};

} // namespace

PaintSpy::PaintSpy(QSize size, int dpi) : m_size(size), m_dpi(dpi), m_engine(std::make_unique<SpyEngine>(*this)) {}

PaintSpy::~PaintSpy() = default;

QPaintEngine *PaintSpy::paintEngine() const
{
    return m_engine.get();
}

int PaintSpy::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth: return m_size.width();
    case PdmHeight: return m_size.height();
    case PdmWidthMM: return qRound(m_size.width() * 25.4 / m_dpi);
    case PdmHeightMM: return qRound(m_size.height() * 25.4 / m_dpi);
    case PdmDpiX: case PdmDpiY: case PdmPhysicalDpiX: case PdmPhysicalDpiY: return m_dpi;
    case PdmDevicePixelRatio: return 1;
    case PdmDevicePixelRatioScaled: return int(devicePixelRatioFScale());
    case PdmDepth: return 32;
    case PdmNumColors: return 0;
    default: return 0;
    }
}

QList<PaintEvent> PaintSpy::of(PaintEvent::Kind kind) const
{
    QList<PaintEvent> result;
    for (const PaintEvent &e : events)
        if (e.kind == kind)
            result << e;
    return result;
}

QStringList PaintSpy::texts() const
{
    QStringList result;
    for (const PaintEvent &e : of(PaintEvent::Kind::Text))
        result << e.text;
    return result;
}

QList<PaintEvent> PaintSpy::textsEqual(const QString &text) const
{
    QList<PaintEvent> result;
    for (const PaintEvent &e : of(PaintEvent::Kind::Text))
        if (e.text == text)
            result << e;
    return result;
}

void replay(const QPicture &picture, PaintSpy &spy)
{
    QPainter painter(&spy);
    painter.drawPicture(0, 0, picture);
}

bool hasInk(const QImage &image, const QRect &area, int threshold)
{
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < threshold)
                return true;
    return false;
}

QImage rasterised(const QPicture &picture, QSize pageSize)
{
    QImage image(pageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(0, 0, picture);
    return image;
}

} // namespace krevol::test
