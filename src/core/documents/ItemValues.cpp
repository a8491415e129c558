#include "ItemValues.h"

#include "FieldLine.h"
#include "LineSource.h"

namespace krevol {

ItemValues::ItemValues(const DocumentDefinition &definition)
    : m_definition(&definition)
    , m_texts(definition.items.size())
    , m_lines(definition.items.size())
{
}

QStringList ItemValues::splitMemoText(const QString &text)
{
    if (text.isEmpty())
        return {};
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = normalised.split(QLatin1Char('\n'));
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QString ItemValues::text(const QString &name) const
{
    const int index = m_definition->itemIndex(name);
    if (index < 0)
        return QString();
    const ItemDefinition &item = m_definition->items[index];
    switch (item.kind) {
    case ItemKind::Label: return item.caption;
    case ItemKind::Memo: return m_lines[index].join(QLatin1Char('\n'));
    default: return m_texts[index];
    }
}

QStringList ItemValues::lines(const QString &name) const
{
    const int index = m_definition->itemIndex(name);
    if (index < 0)
        return {};
    if (m_definition->items[index].isMemo())
        return m_lines[index];
    return {text(name)};
}

bool ItemValues::setText(const QString &name, const QString &text)
{
    const int index = m_definition->itemIndex(name);
    if (index < 0 || !m_definition->items[index].isVariable())
        return false;
    if (m_definition->items[index].isMemo())
        return setLines(name, splitMemoText(text));
    m_texts[index] = text;
    return true;
}

bool ItemValues::setLines(const QString &name, const QStringList &lines)
{
    const int index = m_definition->itemIndex(name);
    if (index < 0 || !m_definition->items[index].isMemo())
        return false;
    m_lines[index] = lines;
    limitLines(index);
    return true;
}

bool ItemValues::appendLine(const QString &name, const QString &line)
{
    const int index = m_definition->itemIndex(name);
    if (index < 0 || !m_definition->items[index].isMemo())
        return false;
    m_lines[index].append(line);
    limitLines(index);
    return true;
}

void ItemValues::limitLines(int index)
{
    // vFunOgraniczLinie: a memo keeps only its first N lines.
    const int limit = m_definition->items[index].lineLimit;
    if (limit > 0 && m_lines[index].size() > limit)
        m_lines[index].resize(limit);
}

void ItemValues::writeFieldLines(QStringList &out) const
{
    for (qsizetype i = 0; i < m_definition->items.size(); ++i) {
        const QString &name = m_definition->items[i].name;
        if (name.contains(kEditSuffix) || name.contains(kComboSuffix)) {
            out << fieldLine(name, m_texts[i]);
        } else if (name.contains(kMemoSuffix)) {
            for (const QString &line : m_lines[i])
                out << fieldLine(name, line);
        }
    }
}

void ItemValues::readSection(LineSource &in, const QString &closingTag)
{
    QString line;
    while (in.nextLine(line)) {
        // The closing line is the whole line, so a value holding the closing
        // tag cannot end the section early.
        if (line.trimmed() == closingTag)
            return;
        QString name;
        QString value;
        if (splitFieldLine(line, name, value))
            applyFieldLine(name, value);
    }
}

void ItemValues::applyFieldLine(const QString &name, const QString &value)
{
    if (name.contains(kEditSuffix) || name.contains(kComboSuffix)) {
        const int index = m_definition->itemIndex(name);
        if (index >= 0 && !m_definition->items[index].isMemo() && m_definition->items[index].isVariable())
            m_texts[index] = value;
    } else if (name.contains(kMemoSuffix)) {
        appendLine(name, value);
    }
}

} // namespace krevol
