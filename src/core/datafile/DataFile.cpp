#include "DataFile.h"

#include "Session.h"
#include "StudentStore.h"
#include "system/ErrorReport.h"
#include "system/FileOps.h"
#include "system/Runtime.h"

#include <QFileInfo>

namespace krevol {
namespace {

QString codeLine(int code)
{
    return QStringLiteral("\nKod błędu: ") + QString::number(code);
}

const QString kNotLoaded = QStringLiteral("\nDane świadectw nie zostały wczytane.");
const QString kNotSaved = QStringLiteral("\n\nDane nie zostały zapisane.");
const QString kReadOnlyWarning = QStringLiteral("\nJeśli plik ma atrybut \"tylko do odczytu\"\nzapis danych nie będzie możliwy.");

// Before writing over an existing data file its read-only mark is taken away;
// when that fails the user is warned and the save goes on.
void clearAttributesBeforeSave(const QString &function, const QString &path)
{
    int code = 0;
    if (!bFunUsunAtrybutyPliku(path, &code))
        reportWarning(QStringLiteral("Funkcja: ") + function + QStringLiteral("()\n\n")
                          + QStringLiteral("Błąd podczas próby sprawdzenia atrybutów pliku\n") + path + kReadOnlyWarning
                          + QStringLiteral("\nKod błędu: ") + QString::number(code),
                      QStringLiteral("Atrybuty"));
}

QString withDefaultSuffix(const QString &path)
{
    return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + kDataFileSuffix : path;
}

} // namespace

bool bFunUsunAtrybutyPliku(const QString &path, int *code)
{
    const FileResult cleared = clearReadOnly(path);
    if (code)
        *code = cleared.code;
    return cleared.ok;
}

bool bFunOtworzPlikSwiadectw(Session &session, const QString &path)
{
    const QString workingCopy = session.workingCopyPath();
    if (fileExists(workingCopy)) {
        bFunUsunAtrybutyPliku(workingCopy);
        const FileResult removed = removeFile(workingCopy);
        if (!removed) {
            reportError(QStringLiteral("Błąd kasowania pliku\n") + workingCopy + codeLine(removed.code) + kNotLoaded);
            return false;
        }
    }
    const FileResult copied = copyFile(path, workingCopy, true);
    if (!copied) {
        reportError(QStringLiteral("Błąd kopiowania pliku\nz :") + path + QStringLiteral("\ndo :") + workingCopy
                    + codeLine(copied.code) + kNotLoaded);
        return false;
    }
    int code = 0;
    if (!bFunUsunAtrybutyPliku(path, &code))
        reportWarning(QStringLiteral("Uwaga\nJeśli plik posiada atrybut \"tylko do odczytu\" zapis danych nie będzie możliwy.")
                          + QStringLiteral("\nKod: ") + QString::number(code),
                      QStringLiteral("Uwaga"));
    if (!bFunUsunAtrybutyPliku(workingCopy, &code))
        reportError(QStringLiteral("Błąd podczas próby sprawdzenia atrybutów pliku.\n") + workingCopy
                    + QStringLiteral("\nJeśli plik posiada atrybut \"tylko do odczytu\" zapis danych nie będzie możliwy.")
                    + codeLine(code));
    StudentStore(session).bFunWczytajListeUczniow();
    return true;
}

bool bFunZapiszIstniejacyPlikSwiadectw(Session &session)
{
    const QString path = session.dataFilePath;
    const QString workingCopy = session.workingCopyPath();
    clearAttributesBeforeSave(QStringLiteral("bFunZapiszIstniejacyPlikSwiadectw"), path);
    // Written beside the file and renamed over it: a failure leaves the old file whole.
    const FileResult copied = copyFileAtomically(workingCopy, path);
    if (copied)
        return true;
    reportError(QStringLiteral("Funkcja: vFunZapiszIstniejacyPlikSwiadectw()\n\n") + QStringLiteral("Błąd kopiowania pliku z\n")
                + workingCopy + QStringLiteral("\ndo:\n") + path + codeLine(copied.code) + kNotSaved);
    return false;
}

bool vFunZapiszNowyPlikSwiadectw(Session &session)
{
    const std::optional<QString> chosen =
        runtime::prompter().saveFileName(kDataFileFilter, kNewDataFileName, kDataFileSuffix);
    if (!chosen || chosen->isEmpty())
        return false;
    const QString path = withDefaultSuffix(*chosen);
    const bool exists = fileExists(path);
    if (exists) {
        const MessageAnswer answer = runtime::prompter().message(
            QStringLiteral("Wybrany plik już istnieje.\nCzy chcesz zastąpić istniejący plik ?"), QStringLiteral("Zapisz"),
            MessageIcon::Question, MessageButtons::YesNo);
        if (answer != MessageAnswer::Yes)
            return false;
        clearAttributesBeforeSave(QStringLiteral("vFunZapiszNowyPlikSwiadectw"), path);
    }
    const QString workingCopy = session.workingCopyPath();
    const FileResult copied = copyFileAtomically(workingCopy, path);
    if (copied) {
        session.dataFilePath = path;
        return true;
    }
    reportWarning(QStringLiteral("Funkcja: vFunZapiszNowyPlikSwiadectw()\n\n") + QStringLiteral("Błąd podczas próby kopiowania pliku\nz\n")
                      + workingCopy + QStringLiteral("\ndo\n") + path + codeLine(copied.code) + kNotSaved,
                  QStringLiteral("Atrybuty"));
    return false;
}

} // namespace krevol
