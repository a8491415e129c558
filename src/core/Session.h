#pragma once
// What the main window owns and the rest of the program reads: the flags of
// the main window, the current data file path and the working copy's path.
// The desktop program, the command-line tool and the tests each hold one.
#include <QString>

namespace krevol {

class Session
{
public:
    Session();

    // Where the store keeps the students of the open file. The desktop program
    // uses the working copy in the working folder; the command-line tool a
    // private copy, so it never touches the user's working copy.
    QString workingCopyPath() const;
    void setWorkingCopyPath(const QString &path) { m_workingCopyPath = path; }

    // The open data file ("" for a new, unnamed file); the window shows it in its status bar.
    QString dataFilePath;

    bool changed = false;             // asks "Czy chcesz zapisać zmiany ?" before new, open, close
    bool closeWithoutAsking = false;  // closing asks nothing
    bool printing = false;            // emblem and seal are drawn only while set
    bool calibrationEditorOpen = false; // enables the selection highlight
    bool crossOutEmpty = false;       // "Wykreskuj puste pola"

private:
    QString m_workingCopyPath;
};

} // namespace krevol
