#include "SuggestionLists.h"

#include "system/ErrorReport.h"
#include "system/Folders.h"
#include "system/TextFile.h"

namespace krevol {

bool readSuggestionList(const QString &fileName, const QString &function, QStringList &entries)
{
    const QString path = workingFile(fileName);
    TextLineReader reader(path);
    if (!reader.open()) {
        reportError(QStringLiteral("Funkcja: ") + function + QStringLiteral("()\n\n")
                    + QStringLiteral("Błąd otwarcia pliku do odczytu\n") + path + QStringLiteral("\nKod błędu: ")
                    + QString::number(reader.errorCode()));
        return false;
    }
    QStringList lines;
    QString line;
    while (reader.readLine(line))
        lines << line;
    entries = lines;
    return true;
}

} // namespace krevol
