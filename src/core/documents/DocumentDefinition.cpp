#include "DocumentDefinition.h"

namespace krevol {

QString asciiUpper(const QString &text)
{
    QString result = text;
    for (QChar &c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    return result;
}

bool equalIgnoringAsciiCase(const QString &a, const QString &b)
{
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}

int DocumentDefinition::itemIndex(const QString &name) const
{
    for (qsizetype i = 0; i < items.size(); ++i)
        if (equalIgnoringAsciiCase(items[i].name, name))
            return int(i);
    return -1;
}

const ItemDefinition *DocumentDefinition::item(const QString &name) const
{
    const int i = itemIndex(name);
    return i < 0 ? nullptr : &items[i];
}

QList<const ItemDefinition *> DocumentDefinition::variableItems() const
{
    QList<const ItemDefinition *> result;
    for (const ItemDefinition &item : items)
        if (item.isVariable())
            result << &item;
    return result;
}

const DocumentDefinition &documentDefinition(int index)
{
    return documentCatalogue().at(index);
}

const DocumentDefinition *documentByCaption(const QString &mainCaption)
{
    for (const DocumentDefinition &definition : documentCatalogue())
        if (definition.mainCaption == mainCaption)
            return &definition;
    return nullptr;
}

const DocumentDefinition *documentByForm(const QString &formName)
{
    for (const DocumentDefinition &definition : documentCatalogue())
        if (definition.formName == formName)
            return &definition;
    return nullptr;
}

} // namespace krevol
