#include "FileAssociation.h"

#include "Folders.h"
#include "ProgramLog.h"
#include "Runtime.h"
#include "Settings.h"
#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace krevol {
namespace {

bool refreshDesktopCaches = true;

void writeUtf8File(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(contents);
}

// Refreshes the desktop's caches when the tools are there; the program does
// not wait for them.
void runIfPresent(const QString &tool, const QString &folder)
{
    if (!refreshDesktopCaches)
        return;
    const QString executable = QStandardPaths::findExecutable(tool);
    if (!executable.isEmpty())
        QProcess::startDetached(executable, {folder});
}

QString desktopExecQuoted(const QString &path)
{
    QString quoted = path;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

bool bFunCzyAdministrator()
{
#ifdef Q_OS_WIN
    SID_IDENTIFIER_AUTHORITY ntAuthority = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    BOOL member = FALSE;
    if (AllocateAndInitializeSid(&ntAuthority, 2, SECURITY_BUILTIN_DOMAIN_RID,
                                 DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0, 0, &administrators)) {
        if (!CheckTokenMembership(nullptr, administrators, &member))
            member = FALSE;
        FreeSid(administrators);
    }
    return member != FALSE;
#else
    return true;
#endif
}

void setDesktopCacheRefresh(bool enabled)
{
    refreshDesktopCaches = enabled;
}

QString mimePackagePath()
{
    return userDataFolder() + QStringLiteral("/mime/packages/krevol-kolbernia-przys.xml");
}

QString desktopEntryPath()
{
    return userDataFolder() + QStringLiteral("/applications/krevol-przys.desktop");
}

void vFunUstawSkojarzeniePlikow()
{
    if (strFunWczytajDanaZPlikuUstawien(settings::kFileAssociation) == settings::kFalse)
        return;
    if (!bFunCzyAdministrator()) {
        const QString text = QStringLiteral("Program został uruchomiony bez uprawnień administratora.\n"
                                            "Brak możliwości ustawiena skojarzenia plików z programem.");
        runtime::prompter().message(text, QString(), MessageIcon::Error, MessageButtons::Ok);
        vFunZapiszLog(text);
        return;
    }
    if (userDataFolder().isEmpty())
        return;
    const QString executable = QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
    writeUtf8File(mimePackagePath(),
                  QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                                    "  <mime-type type=\"")
                      + kDataFileMimeType.toUtf8()
                      + QByteArrayLiteral("\">\n"
                                          "    <comment>Kolbernia przys.</comment>\n"
                                          "    <glob pattern=\"*.kbrp\"/>\n"
                                          "  </mime-type>\n"
                                          "</mime-info>\n"));
    writeUtf8File(desktopEntryPath(),
                  QByteArrayLiteral("[Desktop Entry]\nType=Application\nName=")
                      + kApplicationTitle.toUtf8()
                      + QByteArrayLiteral("\nExec=") + desktopExecQuoted(executable).toUtf8()
                      + QByteArrayLiteral(" %f\nIcon=") + executable.toUtf8()
                      + QByteArrayLiteral("\nMimeType=") + kDataFileMimeType.toUtf8()
                      + QByteArrayLiteral(";\nTerminal=false\nCategories=Office;Education;\n"));
    runIfPresent(QStringLiteral("update-mime-database"), userDataFolder() + QStringLiteral("/mime"));
    runIfPresent(QStringLiteral("update-desktop-database"), userDataFolder() + QStringLiteral("/applications"));
    bFunZapiszDanaDoPlikuUstawien(settings::kFileAssociation, settings::kFalse);
}

} // namespace krevol
