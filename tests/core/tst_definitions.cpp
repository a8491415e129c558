// The document definitions against the forms' item tables, written out again
// here by hand: the catalogue, the item names in declaration order, and the
// attributes that the model, the editors and the renderers depend on.
#include "documents/DocumentDefinition.h"

#include <QtTest>

using namespace krevol;

Q_DECLARE_METATYPE(krevol::DocumentFamily)

namespace {

const DocumentDefinition &definitionAt(int index)
{
    return index < 0 ? studentDefinition() : documentDefinition(index);
}

QList<int> repeated(int value, int count)
{
    return QList<int>(count, value);
}

QList<int> counting(int from, int count)
{
    QList<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers << from + i;
    return numbers;
}

// ---- Item names in declaration order.

const QStringList kStudentVariables = {
    "Imie_DATA_EDIT",           "UrodzonyDnia_DATA_EDIT",       "Plec_DATA_COMBOBOX",
    "UrodzonyRok_DATA_COMBOBOX", "UrodzonyMiasto_DATA_COMBOBOX", "UrodzonyWoj_DATA_COMBOBOX",
    "NrDziennika_DATA_EDIT",    "Nazwisko_DATA_EDIT",           "NrPesel_DATA_EDIT",
};

const QStringList kCertificatePage2Variables = {
    "ZMIENNA_Zachowanie_STR2_DATA_MEMO",
    "ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX",
    "ZMIENNA_FunkcjonowanieSpoleczne_STR2_DATA_MEMO",
    "ZMIENNA_WychowanieFizyczne_STR2_DATA_MEMO",
    "ZMIENNA_PrzysposobienieDoPracy_STR2_DATA_MEMO",
    "ZMIENNA_DodatkoweZajeciaEdu_STR2_DATA_MEMO",
    "ZMIENNA_Szczegolne_STR2_DATA_MEMO",
};

const QStringList kClassVariables = QStringList{
    "ZMIENNA_ImieNazwisko_STR1_DATA_EDIT",    "ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT",
    "ZMIENNA_NrPesel_STR1_DATA_EDIT",         "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT",
    "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT",     "ZMIENNA_Klasa_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT", "ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT",
    "ZMIENNA_ImieSzkoly1_STR1_DATA_EDIT",     "ZMIENNA_ImieSzkoly2_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT",    "ZMIENNA_SzkolaWoj_STR1_DATA_EDIT",
    "ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT",   "ZMIENNA_Miejscowosc_STR1_DATA_EDIT",
    "ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT", "ZMIENNA_MiejscowoscRok_STR1_DATA_EDIT",
    "ZMIENNA_NrNaSwiadectwie_STR1_DATA_EDIT", "ZMIENNA_DataUrodzenia_STR1_DATA_EDIT",
    "ZMIENNA_TakNieOtrzymal_STR1_DATA_EDIT",  "ZMIENNA_RealizowalA_STR1_DATA_EDIT",
    "ZMIENNA_PromocjiE_STR1_DATA_EDIT",       "ZMIENNA_UczeszczalA_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaWE_STR1_DATA_EDIT",        "ZMIENNA_NrSzkoly_STR1_DATA_EDIT",
    "ZMIENNA_OtrzymalA_STR1_DATA_EDIT",
} + kCertificatePage2Variables;

const QStringList kCompletionVariables = QStringList{
    "ZMIENNA_ImieNazwisko_STR1_DATA_EDIT",    "ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT",
    "ZMIENNA_NrPesel_STR1_DATA_EDIT",         "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT",
    "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT",     "ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT", "ZMIENNA_ImieSzkoly1_STR1_DATA_EDIT",
    "ZMIENNA_ImieSzkoly2_STR1_DATA_EDIT",     "ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaWoj_STR1_DATA_EDIT",       "ZMIENNA_Miejscowosc_STR1_DATA_EDIT",
    "ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT", "ZMIENNA_MiejscowoscRok_STR1_DATA_EDIT",
    "ZMIENNA_NrNaSwiadectwie_STR1_DATA_EDIT", "ZMIENNA_DataUrodzenia_STR1_DATA_EDIT",
    "ZMIENNA_RealizowalA_STR1_DATA_EDIT",     "ZMIENNA_UkonczylA_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaWE_STR1_DATA_EDIT",        "ZMIENNA_NrSzkoly_STR1_DATA_EDIT",
} + kCertificatePage2Variables;

const QStringList kCertificatePage2Labels = {
    "STALY_SkalaOcen1_STR2_DATA_LABEL",
    "STALY_SkalaOcen2_STR2_DATA_LABEL",
    "STALY_SkalaOcen3_STR2_DATA_LABEL",
    "STALY_SkalaOcen4_STR2_DATA_LABEL",
    "STALY_WynKlasyfikacji_STR2_DATA_LABEL",
    "STALY_Zachowanie_STR2_DATA_LABEL",
    "STALY_Religia_STR2_DATA_LABEL",
    "STALY_ObowiazkoweZajecia_STR2_DATA_LABEL",
    "STALY_FunkcjonowanieSpoleczne_STR2_DATA_LABEL",
    "STALY_WychowanieFizyczne_STR2_DATA_LABEL",
    "STALY_PrzysposobienieDoPracy_STR2_DATA_LABEL",
    "STALY_DodatkoweZajeciaEdu_STR2_DATA_LABEL",
    "STALY_SzczegolneOsiagniecia_STR2_DATA_LABEL",
    "STALY_Wychowawca_STR2_DATA_LABEL",
};

const QStringList kClassLabels = QStringList{
    "STALY_SwiadectwoSzkolne_STR1_DATA_LABEL",
    "STALY_ImieNazwisko_STR1_DATA_LABEL",
    "STALY_DataUrodzenia_STR1_DATA_LABEL",
    "STALY_Uczeszczal_STR1_DATA_LABEL",
    "STALY_WRokuSzkolnym_STR1_DATA_LABEL",
    "STALY_Slash_STR1_DATA_LABEL",
    "STALY_DoKlasy_STR1_DATA_LABEL",
    "STALY_Im_STR1_DATA_LABEL",
    "STALY_SzkolaW_STR1_DATA_LABEL",
    "STALY_SzkolaWoj_STR1_DATA_LABEL",
    "STALY_Otrzymal_STR1_DATA_LABEL",
    "STALY_Promocji_STR1_DATA_LABEL",
    "STALY_PromDoKlasy_STR1_DATA_LABEL",
    "STALY_MiejscDnia_STR1_DATA_LABEL",
    "STALY_MiejscRok_STR1_DATA_LABEL",
    "STALY_NrSwiadectwa_STR1_DATA_LABEL",
    "STALY_OTrzyletnim_STR1_DATA_LABEL",
    "STALY_MEN_STR1_DATA_LABEL",
    "STALY_Miejscowosc_STR1_DATA_LABEL",
    "STALY_PodpisDyrektora_STR1_DATA_LABEL",
    "STALY_MiejsceUrodzenia_STR1_DATA_LABEL",
    "STALY_NrPesel_STR1_DATA_LABEL",
    "STALY_NazwaZasadniczejSzkoly_STR1_DATA_LABEL",
    "STALY_NrSzkoly_STR1_DATA_LABEL",
    "STALY_I_STR1_DATA_LABEL",
    "STALY_ZUwzglednieniem_STR1_DATA_LABEL",
    "STALY_ProgramPrzys_STR1_DATA_LABEL",
} + kCertificatePage2Labels;

const QStringList kCompletionLabels = QStringList{
    "STALY_SwiadectwoUkonczenia_STR1_DATA_LABEL",
    "STALY_SzkolyPrzysposabiajacej_STR1_DATA_LABEL",
    "STALY_ImieNazwisko_STR1_DATA_LABEL",
    "STALY_DataUrodzenia_STR1_DATA_LABEL",
    "STALY_Ukonczyl_STR1_DATA_LABEL",
    "STALY_WRokuSzkolnym_STR1_DATA_LABEL",
    "STALY_Slash_STR1_DATA_LABEL",
    "STALY_Im_STR1_DATA_LABEL",
    "STALY_SzkolaW_STR1_DATA_LABEL",
    "STALY_SzkolaWoj_STR1_DATA_LABEL",
    "STALY_MiejscDnia_STR1_DATA_LABEL",
    "STALY_MiejscRok_STR1_DATA_LABEL",
    "STALY_NrSwiadectwa_STR1_DATA_LABEL",
    "STALY_OTrzyletnim_STR1_DATA_LABEL",
    "STALY_MEN_STR1_DATA_LABEL",
    "STALY_Miejscowosc_STR1_DATA_LABEL",
    "STALY_PodpisDyrektora_STR1_DATA_LABEL",
    "STALY_MiejsceUrodzenia_STR1_DATA_LABEL",
    "STALY_NrPesel_STR1_DATA_LABEL",
    "STALY_NazwaZasadniczejSzkoly_STR1_DATA_LABEL",
    "STALY_NrSzkoly_STR1_DATA_LABEL",
    "STALY_ZUwzglednieniem_STR1_DATA_LABEL",
    "STALY_ProgramPrzys_STR1_DATA_LABEL",
} + kCertificatePage2Labels;

const QStringList kFirstPageVariables = {
    "ZMIENNA_NazwaSzkoly1_DATA_EDIT",
    "ZMIENNA_NazwaSzkoly2_DATA_EDIT",
    "ZMIENNA_NazwaSzkoly3_DATA_EDIT",
    "ZMIENNA_ImieNazwisko_DATA_EDIT",
    "ZMIENNA_UrodzonyA_DATA_EDIT",
    "ZMIENNA_UrodzonyDnia_DATA_EDIT",
    "ZMIENNA_UrodzonyRok_DATA_EDIT",
    "ZMIENNA_UrodzonyMiasto_DATA_EDIT",
    "ZMIENNA_Pesel1_DATA_EDIT",
    "ZMIENNA_PrzyjetyA_DATA_EDIT",
    "ZMIENNA_RokSzkolny1_DATA_EDIT",
    "ZMIENNA_RokSzkolny2_DATA_EDIT",
    "ZMIENNA_DoKlasyNaSemestr_DATA_EDIT",
    "ZMIENNA_WpisanyA_DATA_EDIT",
    "ZMIENNA_KsiegaUczenNr_DATA_EDIT",
    "ZMIENNA_AdresZamieszkaniaUcznia_DATA_EDIT",
    "ZMIENNA_ImionaNazwiskaRodzicowIAdresy1_DATA_EDIT",
    "ZMIENNA_ImionaNazwiskaRodzicowIAdresy2_DATA_EDIT",
    "ZMIENNA_ImionaNazwiskaRodzicowIAdresy3_DATA_EDIT",
    "ZMIENNA_InformacjaOIndywidualnymProgramie1_DATA_EDIT",
    "ZMIENNA_InformacjaOIndywidualnymProgramie2_DATA_EDIT",
    "ZMIENNA_InformacjaOWydluzeniuEtapu1_DATA_EDIT",
    "ZMIENNA_InformacjaOWydluzeniuEtapu2_DATA_EDIT",
    "ZMIENNA_InformacjaOInnowacjach1_DATA_EDIT",
    "ZMIENNA_InformacjaOInnowacjach2_DATA_EDIT",
    "ZMIENNA_DokonanoSprostowaniaSwiadectwa_DATA_EDIT",
    "ZMIENNA_WydanoSwiadectwoUkonczeniaSzkoly_DATA_EDIT",
    "ZMIENNA_WydanoDuplikatSwiadectwa1_DATA_EDIT",
    "ZMIENNA_WydanoDuplikatSwiadectwa2_DATA_EDIT",
    "ZMIENNA_SporzadzonoOdpisArkuszaOcen_DATA_EDIT",
    "ZMIENNA_DataPrzyczynaOpuszczeniaSzkoly1_DATA_EDIT",
    "ZMIENNA_DataPrzyczynaOpuszczeniaSzkoly2_DATA_EDIT",
    "ZMIENNA_InformacjaOWydluzeniuEtapu3_DATA_EDIT",
    "ZMIENNA_InformacjaOWydluzeniuEtapu4_DATA_EDIT",
    "ZMIENNA_Pesel2_DATA_EDIT",
    "ZMIENNA_Pesel3_DATA_EDIT",
    "ZMIENNA_Pesel4_DATA_EDIT",
    "ZMIENNA_Pesel5_DATA_EDIT",
    "ZMIENNA_Pesel6_DATA_EDIT",
    "ZMIENNA_Pesel7_DATA_EDIT",
    "ZMIENNA_Pesel8_DATA_EDIT",
    "ZMIENNA_Pesel9_DATA_EDIT",
    "ZMIENNA_Pesel10_DATA_EDIT",
    "ZMIENNA_Pesel11_DATA_EDIT",
    "ZMIENNA_SzkolaNiepublicznaProwadzonaPrzez1_DATA_EDIT",
    "ZMIENNA_SzkolaNiepublicznaPodNr_DATA_EDIT",
    "ZMIENNA_UprawnieniaNadanePrzez1_DATA_EDIT",
    "ZMIENNA_UprawnieniaNadanePrzez2_DATA_EDIT",
    "ZMIENNA_DecyzjaNr_DATA_EDIT",
    "ZMIENNA_DecyzjaZDnia_DATA_EDIT",
};

const QStringList kFirstPageLabels = {
    "STALY_DataPodpisDyrSzkoly1_DATA_LABEL",
    "STALY_DataPrzyczynaOpuszczeniaSzkoly_DATA_LABEL",
    "STALY_DataPodpisDyrSzkoly_DATA_LABEL",
    "STALY_SporzadzonoOdpisArkuszaOcen_DATA_LABEL",
    "STALY_DataTozsamoscOsobyOdbierajacejDuplikat_DATA_LABEL",
    "STALY_WydanoDuplikatSwiadectwa_DATA_LABEL",
    "STALY_DataIPodpisWychowawcyKlasy_DATA_LABEL",
    "STALY_WydanoSwiadectwoUkonczeniaSzkoly_DATA_LABEL",
    "STALY_DataIPodpisDyrSzkoly_DATA_LABEL",
    "STALY_DokonanoSprostowaniaSwiadectwa_DATA_LABEL",
    "STALY_InformacjaOInnowacjach_DATA_LABEL",
    "STALY_InformacjaOWydluzeniuEtapu_DATA_LABEL",
    "STALY_InformacjaOIndywidualnymProgramie_DATA_LABEL",
    "STALY_PieczecPodpisDyrektora_DATA_LABEL",
    "STALY_SkalaOcen1_DATA_LABEL",
    "STALY_SkalaOcen2_DATA_LABEL",
    "STALY_ImionaNazwiskaRodzicowIAdresy_DATA_LABEL",
    "STALY_AdresZamieszkaniaUcznia_DATA_LABEL",
    "STALY_DoKsiegiUczniow_DATA_LABEL",
    "STALY_WpisanyA_DATA_LABEL",
    "STALY_DoKlasyNaSemestr_DATA_LABEL",
    "STALY_NrPesel_DATA_LABEL",
    "STALY_Przyjety_DATA_LABEL",
    "STALY_WRokuSzkolnym_DATA_LABEL",
    "STALY_RokSzkolnySlash_DATA_LABEL",
    "STALY_Urodzony_DATA_LABEL",
    "STALY_UrDnia_DATA_LABEL",
    "STALY_UrRok_DATA_LABEL",
    "STALY_UrW_DATA_LABEL",
    "STALY_ImieNazwisko_DATA_LABEL",
    "STALY_NazwaSzkoly_DATA_LABEL",
    "STALY_ArkuszOcenTytul1_DATA_LABEL",
    "STALY_ArkuszOcenTytul2_DATA_LABEL",
    "STALY_PieczecPodlSzkoly_DATA_LABEL",
    "STALY_ArkuszOcenTytul3_DATA_LABEL",
    "STALY_MEN_DATA_LABEL",
    "STALY_Strona_DATA_LABEL",
    "STALY_SkalaOcen3_DATA_LABEL",
    "STALY_SkalaOcen4_DATA_LABEL",
    "STALY_ArkuszOcenTytul4_DATA_LABEL",
    "STALY_ArkuszOcenTytul6_DATA_LABEL",
    "STALY_SzkolaJestWpisanaDoEwidencji_DATA_LABEL",
    "STALY_SzkolaNiepPodNr_DATA_LABEL",
    "STALY_WypelniaSzkolaNiepubliczna_DATA_LABEL",
    "STALY_SzkolaPosiadaUprawnienia_DATA_LABEL",
    "STALY_NadanePrzez_DATA_LABEL",
    "STALY_DecyzjaNr_DATA_LABEL",
    "STALY_ZDnia_DATA_LABEL",
    "STALY_ArkuszOcenTytul5_DATA_LABEL",
};

const QStringList kTwoColumnVariables = {
    "ZMIENNA_Rok1_DATA_EDIT",
    "ZMIENNA_Rok2_DATA_EDIT",
    "ZMIENNA_Klasa1_DATA_EDIT",
    "ZMIENNA_Klasa2_DATA_EDIT",
    "ZMIENNA_NrDziennika1_DATA_EDIT",
    "ZMIENNA_NrDziennika2_DATA_EDIT",
    "ZMIENNA_ReligiaOcn1_DATA_COMBOBOX",
    "ZMIENNA_ReligiaOcn2_DATA_COMBOBOX",
    "ZMIENNA_Szczegolne1_DATA_MEMO",
    "ZMIENNA_Szczegolne2_DATA_MEMO",
    "ZMIENNA_GodzOpuszczoneOgolem1_DATA_EDIT",
    "ZMIENNA_OpuszczoneNieusp1_DATA_EDIT",
    "ZMIENNA_GodzOpuszczoneOgolem2_DATA_EDIT",
    "ZMIENNA_OpuszczoneNieusp2_DATA_EDIT",
    "ZMIENNA_DataUchwaly1_DATA_MEMO",
    "ZMIENNA_DataUchwaly2_DATA_MEMO",
    "ZMIENNA_DodEduOpis3_DATA_EDIT",
    "ZMIENNA_Zachowanie1_DATA_MEMO",
    "ZMIENNA_Zachowanie2_DATA_MEMO",
    "ZMIENNA_PrzysDoPracy1_DATA_MEMO",
    "ZMIENNA_PrzysDoPracy2_DATA_MEMO",
    "ZMIENNA_DodEduOpis2_DATA_EDIT",
    "ZMIENNA_DodEduOpis1_DATA_EDIT",
    "ZMIENNA_Wf1_DATA_MEMO",
    "ZMIENNA_Wf2_DATA_MEMO",
    "ZMIENNA_FunkcjonowanieWSrod1_DATA_MEMO",
    "ZMIENNA_FunkcjonowanieWSrod2_DATA_MEMO",
    "ZMIENNA_DodEduOcn11_DATA_EDIT",
    "ZMIENNA_DodEduOcn21_DATA_EDIT",
    "ZMIENNA_DodEduOcn31_DATA_EDIT",
    "ZMIENNA_DodEduOcn12_DATA_EDIT",
    "ZMIENNA_DodEduOcn22_DATA_EDIT",
    "ZMIENNA_DodEduOcn32_DATA_EDIT",
};

const QStringList kOneColumnVariables = {
    "ZMIENNA_Rok1_DATA_EDIT",
    "ZMIENNA_Klasa1_DATA_EDIT",
    "ZMIENNA_NrDziennika1_DATA_EDIT",
    "ZMIENNA_ReligiaOcn1_DATA_COMBOBOX",
    "ZMIENNA_Szczegolne1_DATA_MEMO",
    "ZMIENNA_GodzOpuszczoneOgolem1_DATA_EDIT",
    "ZMIENNA_OpuszczoneNieusp1_DATA_EDIT",
    "ZMIENNA_DataUchwaly1_DATA_MEMO",
    "ZMIENNA_DodEduOpis3_DATA_EDIT",
    "ZMIENNA_Zachowanie1_DATA_MEMO",
    "ZMIENNA_PrzysDoPracy1_DATA_MEMO",
    "ZMIENNA_DodEduOpis2_DATA_EDIT",
    "ZMIENNA_DodEduOpis1_DATA_EDIT",
    "ZMIENNA_Wf1_DATA_MEMO",
    "ZMIENNA_FunkcjonowanieWSrod1_DATA_MEMO",
    "ZMIENNA_DodEduOcn11_DATA_EDIT",
    "ZMIENNA_DodEduOcn21_DATA_EDIT",
    "ZMIENNA_DodEduOcn31_DATA_EDIT",
};

const QStringList kResultsLabelsBeforeColumnTwoHeading = {
    "STALY_Lp_DATA_LABEL",
    "STALY_RokSzkolny_DATA_LABEL",
    "STALY_KlasaSemestr_DATA_LABEL",
    "STALY_NrKolejnyWDzienniku_DATA_LABEL",
    "STALY_WynikiKlasyfikacji1_DATA_LABEL",
    "STALY_Lp1_DATA_LABEL",
    "STALY_Zachowanie_DATA_LABEL",
    "STALY_Lp2_DATA_LABEL",
    "STALY_Religia_DATA_LABEL",
    "STALY_ObowiazkoweZajeciaEdukacyjne_DATA_LABEL",
    "STALY_Lp3_DATA_LABEL",
    "STALY_Lp4_DATA_LABEL",
    "STALY_Lp5_DATA_LABEL",
    "STALY_Wf_DATA_LABEL",
    "STALY_DodatkoweZajeciaEdu_DATA_LABEL",
    "STALY_Lp8_DATA_LABEL",
    "STALY_Lp12_DATA_LABEL",
    "STALY_SzczegolneOsiagniecia_DATA_LABEL",
    "STALY_PrzysDoPRacy_DATA_LABEL",
    "STALY_LiczbaOpuszczonychGodzin1_DATA_LABEL",
    "STALY_LiczbaOpuszczonychGodzin2_DATA_LABEL",
    "STALY_LiczbaOpuszczonychGodzin4_DATA_LABEL",
    "STALY_Ogolem_DATA_LABEL",
    "STALY_WTymNieusprawiedliwionych1_DATA_LABEL",
    "STALY_WTymNieusprawiedliwionych2_DATA_LABEL",
    "STALY_DataUchwaly1_DATA_LABEL",
    "STALY_DataUchwaly2_DATA_LABEL",
    "STALY_DataUchwaly3_DATA_LABEL",
    "STALY_DataUchwaly4_DATA_LABEL",
    "STALY_DataUchwaly5_DATA_LABEL",
    "STALY_DataPodpis1_DATA_LABEL",
    "STALY_DataPodpis2_DATA_LABEL",
    "STALY_Strona_DATA_LABEL",
    "STALY_FunWSrodowisku2_DATA_LABEL",
    "STALY_LiczbaOpuszczonychGodzin3_DATA_LABEL",
};

const QStringList kResultsLabelsAfterColumnTwoHeading = {
    "STALY_FunWSrodowisku1_DATA_LABEL", "STALY_Lp6_DATA_LABEL",  "STALY_Lp7_DATA_LABEL",
    "STALY_Lp9_DATA_LABEL",             "STALY_Lp10_DATA_LABEL", "STALY_Lp11_DATA_LABEL",
};

const QStringList kTwoColumnLabels = kResultsLabelsBeforeColumnTwoHeading
    + QStringList{"STALY_WynikiKlasyfikacji2_DATA_LABEL"} + kResultsLabelsAfterColumnTwoHeading;
const QStringList kOneColumnLabels = kResultsLabelsBeforeColumnTwoHeading + kResultsLabelsAfterColumnTwoHeading;

const QStringList kPracticalVariables = {
    "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT", "ZMIENNA_Klasa1_STR1_DATA_EDIT",
    "ZMIENNA_NazwaIAdresJednostki1_STR1_DATA_MEMO", "ZMIENNA_RodzajZajec1_STR1_DATA_MEMO",
    "ZMIENNA_LiczbaGodzin1_STR1_DATA_EDIT", "ZMIENNA_Ocena1_STR1_DATA_MEMO",
    "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT", "ZMIENNA_Klasa2_STR1_DATA_EDIT",
    "ZMIENNA_NazwaIAdresJednostki2_STR1_DATA_MEMO", "ZMIENNA_RodzajZajec2_STR1_DATA_MEMO",
    "ZMIENNA_LiczbaGodzin2_STR1_DATA_EDIT", "ZMIENNA_Ocena2_STR1_DATA_MEMO",
    "ZMIENNA_RokSzkolny3_STR1_DATA_EDIT", "ZMIENNA_Klasa3_STR1_DATA_EDIT",
    "ZMIENNA_NazwaIAdresJednostki3_STR1_DATA_MEMO", "ZMIENNA_RodzajZajec3_STR1_DATA_MEMO",
    "ZMIENNA_LiczbaGodzin3_STR1_DATA_EDIT", "ZMIENNA_Ocena3_STR1_DATA_MEMO",
    "ZMIENNA_RokSzkolny4_STR1_DATA_EDIT", "ZMIENNA_Klasa4_STR1_DATA_EDIT",
    "ZMIENNA_NazwaIAdresJednostki4_STR1_DATA_MEMO", "ZMIENNA_RodzajZajec4_STR1_DATA_MEMO",
    "ZMIENNA_LiczbaGodzin4_STR1_DATA_EDIT", "ZMIENNA_Ocena4_STR1_DATA_MEMO",
    "ZMIENNA_RokSzkolny5_STR1_DATA_EDIT", "ZMIENNA_Klasa5_STR1_DATA_EDIT",
    "ZMIENNA_NazwaIAdresJednostki5_STR1_DATA_MEMO", "ZMIENNA_RodzajZajec5_STR1_DATA_MEMO",
    "ZMIENNA_LiczbaGodzin5_STR1_DATA_EDIT", "ZMIENNA_Ocena5_STR1_DATA_MEMO",
    "ZMIENNA_RokSzkolny6_STR1_DATA_EDIT", "ZMIENNA_Klasa6_STR1_DATA_EDIT",
    "ZMIENNA_NazwaIAdresJednostki6_STR1_DATA_MEMO", "ZMIENNA_RodzajZajec6_STR1_DATA_MEMO",
    "ZMIENNA_LiczbaGodzin6_STR1_DATA_EDIT", "ZMIENNA_Ocena6_STR1_DATA_MEMO",
    "ZMIENNA_Str_STR1_DATA_EDIT",
};

const QStringList kPracticalLabels = {
    "STALY_RokSzkolny_STR1_DATA_LABEL",   "STALY_Klasa_STR1_DATA_LABEL",
    "STALY_Nazwa1_STR1_DATA_LABEL",       "STALY_Nazwa2_STR1_DATA_LABEL",
    "STALY_RodzajZajec_STR1_DATA_LABEL",  "STALY_LiczbaGodzin1_STR1_DATA_LABEL",
    "STALY_LiczbaGodzin2_STR1_DATA_LABEL", "STALY_Ocena_STR1_DATA_LABEL",
    "STALY_DataIPodpis1_STR1_DATA_LABEL", "STALY_DataIPodpis2_STR1_DATA_LABEL",
    "STALY_DataIPodpis3_STR1_DATA_LABEL", "STALY_Str_STR1_DATA_LABEL",
    "STALY_ZajPraktyczne_STR1_DATA_LABEL",
};

// ---- Per-document attributes of the variable items, in declaration order.

const QList<int> kClassTabs = {0, 2, 3, 5, 6, 7, 8, 9, 11, 12, 14, 15, 20, 21, 22, 23, 24,
                               1, 17, 16, 19, 4, 13, 10, 18, 0, 1, 2, 3, 4, 5, 6};
const QList<int> kCompletionTabs = {0, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 21, 22, 23,
                                    24, 1, 16, 4, 13, 10, 0, 1, 2, 3, 4, 5, 6};
const QList<int> kFirstPageTabs = QList<int>{6, 7, 8, 9, 10, 11, 12, 13, 14, 25, 26, 27, 28, 29, 30, 31, 32,
                                             33, 34, 35, 36, 37, 38, 41, 42, 43, 44, 45, 46, 47, 48, 49, 39, 40}
    + counting(15, 10) + counting(0, 6);
const QList<int> kTwoColumnTabs = {0,  1,  2,  3,  4, 5, 8,  9,  25, 26, 27, 29, 28, 30, 31, 32, 22,
                                   6,  7,  14, 15, 19, 16, 12, 13, 10, 11, 17, 20, 23, 18, 21, 24};
const QList<int> kOneColumnTabs = {0, 1, 2, 4, 14, 15, 16, 17, 12, 3, 7, 10, 8, 6, 5, 9, 11, 13};

const QList<int> kClassLengths = {0, 0, 0, 4, 4, 15, 72, 72, 69, 72, 32, 32, 37, 33, 23, 4,
                                  0, 0, 3, 0, 1, 0, 1, 69, 0, 0, 31, 0, 0, 0, 0, 0};
const QList<int> kCompletionLengths = {0, 0, 0, 4, 4, 72, 72, 69, 72, 32, 32, 33, 23, 4,
                                       0, 0, 0, 0, 1, 69, 0, 31, 0, 0, 0, 0, 0};
const QList<int> kTwoColumnLengths = {40, 40, 40, 40, 40, 40, 40, 40, 0, 0,  40, 40, 40, 40, 0, 0, 40,
                                      0,  0,  0,  0,  40, 40, 0,  0,  0, 0, 40, 40, 40, 40, 40, 40};
const QList<int> kOneColumnLengths = {40, 40, 40, 40, 0, 40, 40, 0, 40, 0, 0, 40, 40, 0, 0, 40, 40, 40};

const QStringList kClassTemplateItems = {
    "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT",     "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT",
    "ZMIENNA_Klasa_STR1_DATA_EDIT",           "ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT", "ZMIENNA_ImieSzkoly1_STR1_DATA_EDIT",
    "ZMIENNA_ImieSzkoly2_STR1_DATA_EDIT",     "ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaWoj_STR1_DATA_EDIT",       "ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT",
    "ZMIENNA_Miejscowosc_STR1_DATA_EDIT",     "ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT",
    "ZMIENNA_MiejscowoscRok_STR1_DATA_EDIT",  "ZMIENNA_SzkolaWE_STR1_DATA_EDIT",
    "ZMIENNA_NrSzkoly_STR1_DATA_EDIT",
};
const QStringList kCompletionTemplateItems = {
    "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT",    "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT", "ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT",
    "ZMIENNA_ImieSzkoly1_STR1_DATA_EDIT",    "ZMIENNA_ImieSzkoly2_STR1_DATA_EDIT",
    "ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT",   "ZMIENNA_SzkolaWoj_STR1_DATA_EDIT",
    "ZMIENNA_Miejscowosc_STR1_DATA_EDIT",    "ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT",
    "ZMIENNA_MiejscowoscRok_STR1_DATA_EDIT", "ZMIENNA_SzkolaWE_STR1_DATA_EDIT",
    "ZMIENNA_NrSzkoly_STR1_DATA_EDIT",
};
const QStringList kClassDerivedItems = {
    "ZMIENNA_ImieNazwisko_STR1_DATA_EDIT",    "ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT",
    "ZMIENNA_NrPesel_STR1_DATA_EDIT",         "ZMIENNA_NrNaSwiadectwie_STR1_DATA_EDIT",
    "ZMIENNA_DataUrodzenia_STR1_DATA_EDIT",   "ZMIENNA_RealizowalA_STR1_DATA_EDIT",
    "ZMIENNA_UczeszczalA_STR1_DATA_EDIT",     "ZMIENNA_OtrzymalA_STR1_DATA_EDIT",
};
const QStringList kCompletionDerivedItems = {
    "ZMIENNA_ImieNazwisko_STR1_DATA_EDIT",  "ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT",
    "ZMIENNA_NrPesel_STR1_DATA_EDIT",       "ZMIENNA_NrNaSwiadectwie_STR1_DATA_EDIT",
    "ZMIENNA_DataUrodzenia_STR1_DATA_EDIT", "ZMIENNA_RealizowalA_STR1_DATA_EDIT",
    "ZMIENNA_UkonczylA_STR1_DATA_EDIT",
};
const QStringList kFirstPageDerivedItems = {
    "ZMIENNA_ImieNazwisko_DATA_EDIT", "ZMIENNA_UrodzonyA_DATA_EDIT", "ZMIENNA_UrodzonyDnia_DATA_EDIT",
    "ZMIENNA_UrodzonyRok_DATA_EDIT",  "ZMIENNA_Pesel1_DATA_EDIT",    "ZMIENNA_PrzyjetyA_DATA_EDIT",
    "ZMIENNA_WpisanyA_DATA_EDIT",     "ZMIENNA_Pesel2_DATA_EDIT",    "ZMIENNA_Pesel3_DATA_EDIT",
    "ZMIENNA_Pesel4_DATA_EDIT",       "ZMIENNA_Pesel5_DATA_EDIT",    "ZMIENNA_Pesel6_DATA_EDIT",
    "ZMIENNA_Pesel7_DATA_EDIT",       "ZMIENNA_Pesel8_DATA_EDIT",    "ZMIENNA_Pesel9_DATA_EDIT",
    "ZMIENNA_Pesel10_DATA_EDIT",      "ZMIENNA_Pesel11_DATA_EDIT",
};

const QList<int> kCertificateMemoLines = {4, 4, 4, 12, 3, 3};
const QList<int> kTwoColumnMemoLines = {8, 8, 5, 5, 4, 4, 13, 13, 4, 4, 8, 8};
const QList<int> kOneColumnMemoLines = {8, 5, 4, 13, 4, 8};

const QStringList kKindSuffixes = {"_DATA_LABEL", "_DATA_EDIT", "_DATA_COMBOBOX", "_DATA_MEMO"};

QString kindSuffix(ItemKind kind)
{
    switch (kind) {
    case ItemKind::Label:
        return "_DATA_LABEL";
    case ItemKind::Edit:
        return "_DATA_EDIT";
    case ItemKind::ComboBox:
        return "_DATA_COMBOBOX";
    case ItemKind::Memo:
        return "_DATA_MEMO";
    }
    return {};
}

} // namespace

class DefinitionsTest : public QObject
{
    Q_OBJECT

    // One row per document, the student section included, for the checks
    // that hold for every table.
    static void addDocumentRows()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("TFDaneUcznia") << -1;
        for (const DocumentDefinition &definition : documentCatalogue())
            QTest::newRow(qPrintable(definition.formName)) << definition.index;
    }

private slots:
    void catalogueRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("mainCaption");
        QTest::addColumn<QString>("formCaption");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("calibrationType");
        QTest::addColumn<QString>("calibrationFile");
        QTest::addColumn<int>("pages");
        QTest::addColumn<DocumentFamily>("family");
        QTest::addColumn<bool>("inTree");
        QTest::addColumn<int>("renderMode");
        QTest::addColumn<bool>("portrait");
        QTest::addColumn<int>("sheetPageCode");
        QTest::addColumn<bool>("hasSamples");
        QTest::addColumn<QSize>("page1Size");
        QTest::addColumn<QSize>("page2Size");

        const QSize certificatePage(716, 1053), certificatePage2(716, 1200);
        const QSize firstPage(798, 1258), resultsPage(841, 1200), none;
        QTest::newRow("TFKlasa1")
            << 0 << "TFKlasa1" << "MEN-I/19/2 świadectwo kl. 1"
            << "Świadectwo ukończenia klasy I szkoły zawodowej przysposabiającej" << "KLASA I SZKOLY ZAWODOWEJ PRZYS."
            << 0 << "kalibracja_kolbernia_przys_klasaI.set" << 2 << DocumentFamily::Certificate << true << 1 << true
            << 0 << true << certificatePage << certificatePage2;
        QTest::newRow("TFKlasa2")
            << 1 << "TFKlasa2" << "MEN-I/19/2 świadectwo kl. 2"
            << "Świadectwo ukończenia klasy II szkoły zawodowej przysposabiającej"
            << "KLASA II SZKOLY ZAWODOWEJ PRZYS." << 1 << "kalibracja_kolbernia_przys_klasaII.set" << 2
            << DocumentFamily::Certificate << true << 1 << true << 0 << true << certificatePage << certificatePage2;
        QTest::newRow("TFKoniec") << 2 << "TFKoniec" << "MEN-I/20/2 świadectwo ukończenia"
                                  << "Świadectwo ukończenia szkoły zawodowej przysposabiającej"
                                  << "UKONCZENIE SZKOLY ZAWODOWEJ PRZYS." << 2 << "kalibracja_kolbernia_przys_koniec.set"
                                  << 2 << DocumentFamily::Certificate << true << 1 << true << 0 << true
                                  << certificatePage << certificatePage2;
        QTest::newRow("TFArkuszStr1") << 3 << "TFArkuszStr1" << "MEN-I/41/2 arkusz ocen str. 1" << "Arkusz ocen"
                                      << "ARKUSZ OCEN STR 1 ZAWODOWEJ PRZYS." << 3
                                      << "kalibracja_kolbernia_przys_arkusz_str1.set" << 1
                                      << DocumentFamily::SheetFirstPage << false << 1 << true << 0 << true << firstPage
                                      << none;
        QTest::newRow("TFArkuszStr2") << 4 << "TFArkuszStr2" << "MEN-I/41/2 arkusz ocen str. 2"
                                      << "Arkusz - wkładka str 2" << "ARKUSZ OCEN STR 2 ZAWODOWEJ PRZYS." << 5
                                      << "kalibracja_kolbernia_przys_arkusz_str2.set" << 1
                                      << DocumentFamily::SheetTwoColumns << false << 1 << true << 2 << true
                                      << resultsPage << none;
        QTest::newRow("TFArkuszStr1b") << 5 << "TFArkuszStr1b" << "MEN-I/41b/2 arkusz ocen str. 1"
                                       << "MEN-I/41b/2 arkusz ocen str. 1"
                                       << "ARKUSZ OCEN STR 1b ZAWODOWEJ PRZYS. MEN-I/41b/2" << 4
                                       << "kalibracja_kolbernia_przys_arkusz_str1b.set" << 1
                                       << DocumentFamily::SheetFirstPage << true << 1 << true << 0 << true << firstPage
                                       << none;
        QTest::newRow("TFArkuszStr2b") << 6 << "TFArkuszStr2b" << "MEN-I/41b/2 arkusz ocen str. 2"
                                       << "MEN-I/41b/2 arkusz ocen str. 2"
                                       << "ARKUSZ OCEN STR 2b ZAWODOWEJ PRZYS. MEN-I/41b/2" << 6
                                       << "kalibracja_kolbernia_przys_arkusz_str2b-3b.set" << 1
                                       << DocumentFamily::SheetOneColumn << true << 1 << true << 4 << true
                                       << resultsPage << none;
        QTest::newRow("TFArkuszStr3b") << 7 << "TFArkuszStr3b" << "MEN-I/41b/2 arkusz ocen str. 3"
                                       << "MEN-I/41b/2 arkusz ocen str. 3"
                                       << "ARKUSZ OCEN STR 3b ZAWODOWEJ PRZYS. MEN-I/41b/2" << 6
                                       << "kalibracja_kolbernia_przys_arkusz_str2b-3b.set" << 1
                                       << DocumentFamily::SheetOneColumn << true << 1 << true << 5 << false
                                       << resultsPage << none;
        QTest::newRow("TFArkuszStr4b") << 8 << "TFArkuszStr4b" << "MEN-I/41b/2 arkusz ocen str. 4"
                                       << "MEN-I/41b/2 arkusz ocen str. 4"
                                       << "ARKUSZ OCEN STR 4b ZAWODOWEJ PRZYS. MEN-I/41b/2" << 7
                                       << "kalibracja_kolbernia_przys_arkusz_str4b.set" << 1
                                       << DocumentFamily::SheetTwoColumns << true << 1 << true << 6 << true
                                       << resultsPage << none;
        QTest::newRow("TFArkuszStr5b") << 9 << "TFArkuszStr5b" << "MEN-I/41b/2 arkusz ocen str. 5"
                                       << "MEN-I/41b/2 arkusz ocen str. 5"
                                       << "ARKUSZ OCEN STR 5b ZAWODOWEJ PRZYS. MEN-I/41b/2" << 8
                                       << "kalibracja_kolbernia_przys_arkusz_str5b.set" << 1
                                       << DocumentFamily::SheetPractical << true << 0 << false << 0 << true
                                       << QSize(1158, 734) << none;
    }

    void catalogueRows()
    {
        QFETCH(int, index);
        QCOMPARE(documentCatalogue().size(), 10);
        const DocumentDefinition &definition = documentDefinition(index);
        QCOMPARE(definition.index, index);
        QTEST(definition.formName, "form");
        QTEST(definition.mainCaption, "mainCaption");
        QTEST(definition.formCaption, "formCaption");
        QTEST(definition.sectionTag, "tag");
        QTEST(definition.calibrationTypeIndex, "calibrationType");
        QTEST(definition.calibrationFile, "calibrationFile");
        QTEST(definition.pageCount, "pages");
        QTEST(definition.family, "family");
        QTEST(definition.inTree, "inTree");
        QTEST(definition.printRenderMode, "renderMode");
        QTEST(definition.portrait, "portrait");
        QTEST(definition.sheetPageCode, "sheetPageCode");
        QTEST(definition.hasSamples, "hasSamples");
        QTEST(definition.editorPageSize, "page1Size");
        QTEST(definition.editorPage2Size, "page2Size");
        QCOMPARE(documentByForm(definition.formName), &definition);
        QCOMPARE(documentByCaption(definition.mainCaption), &definition);
    }

    void studentSectionIsNotADocument()
    {
        const DocumentDefinition &student = studentDefinition();
        QCOMPARE(student.index, -1);
        QCOMPARE(student.formName, QStringLiteral("TFDaneUcznia"));
        QCOMPARE(student.sectionTag, QStringLiteral("DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS."));
        QCOMPARE(student.openingLine(), QStringLiteral("\t<DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS.>"));
        QCOMPARE(student.family, DocumentFamily::StudentData);
        QCOMPARE(student.calibrationFile, QString());
        QVERIFY(!student.inTree);
        QVERIFY(!student.hasSamples);
        for (const ItemDefinition &item : student.items)
            QVERIFY2(item.editorRect.isNull(), qPrintable(item.name));
        QCOMPARE(documentByForm(QStringLiteral("TFDaneUcznia")), nullptr);
    }

    void calibrationTypesInEditorOrder()
    {
        const QStringList captions = {"Świadectwo dla klasy I",
                                      "Świadectwo dla klasy II",
                                      "Świadectwo ukończenia",
                                      "Arkusz ocen str. 1",
                                      "Arkusz ocen str. 1 MEN-I/41b/2",
                                      "Arkusz ocen str. 2",
                                      "Arkusz ocen str. 2, 3 MEN-I/41b/2",
                                      "Arkusz ocen str. 4 MEN-I/41b/2",
                                      "Arkusz ocen str. 5 MEN-I/41b/2"};
        const QStringList files = {"kalibracja_kolbernia_przys_klasaI.set",
                                   "kalibracja_kolbernia_przys_klasaII.set",
                                   "kalibracja_kolbernia_przys_koniec.set",
                                   "kalibracja_kolbernia_przys_arkusz_str1.set",
                                   "kalibracja_kolbernia_przys_arkusz_str1b.set",
                                   "kalibracja_kolbernia_przys_arkusz_str2.set",
                                   "kalibracja_kolbernia_przys_arkusz_str2b-3b.set",
                                   "kalibracja_kolbernia_przys_arkusz_str4b.set",
                                   "kalibracja_kolbernia_przys_arkusz_str5b.set"};
        QStringList actualCaptions, actualFiles;
        for (qsizetype i = 0; i < calibrationTypes().size(); ++i) {
            QCOMPARE(calibrationTypes()[i].index, int(i));
            actualCaptions << calibrationTypes()[i].caption;
            actualFiles << calibrationTypes()[i].fileName;
        }
        QCOMPARE(actualCaptions, captions);
        QCOMPARE(actualFiles, files);
    }

    void itemNamesInDeclarationOrder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("TFDaneUcznia") << -1 << kStudentVariables << QStringList();
        QTest::newRow("TFKlasa1") << 0 << kClassVariables << kClassLabels;
        QTest::newRow("TFKlasa2") << 1 << kClassVariables << kClassLabels;
        QTest::newRow("TFKoniec") << 2 << kCompletionVariables << kCompletionLabels;
        QTest::newRow("TFArkuszStr1") << 3 << kFirstPageVariables << kFirstPageLabels;
        QTest::newRow("TFArkuszStr2") << 4 << kTwoColumnVariables << kTwoColumnLabels;
        QTest::newRow("TFArkuszStr1b") << 5 << kFirstPageVariables << kFirstPageLabels;
        QTest::newRow("TFArkuszStr2b") << 6 << kOneColumnVariables << kOneColumnLabels;
        QTest::newRow("TFArkuszStr3b") << 7 << kOneColumnVariables << kOneColumnLabels;
        QTest::newRow("TFArkuszStr4b") << 8 << kTwoColumnVariables << kTwoColumnLabels;
        QTest::newRow("TFArkuszStr5b") << 9 << kPracticalVariables << kPracticalLabels;
    }

    // Variable items come first, in storage order; the labels follow.
    void itemNamesInDeclarationOrder()
    {
        QFETCH(int, index);
        QFETCH(QStringList, variables);
        QFETCH(QStringList, labels);
        QStringList names;
        for (const ItemDefinition &item : definitionAt(index).items)
            names << item.name;
        QCOMPARE(names, variables + labels);
    }

    void variableAttributes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QList<int>>("tabs");
        QTest::addColumn<QList<int>>("maxLengths");
        QTest::addColumn<QList<int>>("memoLineLimits");
        QTest::addColumn<QStringList>("derived");
        QTest::addColumn<QStringList>("fromTemplate");

        QTest::newRow("TFDaneUcznia") << -1 << QList<int>{1, 3, 2, 4, 5, 6, 7, 0, 8}
                                      << QList<int>{48, 46, 0, 0, 0, 0, 48, 48, 11} << QList<int>() << QStringList()
                                      << QStringList();
        QTest::newRow("TFKlasa1") << 0 << kClassTabs << kClassLengths << kCertificateMemoLines << kClassDerivedItems
                                  << kClassTemplateItems;
        QTest::newRow("TFKlasa2") << 1 << kClassTabs << kClassLengths << kCertificateMemoLines << kClassDerivedItems
                                  << kClassTemplateItems;
        QTest::newRow("TFKoniec") << 2 << kCompletionTabs << kCompletionLengths << kCertificateMemoLines
                                  << kCompletionDerivedItems << kCompletionTemplateItems;
        QTest::newRow("TFArkuszStr1") << 3 << kFirstPageTabs << repeated(0, 50) << QList<int>()
                                      << kFirstPageDerivedItems << QStringList();
        QTest::newRow("TFArkuszStr2") << 4 << kTwoColumnTabs << kTwoColumnLengths << kTwoColumnMemoLines
                                      << QStringList() << QStringList();
        QTest::newRow("TFArkuszStr1b") << 5 << kFirstPageTabs << repeated(0, 50) << QList<int>()
                                       << kFirstPageDerivedItems << QStringList();
        QTest::newRow("TFArkuszStr2b") << 6 << kOneColumnTabs << kOneColumnLengths << kOneColumnMemoLines
                                       << QStringList() << QStringList();
        QTest::newRow("TFArkuszStr3b") << 7 << kOneColumnTabs << kOneColumnLengths << kOneColumnMemoLines
                                       << QStringList() << QStringList();
        QTest::newRow("TFArkuszStr4b") << 8 << kTwoColumnTabs << kTwoColumnLengths << kTwoColumnMemoLines
                                       << QStringList() << QStringList();
        QTest::newRow("TFArkuszStr5b") << 9 << counting(0, 37) << repeated(0, 37) << repeated(4, 18)
                                       << QStringList() << QStringList();
    }

    void variableAttributes()
    {
        QFETCH(int, index);
        QList<int> tabs, maxLengths, memoLineLimits;
        QStringList derived, fromTemplate;
        for (const ItemDefinition *item : definitionAt(index).variableItems()) {
            tabs << item->tabOrder;
            maxLengths << item->maxLength;
            if (item->isMemo())
                memoLineLimits << item->lineLimit;
            if (item->source == ItemSource::Derived)
                derived << item->name;
            if (item->source == ItemSource::Template)
                fromTemplate << item->name;
        }
        QTEST(tabs, "tabs");
        QTEST(maxLengths, "maxLengths");
        QTEST(memoLineLimits, "memoLineLimits");
        QTEST(derived, "derived");
        QTEST(fromTemplate, "fromTemplate");
    }

    void representativeItems_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("page");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<int>("firstNumber");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<bool>("wrapsAlways");

        const auto row = [](const char *tag, int index, const char *name, int page, QRect rect, const char *sample,
                            int firstNumber = 0, int lineCount = 0, bool wraps = false) {
            QTest::newRow(tag) << index << QString(name) << page << rect << QString(sample) << firstNumber
                               << lineCount << wraps;
        };
        row("klasa1 derived name", 0, "ZMIENNA_ImieNazwisko_STR1_DATA_EDIT", 1, {168, 321, 393, 21},
            "imię i nazwisko");
        row("klasa1 school year", 0, "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT", 1, {296, 399, 63, 21}, "2011");
        row("klasa1 behaviour", 0, "ZMIENNA_Zachowanie_STR2_DATA_MEMO", 2, {137, 156, 460, 78},
            "zachowanie linia %d", 1, 4);
        row("klasa1 additional classes", 0, "ZMIENNA_DodatkoweZajeciaEdu_STR2_DATA_MEMO", 2, {137, 816, 460, 77},
            "dodatkowe zajęcia edu. linia %d", 1, 12);
        row("klasa1 religion", 0, "ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX", 2, {388, 234, 209, 21}, "religia ocn");
        row("klasa2 behaviour higher", 1, "ZMIENNA_Zachowanie_STR2_DATA_MEMO", 2, {137, 148, 460, 78},
            "zachowanie linia %d", 1, 4);
        row("klasa2 achievements higher", 1, "ZMIENNA_Szczegolne_STR2_DATA_MEMO", 2, {137, 912, 460, 77},
            "szczególne osiągnięcia linia %d", 1, 12);
        row("klasa2 religion", 1, "ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX", 2, {387, 227, 209, 21}, "religia ocn");
        row("klasa2 page 1 unchanged", 1, "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT", 1, {296, 399, 63, 21}, "2011");
        row("koniec ending", 2, "ZMIENNA_UkonczylA_STR1_DATA_EDIT", 1, {256, 399, 18, 21}, "a");
        row("koniec school year 1", 2, "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT", 1, {384, 399, 63, 21}, "2011");
        row("koniec school year 2", 2, "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT", 1, {456, 399, 70, 21}, "2012");
        row("koniec work preparation", 2, "ZMIENNA_PrzysposobienieDoPracy_STR2_DATA_MEMO", 2, {137, 579, 460, 185},
            "przysposobienie do pracy linia %d", 1, 12);
        row("koniec religion", 2, "ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX", 2, {388, 226, 209, 21}, "religia ocn");
        row("str1 stage extension", 3, "ZMIENNA_InformacjaOWydluzeniuEtapu1_DATA_EDIT", 1, {245, 649, 524, 21},
            "wydluzeniu etapu 1");
        row("str1b stage extension", 5, "ZMIENNA_InformacjaOWydluzeniuEtapu1_DATA_EDIT", 1, {216, 649, 553, 21},
            "wydluzeniu etapu 1");
        row("str1 town of birth", 3, "ZMIENNA_UrodzonyMiasto_DATA_EDIT", 1, {339, 290, 433, 21}, "ur. miasto");
        row("str1 tenth pesel digit", 3, "ZMIENNA_Pesel10_DATA_EDIT", 1, {273, 317, 20, 21}, "0");
        row("str2 behaviour column 2", 4, "ZMIENNA_Zachowanie2_DATA_MEMO", 1, {566, 108, 254, 75},
            "zachowanie 2 linia %d", 0, 4);
        row("str2 resolution", 4, "ZMIENNA_DataUchwaly1_DATA_MEMO", 1, {310, 962, 254, 92}, "uchwala 1 linia %d", 0,
            7);
        row("str2 additional class name", 4, "ZMIENNA_DodEduOpis2_DATA_EDIT", 1, {54, 711, 253, 21},
            "dod. edu opis 2");
        row("str2 additional grade", 4, "ZMIENNA_DodEduOcn32_DATA_EDIT", 1, {566, 733, 254, 21}, "dod. edu ocn 32");
        row("str4b hours", 8, "ZMIENNA_GodzOpuszczoneOgolem2_DATA_EDIT", 1, {566, 918, 254, 21}, "godz. op. 2");
        row("str2b year wide", 6, "ZMIENNA_Rok1_DATA_EDIT", 1, {310, 21, 511, 21}, "rok1");
        row("str2b work preparation", 6, "ZMIENNA_PrzysDoPracy1_DATA_MEMO", 1, {310, 452, 511, 214},
            "przys. do pracy ocn 1 linia %d", 0, 13);
        row("str3b no sample", 7, "ZMIENNA_FunkcjonowanieWSrod1_DATA_MEMO", 1, {310, 235, 511, 143}, "");
        row("str5b first unit", 9, "ZMIENNA_NazwaIAdresJednostki1_STR1_DATA_MEMO", 1, {200, 119, 247, 99},
            "nazwa adres 1 linia %d", 0, 4, true);
        row("str5b fifth grade", 9, "ZMIENNA_Ocena5_STR1_DATA_MEMO", 1, {788, 519, 214, 98}, "ocena 5 linia %d", 0, 4,
            true);
        row("str5b sixth kind", 9, "ZMIENNA_RodzajZajec6_STR1_DATA_MEMO", 1, {448, 618, 272, 99},
            "rodzaj zajec 6 linia %d", 0, 4, true);
        row("str5b second hours", 9, "ZMIENNA_LiczbaGodzin2_STR1_DATA_EDIT", 1, {721, 260, 66, 21}, "godzin 2");
        row("str5b sixth class", 9, "ZMIENNA_Klasa6_STR1_DATA_EDIT", 1, {116, 659, 83, 21}, "klasa 6");
        row("str5b page number", 9, "ZMIENNA_Str_STR1_DATA_EDIT", 1, {1082, 720, 40, 21}, "5");
    }

    void representativeItems()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        const ItemDefinition *item = definitionAt(index).item(name);
        QVERIFY(item);
        QTEST(item->editorPage, "page");
        QTEST(item->editorRect, "rect");
        QTEST(item->sample, "sample");
        QTEST(item->sampleFirstNumber, "firstNumber");
        QTEST(item->sampleLineCount, "lineCount");
        QTEST(item->wrapsAlways, "wrapsAlways");
    }

    void suggestions_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("suggestions");
        QTest::addColumn<bool>("pickOnly");

        const QStringList grades = {"celujący",        "bardzo dobry",      "dobry",          "dostateczny",
                                    "dopuszczający",   "niedostateczny",    "nie uczęszczała", "nie uczestniczyła",
                                    "nie uczęszczał",  "nie uczestniczył"};
        QTest::newRow("gender") << -1 << "Plec_DATA_COMBOBOX" << QStringList{"kobieta", "mężczyzna"} << true;
        QTest::newRow("birth year") << -1 << "UrodzonyRok_DATA_COMBOBOX"
                                    << QStringList{"1990", "1991", "1992", "1993", "1994", "1995", "1996", "1997",
                                                   "1998", "1999", "2000"}
                                    << false;
        QTest::newRow("town from the list file") << -1 << "UrodzonyMiasto_DATA_COMBOBOX" << QStringList() << false;
        QTest::newRow("koniec religion") << 2 << "ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX" << grades << false;
        QTest::newRow("str4b religion column 2") << 8 << "ZMIENNA_ReligiaOcn2_DATA_COMBOBOX" << grades << false;
        QTest::newRow("str3b religion") << 7 << "ZMIENNA_ReligiaOcn1_DATA_COMBOBOX" << grades << false;
    }

    void suggestions()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        const ItemDefinition *item = definitionAt(index).item(name);
        QVERIFY(item);
        QCOMPARE(item->kind, ItemKind::ComboBox);
        QTEST(item->suggestions, "suggestions");
        QTEST(item->pickOnly, "pickOnly");
    }

    void captionsAndFonts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fontFamily");
        QTest::addColumn<int>("pixelHeight");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");

        const auto row = [](const char *tag, int index, const char *name, const char *caption, const char *family,
                            int pixels, bool bold = false, bool italic = false) {
            QTest::newRow(tag) << index << QString(name) << QString(caption) << QString(family) << pixels << bold
                               << italic;
        };
        const char *times = "Times New Roman";
        const char *dialog = "MS Sans Serif";
        row("klasa1 title", 0, "STALY_SwiadectwoSzkolne_STR1_DATA_LABEL", "ŚWIADECTWO SZKOLNE", times, 29);
        row("klasa1 form", 0, "STALY_MEN_STR1_DATA_LABEL", "MEN-I/19/2", times, 16);
        row("klasa1 heading", 0, "STALY_ObowiazkoweZajecia_STR2_DATA_LABEL", "Obowiązkowe zajęcia edukacyjne", times,
            16, true);
        row("klasa1 results", 0, "STALY_WynKlasyfikacji_STR2_DATA_LABEL", "WYNIKI KLASYFIKACJI ROCZNEJ", times, 16);
        row("klasa1 form teacher", 0, "STALY_Wychowawca_STR2_DATA_LABEL", "WYCHOWAWCA KLASY", dialog, 11);
        row("klasa2 form", 1, "STALY_MEN_STR1_DATA_LABEL", "MEN-I/19/2", times, 16);
        row("koniec title", 2, "STALY_SwiadectwoUkonczenia_STR1_DATA_LABEL", "ŚWIADECTWO UKOŃCZENIA", times, 29);
        row("koniec title line 2", 2, "STALY_SzkolyPrzysposabiajacej_STR1_DATA_LABEL",
            "SZKOŁY PRZYSPOSABIAJĄCEJ DO PRACY", times, 27);
        row("koniec completed", 2, "STALY_Ukonczyl_STR1_DATA_LABEL", "ukończył", times, 16);
        row("koniec form", 2, "STALY_MEN_STR1_DATA_LABEL", "MEN-I/20/2", times, 16);
        row("koniec results", 2, "STALY_WynKlasyfikacji_STR2_DATA_LABEL", "WYNIKI KLASYFIKACJI KOŃCOWEJ", times, 16);
        row("str1 extension", 3, "STALY_InformacjaOWydluzeniuEtapu_DATA_LABEL",
            "Informacja o wydłużeniu etapu edukacyjnego", "Arial", 11);
        row("str1b extension", 5, "STALY_InformacjaOWydluzeniuEtapu_DATA_LABEL",
            "Informacja o przedłużeniu okresu nauki", "Arial", 11);
        row("str1 form", 3, "STALY_MEN_DATA_LABEL", "MEN-I/41/2", "Arial", 13);
        row("str1b form", 5, "STALY_MEN_DATA_LABEL", "MEN-I/41b/2", "Arial", 13);
        row("str1 title 4", 3, "STALY_ArkuszOcenTytul4_DATA_LABEL", "Z NIEPEŁNOSPRAWNOŚCIAMI SPRZĘŻONYMI", "Arial",
            16, true);
        row("str1b title 4", 5, "STALY_ArkuszOcenTytul4_DATA_LABEL", "Z NIEPEŁNOSPRAWNŚCIAMI SPRZĘŻONYMI", "Arial",
            16, true);
        row("str1 non-public note", 3, "STALY_WypelniaSzkolaNiepubliczna_DATA_LABEL",
            "(wypełnia szkoła niepubliczna)", "Arial", 9, false, true);
        row("str1 small print", 5, "STALY_DataTozsamoscOsobyOdbierajacejDuplikat_DATA_LABEL",
            "(data, tożsamość osoby odbierającej duplikat i oznaczenie dokumentu tożsamości oraz podpis dyrektora "
            "szkoły)",
            "Arial", 9);
        row("str2 page", 4, "STALY_Strona_DATA_LABEL", "str. 2", dialog, 11);
        row("str2b page", 6, "STALY_Strona_DATA_LABEL", "str. 2", dialog, 11);
        row("str3b page", 7, "STALY_Strona_DATA_LABEL", "str. 3", dialog, 11);
        row("str4b page", 8, "STALY_Strona_DATA_LABEL", "str. 4", dialog, 11);
        row("str4b column 2 heading", 8, "STALY_WynikiKlasyfikacji2_DATA_LABEL", "Wyniki klasyfikacji rocznej",
            dialog, 11);
        row("str2 heading", 4, "STALY_SzczegolneOsiagniecia_DATA_LABEL", "Szczególne osiągnięcia", dialog, 11, true);
        row("str2b trailing space", 6, "STALY_LiczbaOpuszczonychGodzin1_DATA_LABEL", "Liczba ", dialog, 11);
        row("str5b title", 9, "STALY_ZajPraktyczne_STR1_DATA_LABEL", "ZAJĘCIA PRAKTYCZNE", dialog, 11);
        row("str5b unit", 9, "STALY_Nazwa2_STR1_DATA_LABEL", "w której prowadzone są zajęcia praktyczne", dialog, 11);
    }

    void captionsAndFonts()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        const ItemDefinition *item = definitionAt(index).item(name);
        QVERIFY(item);
        QCOMPARE(item->kind, ItemKind::Label);
        QTEST(item->caption, "caption");
        QTEST(item->font.family, "fontFamily");
        QTEST(item->font.pixelHeight, "pixelHeight");
        QTEST(item->font.bold, "bold");
        QTEST(item->font.italic, "italic");
    }

    void namesAreUniqueIgnoringCase_data() { addDocumentRows(); }
    void namesAreUniqueIgnoringCase()
    {
        QFETCH(int, index);
        QSet<QString> seen;
        for (const ItemDefinition &item : definitionAt(index).items) {
            QVERIFY2(!seen.contains(asciiUpper(item.name)), qPrintable(item.name));
            seen.insert(asciiUpper(item.name));
        }
    }

    // Kinds are found by substring tests, so a name may hold only its own suffix.
    void eachNameHoldsExactlyItsKindSuffix_data() { addDocumentRows(); }
    void eachNameHoldsExactlyItsKindSuffix()
    {
        QFETCH(int, index);
        for (const ItemDefinition &item : definitionAt(index).items) {
            int suffixes = 0;
            for (const QString &suffix : kKindSuffixes)
                suffixes += int(item.name.count(suffix));
            QVERIFY2(suffixes == 1, qPrintable(item.name));
            QVERIFY2(item.name.endsWith(kindSuffix(item.kind)), qPrintable(item.name));
            QVERIFY2(item.isMemo() == (item.lineLimit > 0), qPrintable(item.name));
            QVERIFY2(item.isVariable() == (item.tabOrder >= 0), qPrintable(item.name));
        }
    }

    void certificateItemsSitOnThePageOfTheirInfix_data()
    {
        QTest::addColumn<int>("index");
        QTest::newRow("TFKlasa1") << 0;
        QTest::newRow("TFKlasa2") << 1;
        QTest::newRow("TFKoniec") << 2;
    }
    void certificateItemsSitOnThePageOfTheirInfix()
    {
        QFETCH(int, index);
        for (const ItemDefinition &item : definitionAt(index).items) {
            const bool first = item.name.contains(QLatin1String("_STR1_"));
            const bool second = item.name.contains(QLatin1String("_STR2_"));
            QVERIFY2(first != second, qPrintable(item.name));
            QVERIFY2(item.editorPage == (second ? 2 : 1), qPrintable(item.name));
        }
    }

    void everyVariableItemHasASampleWhereTheFormWritesThem_data() { addDocumentRows(); }
    void everyVariableItemHasASampleWhereTheFormWritesThem()
    {
        QFETCH(int, index);
        const DocumentDefinition &definition = definitionAt(index);
        for (const ItemDefinition *item : definition.variableItems()) {
            QVERIFY2(item->sample.isEmpty() != definition.hasSamples, qPrintable(item->name));
            if (definition.hasSamples)
                QVERIFY2(item->isMemo() == item->sample.contains(QLatin1String("%d")), qPrintable(item->name));
        }
    }
};

QTEST_GUILESS_MAIN(DefinitionsTest)
#include "tst_definitions.moc"
