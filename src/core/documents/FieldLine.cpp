#include "FieldLine.h"

namespace krevol {

QString taggedLine(const QString &name, const QString &value)
{
    return QLatin1Char('<') + name + QLatin1Char('>') + value;
}

QString fieldLine(const QString &name, const QString &value)
{
    return QStringLiteral("\t\t") + taggedLine(name, value);
}

bool splitFieldLine(const QString &line, QString &name, QString &value)
{
    const qsizetype close = line.indexOf(QLatin1Char('>'));
    if (close < 0)
        return false;
    value = line.mid(close + 1);
    const QString before = line.left(close);
    name = before.mid(before.indexOf(QLatin1Char('<')) + 1);
    return true;
}

} // namespace krevol
