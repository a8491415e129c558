// The text helpers: a text item in its box, justified text, the font style.
#include "CanvasText.h"
#include "DrawingHelpers.h"
#include "SelectionHighlight.h"
#include "Session.h"

#include <QFontMetrics>

namespace krevol {

using namespace canvas_text;

namespace {

// A box taller than this is framed only along its bottom line when selected.
constexpr qint64 kTallBox = 100;
// Beyond this X1 the preview scrolls sideways to the selected item.
constexpr qint64 kHorizontalScrollFrom = 500;
constexpr qint64 kCrossOutHeight = 10;
constexpr int kJustifyFromBlanks = 5;

void setRecordFont(const CalibrationRecord &record, QPainter &canvas)
{
    QFont font = canvas.font();
    font.setFamily(record.fontName);
    canvas.setFont(font);
    setFontPoints(canvas, record.fontSize);
}

void highlightText(Session &session, QPainter &canvas)
{
    const CalibrationRecord &r = session.calibration;
    highlight::showPageOfRecord(session);
    if (qint64(r.y2) - r.y1 > kTallBox) {
        highlight::frame(canvas, r.x1, qint64(r.y2) - 20, r.x2, r.y2);
        highlight::scrollVertically(session, r.y2 / 2, true);
    } else {
        highlight::frame(canvas, r.x1, r.y1, r.x2, r.y2);
        highlight::scrollVertically(session, qint64(r.y2) * 2 / 3, true);
    }
    highlight::scrollHorizontally(session, r.x1 > kHorizontalScrollFrom ? r.x1 : 0);
}

} // namespace

void vFunUstawStylCzcionki(Session &session, QPainter &canvas)
{
    const CalibrationRecord &r = session.calibration;
    QFont font = canvas.font();
    font.setItalic(r.italic != 0);
    font.setUnderline(r.underline != 0);
    font.setBold(r.bold != 0);
    font.setStrikeOut(r.strikeout != 0);
    canvas.setFont(font);
}

void vFunRysujTekst(Session &session, const QString &text, QPainter &canvas)
{
    CalibrationRecord &r = session.calibration;
    if (!text.isEmpty()) {
        vFunUstawStylCzcionki(session, canvas);
        setRecordFont(r, canvas);
        // The box becomes one line high, its bottom a quarter of the point
        // size above the line the text stands on.
        r.y1 = saturate32(qint64(r.y2) - lineHeight(canvas) - clampedPoints(r.fontSize) / 4);
        switch (r.alignment) {
        case AlignLeftText:
            drawTextInBox(canvas, r.x1, r.y1, r.x2, r.y2, HAlign::Left, text, true);
            break;
        case AlignRightText:
            drawTextInBox(canvas, r.x1, r.y1, r.x2, r.y2, HAlign::Right, text, true);
            break;
        case AlignJustified:
            vFunRysujTekstJustyfikacja(canvas, r.x1, r.y1, r.x2, r.y2, text);
            break;
        default:
            drawTextInBox(canvas, r.x1, r.y1, r.x2, r.y2, HAlign::Centre, text, true);
            break;
        }
    } else if (session.crossOutEmpty) {
        QPen pen = canvas.pen();
        pen.setStyle(Qt::SolidLine);
        canvas.setPen(pen);
        const int y = clampCoordinate(qint64(r.y2) - kCrossOutHeight);
        canvas.drawLine(clampCoordinate(r.x1), y, clampCoordinate(r.x2), y);
    }
    if (highlight::isSelected(session))
        highlightText(session, canvas);
}

void vFunRysujTekstJustyfikacja(QPainter &canvas, qint32 x1, qint32 top, qint32 x2, qint32 y2,
                                const QString &text)
{
    const qsizetype blanks = text.count(QLatin1Char(' '));
    if (blanks < kJustifyFromBlanks) {
        drawTextInBox(canvas, x1, top, x2, y2, HAlign::Left, text, false);
        return;
    }
    const QFontMetrics metrics = canvas.fontMetrics();
    QString words = text;
    words.remove(QLatin1Char(' '));
    // Whole units, as the text widths are: the remainder falls to the last gap.
    const qint64 gap = (qint64(x2) - x1 - metrics.horizontalAdvance(words)) / blanks;
    qint64 left = x1;
    qsizetype start = 0;
    for (qsizetype i = 0; i < blanks; ++i) {
        const qsizetype blank = text.indexOf(QLatin1Char(' '), start);
        const QString word = text.mid(start, blank - start); // empty between two blanks
        const qint64 right = left + metrics.horizontalAdvance(word);
        drawTextInBox(canvas, left, top, right, y2, HAlign::Left, word, false);
        drawTextInBox(canvas, right, top, right + gap, y2, HAlign::Left, QStringLiteral(" "), false);
        left = right + gap;
        start = blank + 1;
    }
    const QString lastWord = text.mid(start);
    drawTextInBox(canvas, qint64(x2) - metrics.horizontalAdvance(lastWord), top, x2, y2, HAlign::Left,
                  lastWord, false);
}

} // namespace krevol
