#include "StartupLists.h"

#include "ErrorReport.h"
#include "FileOps.h"
#include "Folders.h"
#include "TextFile.h"

namespace krevol {
namespace {

const QString kFolderTag = QStringLiteral("<FOLDER>");
const QString kFileTag = QStringLiteral("<PLIK>");

// Lists written on Windows name sub-folders with backslashes.
QString relativePath(const QString &text)
{
    QString path = text;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}

QString afterFirstTagEnd(const QString &line)
{
    return line.mid(line.indexOf(QLatin1Char('>')) + 1);
}

} // namespace

bool bFunSprawdzPlikiKatalogi()
{
    const QString listPath = programFile(kStartupListName);
    TextLineReader list(listPath);
    if (!list.open()) {
        reportError(QStringLiteral("Funkcja: bFunSprawdzPlikiKatalogi()\n\n")
                    + QStringLiteral("Błąd otwacia pliku do odczytu:\n") + listPath
                    + QStringLiteral("\nKod błędu: ") + QString::number(list.errorCode()));
        return false;
    }
    QString line;
    while (list.readLine(line)) {
        // The tag opens its line and is removed by its length.
        if (line.contains(kFolderTag)) {
            line = line.mid(kFolderTag.size());
            const QString target = workingFile(relativePath(line));
            if (!directoryExists(target) && !bFunUtworzKatalog(target))
                return false;
        }
        if (line.contains(kFileTag)) {
            line = line.mid(kFileTag.size());
            const QString relative = relativePath(line);
            const QString target = workingFile(relative);
            const QString source = programFile(relative);
            if (!fileExists(target)) {
                const FileResult copied = copyFile(source, target, false);
                if (!copied) {
                    list.close();
                    reportError(QStringLiteral("Funkcje: bFunSprawdzPlikiKatalogi\n\n")
                                + QStringLiteral("Błąd kopiowania pliku\nz: ") + source
                                + QStringLiteral("\ndo: ") + target
                                + QStringLiteral("\nKod błędu: ") + QString::number(copied.code));
                    return false;
                }
            }
        }
    }
    return true;
}

void vFunSprawdzZmanePlikowKatalogow()
{
    const QString listPath = programFile(kUpdateListName);
    if (!fileExists(listPath))
        return;
    {
        TextLineReader list(listPath);
        if (!list.open())
            return;
        QString line;
        while (list.readLine(line)) {
            if (line.contains(kFolderTag)) {
                const QString target = workingFile(relativePath(afterFirstTagEnd(line)));
                if (!directoryExists(target) && !bFunUtworzKatalog(target))
                    return; // the list stays for the next start
            }
            if (line.contains(kFileTag)) {
                const QString relative = relativePath(afterFirstTagEnd(line));
                const QString target = workingFile(relative);
                const QString source = programFile(relative);
                const FileResult copied = copyFile(source, target, true);
                if (!copied) {
                    reportError(QStringLiteral("Funkcja: vFunSprawdzZmanePlikowKatalogow()\n\n")
                                + QStringLiteral("Błąd kopiowania pliku\nz:\n") + source
                                + QStringLiteral("\ndo:\n") + target
                                + QStringLiteral("\nKod błędu: ") + QString::number(copied.code));
                    return;
                }
            }
        }
    }
    // Applied once: the list is renamed, or deleted when an old one is in the way.
    const QString usedPath = programFile(kUsedUpdateListName);
    if (fileExists(usedPath))
        removeFile(listPath);
    else
        renameFile(listPath, usedPath);
    if (fileExists(listPath))
        removeFile(listPath);
}

} // namespace krevol
