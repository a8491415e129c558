#pragma once
#include <QStringList>

namespace krevol {

// Runs one command; returns the process exit code (0 done, 1 failed, 2 usage).
int runCommand(const QStringList &arguments);

} // namespace krevol
