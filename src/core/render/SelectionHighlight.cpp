#include "SelectionHighlight.h"

#include "CanvasText.h"
#include "PreviewViewport.h"
#include "Session.h"

namespace krevol::highlight {

bool isSelected(const Session &session)
{
    return session.calibrationEditorOpen && session.calibration.name == session.selectedItemName;
}

void frame(QPainter &canvas, qint64 left, qint64 top, qint64 right, qint64 bottom)
{
    canvas_text::setPenColour(canvas, QColor(255, 0, 0));
    canvas.drawRect(canvas_text::boxRect(left, top, right, bottom));
    canvas_text::setPenColour(canvas, QColor(0, 0, 0));
}

void showPage(Session &session, int tab)
{
    if (session.viewport)
        session.viewport->showPage(tab);
}

void showPageOfRecord(Session &session)
{
    showPage(session, session.calibration.name.contains(QLatin1String("STR2")) ? 1 : 0);
}

void scrollVertically(Session &session, qint64 value, bool bothBoxes)
{
    if (session.viewport)
        session.viewport->setVerticalScroll(canvas_text::saturate32(value), bothBoxes);
}

void scrollHorizontally(Session &session, qint64 value)
{
    if (session.viewport)
        session.viewport->setHorizontalScroll(canvas_text::saturate32(value));
}

} // namespace krevol::highlight
