#pragma once
// The town and voivodeship suggestions of the student data form, one entry
// per line of "lista_miast.txt" and "lista_woj.txt" in the working folder.
#include <QStringList>

namespace krevol {

inline const QString kTownListFile = QStringLiteral("lista_miast.txt");
inline const QString kVoivodeshipListFile = QStringLiteral("lista_woj.txt");

// Every line, empty ones included, in file order. On a file that cannot be
// read: the error report naming `function`, and false (`entries` untouched).
bool readSuggestionList(const QString &fileName, const QString &function, QStringList &entries);

} // namespace krevol
