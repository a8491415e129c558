#include "FieldRefusal.h"

#include "system/Cp1250.h"
#include "system/Runtime.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QWidget>

namespace krevol {

void refuseField(QWidget *field, const QString &text)
{
    runtime::prompter().message(text, QStringLiteral("Brak danych"), MessageIcon::Warning, MessageButtons::Ok);
    // A field on another tab page or scrolled out of sight is shown first:
    // the tab pages, then the scrolling.
    for (QWidget *page = field; page; page = page->parentWidget())
        if (QWidget *stack = page->parentWidget())
            if (auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget()); tabs && tabs->indexOf(page) >= 0)
                tabs->setCurrentWidget(page);
    for (QWidget *area = field; area; area = area->parentWidget())
        if (auto *scrollArea = qobject_cast<QScrollArea *>(area))
            scrollArea->ensureWidgetVisible(field);
    field->setFocus();
}

QString unencodableRefusal(const QString &text)
{
    const QString characters = cp1250::unencodableCharacters(text);
    if (characters.isEmpty())
        return QString();
    return QStringLiteral("Pole zawiera znaki, których nie można zapisać w pliku: ") + characters
        + QStringLiteral("\nUsuń je lub zastąp innymi.");
}

} // namespace krevol
