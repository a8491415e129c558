#include "StudentOrder.h"

#include "documents/DocumentDefinition.h"
#include "system/Cp1250.h"

#include <algorithm>

namespace krevol {

QString treeSortKey(const QString &key)
{
    static const QString polish = QStringLiteral("ąĄćĆęĘłŁńŃóÓśŚżŻźŹ");
    static const QString base = QStringLiteral("AACCEELLNNOOSSZZZZ");
    QString result = asciiUpper(key);
    for (QChar &c : result) {
        const qsizetype i = polish.indexOf(c);
        if (i >= 0)
            c = base.at(i);
    }
    return result;
}

QStringList sortedForTree(const QStringList &keysInFileOrder)
{
    struct Entry
    {
        QByteArray sortKey; // compared as Windows-1250 bytes
        QString key;
    };
    std::vector<Entry> entries;
    entries.reserve(keysInFileOrder.size());
    for (const QString &key : keysInFileOrder) {
        QByteArray bytes;
        if (!cp1250::encode(treeSortKey(key), bytes))
            bytes = treeSortKey(key).toUtf8();
        entries.push_back({bytes, key});
    }
    // An exchange sort that swaps only strictly greater neighbours is a stable
    // sort, so any stable sort gives the same order.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        return std::lexicographical_compare(a.sortKey.begin(), a.sortKey.end(), b.sortKey.begin(),
                                            b.sortKey.end(), [](char x, char y) {
                                                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                            });
    });
    QStringList sorted;
    for (const Entry &entry : entries)
        sorted << entry.key;
    return sorted;
}

} // namespace krevol
