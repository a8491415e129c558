#include "Runtime.h"

namespace krevol::runtime {
namespace {

SilentPrompter silentPrompter;
SystemClock systemClock;
Prompter *currentPrompter = &silentPrompter;
const Clock *currentClock = &systemClock;
QString programFolder;
std::function<void()> quitHandler;
bool quitWasRequested = false;

} // namespace

Prompter &prompter() { return *currentPrompter; }
void setPrompter(Prompter *prompter) { currentPrompter = prompter ? prompter : &silentPrompter; }

const Clock &clock() { return *currentClock; }
void setClock(const Clock *clock) { currentClock = clock ? clock : &systemClock; }

QString programFolderOverride() { return programFolder; }
void setProgramFolderOverride(const QString &path) { programFolder = path; }

void setQuitRequestHandler(std::function<void()> handler) { quitHandler = std::move(handler); }

void requestQuit()
{
    quitWasRequested = true;
    if (quitHandler)
        quitHandler();
}

bool quitRequested() { return quitWasRequested; }
void resetQuitRequest() { quitWasRequested = false; }

} // namespace krevol::runtime
