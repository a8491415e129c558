#pragma once
// How a failing operation tells the user and the program log what went wrong:
// the log entry first, then a message box with a single OK button.
#include "Prompter.h"

#include <QString>

namespace krevol {

inline const QString kErrorCaption = QStringLiteral("Błąd");

// "Funkcja: " + name + "()\n\n" + description + object + "\nKod błędu: " + code,
// the usual shape of a report; reports that differ build their own text.
QString standardErrorText(const QString &function, const QString &description,
                          const QString &object, int code);

// Log entry, then the box with the error icon and OK.
void reportError(const QString &text, const QString &caption = kErrorCaption);
// Log entry, then the box with the warning icon and OK.
void reportWarning(const QString &text, const QString &caption);
// The box with the error icon, without a log entry.
void showErrorBox(const QString &text, const QString &caption = kErrorCaption);

} // namespace krevol
