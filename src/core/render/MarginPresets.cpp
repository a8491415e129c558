#include "MarginPresets.h"

#include "system/Settings.h"
#include "system/TextFile.h"

namespace krevol {

bool MarginPresetFile::read()
{
    m_lines.clear();
    TextLineReader reader(m_path);
    if (!reader.open()) {
        m_errorCode = reader.errorCode();
        return false;
    }
    QString line;
    while (reader.readLine(line))
        m_lines << line;
    return true;
}

QStringList MarginPresetFile::names() const
{
    QStringList result;
    for (const QString &line : m_lines) {
        const qsizetype close = line.indexOf(QLatin1Char('>'));
        if (close >= 0)
            result << (close > 0 ? line.mid(1, close - 1) : QString());
    }
    return result;
}

QString MarginPresetFile::chooseName(const QString &remembered) const
{
    const QStringList all = names();
    if (all.isEmpty())
        return QString();
    return all.contains(remembered) ? remembered : all.first();
}

std::optional<QStringList> MarginPresetFile::valueTexts(const QString &name) const
{
    const QString key = QLatin1Char('<') + name + QLatin1Char('>');
    std::optional<QStringList> values;
    for (const QString &line : m_lines) {
        if (!line.contains(key))
            continue;
        QString rest = strFunPoZnaczniku(line);
        QStringList fields;
        for (int i = 0; i < 7; ++i) {
            const qsizetype comma = rest.indexOf(QLatin1Char(','));
            if (comma < 0) {
                fields << rest; // a value without its comma takes all that is left, which stays
                continue;
            }
            fields << rest.left(comma);
            rest = rest.mid(comma + 1);
        }
        fields << rest;
        values = fields; // the last line holding the key wins
    }
    return values;
}

std::optional<MarginPreset> MarginPresetFile::preset(const QString &name) const
{
    const std::optional<QStringList> texts = valueTexts(name);
    if (!texts)
        return std::nullopt;
    int numbers[8];
    for (int i = 0; i < 8; ++i) {
        bool ok = false;
        numbers[i] = texts->at(i).trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    MarginPreset result;
    result.name = name;
    for (int page = 0; page < 2; ++page)
        result.pages[page] = {numbers[page * 4], numbers[page * 4 + 1], numbers[page * 4 + 2],
                              numbers[page * 4 + 3]};
    return result;
}

} // namespace krevol
