#pragma once
// The process-wide services the core reaches from everywhere: who answers
// questions, what time it is, where the program folder is, and how to ask
// the program to end. The desktop program, the command-line tool and each
// test install their own.
#include "Clock.h"
#include "Prompter.h"

#include <QString>
#include <functional>

namespace krevol::runtime {

Prompter &prompter();
void setPrompter(Prompter *prompter); // nullptr restores the silent one

const Clock &clock();
void setClock(const Clock *clock);    // nullptr restores the system clock

// The program folder is the folder of the executable unless overridden (tests).
QString programFolderOverride();
void setProgramFolderOverride(const QString &path);

// Called when the working folder cannot be created: the program must end
// without further questions once the current operation has finished.
void setQuitRequestHandler(std::function<void()> handler);
void requestQuit();
bool quitRequested();
void resetQuitRequest();

} // namespace krevol::runtime
