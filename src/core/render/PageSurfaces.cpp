#include "PageSurfaces.h"

#include "system/Fonts.h"

#include <QFont>

namespace krevol {
namespace {

// The font a fresh canvas starts with, before any record sets one.
QFont initialCanvasFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11); // 8 points at 96 per inch
    return font;
}

} // namespace

void PageSurfaces::vFunRozpocznijStrony(int portraitFlag)
{
    // The record names fonts by their Windows names; the substitutions map
    // them to the installed metric-compatible faces. Installing them again
    // costs nothing, and a tool or test that renders needs no set-up of its own.
    static const bool fontsMapped = (installFontSubstitutions(), true);
    Q_UNUSED(fontsMapped);

    closeCanvases();
    m_portrait = portraitFlag == 1;
    const QRect page(QPoint(0, 0), pageSize());
    for (int i = 0; i < kPageCount; ++i) {
        // Opening a canvas on a picture discards what it recorded before.
        m_canvases[i].begin(&m_pictures[i]);
        m_canvases[i].setBrush(Qt::NoBrush);
        m_canvases[i].setPen(QPen(Qt::black, 1, Qt::SolidLine));
        m_canvases[i].setFont(initialCanvasFont());
        m_pictures[i].setBoundingRect(page);
    }
}

void PageSurfaces::closeCanvases()
{
    for (int i = 0; i < kPageCount; ++i) {
        if (!m_canvases[i].isActive())
            continue;
        m_canvases[i].end();
        // Replay takes the bounding rectangle as the page; without it a
        // picture of text alone would be measured without its text.
        m_pictures[i].setBoundingRect(QRect(QPoint(0, 0), pageSize()));
    }
}

} // namespace krevol
