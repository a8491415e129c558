#pragma once
// How a dialog refuses what was typed into one of its fields: the warning
// "Brak danych", then the field is brought into view and takes the focus, so
// the user can mend it; nothing is stored meanwhile.
#include <QString>

class QWidget;

namespace krevol {

void refuseField(QWidget *field, const QString &text);

// The files hold Windows-1250 text only: the refusal text for characters of
// `text` they cannot hold, or an empty string when there are none.
QString unencodableRefusal(const QString &text);

} // namespace krevol
