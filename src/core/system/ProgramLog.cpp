#include "ProgramLog.h"

#include "Cp1250.h"
#include "Folders.h"
#include "Runtime.h"
#include "TextFile.h"

#include <QStringList>

namespace krevol {
namespace {

QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// The log must take every message, also one naming a path the code page
// cannot hold: such characters are written as \u{...} so nothing is hidden.
QString loggable(const QString &text)
{
    if (cp1250::canEncode(text))
        return text;
    QString result;
    const QList<uint> codePoints = text.toUcs4();
    for (uint codePoint : codePoints) {
        const QString character = QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1);
        result += cp1250::canEncode(character)
            ? character
            : QStringLiteral("\\u{%1}").arg(codePoint, 0, 16);
    }
    return result;
}

} // namespace

QString logTimeStamp(const QDateTime &utc)
{
    const QDate date = utc.date();
    const QTime time = utc.time();
    return QStringLiteral("Data: ") + QString::number(date.year()) + QLatin1Char('.')
        + twoDigits(date.month()) + QLatin1Char('.') + twoDigits(date.day())
        + QStringLiteral(", Czas: ") + twoDigits(time.hour()) + QLatin1Char(':')
        + twoDigits(time.minute()) + QLatin1Char(':') + twoDigits(time.second());
}

void vFunZapiszLog(const QString &message)
{
    // The quiet lookup: a failure to find the working folder must not be
    // reported through the log again.
    const QString folder = workingFolderIfKnown();
    if (folder.isEmpty())
        return;
    TextLineWriter log(joinPath(folder, kLogFileName));
    if (!log.open(TextLineWriter::Mode::Append))
        return;
    log.writeLine(logTimeStamp(runtime::clock().nowUtc().toUTC()));
    const QStringList lines = message.split(QLatin1Char('\n'));
    for (const QString &line : lines)
        log.writeLine(loggable(line));
    log.writeLine(QStringLiteral("-----"));
    log.close();
}

} // namespace krevol
