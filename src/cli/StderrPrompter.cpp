#include "StderrPrompter.h"

#include <cstdio>

namespace krevol {

MessageAnswer StderrPrompter::message(const QString &text, const QString &caption, MessageIcon,
                                      MessageButtons buttons)
{
    m_reported = true;
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString prefix = caption.isEmpty() ? QString() : caption + QStringLiteral(": ");
    std::fprintf(stderr, "%s\n", (prefix + oneLine.simplified()).toUtf8().constData());
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

} // namespace krevol
