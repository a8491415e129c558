#include "EditorFields.h"

#include "EditorLabelPlacement.h"
#include "FieldRefusal.h"
#include "LineLimitedMemo.h"
#include "TypingLimit.h"
#include "documents/DocumentDefinition.h"
#include "documents/ItemValues.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace krevol {
namespace {

QWidget *makeField(const ItemDefinition &item, QWidget *surface)
{
    switch (item.kind) {
    case ItemKind::Edit: {
        auto *edit = new QLineEdit(surface);
        setTypingLimit(edit, item.maxLength);
        edit->setReadOnly(item.source == ItemSource::Derived);
        return edit;
    }
    case ItemKind::ComboBox: {
        auto *combo = new QComboBox(surface);
        combo->setEditable(!item.pickOnly);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(item.suggestions);
        combo->setMaxVisibleItems(16);
        if (combo->lineEdit())
            setTypingLimit(combo->lineEdit(), item.maxLength);
        return combo;
    }
    case ItemKind::Memo:
        return new LineLimitedMemo(item.lineLimit, surface);
    case ItemKind::Label:
        break;
    }
    return nullptr;
}

} // namespace

// Laid transparently over its printed place.
void EditorFields::addLabel(const DocumentDefinition &definition, const ItemDefinition &item, QWidget *surface)
{
    auto *label = new QLabel(item.caption, surface);
    label->setObjectName(item.name);
    QFont font(item.font.family);
    font.setPixelSize(item.font.pixelHeight > 0 ? item.font.pixelHeight : 11);
    font.setBold(item.font.bold);
    font.setItalic(item.font.italic);
    label->setFont(font);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    const std::optional<LabelPlacement> place = editorLabelPlacement(definition, item, font);
    if (!place) {
        label->hide();
        return;
    }
    label->setGeometry(place->rect);
    label->setAlignment(place->alignment);
}

QList<QWidget *> EditorFields::build(const DocumentDefinition &definition, int page, QWidget *surface)
{
    QList<std::pair<int, QWidget *>> tabbed;
    for (const ItemDefinition &item : definition.items) {
        if (item.editorPage != page)
            continue;
        if (!item.isVariable()) {
            addLabel(definition, item, surface);
            continue;
        }
        QWidget *widget = makeField(item, surface);
        widget->setObjectName(item.name);
        widget->setGeometry(item.editorRect);
        m_fields.append({item.name, widget});
        if (auto *memo = qobject_cast<LineLimitedMemo *>(widget))
            m_memos << memo;
        tabbed.append({item.tabOrder, widget});
    }
    std::stable_sort(tabbed.begin(), tabbed.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QWidget *> order;
    for (const auto &entry : tabbed)
        order << entry.second;
    return order;
}

QWidget *EditorFields::field(const QString &itemName) const
{
    for (const auto &[name, widget] : m_fields)
        if (equalIgnoringAsciiCase(name, itemName))
            return widget;
    return nullptr;
}

QString EditorFields::text(const QString &itemName) const
{
    QWidget *widget = field(itemName);
    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        return edit->text();
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto *memo = qobject_cast<LineLimitedMemo *>(widget))
        return memo->memoLines().join(QLatin1Char('\n'));
    return QString();
}

void EditorFields::setText(const QString &itemName, const QString &text)
{
    QWidget *widget = field(itemName);
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        setWholeText(edit, text);
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (combo->lineEdit())
            setWholeText(combo->lineEdit(), text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto *memo = qobject_cast<LineLimitedMemo *>(widget)) {
        memo->showLines(ItemValues::splitMemoText(text));
    }
}

void EditorFields::showValues(const ItemValues &values)
{
    for (const auto &[name, widget] : m_fields) {
        if (auto *memo = qobject_cast<LineLimitedMemo *>(widget))
            memo->showLines(values.lines(name));
        else
            setText(name, values.text(name));
    }
}

void EditorFields::storeValues(ItemValues &values) const
{
    for (const auto &[name, widget] : m_fields) {
        if (auto *memo = qobject_cast<LineLimitedMemo *>(widget))
            values.setLines(name, memo->memoLines());
        else
            values.setText(name, text(name));
    }
}

bool EditorFields::acceptable() const
{
    for (const auto &[name, widget] : m_fields) {
        QString refusal = unencodableRefusal(text(name));
        auto *memo = qobject_cast<LineLimitedMemo *>(widget);
        if (refusal.isEmpty() && memo && memo->isOverLimit())
            refusal = QStringLiteral("Pole zawiera więcej wierszy, niż mieści się w tym miejscu dokumentu (najwyżej %1).\n"
                                     "Skróć tekst.")
                          .arg(memo->lineLimit());
        if (!refusal.isEmpty()) {
            refuseField(widget, refusal);
            return false;
        }
    }
    return true;
}

} // namespace krevol
