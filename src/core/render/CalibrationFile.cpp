#include "CalibrationFile.h"

#include "documents/DocumentDefinition.h"
#include "system/ErrorReport.h"
#include "system/FileOps.h"
#include "system/Folders.h"
#include "system/TextFile.h"

#include <cerrno>

namespace krevol {
namespace {

QString codeSuffix(int code)
{
    return QStringLiteral("\nKod błędu :") + QString::number(code);
}

QString calibrationRelative(const QString &fileName)
{
    return kCalibrationFolder + QLatin1Char('/') + fileName;
}

} // namespace

QString calibrationFilePath(int typeIndex)
{
    const QList<CalibrationType> &types = calibrationTypes();
    if (typeIndex < 0 || typeIndex >= types.size())
        return QString();
    return calibrationFilePathFor(types.at(typeIndex).fileName);
}

QString calibrationFilePathFor(const QString &fileName)
{
    return workingFile(calibrationRelative(fileName));
}

QString defaultCalibrationFilePath(const QString &fileName)
{
    return programFile(calibrationRelative(fileName));
}

bool bFunZapiszRekordKalibracji(const CalibrationRecord &record, const QString &calibrationPath)
{
    const QString newLine = calibrationLine(record);
    const QString key = QLatin1Char('<') + record.name + QLatin1Char('>');
    const QString scratchPath = workingFile(kCalibrationScratchName);

    TextLineWriter scratch(scratchPath);
    if (!scratch.open()) {
        reportError(QStringLiteral("Błąd podczas próby otwarcia pliku do zapisu\n") + scratchPath
                    + codeSuffix(scratch.errorCode()));
        return false;
    }
    TextLineReader source(calibrationPath);
    if (!source.open()) {
        reportError(QStringLiteral("Błąd podczas próby otwarcia pliku do odczytu\n") + calibrationPath
                    + codeSuffix(source.errorCode()));
        return false;
    }
    QString line;
    while (source.readLine(line)) {
        if (line.contains(key))
            scratch.writeLine(newLine + textAfterStrikeout(line));
        else if (!line.isEmpty())
            scratch.writeLine(line);
    }
    source.close();
    // A scratch file that could not be written whole (a full disk, a font name
    // the code page cannot hold) must never replace the calibration file.
    if (!scratch.close()) {
        reportError(QStringLiteral("Błąd podczas próby otwarcia pliku do zapisu\n") + scratchPath
                    + codeSuffix(scratch.encodingError() ? EILSEQ : scratch.errorCode()));
        return false;
    }
    const FileResult removed = removeFile(calibrationPath);
    if (!removed) {
        reportError(QStringLiteral("Błąd podczas próby kasowania pliku\n") + calibrationPath
                    + codeSuffix(removed.code));
        return false;
    }
    const FileResult renamed = renameFile(scratchPath, calibrationPath);
    if (!renamed) {
        reportError(QStringLiteral("Błąd podczas próby zastąpienia pliku\nCel: ") + scratchPath
                    + QStringLiteral("\nŹródło: ") + calibrationPath + QStringLiteral("\nKod błędu: ")
                    + QString::number(renamed.code));
        return false;
    }
    return true;
}

std::optional<QString> groupRewrittenLine(const QString &line, const QString &groupMarker,
                                          const GroupFont &font)
{
    if (!line.contains(groupMarker))
        return line;
    // Four commas sought in at most ten searches, each search spending one try.
    qsizetype start = 0;
    int found = 0;
    for (int tries = 0; tries < 10 && found < 4; ++tries) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (comma >= 0) {
            start = comma + 1;
            ++found;
        }
    }
    if (found < 4)
        return std::nullopt;
    const QChar comma = QLatin1Char(',');
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    return line.left(start) + font.fontName + comma + QString::number(font.fontSize) + comma
        + QString::number(font.alignment) + comma + flag(font.bold) + comma + flag(font.italic) + comma
        + flag(font.underline) + comma + flag(font.strikeout) + textAfterStrikeout(line);
}

} // namespace krevol
