#pragma once
// Runs the command-line tool as a user would, in a test's working folder.
#include <QString>
#include <QStringList>

namespace krevol::test {

class TestEnvironment;

struct CliRun
{
    int exitCode = -1;
    QString out;
    QString err; // without the platform's own warnings
};

// The tool the build lays out in its program folder.
QString installedCliPath();
CliRun runCli(const TestEnvironment &env, const QStringList &arguments, const QString &tool = installedCliPath());

} // namespace krevol::test
