#pragma once
// An isolated world for one test: a temporary user data folder (so the
// working folder lives there), a temporary program folder, the scripted
// Prompter and a fixed clock. Everything is restored when it goes away.
#include "ScriptedPrompter.h"
#include "system/Clock.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace krevol::test {

class TestEnvironment
{
public:
    TestEnvironment();
    ~TestEnvironment();

    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2015, 6, 21), QTime(14, 38, 52), Qt::UTC)};

    QString root() const { return m_root.path(); }
    QString userDataFolder() const;  // what the system reports as the user's data folder
    QString workingFolder() const;   // the program's folder inside it (may not exist yet)
    QString programFolder() const;

    // Copies the shipped program-folder files into the test's program folder.
    void installProgramData() const;
    // installProgramData() and the start-up list, as a real first start does.
    void prepareWorkingFolder() const;

    QString workingPath(const QString &relative) const;
    QString programPath(const QString &relative) const;

private:
    QTemporaryDir m_root;
    QByteArray m_oldXdgDataHome;
    bool m_hadXdgDataHome = false;
};

// Reads and writes Windows-1250 text with CR LF the way the program's files are.
void writeLines(const QString &path, const QStringList &lines);
QStringList readLines(const QString &path);   // fails the test's expectations if a line lacks CR
void writeBytes(const QString &path, const QByteArray &bytes);
QByteArray readBytes(const QString &path);
QString fixturePath(const QString &relative);

} // namespace krevol::test
