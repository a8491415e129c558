#include "Settings.h"

#include "Cp1250.h"
#include "ErrorReport.h"
#include "FileOps.h"
#include "Folders.h"
#include "TextFile.h"

namespace krevol {

QString strFunPoZnaczniku(const QString &line)
{
    const qsizetype close = line.indexOf(QLatin1Char('>'));
    return close < 0 ? line : line.mid(close + 1);
}

QString strFunWczytajDanaZPlikuUstawien(const QString &key)
{
    TextLineReader reader(workingFile(settings::kFileName));
    if (!reader.open())
        return QString();
    QString line;
    while (reader.readLine(line)) {
        if (line.contains(key)) {
            const qsizetype close = line.indexOf(QLatin1Char('>'));
            return close < 0 ? QString() : line.mid(close + 1);
        }
    }
    return QString();
}

bool bFunZapiszDanaDoPlikuUstawien(const QString &key, const QString &value)
{
    const QString function = QStringLiteral("bFunZapiszDanaDoPlikuUstawien");
    const QString settingsPath = workingFile(settings::kFileName);
    const QString scratchPath = workingFile(settings::kScratchName);

    TextLineWriter scratch(scratchPath);
    if (!scratch.open()) {
        reportError(standardErrorText(function, QStringLiteral("Błąd otwarcia pliku do zapisu:\n"),
                                      scratchPath, scratch.errorCode()));
        return false;
    }
    TextLineReader reader(settingsPath);
    if (!reader.open()) {
        scratch.close();
        reportError(standardErrorText(function, QStringLiteral("Błąd otwarcia pliku do odczytu:\n"),
                                      settingsPath, reader.errorCode()));
        return false;
    }
    const QString newLine = key + value;
    bool found = false;
    QString line;
    while (reader.readLine(line)) {
        if (line.contains(key)) {
            scratch.writeLine(newLine);
            found = true;
        } else {
            scratch.writeLine(line);
        }
    }
    if (!found)
        scratch.writeLine(newLine);
    reader.close();
    if (!scratch.close()) {
        // The settings file is only replaced by a complete scratch copy.
        const QString reason = scratch.encodingError()
            ? QStringLiteral("Tekst zawiera znaki, których nie można zapisać w pliku (")
                + cp1250::unencodableCharacters(newLine) + QStringLiteral("):\n")
            : QStringLiteral("Błąd zapisu pliku:\n");
        reportError(standardErrorText(function, reason, scratchPath, scratch.errorCode()));
        return false;
    }
    const FileResult copied = copyFile(scratchPath, settingsPath, true);
    if (!copied) {
        reportError(QStringLiteral("Funkcja: bFunZapiszDanaDoPlikuUstawien()\n\n")
                    + QStringLiteral("Błąd kopiowania pliku\nz:\n") + scratchPath
                    + QStringLiteral("\ndo:\n") + settingsPath
                    + QStringLiteral("\nKod błędu: ") + QString::number(copied.code));
        return false;
    }
    return true;
}

bool settingIsTrue(const QString &key)
{
    return strFunWczytajDanaZPlikuUstawien(key) == settings::kTrue;
}

bool writeBoolSetting(const QString &key, bool value)
{
    return bFunZapiszDanaDoPlikuUstawien(key, value ? settings::kTrue : settings::kFalse);
}

} // namespace krevol
