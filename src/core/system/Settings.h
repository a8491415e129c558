#pragma once
// The settings file "ustawienia.set": one "<KEY>value" line per setting,
// read and written one key at a time, nothing cached.
#include <QString>

namespace krevol {

namespace settings {
inline const QString kFileName = QStringLiteral("ustawienia.set");
inline const QString kScratchName = QStringLiteral("ustawienia.tmp");
inline const QString kUpdate = QStringLiteral("<AKTUALIZACJA>");
inline const QString kCrossOutEmpty = QStringLiteral("<WYKRESKUJ PUSTE>");
inline const QString kFileAssociation = QStringLiteral("<USTAW SKOJARZENIE PLIKOW Z PROGRAMEM>");
inline const QString kSchoolTemplate = QStringLiteral("<SZABLON DANYCH SZKOLY>");
inline const QString kMargins = QStringLiteral("<MARGINESY>");
inline const QString kAutoWordWrap = QStringLiteral("<AUTO ZWIJANIE WIERSZY>");
inline const QString kTrue = QStringLiteral("TRUE");
inline const QString kFalse = QStringLiteral("FALSE");
} // namespace settings

// The value of the first line that contains `key` anywhere; "" when missing.
QString strFunWczytajDanaZPlikuUstawien(const QString &key);
// Rewrites every line holding `key` (or appends one); reports and returns false on failure.
bool bFunZapiszDanaDoPlikuUstawien(const QString &key, const QString &value);

// Convenience for the boolean settings: only "TRUE" is true.
bool settingIsTrue(const QString &key);
bool writeBoolSetting(const QString &key, bool value);

// The text after the first ">" of a tagged line; the whole line without ">".
QString strFunPoZnaczniku(const QString &line);

} // namespace krevol
