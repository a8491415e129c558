#pragma once
// The ordered start of the program. The core runs the steps on files and
// settings; the window supplies the steps that touch it.
#include <functional>

namespace krevol {

struct StartupHooks
{
    std::function<void()> setCaption;             // the main window caption with the version
    std::function<void()> createPageSurfaces;     // the two empty page pictures of the preview
    std::function<void()> clearWindowFlags;       // close-without-asking and changed flags
    std::function<void()> setTreeMenuState;       // pop-up menu for an empty selection
    std::function<void()> startUpdateCheck;       // the automatic check in the background
    std::function<void(bool)> setCrossOutBox;     // "Wykreskuj puste pola" from the settings
    std::function<void()> closeWithoutAsking;     // start-up failed: end without questions
};

// Returns false when the working folder could not be prepared; the program
// then ends (closeWithoutAsking has been called).
bool vFunInicjalizujProgram(const StartupHooks &hooks);

} // namespace krevol
