#pragma once
// A stored value is one line: two tabs, "<", the item name, ">", the value.
#include <QString>

namespace krevol {

QString fieldLine(const QString &name, const QString &value);
// The same without the leading tabs, as the school data template stores its values.
QString taggedLine(const QString &name, const QString &value);

// Splits a line at its first ">": the value is everything after it, the name
// everything before it with the text up to and including the first "<"
// dropped. False for a line without ">".
bool splitFieldLine(const QString &line, QString &name, QString &value);

inline const QString kEditSuffix = QStringLiteral("_DATA_EDIT");
inline const QString kComboSuffix = QStringLiteral("_DATA_COMBOBOX");
inline const QString kMemoSuffix = QStringLiteral("_DATA_MEMO");
inline const QString kLabelSuffix = QStringLiteral("_DATA_LABEL");

} // namespace krevol
