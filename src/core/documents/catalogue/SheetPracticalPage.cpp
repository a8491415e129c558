// The practical classes page of MEN-I/41b/2 (page 5, landscape): six rows of
// the same six fields, then the page number. Its names carry "_STR1" although
// the page is printed alone.
#include "CatalogueParts.h"

namespace krevol::catalogue {

namespace {

struct Column
{
    ItemKind kind;
    const char *name; // "%1" stands for the row number
    int left;
    int width;
    const char *sample; // memos: "%d" stands for the line number, from 0
};

const Column kColumns[] = {
    {ItemKind::Edit, "ZMIENNA_RokSzkolny%1_STR1_DATA_EDIT", 16, 99, "rok %1"},
    {ItemKind::Edit, "ZMIENNA_Klasa%1_STR1_DATA_EDIT", 116, 83, "klasa %1"},
    {ItemKind::Memo, "ZMIENNA_NazwaIAdresJednostki%1_STR1_DATA_MEMO", 200, 247, "nazwa adres %1 linia %d"},
    {ItemKind::Memo, "ZMIENNA_RodzajZajec%1_STR1_DATA_MEMO", 448, 272, "rodzaj zajec %1 linia %d"},
    {ItemKind::Edit, "ZMIENNA_LiczbaGodzin%1_STR1_DATA_EDIT", 721, 66, "godzin %1"},
    {ItemKind::Memo, "ZMIENNA_Ocena%1_STR1_DATA_MEMO", 788, 214, "ocena %1 linia %d"},
};

constexpr int kRowCount = 6;
constexpr int kMemoLines = 4;

// Row k is a band 100 pixels below row k - 1, 99 high; the printed form makes
// the fifth band one pixel lower and starts the sixth one pixel early.
Place band(int row)
{
    const int top = row == 6 ? 618 : 119 + 100 * (row - 1);
    return {0, top, 0, row == 5 ? 98 : 99};
}

// The edits stand in the middle of their band.
int editTop(int row)
{
    return row == 6 ? 659 : 160 + 100 * (row - 1);
}

ItemDefinition cell(const Column &column, int row, int tab)
{
    const QByteArray name = QString::fromUtf8(column.name).arg(row).toUtf8();
    const QByteArray sample = QString::fromUtf8(column.sample).arg(row).toUtf8();
    if (column.kind == ItemKind::Edit)
        return editItem(name.constData(), {column.left, editTop(row), column.width}, tab, ItemSource::User, 0,
                        sample.constData());
    Place place = band(row);
    place.left = column.left;
    place.width = column.width;
    ItemDefinition memo = memoItem(name.constData(), place, tab, kMemoLines, sample.constData(), 0, kMemoLines);
    memo.wrapsAlways = true;
    return memo;
}

QList<ItemDefinition> labels()
{
    const struct
    {
        const char *name;
        const char *caption;
    } captions[] = {
        {"STALY_RokSzkolny_STR1_DATA_LABEL", "Rok szkolny"},
        {"STALY_Klasa_STR1_DATA_LABEL", "Klasa"},
        {"STALY_Nazwa1_STR1_DATA_LABEL", "Nazwa i adres jednostki organizacyjnej,"},
        {"STALY_Nazwa2_STR1_DATA_LABEL", "w której prowadzone są zajęcia praktyczne"},
        {"STALY_RodzajZajec_STR1_DATA_LABEL", "Rodzaj zajęć"},
        {"STALY_LiczbaGodzin1_STR1_DATA_LABEL", "Liczba"},
        {"STALY_LiczbaGodzin2_STR1_DATA_LABEL", "godzin"},
        {"STALY_Ocena_STR1_DATA_LABEL", "Ocena"},
        {"STALY_DataIPodpis1_STR1_DATA_LABEL", "Data i podpis"},
        {"STALY_DataIPodpis2_STR1_DATA_LABEL", "osoby wypełniającej"},
        {"STALY_DataIPodpis3_STR1_DATA_LABEL", "arkusz ocen"},
        {"STALY_Str_STR1_DATA_LABEL", "Str."},
        {"STALY_ZajPraktyczne_STR1_DATA_LABEL", "ZAJĘCIA PRAKTYCZNE"},
    };
    QList<ItemDefinition> items;
    for (const auto &label : captions)
        items << labelItem(label.name, label.caption, {QStringLiteral("MS Sans Serif"), 11});
    return items;
}

} // namespace

DocumentDefinition sheetPracticalPage()
{
    DocumentDefinition definition = familyDefinition(DocumentFamily::SheetPractical, QSize(1158, 734));
    // Stored row by row; the tab chain follows the same order.
    int tab = 0;
    for (int row = 1; row <= kRowCount; ++row)
        for (const Column &column : kColumns)
            definition.items << cell(column, row, tab++);
    definition.items << editItem("ZMIENNA_Str_STR1_DATA_EDIT", {1082, 720, 40}, tab, ItemSource::User, 0, "5");
    definition.items += labels();
    return definition;
}

} // namespace krevol::catalogue
