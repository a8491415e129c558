#pragma once
// The order of the students in the tree: by surname and first name, Polish
// letters sorting as their base letters, students whose keys compare equal
// kept in file order.
#include <QStringList>

namespace krevol {

// a-z to upper case, then each Polish letter to its base letter in upper case.
QString treeSortKey(const QString &key);
QStringList sortedForTree(const QStringList &keysInFileOrder);

} // namespace krevol
