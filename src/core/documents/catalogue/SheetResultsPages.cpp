// The results pages of the grade sheets: a table of rows with one column per
// school year. Two-column pages hold both columns, one-column pages column 1
// only; the items of every row and column are made from one row table.
#include "CatalogueParts.h"

namespace krevol::catalogue {

namespace {

enum Row {
    Year,
    Class,
    Register,
    Behaviour,
    Religion,
    Functioning,
    PhysicalEducation,
    WorkPreparation,
    Additional1,
    Additional2,
    Additional3,
    Achievements,
    HoursMissed,
    HoursUnexcused,
    Resolution,
};

// One row of the table. In the name and the sample "%1" stands for the column
// digit; a memo's sample holds "%d" for its line numbers, which start at 0.
struct ResultRow
{
    ItemKind kind;
    const char *name;
    int top;
    int height;
    int lineLimit;
    const char *sample;
    int sampleLines;
    // The additional classes name their class once for both columns.
    const char *className = nullptr;
    const char *classSample = nullptr;
};

const ResultRow kRows[] = {
    {ItemKind::Edit, "ZMIENNA_Rok%1_DATA_EDIT", 21, 21, 0, "rok%1", 0},
    {ItemKind::Edit, "ZMIENNA_Klasa%1_DATA_EDIT", 43, 21, 0, "klasa%1", 0},
    {ItemKind::Edit, "ZMIENNA_NrDziennika%1_DATA_EDIT", 65, 21, 0, "nr dziennika%1", 0},
    {ItemKind::Memo, "ZMIENNA_Zachowanie%1_DATA_MEMO", 108, 75, 4, "zachowanie %1 linia %d", 4},
    {ItemKind::ComboBox, "ZMIENNA_ReligiaOcn%1_DATA_COMBOBOX", 183, 21, 0, "religia%1", 0},
    {ItemKind::Memo, "ZMIENNA_FunkcjonowanieWSrod%1_DATA_MEMO", 235, 143, 8, "funkcj. w środ. %1 linia %d", 8},
    {ItemKind::Memo, "ZMIENNA_Wf%1_DATA_MEMO", 379, 71, 4, "wf %1 linia %d", 4},
    {ItemKind::Memo, "ZMIENNA_PrzysDoPracy%1_DATA_MEMO", 452, 214, 13, "przys. do pracy ocn %1 linia %d", 13},
    {ItemKind::Edit, "ZMIENNA_DodEduOcn1%1_DATA_EDIT", 689, 21, 0, "dod. edu ocn 1%1", 0,
     "ZMIENNA_DodEduOpis1_DATA_EDIT", "dod. edu opis 1"},
    {ItemKind::Edit, "ZMIENNA_DodEduOcn2%1_DATA_EDIT", 711, 21, 0, "dod. edu ocn 2%1", 0,
     "ZMIENNA_DodEduOpis2_DATA_EDIT", "dod. edu opis 2"},
    {ItemKind::Edit, "ZMIENNA_DodEduOcn3%1_DATA_EDIT", 733, 21, 0, "dod. edu ocn 3%1", 0,
     "ZMIENNA_DodEduOpis3_DATA_EDIT", "dod. edu opis 3"},
    {ItemKind::Memo, "ZMIENNA_Szczegolne%1_DATA_MEMO", 755, 162, 8, "szczegolne %1 linia %d", 8},
    {ItemKind::Edit, "ZMIENNA_GodzOpuszczoneOgolem%1_DATA_EDIT", 918, 21, 0, "godz. op. %1", 0},
    {ItemKind::Edit, "ZMIENNA_OpuszczoneNieusp%1_DATA_EDIT", 940, 21, 0, "godz. op. nieusp. %1", 0},
    // Seven sample lines, of which the limit keeps five.
    {ItemKind::Memo, "ZMIENNA_DataUchwaly%1_DATA_MEMO", 962, 92, 5, "uchwala %1 linia %d", 7},
};

// Column 0 is the name of an additional class.
struct Slot
{
    Row row;
    int column;
};

// The order of the field lines; a one-column page leaves out column 2.
const Slot kStorageOrder[] = {
    {Year, 1}, {Year, 2}, {Class, 1}, {Class, 2}, {Register, 1}, {Register, 2},
    {Religion, 1}, {Religion, 2}, {Achievements, 1}, {Achievements, 2},
    {HoursMissed, 1}, {HoursUnexcused, 1}, {HoursMissed, 2}, {HoursUnexcused, 2},
    {Resolution, 1}, {Resolution, 2}, {Additional3, 0}, {Behaviour, 1}, {Behaviour, 2},
    {WorkPreparation, 1}, {WorkPreparation, 2}, {Additional2, 0}, {Additional1, 0},
    {PhysicalEducation, 1}, {PhysicalEducation, 2}, {Functioning, 1}, {Functioning, 2},
    {Additional1, 1}, {Additional2, 1}, {Additional3, 1}, {Additional1, 2}, {Additional2, 2}, {Additional3, 2},
};

// Edits and combo boxes take at most this many characters.
constexpr int kLineLimit = 40;

struct PageVariant
{
    int columns;
    int sheetPageCode; // the page code the certificates copy their results to
    const char *pageNumber;
    bool hasSamples;
};

PageVariant variantOf(ResultsPageForm form)
{
    switch (form) {
    case ResultsPageForm::GradeSheetPage2:
        return {2, 2, "str. 2", true};
    case ResultsPageForm::SpecialPage2:
        return {1, 4, "str. 2", true};
    case ResultsPageForm::SpecialPage3:
        // Shares its calibration with page 2, whose samples stand for both.
        return {1, 5, "str. 3", false};
    case ResultsPageForm::SpecialPage4:
        return {2, 6, "str. 4", true};
    }
    return {};
}

Place columnPlace(int column, int columns, const ResultRow &row)
{
    if (column == 0)
        return {54, row.top, 253, row.height};
    const int width = columns == 1 ? 511 : 254;
    return {column == 1 ? 310 : 566, row.top, width, row.height};
}

ItemDefinition slotItem(const Slot &slot, int columns)
{
    const ResultRow &row = kRows[slot.row];
    const Place place = columnPlace(slot.column, columns, row);
    if (slot.column == 0)
        return editItem(row.className, place, -1, ItemSource::User, kLineLimit, row.classSample);

    const QByteArray name = QString::fromUtf8(row.name).arg(slot.column).toUtf8();
    const QByteArray sample = QString::fromUtf8(row.sample).arg(slot.column).toUtf8();
    switch (row.kind) {
    case ItemKind::Memo:
        return memoItem(name.constData(), place, -1, row.lineLimit, sample.constData(), 0, row.sampleLines);
    case ItemKind::ComboBox:
        return comboItem(name.constData(), place, -1, kLineLimit, sample.constData(), religionGrades());
    default:
        return editItem(name.constData(), place, -1, ItemSource::User, kLineLimit, sample.constData());
    }
}

struct Heading
{
    const char *name;
    const char *caption;
    bool bold = false;
};

// All in the dialog font; WynikiKlasyfikacji2 heads column 2 and is added
// after LiczbaOpuszczonychGodzin3 on the two-column pages.
const Heading kLabels[] = {
    {"STALY_Lp_DATA_LABEL", "Lp."},
    {"STALY_RokSzkolny_DATA_LABEL", "Rok szkolny"},
    {"STALY_KlasaSemestr_DATA_LABEL", "Klasa (słownie)"},
    {"STALY_NrKolejnyWDzienniku_DATA_LABEL", "Nr kolejny w dzienniku lekcyjnym"},
    {"STALY_WynikiKlasyfikacji1_DATA_LABEL", "Wyniki klasyfikacji rocznej"},
    {"STALY_Lp1_DATA_LABEL", "1"},
    {"STALY_Zachowanie_DATA_LABEL", "Zachowanie"},
    {"STALY_Lp2_DATA_LABEL", "2"},
    {"STALY_Religia_DATA_LABEL", "Religia / etyka"},
    {"STALY_ObowiazkoweZajeciaEdukacyjne_DATA_LABEL", "Obowiązkowe zajęcia edukacyjne", true},
    {"STALY_Lp3_DATA_LABEL", "3"},
    {"STALY_Lp4_DATA_LABEL", "4"},
    {"STALY_Lp5_DATA_LABEL", "5"},
    {"STALY_Wf_DATA_LABEL", "Wychowanie fizyczne"},
    {"STALY_DodatkoweZajeciaEdu_DATA_LABEL", "Dodatkowe zajęcia edukacyjne", true},
    {"STALY_Lp8_DATA_LABEL", "8"},
    {"STALY_Lp12_DATA_LABEL", "12"},
    {"STALY_SzczegolneOsiagniecia_DATA_LABEL", "Szczególne osiągnięcia", true},
    {"STALY_PrzysDoPRacy_DATA_LABEL", "Przysposobienie do pracy"},
    {"STALY_LiczbaOpuszczonychGodzin1_DATA_LABEL", "Liczba "},
    {"STALY_LiczbaOpuszczonychGodzin2_DATA_LABEL", "opuszczo-"},
    {"STALY_LiczbaOpuszczonychGodzin4_DATA_LABEL", "godzin"},
    {"STALY_Ogolem_DATA_LABEL", "ogółem"},
    {"STALY_WTymNieusprawiedliwionych1_DATA_LABEL", "w tym nieuspra-"},
    {"STALY_WTymNieusprawiedliwionych2_DATA_LABEL", "wiedliwionych"},
    {"STALY_DataUchwaly1_DATA_LABEL", "Data uchwały rady pedagogicznej:"},
    {"STALY_DataUchwaly2_DATA_LABEL", "1) promowany"},
    {"STALY_DataUchwaly3_DATA_LABEL", "2) niepromowany"},
    {"STALY_DataUchwaly4_DATA_LABEL", "3) ukończył szkołę"},
    {"STALY_DataUchwaly5_DATA_LABEL", "4) nie ukończył szkoły"},
    {"STALY_DataPodpis1_DATA_LABEL", "Data i podpis osoby"},
    {"STALY_DataPodpis2_DATA_LABEL", "wypełniającej arkusz ocen"},
    {"STALY_Strona_DATA_LABEL", ""}, // the page number, per page
    {"STALY_FunWSrodowisku2_DATA_LABEL", "i społeczne"},
    {"STALY_LiczbaOpuszczonychGodzin3_DATA_LABEL", "nych"},
    {"STALY_FunWSrodowisku1_DATA_LABEL", "Funkcjonowanie osobiste"},
    {"STALY_Lp6_DATA_LABEL", "6"},
    {"STALY_Lp7_DATA_LABEL", "7"},
    {"STALY_Lp9_DATA_LABEL", "9"},
    {"STALY_Lp10_DATA_LABEL", "10"},
    {"STALY_Lp11_DATA_LABEL", "11"},
};

LabelFont dialogFont(bool bold)
{
    return {QStringLiteral("MS Sans Serif"), 11, bold, false};
}

QList<ItemDefinition> labels(const PageVariant &variant)
{
    QList<ItemDefinition> items;
    for (const Heading &heading : kLabels)
        items << labelItem(heading.name, heading.caption, dialogFont(heading.bold));
    setCaption(items, "STALY_Strona_DATA_LABEL", variant.pageNumber);
    if (variant.columns == 2)
        insertAfter(items, "STALY_LiczbaOpuszczonychGodzin3_DATA_LABEL",
                    labelItem("STALY_WynikiKlasyfikacji2_DATA_LABEL", "Wyniki klasyfikacji rocznej",
                              dialogFont(false)));
    return items;
}

} // namespace

DocumentDefinition sheetResultsPage(ResultsPageForm form)
{
    const PageVariant variant = variantOf(form);
    DocumentDefinition definition = familyDefinition(
        variant.columns == 2 ? DocumentFamily::SheetTwoColumns : DocumentFamily::SheetOneColumn, QSize(841, 1200));
    definition.sheetPageCode = variant.sheetPageCode;
    definition.hasSamples = variant.hasSamples;
    for (const Slot &slot : kStorageOrder)
        if (slot.column <= variant.columns)
            definition.items << slotItem(slot, variant.columns);
    if (!variant.hasSamples)
        for (ItemDefinition &item : definition.items) {
            item.sample.clear();
            item.sampleFirstNumber = item.sampleLineCount = 0;
        }
    numberTabsInReadingOrder(definition.items, 0);
    definition.items += labels(variant);
    return definition;
}

} // namespace krevol::catalogue
