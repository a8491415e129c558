#include "PrintGeometry.h"

#include "PageSurfaces.h"

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

namespace krevol {

namespace {
// A landscape page printed alone is drawn into a rectangle this much smaller.
constexpr int kLandscapeRightInset = 200;
constexpr int kLandscapeBottomInset = 20;
} // namespace

DeviceGeometry deviceGeometry(const QPagedPaintDevice &device)
{
    const QPoint offset = device.pageLayout().paintRectPixels(device.logicalDpiX()).topLeft();
    return {device.logicalDpiX(), device.logicalDpiY(), offset.x(), offset.y()};
}

int mmToDevicePixels(int mm, int dpi, int offset)
{
    const double pixels = std::trunc(mm * 10.0 / 254.0 * dpi) - offset;
    // Millimetres from a hand-edited preset can be anything; the result stays an int.
    return int(std::clamp(pixels, double(std::numeric_limits<int>::min() / 2),
                          double(std::numeric_limits<int>::max() / 2)));
}

QRect marginRectangle(const PageMargins &m, const DeviceGeometry &d)
{
    const int left = mmToDevicePixels(m.left, d.dpiX, d.offsetX);
    const int right = mmToDevicePixels(m.right, d.dpiX, d.offsetX);
    const int top = mmToDevicePixels(m.top, d.dpiY, d.offsetY);
    const int bottom = mmToDevicePixels(m.bottom, d.dpiY, d.offsetY);
    return QRect(left, top, right - left, bottom - top);
}

QRect printRectangle(const MarginPreset &preset, int page, const DeviceGeometry &device, int pageCount,
                     bool portrait)
{
    QRect rect = marginRectangle(preset.pages.at(page), device);
    if (pageCount == 1 && !portrait)
        rect.adjust(0, 0, -kLandscapeRightInset, -kLandscapeBottomInset);
    return rect;
}

void drawPageStretched(QPainter &painter, const QPicture &page, const QRect &target, QSize pageSize)
{
    if (page.isNull() || pageSize.isEmpty())
        return;
    // Replay scales by the device's resolution over the picture's (12.5 times
    // on a 1200 dpi printer); that factor is taken back out here.
    const double fx = page.logicalDpiX() / double(painter.device()->logicalDpiX());
    const double fy = page.logicalDpiY() / double(painter.device()->logicalDpiY());
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(fx * target.width() / pageSize.width(), fy * target.height() / pageSize.height());
    painter.drawPicture(0, 0, page);
    painter.restore();
}

void printPage(QPainter &painter, const PageSurfaces &pages, int page, const MarginPreset &preset,
               const DeviceGeometry &device, int pageCount)
{
    const QRect target = printRectangle(preset, page, device, pageCount, pages.portrait());
    drawPageStretched(painter, pages.picture(page), target, pages.pageSize());
}

} // namespace krevol
