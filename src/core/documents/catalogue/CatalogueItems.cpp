// Item constructors and table edits shared by the builders of the catalogue.
#include "CatalogueParts.h"

#include <algorithm>

namespace krevol::catalogue {

namespace {

ItemDefinition namedItem(ItemKind kind, const char *name)
{
    ItemDefinition item;
    item.name = QString::fromUtf8(name);
    item.kind = kind;
    item.editorPage = item.name.contains(QLatin1String("_STR2")) ? 2 : 1;
    return item;
}

ItemDefinition variableItem(ItemKind kind, const char *name, Place place, int tab)
{
    ItemDefinition item = namedItem(kind, name);
    item.editorRect = place.rect();
    item.tabOrder = tab;
    return item;
}

} // namespace

DocumentDefinition familyDefinition(DocumentFamily family, QSize editorPageSize)
{
    DocumentDefinition definition;
    definition.family = family;
    definition.editorPageSize = editorPageSize;
    return definition;
}

ItemDefinition editItem(const char *name, Place place, int tab, ItemSource source, int maxLength,
                        const char *sample)
{
    ItemDefinition item = variableItem(ItemKind::Edit, name, place, tab);
    item.source = source;
    item.maxLength = maxLength;
    item.sample = QString::fromUtf8(sample);
    return item;
}

ItemDefinition comboItem(const char *name, Place place, int tab, int maxLength, const char *sample,
                         const QStringList &suggestions)
{
    ItemDefinition item = variableItem(ItemKind::ComboBox, name, place, tab);
    item.maxLength = maxLength;
    item.sample = QString::fromUtf8(sample);
    item.suggestions = suggestions;
    return item;
}

ItemDefinition memoItem(const char *name, Place place, int tab, int lineLimit,
                        const char *sampleFormat, int firstNumber, int lineCount)
{
    ItemDefinition item = variableItem(ItemKind::Memo, name, place, tab);
    item.lineLimit = lineLimit;
    item.sample = QString::fromUtf8(sampleFormat);
    item.sampleFirstNumber = firstNumber;
    item.sampleLineCount = lineCount;
    return item;
}

ItemDefinition labelItem(const char *name, const char *caption, const LabelFont &font)
{
    ItemDefinition item = namedItem(ItemKind::Label, name);
    item.caption = QString::fromUtf8(caption);
    item.font = font;
    return item;
}

ItemDefinition &itemNamed(QList<ItemDefinition> &items, const char *name)
{
    for (ItemDefinition &item : items)
        if (item.name == QLatin1String(name))
            return item;
    qFatal("Document catalogue: no item %s", name);
}

void removeItems(QList<ItemDefinition> &items, const QStringList &names)
{
    for (const QString &name : names)
        itemNamed(items, name.toUtf8().constData()); // every name must exist
    items.removeIf([&](const ItemDefinition &item) { return names.contains(item.name); });
}

void insertAfter(QList<ItemDefinition> &items, const char *name, const ItemDefinition &item)
{
    const qsizetype at = &itemNamed(items, name) - items.data();
    items.insert(at + 1, item);
}

void setCaption(QList<ItemDefinition> &items, const char *name, const char *caption)
{
    itemNamed(items, name).caption = QString::fromUtf8(caption);
}

void numberTabsInReadingOrder(QList<ItemDefinition> &items, int firstTab)
{
    QList<ItemDefinition *> pending;
    for (ItemDefinition &item : items)
        if (item.isVariable() && item.tabOrder < 0)
            pending << &item;
    const auto byTop = [](const ItemDefinition *a, const ItemDefinition *b) {
        return a->editorRect.top() < b->editorRect.top();
    };
    std::stable_sort(pending.begin(), pending.end(), byTop);

    // Each item is keyed by the top of the first item of its row.
    QList<std::pair<int, ItemDefinition *>> keyed;
    int rowTop = 0;
    for (ItemDefinition *item : pending) {
        if (keyed.isEmpty() || item->editorRect.top() - rowTop > 3)
            rowTop = item->editorRect.top();
        keyed.append({rowTop, item});
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.second->editorRect.left() < b.second->editorRect.left();
    });
    int tab = firstTab;
    for (const auto &entry : keyed)
        entry.second->tabOrder = tab++;
}

QStringList religionGrades()
{
    return {QStringLiteral("celujący"),        QStringLiteral("bardzo dobry"),
            QStringLiteral("dobry"),           QStringLiteral("dostateczny"),
            QStringLiteral("dopuszczający"),   QStringLiteral("niedostateczny"),
            QStringLiteral("nie uczęszczała"), QStringLiteral("nie uczestniczyła"),
            QStringLiteral("nie uczęszczał"),  QStringLiteral("nie uczestniczył")};
}

} // namespace krevol::catalogue
