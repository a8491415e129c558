#pragma once
// The program folder (the folder of the executable, holding the starting
// copies) and the per-user working folder (everything the program writes).
#include <QString>

namespace krevol {

inline const QString kWorkingFolderName = QStringLiteral("Krevol-Kolbernia_przys");
inline const QString kWorkingCopyName = QStringLiteral("data_temp.tmp");

// Joins a folder and a relative path. A path on an unknown (empty) folder is
// empty too, so it can never resolve against the root of the file system.
QString joinPath(const QString &folder, const QString &relative);

// The user's data folder the working folder lives in ("" when unknown).
QString userDataFolder();

// The working folder, created when missing; the empty string (after a report)
// when the user's data folder cannot be determined.
QString strFunSciezkaGlownegoKatalogu();
// The same path without creating or reporting anything (for the log writer).
QString workingFolderIfKnown();
// Working folder + "/" + relative path.
QString workingFile(const QString &relative);

QString strFunSciezkaKataloguProgramu();
QString programFile(const QString &relative);

bool bFunUtworzKatalog(const QString &path);

QString strFunSciezkaKopiiRoboczej();
bool bFunSkasujKopieRobocza();

} // namespace krevol
