// The desktop program: prepares the working folder, opens a data file named on
// the command line and runs the main window.
#include "DialogPrompter.h"
#include "MainWindow.h"
#include "system/Fonts.h"
#include "system/Runtime.h"
#include "system/Version.h"

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

#include <exception>

using namespace krevol;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("krevol-przys"));
    QApplication::setApplicationDisplayName(kApplicationTitle);
    installFontSubstitutions();

    DialogPrompter prompter;
    runtime::setPrompter(&prompter);

    try {
        TFGlowna window;
        prompter.setParentWidget(&window);
        runtime::setQuitRequestHandler([&window] {
            window.session().closeWithoutAsking = true;
            QMetaObject::invokeMethod(&window, &QWidget::close, Qt::QueuedConnection);
        });
        if (!window.vFunInicjalizujProgram())
            return 1;
        // The whole tail of the command line is one path: a path with blanks
        // arrives unquoted from the desktop's "open with".
        const QStringList arguments = QApplication::arguments().mid(1);
        window.openFromCommandLine(arguments.join(QLatin1Char(' ')));
        window.showMaximized();
        const int result = QApplication::exec();
        runtime::setPrompter(nullptr);
        return result;
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
