#include "TypingLimit.h"

#include <QLineEdit>

#include <algorithm>

namespace krevol {
namespace {

const char *const kLimitProperty = "krevolTypingLimit";

int typingLimit(const QLineEdit *edit)
{
    return edit->property(kLimitProperty).toInt();
}

// The line edit cuts any text longer than its maximum, so the maximum follows
// the text whenever the text is longer than the limit.
void fitMaximum(QLineEdit *edit, qsizetype textLength)
{
    const int limit = typingLimit(edit);
    edit->setMaxLength(limit > 0 ? std::max(limit, int(textLength)) : 32767);
}

} // namespace

void setTypingLimit(QLineEdit *edit, int limit)
{
    edit->setProperty(kLimitProperty, limit);
    fitMaximum(edit, edit->text().size());
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString &text) { fitMaximum(edit, text.size()); });
}

void setWholeText(QLineEdit *edit, const QString &text)
{
    fitMaximum(edit, text.size());
    edit->setText(text);
}

} // namespace krevol
