#pragma once
// A character limit on what the user types into a one-line field. Text the
// program puts in (a stored value, the school data template) is never cut to
// the limit: a longer text stays whole, can be shortened, and takes no more
// typed characters until it is within the limit again.
#include <QString>

class QLineEdit;

namespace krevol {

// 0: no limit.
void setTypingLimit(QLineEdit *edit, int limit);
// Sets the text whole, whatever the limit.
void setWholeText(QLineEdit *edit, const QString &text);

} // namespace krevol
