#include "Preview.h"

#include "PrintGeometry.h"
#include "Session.h"
#include "system/FileOps.h"
#include "system/Folders.h"

#include <QImage>
#include <QPainter>

namespace krevol {
namespace {

constexpr int kPreviewMargin = 74;
// The preview image's pixel format: one the painter draws on directly.
constexpr QImage::Format kPreviewFormat = QImage::Format_RGB32;

} // namespace

QRect previewRectangle(bool portrait)
{
    // The right and bottom edges (957, 1388) are exclusive, as rectangles given by edges are.
    return portrait ? QRect(kPreviewMargin, kPreviewMargin, 957 - 74, 1388 - 74)
                    : QRect(kPreviewMargin, kPreviewMargin, 1388 - 74, 957 - 74);
}

QSize blankPreviewSize(bool portrait)
{
    const QRect rect = previewRectangle(portrait);
    return QSize(rect.right() + 1 + kPreviewMargin, rect.bottom() + 1 + kPreviewMargin);
}

void loadPreviewBackground(Session &session, int page, const QString &relativePath)
{
    const QString path = workingFile(relativePath);
    if (!fileExists(path))
        return;
    QImage background(path);
    if (background.isNull())
        return;
    session.previewImages.at(page) = background.convertToFormat(kPreviewFormat);
}

void vFunPokazPodglad(Session &session, int portraitFlag)
{
    const bool portrait = portraitFlag == 1;
    session.pages.closeCanvases();
    const QRect target = previewRectangle(portrait);
    for (int page = 0; page < kPageCount; ++page) {
        QImage &image = session.previewImages.at(page);
        if (image.isNull()) {
            image = QImage(blankPreviewSize(portrait), kPreviewFormat);
            image.fill(Qt::white);
        } else if (image.format() != kPreviewFormat) {
            image = image.convertToFormat(kPreviewFormat);
        }
        QPainter painter(&image);
        // The page is stretched by 883/885 across: smoothed, rows of dots keep an even step.
        painter.setRenderHint(QPainter::Antialiasing);
        drawPageStretched(painter, session.pages.picture(page), target, session.pages.pageSize());
    }
    emit session.previewImagesChanged();
}

} // namespace krevol
