#pragma once
// File and folder operations that tell success and the operating system's
// error code, which the error reports quote.
#include <QString>

namespace krevol {

struct FileResult
{
    bool ok = true;
    int code = 0; // the system's error code when !ok
    explicit operator bool() const { return ok; }
};

bool fileExists(const QString &path);       // a file (not a folder) exists
bool directoryExists(const QString &path);
FileResult copyFile(const QString &source, const QString &target, bool replace);
// Copies through a scratch file beside the target and renames it into place,
// so the target is either left whole or replaced whole.
FileResult copyFileAtomically(const QString &source, const QString &target);
FileResult renameFile(const QString &source, const QString &target); // replaces the target
FileResult removeFile(const QString &path);
FileResult makeDirectory(const QString &path); // one level; the parent must exist
// Gives the owner write permission back (the "normal" attributes of a file).
FileResult clearReadOnly(const QString &path);

// errno after a failed call, or a best guess for `path` when the call left none.
int lastSystemErrorCode(const QString &path = QString());

} // namespace krevol
