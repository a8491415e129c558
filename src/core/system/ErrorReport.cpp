#include "ErrorReport.h"

#include "ProgramLog.h"
#include "Runtime.h"

namespace krevol {

QString standardErrorText(const QString &function, const QString &description,
                          const QString &object, int code)
{
    return QStringLiteral("Funkcja: ") + function + QStringLiteral("()\n\n") + description + object
        + QStringLiteral("\nKod błędu: ") + QString::number(code);
}

void reportError(const QString &text, const QString &caption)
{
    vFunZapiszLog(text);
    runtime::prompter().message(text, caption, MessageIcon::Error, MessageButtons::Ok);
}

void reportWarning(const QString &text, const QString &caption)
{
    vFunZapiszLog(text);
    runtime::prompter().message(text, caption, MessageIcon::Warning, MessageButtons::Ok);
}

void showErrorBox(const QString &text, const QString &caption)
{
    runtime::prompter().message(text, caption, MessageIcon::Error, MessageButtons::Ok);
}

} // namespace krevol
