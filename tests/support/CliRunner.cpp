#include "CliRunner.h"

#include "TestEnvironment.h"

#include <QProcess>
#include <QRegularExpression>

namespace krevol::test {

QString installedCliPath()
{
    return QStringLiteral(KREVOL_PROGRAM_DIR "/krevol-przys-cli");
}

CliRun runCli(const TestEnvironment &env, const QStringList &arguments, const QString &tool)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), env.userDataFolder());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(tool, arguments);
    if (!process.waitForFinished(60000))
        return {};
    QString err = QString::fromUtf8(process.readAllStandardError());
    err.remove(QRegularExpression(QStringLiteral("QStandardPaths: [^\n]*\n")));
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()), err};
}

} // namespace krevol::test
