// The command-line tool: the same core as the desktop program, driven from a shell.
//   krevol-przys-cli list FILE    the students of a data file in the tree's order
//   krevol-przys-cli render ...   a document to PNG (the preview) or PDF (the print)
#include "CliCommands.h"
#include "StderrPrompter.h"
#include "system/Fonts.h"
#include "system/HeadlessPlatform.h"
#include "system/Runtime.h"

#include <QGuiApplication>

using namespace krevol;

int main(int argc, char *argv[])
{
    // A GUI application object gives the renderer its fonts; nothing is shown.
    useOffscreenPlatformWithoutDisplay();
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("krevol-przys"));
    installFontSubstitutions();
    StderrPrompter prompter;
    runtime::setPrompter(&prompter);
    const int result = runCommand(QGuiApplication::arguments().mid(1));
    runtime::setPrompter(nullptr);
    return result;
}
