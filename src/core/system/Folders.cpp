#include "Folders.h"

#include "ErrorReport.h"
#include "FileOps.h"
#include "Runtime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

namespace krevol {
QString userDataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString joinPath(const QString &folder, const QString &relative)
{
    if (folder.isEmpty())
        return QString();
    return QDir::toNativeSeparators(folder + QLatin1Char('/') + relative);
}

QString workingFolderIfKnown()
{
    const QString base = userDataFolder();
    return base.isEmpty() ? QString() : joinPath(base, kWorkingFolderName);
}

QString strFunSciezkaGlownegoKatalogu()
{
    const QString base = userDataFolder();
    if (base.isEmpty()) {
        reportError(QStringLiteral("strFunSciezkaGlownegoKatalogu()\n\n")
                    + QStringLiteral("Błąd uzyskania ścieżki głównego katalagu.\n")
                    + QStringLiteral("Kod błędu: ") + QString::number(ENOENT));
        return QString();
    }
    const QString path = joinPath(base, kWorkingFolderName);
    if (!directoryExists(path)) {
        // A new account may not have its data folder yet; it is the system's
        // folder, so it is made quietly before the program's own.
        QDir().mkpath(base);
        if (!bFunUtworzKatalog(path))
            runtime::requestQuit();
    }
    return path;
}

QString workingFile(const QString &relative)
{
    return joinPath(strFunSciezkaGlownegoKatalogu(), relative);
}

QString strFunSciezkaKataloguProgramu()
{
    const QString overridden = runtime::programFolderOverride();
    if (!overridden.isEmpty())
        return QDir::toNativeSeparators(overridden);
    const QString executable = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
    return QDir::toNativeSeparators(QFileInfo(executable).absolutePath());
}

QString programFile(const QString &relative)
{
    return joinPath(strFunSciezkaKataloguProgramu(), relative);
}

bool bFunUtworzKatalog(const QString &path)
{
    if (directoryExists(path))
        return true;
    const FileResult made = makeDirectory(path);
    if (!made) {
        reportError(QStringLiteral("Funkcja: bFunUtworzKatalog\n\n")
                    + QStringLiteral("Błąd podczas tworzenia katalogu:\n") + path
                    + QStringLiteral("\nKod błędu: ") + QString::number(made.code));
        return false;
    }
    return true;
}

QString strFunSciezkaKopiiRoboczej()
{
    return workingFile(kWorkingCopyName);
}

bool bFunSkasujKopieRobocza()
{
    const QString path = strFunSciezkaKopiiRoboczej();
    if (!fileExists(path))
        return true;
    const FileResult removed = removeFile(path);
    if (removed)
        return true;
    reportError(QStringLiteral("Funkcja: WinMain()\n\n")
                + QStringLiteral("Błąd podczas próby kasowania pliku\n") + path
                + QStringLiteral("\nKod błędu: ") + QString::number(removed.code));
    return false;
}

} // namespace krevol
