#include "Preview.h"

#include "PrintGeometry.h"
#include "Session.h"
#include "system/FileOps.h"
#include "system/Folders.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

namespace krevol {
namespace {

constexpr int kPreviewMargin = 74;
// The preview image's pixel format: one the painter draws on directly.
constexpr QImage::Format kPreviewFormat = QImage::Format_RGB32;

// The last background read, kept while its file stays the same (path, size
// and modification time), so a click does not decode the same picture again;
// a changed or replaced file is read anew at once.
struct DecodedBackground
{
    QString path;
    qint64 size = -1;
    QDateTime modified;
    QImage image;
};

const QImage &decodedBackground(const QString &path)
{
    static DecodedBackground cache[2];
    static int next = 0;
    const QFileInfo file(path);
    for (const DecodedBackground &entry : cache)
        if (entry.path == path && entry.size == file.size() && entry.modified == file.lastModified())
            return entry.image;
    DecodedBackground &entry = cache[next];
    next = (next + 1) % 2;
    QImage decoded(path);
    entry = {path, file.size(), file.lastModified(),
             decoded.isNull() ? QImage() : decoded.convertToFormat(kPreviewFormat)};
    return entry.image;
}

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
    const QImage &background = decodedBackground(path);
    if (!background.isNull())
        session.previewImages.at(page) = background; // shared until painted on, then copied
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
        drawPageStretched(painter, session.pages.picture(page), target, session.pages.pageSize());
    }
    emit session.previewImagesChanged();
}

} // namespace krevol
