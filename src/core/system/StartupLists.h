#pragma once
// The program folder's file lists that prepare the working folder:
// "pliki_katalogi.set" at every start (copies only what is missing) and
// "inicjalizuj.set" once after an installation (overwrites what it lists).
#include <QString>

namespace krevol {

inline const QString kStartupListName = QStringLiteral("pliki_katalogi.set");
inline const QString kUpdateListName = QStringLiteral("inicjalizuj.set");
inline const QString kUsedUpdateListName = QStringLiteral("inicjalizuj.old");

bool bFunSprawdzPlikiKatalogi();
void vFunSprawdzZmanePlikowKatalogow();

} // namespace krevol
