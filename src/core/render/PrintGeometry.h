#pragma once
// Where a page picture lands on a device: millimetres of a margin preset
// turned into device pixels, and a page picture replayed stretched into a
// rectangle of any painter (preview image, PDF, printer).
#include "MarginPresets.h"

#include <QPicture>
#include <QRect>
#include <QSize>

class QPagedPaintDevice;
class QPainter;

namespace krevol {

class PageSurfaces;

// What the conversion needs of a device: its resolution and the offset of its
// printable area from the sheet's top left corner, in device pixels.
struct DeviceGeometry
{
    int dpiX = 0;
    int dpiY = 0;
    int offsetX = 0;
    int offsetY = 0;
};

// The resolution of a paged device (a printer, a PDF writer) and the top left
// corner of its paint rectangle with the margins it has been given; set zero
// margins first so that the offset is the printable area's own.
DeviceGeometry deviceGeometry(const QPagedPaintDevice &device);

// trunc(mm * 10 / 254 * dpi) - offset.
int mmToDevicePixels(int mm, int dpi, int offset);
// The page's margin rectangle in device pixels.
QRect marginRectangle(const PageMargins &margins, const DeviceGeometry &device);
// The rectangle page `page` (0 or 1) of a document is printed into: its
// margin rectangle, and for a single landscape page one 200 pixels narrower
// and 20 shorter.
QRect printRectangle(const MarginPreset &preset, int page, const DeviceGeometry &device, int pageCount,
                     bool portrait);

// Replays the page picture stretched so that the page (pageSize units) fills
// `target`. Corrects the replay's own scaling by the device's resolution
// over the picture's, so the result is the same on any device.
void drawPageStretched(QPainter &painter, const QPicture &page, const QRect &target, QSize pageSize);

// Prints page `page` (0 or 1) of the completed page surfaces onto the
// painter's current sheet, into its rectangle of the margin preset: the one
// step the print job and the command-line tool's PDF share.
void printPage(QPainter &painter, const PageSurfaces &pages, int page, const MarginPreset &preset,
               const DeviceGeometry &device, int pageCount);

} // namespace krevol
