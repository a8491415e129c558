#pragma once
// Moving whole files between the user's data file and the working copy:
// open copies the data file in, save copies the working copy out.
#include <QString>

namespace krevol {

class Session;

inline const QString kDataFileFilter = QStringLiteral("Kolbernia przys.|*.kbrp");
inline const QString kDataFileSuffix = QStringLiteral("kbrp");
inline const QString kNewDataFileName = QStringLiteral("nowy");

// Gives the owner write permission back; false when the file is missing or
// its permissions cannot be changed. `code` receives the system's error code.
bool bFunUsunAtrybutyPliku(const QString &path, int *code = nullptr);

// Copies `path` over the working copy and lists its students.
bool bFunOtworzPlikSwiadectw(Session &session, const QString &path);
// Writes the working copy over the open data file (whole, through a file beside it).
bool bFunZapiszIstniejacyPlikSwiadectw(Session &session);
// Asks for a file name and writes the working copy there; it becomes the open file.
bool vFunZapiszNowyPlikSwiadectw(Session &session);

} // namespace krevol
