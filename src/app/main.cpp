// The desktop program: prepares the working folder, opens a data file named on
// the command line and runs the main window.
#include "DialogPrompter.h"
#include "MainWindow.h"
#include "system/Fonts.h"
#include "system/InstanceLock.h"
#include "system/Runtime.h"
#include "system/Version.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
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
        // A second start must leave the first one's working copy alone.
        InstanceLock lock;
        if (!lock.acquire()) {
            prompter.message(kAlreadyRunningText, kApplicationTitle, MessageIcon::Warning, MessageButtons::Ok);
            return 1;
        }
        if (!window.vFunInicjalizujProgram())
            return 1;
        // The whole tail of the command line is one path: a path with blanks
        // arrives unquoted from the desktop's "open with".
        const QStringList arguments = QApplication::arguments().mid(1);
        window.openFromCommandLine(arguments.join(QLatin1Char(' ')));
        // Without a window manager "maximised" means nothing: take the screen's size first.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            window.setGeometry(screen->availableGeometry());
        window.showMaximized();
        const int result = QApplication::exec();
        runtime::setPrompter(nullptr);
        return result;
    } catch (const std::exception &error) {
        QMessageBox::critical(nullptr, kApplicationTitle, QString::fromLocal8Bit(error.what()));
        return 1;
    }
}
