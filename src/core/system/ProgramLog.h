#pragma once
#include <QDateTime>
#include <QString>

namespace krevol {

inline const QString kLogFileName = QStringLiteral("logi.txt");

// Appends a dated entry to the program log. Never reports a failure of its own:
// an entry that cannot be written (or has no working folder) is lost silently.
void vFunZapiszLog(const QString &message);

// "Data: 2015.02.03, Czas: 09:05:07" for the given UTC time.
QString logTimeStamp(const QDateTime &utc);

} // namespace krevol
