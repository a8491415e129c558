#pragma once
#include <QString>

namespace krevol {

struct ProgramVersion
{
    int major = KREVOL_VERSION_MAJOR;
    int minor = KREVOL_VERSION_MINOR;
    int build = KREVOL_VERSION_BUILD;
    QString text() const
    {
        return QString::number(major) + QLatin1Char('.') + QString::number(minor) + QLatin1Char('.')
            + QString::number(build);
    }
};

inline const QString kApplicationTitle = QStringLiteral("Krevol - Szkoła Zawodowa");

// The main window caption, ending in the version.
inline QString mainWindowCaption()
{
    return QStringLiteral("Drukowanie świadectw dla Zasadnicza Szkoła Zawodowa Przysposabiająca, wersja: ")
        + ProgramVersion().text();
}

} // namespace krevol
