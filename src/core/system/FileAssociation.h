#pragma once
// Registers the data file type with the desktop once per user: a MIME type
// for "*.kbrp" and a desktop entry that opens such files with this program.
#include <QString>

namespace krevol {

inline const QString kDataFileTypeName = QStringLiteral("Krevol-Kolbernia_przys");
inline const QString kDataFileMimeType = QStringLiteral("application/x-krevol-kolbernia-przys");

// True when the process may register the file type. A per-user registration
// needs no special rights; a Windows build asks the system here.
bool bFunCzyAdministrator();
void vFunUstawSkojarzeniePlikow();

// Whether the registration asks the desktop to refresh its caches (off in tests).
void setDesktopCacheRefresh(bool enabled);

// The two files written by the registration (for the tests).
QString mimePackagePath();
QString desktopEntryPath();

} // namespace krevol
