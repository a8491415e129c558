#include "ResultsCopy.h"

#include "DocumentModel.h"

#include <QString>

namespace krevol {
namespace {

struct CopiedItem
{
    const char *certificateItem;
    const char *sheetStem; // the sheet item is stem + column + suffix
    const char *sheetSuffix;
};

// In the order the copy is made.
constexpr CopiedItem kCopiedItems[] = {
    {"ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX", "ZMIENNA_ReligiaOcn", "_DATA_COMBOBOX"},
    {"ZMIENNA_Zachowanie_STR2_DATA_MEMO", "ZMIENNA_Zachowanie", "_DATA_MEMO"},
    {"ZMIENNA_FunkcjonowanieSpoleczne_STR2_DATA_MEMO", "ZMIENNA_FunkcjonowanieWSrod", "_DATA_MEMO"},
    {"ZMIENNA_WychowanieFizyczne_STR2_DATA_MEMO", "ZMIENNA_Wf", "_DATA_MEMO"},
    {"ZMIENNA_PrzysposobienieDoPracy_STR2_DATA_MEMO", "ZMIENNA_PrzysDoPracy", "_DATA_MEMO"},
    {"ZMIENNA_Szczegolne_STR2_DATA_MEMO", "ZMIENNA_Szczegolne", "_DATA_MEMO"},
};

int columnsServed(int pageCode)
{
    switch (pageCode) {
    case 2: case 6: return 2;
    case 4: case 5: return 1;
    default: return 0;
    }
}

} // namespace

int sheetIndexForPageCode(int pageCode)
{
    switch (pageCode) {
    case 2: return 4; // MEN-I/41/2 page 2
    case 4: return 6; // MEN-I/41b/2 page 2
    case 5: return 7; // MEN-I/41b/2 page 3
    case 6: return 8; // MEN-I/41b/2 page 4
    default: return -1;
    }
}

void vFunPrzepiszDoArkusza(const DocumentModel &certificate, DocumentModel &sheet, int pageCode, int column)
{
    if (column < 1 || column > columnsServed(pageCode))
        return;
    for (const CopiedItem &copied : kCopiedItems) {
        const QString target = QLatin1String(copied.sheetStem) + QString::number(column)
            + QLatin1String(copied.sheetSuffix);
        sheet.setText(target, certificate.text(QLatin1String(copied.certificateItem)));
    }
}

} // namespace krevol
