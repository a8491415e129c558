// Page 1 of the two grade sheets. The MEN-I/41/2 page is the table; the
// MEN-I/41b/2 page differs in three captions and one field.
#include "CatalogueParts.h"

namespace krevol::catalogue {

namespace {

using enum ItemSource;

// In storage order. The six entries of a non-public school come first in the
// tab chain; the others follow in reading order (numbered afterwards).
QList<ItemDefinition> variableItems()
{
    return {
        editItem("ZMIENNA_NazwaSzkoly1_DATA_EDIT", {456, 145, 316}, -1, User, 0, "nazwa szkoły 1"),
        editItem("ZMIENNA_NazwaSzkoly2_DATA_EDIT", {456, 176, 316}, -1, User, 0, "nazwa szkoły 2"),
        editItem("ZMIENNA_NazwaSzkoly3_DATA_EDIT", {456, 207, 316}, -1, User, 0, "nazwa szkoły 3"),
        editItem("ZMIENNA_ImieNazwisko_DATA_EDIT", {21, 259, 751}, -1, Derived, 0, "imię nazwisko"),
        editItem("ZMIENNA_UrodzonyA_DATA_EDIT", {61, 290, 16}, -1, Derived, 0, "a"),
        editItem("ZMIENNA_UrodzonyDnia_DATA_EDIT", {101, 290, 149}, -1, Derived, 0, "1 stycznia"),
        editItem("ZMIENNA_UrodzonyRok_DATA_EDIT", {253, 290, 61}, -1, Derived, 0, "2012"),
        // Filled from the student data only while empty, so it stays the user's.
        editItem("ZMIENNA_UrodzonyMiasto_DATA_EDIT", {339, 290, 433}, -1, User, 0, "ur. miasto"),
        editItem("ZMIENNA_Pesel1_DATA_EDIT", {93, 317, 20}, -1, Derived, 0, "1"),
        editItem("ZMIENNA_PrzyjetyA_DATA_EDIT", {350, 318, 19}, -1, Derived, 0, "a"),
        editItem("ZMIENNA_RokSzkolny1_DATA_EDIT", {461, 318, 140}, -1, User, 0, "2011"),
        editItem("ZMIENNA_RokSzkolny2_DATA_EDIT", {624, 318, 148}, -1, User, 0, "2012"),
        editItem("ZMIENNA_DoKlasyNaSemestr_DATA_EDIT", {64, 344, 232}, -1, User, 0, "klasa / semestr"),
        editItem("ZMIENNA_WpisanyA_DATA_EDIT", {341, 344, 20}, -1, Derived, 0, "a"),
        editItem("ZMIENNA_KsiegaUczenNr_DATA_EDIT", {525, 345, 247}, -1, User, 0, "12345"),
        editItem("ZMIENNA_AdresZamieszkaniaUcznia_DATA_EDIT", {160, 373, 611}, -1, User, 0, "adres zamieszkania 1"),
        editItem("ZMIENNA_ImionaNazwiskaRodzicowIAdresy1_DATA_EDIT", {288, 400, 484}, -1, User, 0,
                 "imiona nazwiska rodziców, adres 1"),
        editItem("ZMIENNA_ImionaNazwiskaRodzicowIAdresy2_DATA_EDIT", {22, 427, 750}, -1, User, 0,
                 "imiona nazwiska rodziców, adres 2"),
        editItem("ZMIENNA_ImionaNazwiskaRodzicowIAdresy3_DATA_EDIT", {22, 453, 750}, -1, User, 0,
                 "imiona nazwiska rodziców, adres 3"),
        editItem("ZMIENNA_InformacjaOIndywidualnymProgramie1_DATA_EDIT", {282, 598, 487}, -1, User, 0,
                 "indywidualny program 1"),
        editItem("ZMIENNA_InformacjaOIndywidualnymProgramie2_DATA_EDIT", {22, 624, 747}, -1, User, 0,
                 "indywidualny program 2"),
        editItem("ZMIENNA_InformacjaOWydluzeniuEtapu1_DATA_EDIT", {245, 649, 524}, -1, User, 0, "wydluzeniu etapu 1"),
        editItem("ZMIENNA_InformacjaOWydluzeniuEtapu2_DATA_EDIT", {23, 674, 746}, -1, User, 0, "wydluzeniu etapu 2"),
        editItem("ZMIENNA_InformacjaOInnowacjach1_DATA_EDIT", {250, 750, 519}, -1, User, 0, "innowacje 1"),
        editItem("ZMIENNA_InformacjaOInnowacjach2_DATA_EDIT", {21, 775, 748}, -1, User, 0, "innowacje 2"),
        editItem("ZMIENNA_DokonanoSprostowaniaSwiadectwa_DATA_EDIT", {331, 800, 438}, -1, User, 0,
                 "sprostowanie świadectwa"),
        editItem("ZMIENNA_WydanoSwiadectwoUkonczeniaSzkoly_DATA_EDIT", {220, 832, 549}, -1, User, 0,
                 "świadectwo ukończenia szkoły"),
        editItem("ZMIENNA_WydanoDuplikatSwiadectwa1_DATA_EDIT", {169, 864, 600}, -1, User, 0, "duplikat świadectwa 1"),
        editItem("ZMIENNA_WydanoDuplikatSwiadectwa2_DATA_EDIT", {21, 896, 748}, -1, User, 0, "duplikat świadectwa 2"),
        editItem("ZMIENNA_SporzadzonoOdpisArkuszaOcen_DATA_EDIT", {187, 921, 582}, -1, User, 0, "odpis arkusza"),
        editItem("ZMIENNA_DataPrzyczynaOpuszczeniaSzkoly1_DATA_EDIT", {207, 953, 562}, -1, User, 0,
                 "data / przyczyna opuszczenia szkoły 1"),
        editItem("ZMIENNA_DataPrzyczynaOpuszczeniaSzkoly2_DATA_EDIT", {21, 978, 748}, -1, User, 0,
                 "data / przyczyna opuszczenia szkoły 2"),
        editItem("ZMIENNA_InformacjaOWydluzeniuEtapu3_DATA_EDIT", {23, 700, 746}, -1, User, 0, "wydluzeniu etapu 3"),
        editItem("ZMIENNA_InformacjaOWydluzeniuEtapu4_DATA_EDIT", {23, 725, 746}, -1, User, 0, "wydluzeniu etapu 4"),
        editItem("ZMIENNA_Pesel2_DATA_EDIT", {113, 317, 20}, -1, Derived, 0, "2"),
        editItem("ZMIENNA_Pesel3_DATA_EDIT", {132, 317, 20}, -1, Derived, 0, "3"),
        editItem("ZMIENNA_Pesel4_DATA_EDIT", {152, 317, 20}, -1, Derived, 0, "4"),
        editItem("ZMIENNA_Pesel5_DATA_EDIT", {172, 317, 20}, -1, Derived, 0, "5"),
        editItem("ZMIENNA_Pesel6_DATA_EDIT", {192, 317, 20}, -1, Derived, 0, "6"),
        editItem("ZMIENNA_Pesel7_DATA_EDIT", {213, 317, 20}, -1, Derived, 0, "7"),
        editItem("ZMIENNA_Pesel8_DATA_EDIT", {233, 317, 20}, -1, Derived, 0, "8"),
        editItem("ZMIENNA_Pesel9_DATA_EDIT", {253, 317, 20}, -1, Derived, 0, "9"),
        editItem("ZMIENNA_Pesel10_DATA_EDIT", {273, 317, 20}, -1, Derived, 0, "0"),
        editItem("ZMIENNA_Pesel11_DATA_EDIT", {293, 317, 20}, -1, Derived, 0, "1"),
        editItem("ZMIENNA_SzkolaNiepublicznaProwadzonaPrzez1_DATA_EDIT", {45, 143, 361}, 0, User, 0,
                 "szkoła prowadzona przez"),
        editItem("ZMIENNA_SzkolaNiepublicznaPodNr_DATA_EDIT", {81, 165, 95}, 1, User, 0, "12345"),
        editItem("ZMIENNA_UprawnieniaNadanePrzez1_DATA_EDIT", {116, 189, 290}, 2, User, 0, "nadane przez 1"),
        editItem("ZMIENNA_UprawnieniaNadanePrzez2_DATA_EDIT", {46, 213, 99}, 3, User, 0, "nadane przez 2"),
        editItem("ZMIENNA_DecyzjaNr_DATA_EDIT", {200, 213, 73}, 4, User, 0, "12345"),
        editItem("ZMIENNA_DecyzjaZDnia_DATA_EDIT", {304, 213, 102}, 5, User, 0, "1 stycznia"),
    };
}

// Arial at the printed form's sizes: the titles (16) bold.
LabelFont arial(int pixelHeight)
{
    return {QStringLiteral("Arial"), pixelHeight, pixelHeight == 16, false};
}

QList<ItemDefinition> labels()
{
    return {
        labelItem("STALY_DataPodpisDyrSzkoly1_DATA_LABEL", "(data i podpis dyrektora szkoły)", arial(9)),
        labelItem("STALY_DataPrzyczynaOpuszczeniaSzkoly_DATA_LABEL", "Data i przyczyna opuszczenia szkoły", arial(11)),
        labelItem("STALY_DataPodpisDyrSzkoly_DATA_LABEL", "(data i podpis dyrektora szkoły)", arial(9)),
        labelItem("STALY_SporzadzonoOdpisArkuszaOcen_DATA_LABEL", "Sporządzono odpis arkusza ocen", arial(11)),
        labelItem("STALY_DataTozsamoscOsobyOdbierajacejDuplikat_DATA_LABEL",
                  "(data, tożsamość osoby odbierającej duplikat i oznaczenie dokumentu tożsamości oraz podpis "
                  "dyrektora szkoły)",
                  arial(9)),
        labelItem("STALY_WydanoDuplikatSwiadectwa_DATA_LABEL", "Wydano duplikat świadectwa", arial(11)),
        labelItem("STALY_DataIPodpisWychowawcyKlasy_DATA_LABEL", "(data i podpis wychowawcy klasy)", arial(9)),
        labelItem("STALY_WydanoSwiadectwoUkonczeniaSzkoly_DATA_LABEL", "Wydano świadectwo ukończenia szkoły",
                  arial(11)),
        labelItem("STALY_DataIPodpisDyrSzkoly_DATA_LABEL", "(data i podpis dyrektora szkoły)", arial(9)),
        labelItem("STALY_DokonanoSprostowaniaSwiadectwa_DATA_LABEL",
                  "Dokonano sprostowania świadectwa szkolnego promocyjnego", arial(11)),
        labelItem("STALY_InformacjaOInnowacjach_DATA_LABEL", "Informacja o innowacjach lub eksperymentach", arial(11)),
        labelItem("STALY_InformacjaOWydluzeniuEtapu_DATA_LABEL", "Informacja o wydłużeniu etapu edukacyjnego",
                  arial(11)),
        labelItem("STALY_InformacjaOIndywidualnymProgramie_DATA_LABEL",
                  "Informacja o indywidualnym programie edukacyjnym", arial(11)),
        labelItem("STALY_PieczecPodpisDyrektora_DATA_LABEL", "(pieczęć i podpis dyrektora szkoły)", arial(9)),
        labelItem("STALY_SkalaOcen1_DATA_LABEL", "Skala ocen:", arial(9)),
        labelItem("STALY_SkalaOcen2_DATA_LABEL", "1) zachowanie, zajęcia edukacyjne: ocena opisowa;", arial(9)),
        labelItem("STALY_ImionaNazwiskaRodzicowIAdresy_DATA_LABEL",
                  "Imiona i nazwiska rodziców i adresy ich zamieszkania", arial(11)),
        labelItem("STALY_AdresZamieszkaniaUcznia_DATA_LABEL", "Adres zamieszkania ucznia", arial(11)),
        labelItem("STALY_DoKsiegiUczniow_DATA_LABEL", "do księgi uczniów pod numerem", arial(11)),
        labelItem("STALY_WpisanyA_DATA_LABEL", "Wpisan", arial(11)),
        labelItem("STALY_DoKlasyNaSemestr_DATA_LABEL", "do klasy", arial(11)),
        labelItem("STALY_NrPesel_DATA_LABEL", "numer PESEL", arial(11)),
        labelItem("STALY_Przyjety_DATA_LABEL", "Przyjęt", arial(11)),
        labelItem("STALY_WRokuSzkolnym_DATA_LABEL", "w roku szkolnym", arial(11)),
        labelItem("STALY_RokSzkolnySlash_DATA_LABEL", "/", arial(11)),
        labelItem("STALY_Urodzony_DATA_LABEL", "Urodzon", arial(11)),
        labelItem("STALY_UrDnia_DATA_LABEL", "dnia", arial(11)),
        labelItem("STALY_UrRok_DATA_LABEL", "r.", arial(11)),
        labelItem("STALY_UrW_DATA_LABEL", "w", arial(11)),
        labelItem("STALY_ImieNazwisko_DATA_LABEL", "imię (imiona) i nazwisko", arial(9)),
        labelItem("STALY_NazwaSzkoly_DATA_LABEL", "(nazwa szkoły)", arial(9)),
        labelItem("STALY_ArkuszOcenTytul1_DATA_LABEL", "ARKUSZ OCEN UCZNIA", arial(16)),
        labelItem("STALY_ArkuszOcenTytul2_DATA_LABEL", "Z UPOŚLEDZENIEM UMYSŁOWYM W STOPNIU", arial(16)),
        labelItem("STALY_PieczecPodlSzkoly_DATA_LABEL", "(pieczęć podłużna szkoły)", arial(9)),
        labelItem("STALY_ArkuszOcenTytul3_DATA_LABEL", "UMIARKOWANYM LUB ZNACZNYM ORAZ UCZNIA", arial(16)),
        labelItem("STALY_MEN_DATA_LABEL", "MEN-I/41/2", arial(13)),
        labelItem("STALY_Strona_DATA_LABEL", "str. 1", arial(13)),
        labelItem("STALY_SkalaOcen3_DATA_LABEL", "2) religia / etyka: celujący, bardzo dobry, dobry,", arial(9)),
        labelItem("STALY_SkalaOcen4_DATA_LABEL", "dostateczny, dopuszczający, niedostateczny.", arial(9)),
        labelItem("STALY_ArkuszOcenTytul4_DATA_LABEL", "Z NIEPEŁNOSPRAWNOŚCIAMI SPRZĘŻONYMI", arial(16)),
        labelItem("STALY_ArkuszOcenTytul6_DATA_LABEL", "SPECJALNEJ PRZYSPOSABIAJĄCEJ DO PRACY", arial(16)),
        labelItem("STALY_SzkolaJestWpisanaDoEwidencji_DATA_LABEL",
                  "Szkoła jest wpisana do ewidencji szkół niepublicznych prowadzonej przez", arial(11)),
        labelItem("STALY_SzkolaNiepPodNr_DATA_LABEL", "pod nr", arial(11)),
        labelItem("STALY_WypelniaSzkolaNiepubliczna_DATA_LABEL", "(wypełnia szkoła niepubliczna)",
                  {QStringLiteral("Arial"), 9, false, true}),
        labelItem("STALY_SzkolaPosiadaUprawnienia_DATA_LABEL", ". Szkoła posiada uprawnienia szkoły publicznej",
                  arial(11)),
        labelItem("STALY_NadanePrzez_DATA_LABEL", "nadane przez", arial(11)),
        labelItem("STALY_DecyzjaNr_DATA_LABEL", "decyzją nr", arial(11)),
        labelItem("STALY_ZDnia_DATA_LABEL", "z dnia", arial(11)),
        labelItem("STALY_ArkuszOcenTytul5_DATA_LABEL", "UCZĘSZCZAJĄCEGO DO SZKOŁY", arial(16)),
    };
}

// MEN-I/41b/2 words the extension of the stage as an extension of the period
// of learning, and its form prints the fourth title line as it stands here.
void makeSpecialGradeSheet(QList<ItemDefinition> &items)
{
    itemNamed(items, "ZMIENNA_InformacjaOWydluzeniuEtapu1_DATA_EDIT").editorRect = QRect(216, 649, 553, kLineHeight);
    setCaption(items, "STALY_InformacjaOWydluzeniuEtapu_DATA_LABEL", "Informacja o przedłużeniu okresu nauki");
    setCaption(items, "STALY_MEN_DATA_LABEL", "MEN-I/41b/2");
    setCaption(items, "STALY_ArkuszOcenTytul4_DATA_LABEL", "Z NIEPEŁNOSPRAWNŚCIAMI SPRZĘŻONYMI");
}

} // namespace

DocumentDefinition sheetFirstPage(FirstPageForm form)
{
    // The 760 x 1169 picture of the form is shown stretched to this size.
    DocumentDefinition definition = familyDefinition(DocumentFamily::SheetFirstPage, QSize(798, 1258));
    definition.items = variableItems() + labels();
    numberTabsInReadingOrder(definition.items, 6);
    if (form == FirstPageForm::SpecialGradeSheet)
        makeSpecialGradeSheet(definition.items);
    return definition;
}

} // namespace krevol::catalogue
