#pragma once
// The drawing helpers the renderers call for each calibration record. They
// read the session's current calibration record and flags (printing, the
// calibration editor, "Wykreskuj puste pola") and draw onto one page canvas.
// While the calibration editor is open, the record it has selected is framed
// in red and the preview is turned and scrolled to it.
#include <QPainter>
#include <QString>

namespace krevol {

class Session;

// A text item in the record's box: font, size and style from the record, the
// box's top put one line height plus a quarter of the point size above Y2
// (written back into the record's Y1), aligned left, centred, right or
// justified and cut at the box. An empty text is crossed out 10 units above
// Y2 when "Wykreskuj puste pola" is ticked.
void vFunRysujTekst(Session &session, const QString &text, QPainter &canvas);
// Justified text: with at least five blanks the words are spread from X1 so
// that the last word ends at X2; with fewer the text is drawn left-aligned,
// not cut.
void vFunRysujTekstJustyfikacja(QPainter &canvas, qint32 x1, qint32 top, qint32 x2, qint32 y2,
                                const QString &text);
// The canvas font's style becomes the record's bold, italic, underline and strikeout.
void vFunUstawStylCzcionki(Session &session, QPainter &canvas);

// Dots of the canvas font's full stop at 14 points, every 6 units from X1 while
// short of X2, their cells' tops at Y2 - 14.
void vFunRysujLinieZKropek(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas);
// The seal place ("m_p.bmp" with "m.p." on it), drawn only while printing.
void vFunRysujPieczatke(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas);
// The emblem ("orzel.svg"), drawn only while printing.
void vFunRysujOrzelka(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas);
// A frame one unit wide.
void vFunRysujRamke(Session &session, qint32 x1, qint32 y1, qint32 x2, qint32 y2, QPainter &canvas);

} // namespace krevol
