#include "FormPictures.h"

#include "Session.h"
#include "render/CertificatePass.h"
#include "render/Preview.h"
#include "render/PrintGeometry.h"

#include <QPainter>

namespace krevol::tools {
namespace {

// The printed form's own colour, lighter than what the program prints over it.
const QColor kFormInk(90, 90, 90);

// Renders the lines into the session's page surfaces, as the certificate
// renderer does, with every variable item empty and nothing crossed out.
void renderEmptyForm(Session &session, int catalogueIndex, const QStringList &lines)
{
    session.pages.vFunRozpocznijStrony(1);
    for (int page = 0; page < kPageCount; ++page)
        session.pages.canvas(page).setPen(QPen(kFormInk, 1));
    CertificatePass pass(session, session.document(catalogueIndex));
    for (const QString &line : lines)
        pass.drawRecord(line);
    session.pages.closeCanvases();
}

} // namespace

QImage editorBackground(int catalogueIndex, const QStringList &lines, int page, QSize size)
{
    // The editor lays the form's constant texts over its picture as labels,
    // so its picture carries only the lines: a text drawn twice, once scaled,
    // would look doubled.
    QStringList withoutTexts;
    for (const QString &line : lines)
        if (!line.contains(QLatin1String("_DATA_LABEL>")))
            withoutTexts << line;
    Session session;
    renderEmptyForm(session, catalogueIndex, withoutTexts);
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const int height = qRound(kPortraitPageSize.height() * double(size.width()) / kPortraitPageSize.width());
    drawPageStretched(painter, session.pages.picture(page), QRect(0, 0, size.width(), height), kPortraitPageSize);
    painter.end();
    return toGreyPalette(image);
}

QImage previewBackground(int catalogueIndex, const QStringList &lines, int page)
{
    Session session;
    renderEmptyForm(session, catalogueIndex, lines);
    QImage image(blankPreviewSize(true), QImage::Format_RGB32);
    image.fill(QColor(224, 224, 224));
    const QRect sheet = previewRectangle(true);
    QPainter painter(&image);
    painter.fillRect(sheet, Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(sheet.adjusted(-1, -1, 0, 0));
    painter.setRenderHint(QPainter::Antialiasing);
    drawPageStretched(painter, session.pages.picture(page), sheet, kPortraitPageSize);
    painter.end();
    return toGreyPalette(image);
}

QImage sealPlacePicture()
{
    QImage image(160, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 150, 150), 3, Qt::DashLine));
    painter.drawEllipse(QRectF(6, 6, 148, 148));
    painter.end();
    return toGreyPalette(image);
}

QImage toGreyPalette(const QImage &image)
{
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    QList<QRgb> palette;
    for (int level = 0; level < 256; ++level)
        palette << qRgb(level, level, level);
    QImage indexed(grey.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    for (int y = 0; y < grey.height(); ++y)
        std::copy_n(grey.constScanLine(y), grey.width(), indexed.scanLine(y));
    return indexed;
}

} // namespace krevol::tools
