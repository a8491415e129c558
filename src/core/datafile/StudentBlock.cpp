#include "StudentBlock.h"

#include "system/TextFile.h"

namespace krevol {

QString block::keyOfHeader(const QString &line)
{
    QString key = line.mid(21);
    key.chop(1);
    return key;
}

bool BlockLineSource::nextLine(QString &line)
{
    if (m_atEdge || !m_reader.readLine(line))
        return false;
    if (block::isHeader(line) || block::isEndLine(line)) {
        m_atEdge = true;
        return false;
    }
    return true;
}

} // namespace krevol
