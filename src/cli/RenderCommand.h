#pragma once
#include <QStringList>

namespace krevol {

// krevol-przys-cli render (FILE --student KEY | --samples) --document N
//     --out OUT.png|OUT.pdf [--page 1|2] [--cross-out] [--preset NAME]
// Returns the exit code: 0 done, 1 failed, 2 usage.
int renderCommand(const QStringList &arguments);
QString renderUsage();

} // namespace krevol
