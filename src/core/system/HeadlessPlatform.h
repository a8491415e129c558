#pragma once
#include <QtGlobal>

namespace krevol {

// Programs that draw but show nothing (the command-line tool, generators,
// benchmarks) run on the offscreen platform when there is no display.
// Call before the application object is made.
inline void useOffscreenPlatformWithoutDisplay()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace krevol
