#pragma once
// The entry fields of a document form, laid over the picture of each page and
// built from the document definition (object names are the item names): edits,
// combo boxes with their suggestions, line-limited memos, and the form's
// constant texts. The fields show a model's values and write them back.
#include <QList>
#include <QString>
#include <utility>

class QWidget;

namespace krevol {

struct DocumentDefinition;
struct ItemDefinition;
class ItemValues;
class LineLimitedMemo;

class EditorFields
{
public:
    // Builds the items of editor page `page` as children of `surface`, each at
    // its place; returns that page's fields in their tab order. Derived items
    // are shown read-only.
    QList<QWidget *> build(const DocumentDefinition &definition, int page, QWidget *surface);
    // A constant text over the picture, placed like its printed text (hidden without a place).
    static void addLabel(const DocumentDefinition &definition, const ItemDefinition &label, QWidget *surface);

    QWidget *field(const QString &itemName) const;
    const QList<LineLimitedMemo *> &memos() const { return m_memos; }

    // An edit's or combo box's text, a memo's lines joined by "\n".
    QString text(const QString &itemName) const;
    // Puts text into a field whole, not cut to the typing limit.
    void setText(const QString &itemName, const QString &text);

    void showValues(const ItemValues &values);
    void storeValues(ItemValues &values) const;

    // Refuses the first field whose text the files cannot hold, or a memo
    // holding more lines than its limit: the warning, then the focus on that
    // field. False when a field was refused.
    bool acceptable() const;

private:
    QList<std::pair<QString, QWidget *>> m_fields; // declaration order
    QList<LineLimitedMemo *> m_memos;
};

} // namespace krevol
