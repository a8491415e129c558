#include "CalibrationRecord.h"

#include <limits>

namespace krevol {
namespace {

bool isCSpace(QChar c)
{
    // The white space isspace() knows in the "C" locale.
    return c == QLatin1Char(' ') || (c.unicode() >= '\t' && c.unicode() <= '\r');
}

// The ten comma-ended fields in front of strikeout; each takes the text up to
// the next comma. A field without a comma keeps its old value and leaves the
// rest of the line as it was.
struct FieldWalk
{
    QStringView rest;
    bool next(QStringView &field)
    {
        const qsizetype comma = rest.indexOf(QLatin1Char(','));
        if (comma < 0)
            return false;
        field = rest.left(comma);
        rest = rest.mid(comma + 1);
        return true;
    }
};

QStringView afterFirstTagEnd(QStringView line)
{
    const qsizetype close = line.indexOf(QLatin1Char('>'));
    return close < 0 ? line : line.mid(close + 1);
}

} // namespace

qint32 readLeadingNumber(QStringView text, qsizetype *consumed)
{
    qsizetype i = 0;
    while (i < text.size() && isCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const qsizetype digitsStart = i;
    qint64 value = 0;
    constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
    while (i < text.size() && text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
        value = std::min(limit, value * 10 + (text[i].unicode() - '0'));
        ++i;
    }
    if (i == digitsStart) {
        if (consumed)
            *consumed = 0;
        return 0;
    }
    if (consumed)
        *consumed = i;
    if (negative)
        return qint32(-value); // -2^31 at the most
    return qint32(std::min<qint64>(value, std::numeric_limits<qint32>::max()));
}

void vFunWczytajRekordKalibracji(CalibrationRecord &record, QStringView line)
{
    const qsizetype close = line.indexOf(QLatin1Char('>'));
    if (close < 0)
        return;
    // The first character is "<" in a well-formed line; it is dropped unseen.
    record.name = close > 0 ? line.mid(1, close - 1).toString() : QString();

    FieldWalk walk{line.mid(close + 1)};
    QStringView field;
    qint32 *const numbersBeforeFont[] = {&record.x1, &record.y1, &record.x2, &record.y2};
    for (qint32 *number : numbersBeforeFont)
        if (walk.next(field))
            *number = readLeadingNumber(field);
    if (walk.next(field))
        record.fontName = field.toString();
    qint32 *const numbersAfterFont[] = {&record.fontSize, &record.alignment, &record.bold,
                                        &record.italic, &record.underline};
    for (qint32 *number : numbersAfterFont)
        if (walk.next(field))
            *number = readLeadingNumber(field);
    record.strikeout = readLeadingNumber(walk.rest);
}

QString textAfterStrikeout(QStringView line)
{
    FieldWalk walk{afterFirstTagEnd(line)};
    QStringView field;
    for (int i = 0; i < 10; ++i)
        walk.next(field);
    qsizetype consumed = 0;
    readLeadingNumber(walk.rest, &consumed);
    return walk.rest.mid(consumed).toString();
}

QString calibrationLine(const CalibrationRecord &r)
{
    const QChar comma = QLatin1Char(',');
    return QLatin1Char('<') + r.name + QLatin1Char('>') + QString::number(r.x1) + comma
        + QString::number(r.y1) + comma + QString::number(r.x2) + comma + QString::number(r.y2) + comma
        + r.fontName + comma + QString::number(r.fontSize) + comma + QString::number(r.alignment) + comma
        + QString::number(r.bold) + comma + QString::number(r.italic) + comma + QString::number(r.underline)
        + comma + QString::number(r.strikeout);
}

} // namespace krevol
