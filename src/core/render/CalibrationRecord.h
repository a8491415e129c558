#pragma once
// One calibration record: where on the page an item is printed and in which
// font. A calibration file holds one record per line:
//   "<" name ">" X1,Y1,X2,Y2,font name,font size,alignment,bold,italic,underline,strikeout
#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace krevol {

enum CalibrationAlignment : qint32 {
    AlignLeftText = 0,   // "DO LEWEJ"
    AlignCentreText = 1, // "DO ŚRODKA"; also any value outside 0 to 3
    AlignRightText = 2,  // "DO PRAWEJ"
    AlignJustified = 3,  // "JUSTYFIKACJA"
};

struct CalibrationRecord
{
    QString name;      // the item key, without its angle brackets
    qint32 x1 = 0;     // box in page units; text stands upwards from y2
    qint32 y1 = 0;
    qint32 x2 = 0;
    qint32 y2 = 0;
    QString fontName;
    qint32 fontSize = 0; // points
    qint32 alignment = 0;
    qint32 bold = 0;     // 0 off, anything else on
    qint32 italic = 0;
    qint32 underline = 0;
    qint32 strikeout = 0;

    bool operator==(const CalibrationRecord &) const = default;
};

// Parses one line into `record`. A line without ">" changes nothing; fields
// the line does not supply keep the values the record held before; text after
// the digits of the strikeout field is ignored. Never fails.
void vFunWczytajRekordKalibracji(CalibrationRecord &record, QStringView line);

// The record written as a line of the file (no line end).
QString calibrationLine(const CalibrationRecord &record);

// The text after the digits of a line's strikeout field, as the parser finds
// that field (a group marker such as " STR1 ZMIENNA:" is kept there). For a
// line without ">" the fields are looked for from the line's start.
QString textAfterStrikeout(QStringView line);

// A number read the way the C library's atol reads it: leading white space,
// an optional sign, then digits up to the first other character; no digits
// give 0. Values beyond 32 bits saturate. `consumed` (optional) receives how
// many characters the number took, white space included.
qint32 readLeadingNumber(QStringView text, qsizetype *consumed = nullptr);

} // namespace krevol
