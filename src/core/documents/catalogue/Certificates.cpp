// The three two-page certificates. The class I certificate is the table; the
// class II certificate and the completion certificate are made from it by
// their differences, so that what they share is written once.
#include "CatalogueParts.h"

namespace krevol::catalogue {

namespace {

using enum ItemSource;

LabelFont times(int pixelHeight, bool bold = false)
{
    return {QStringLiteral("Times New Roman"), pixelHeight, bold, false};
}

// Page 1 of each certificate, then page 2; tab orders run per page.
QList<ItemDefinition> classOneVariableItems()
{
    return {
        editItem("ZMIENNA_ImieNazwisko_STR1_DATA_EDIT", {168, 321, 393}, 0, Derived, 0, "imię i nazwisko"),
        editItem("ZMIENNA_MiejsceUrodzenia_STR1_DATA_EDIT", {276, 357, 169}, 2, Derived, 0, "miejsce ur."),
        editItem("ZMIENNA_NrPesel_STR1_DATA_EDIT", {472, 357, 145}, 3, Derived, 0, "123456789"),
        editItem("ZMIENNA_RokSzkolny1_STR1_DATA_EDIT", {296, 399, 63}, 5, Template, 4, "2011"),
        editItem("ZMIENNA_RokSzkolny2_STR1_DATA_EDIT", {368, 399, 70}, 6, Template, 4, "2012"),
        editItem("ZMIENNA_Klasa_STR1_DATA_EDIT", {493, 399, 123}, 7, Template, 15, "klasa"),
        editItem("ZMIENNA_SzkolaZawodowa1_STR1_DATA_EDIT", {101, 433, 516}, 8, Template, 72, "szkoła zawodowa 1"),
        editItem("ZMIENNA_SzkolaZawodowa2_STR1_DATA_EDIT", {101, 470, 515}, 9, Template, 72, "szkoła zawodowa 2"),
        editItem("ZMIENNA_ImieSzkoly1_STR1_DATA_EDIT", {232, 506, 384}, 11, Template, 69, "imię szkoły 1"),
        editItem("ZMIENNA_ImieSzkoly2_STR1_DATA_EDIT", {101, 541, 515}, 12, Template, 72, "imię szkoły 2"),
        editItem("ZMIENNA_SzkolaMiasto_STR1_DATA_EDIT", {134, 577, 201}, 14, Template, 32, "szkoła miasto"),
        editItem("ZMIENNA_SzkolaWoj_STR1_DATA_EDIT", {367, 577, 249}, 15, Template, 32, "szkoła woj."),
        editItem("ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT", {451, 659, 102}, 20, Template, 37, "prom. do klasy"),
        editItem("ZMIENNA_Miejscowosc_STR1_DATA_EDIT", {99, 743, 244}, 21, Template, 33, "miejscowość"),
        editItem("ZMIENNA_MiejscowoscDnia_STR1_DATA_EDIT", {382, 743, 150}, 22, Template, 23, "miejscowość dnia"),
        editItem("ZMIENNA_MiejscowoscRok_STR1_DATA_EDIT", {536, 743, 65}, 23, Template, 4, "2012"),
        editItem("ZMIENNA_NrNaSwiadectwie_STR1_DATA_EDIT", {121, 836, 93}, 24, Derived, 0, "12345"),
        editItem("ZMIENNA_DataUrodzenia_STR1_DATA_EDIT", {104, 357, 145}, 1, Derived, 0, "1 stycznia 1980"),
        editItem("ZMIENNA_TakNieOtrzymal_STR1_DATA_EDIT", {211, 659, 33}, 17, User, 3, "nie"),
        editItem("ZMIENNA_RealizowalA_STR1_DATA_EDIT", {327, 610, 20}, 16, Derived, 0, "a"),
        editItem("ZMIENNA_PromocjiE_STR1_DATA_EDIT", {376, 659, 22}, 19, User, 1, "e"),
        editItem("ZMIENNA_UczeszczalA_STR1_DATA_EDIT", {168, 399, 18}, 4, Derived, 0, "a"),
        editItem("ZMIENNA_SzkolaWE_STR1_DATA_EDIT", {116, 577, 18}, 13, Template, 1, "e"),
        editItem("ZMIENNA_NrSzkoly_STR1_DATA_EDIT", {120, 506, 89}, 10, Template, 69, "123"),
        editItem("ZMIENNA_OtrzymalA_STR1_DATA_EDIT", {298, 659, 20}, 18, Derived, 0, "a"),

        memoItem("ZMIENNA_Zachowanie_STR2_DATA_MEMO", {137, 156, 460, 78}, 0, 4, "zachowanie linia %d", 1, 4),
        comboItem("ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX", {388, 234, 209}, 1, 31, "religia ocn", religionGrades()),
        memoItem("ZMIENNA_FunkcjonowanieSpoleczne_STR2_DATA_MEMO", {137, 331, 460, 79}, 2, 4,
                 "funkcjonowanie osobiste i społeczne linia %d", 1, 4),
        memoItem("ZMIENNA_WychowanieFizyczne_STR2_DATA_MEMO", {137, 460, 460, 79}, 3, 4,
                 "wychowanie fizyczne linia %d", 1, 4),
        memoItem("ZMIENNA_PrzysposobienieDoPracy_STR2_DATA_MEMO", {137, 587, 460, 185}, 4, 12,
                 "przysposobienie do pracy linia %d", 1, 12),
        memoItem("ZMIENNA_DodatkoweZajeciaEdu_STR2_DATA_MEMO", {137, 816, 460, 77}, 5, 3,
                 "dodatkowe zajęcia edu. linia %d", 1, 12),
        memoItem("ZMIENNA_Szczegolne_STR2_DATA_MEMO", {137, 920, 460, 77}, 6, 3,
                 "szczególne osiągnięcia linia %d", 1, 12),
    };
}

QList<ItemDefinition> classOneLabels()
{
    return {
        labelItem("STALY_SwiadectwoSzkolne_STR1_DATA_LABEL", "ŚWIADECTWO SZKOLNE", times(29)),
        labelItem("STALY_ImieNazwisko_STR1_DATA_LABEL", "imię (imiona) i nazwisko", times(11)),
        labelItem("STALY_DataUrodzenia_STR1_DATA_LABEL", "data urodzenia", times(11)),
        labelItem("STALY_Uczeszczal_STR1_DATA_LABEL", "uczęszczał", times(16)),
        labelItem("STALY_WRokuSzkolnym_STR1_DATA_LABEL", "w roku szkolnym", times(16)),
        labelItem("STALY_Slash_STR1_DATA_LABEL", "/", times(16)),
        labelItem("STALY_DoKlasy_STR1_DATA_LABEL", "do klasy", times(16)),
        labelItem("STALY_Im_STR1_DATA_LABEL", "im.", times(16)),
        labelItem("STALY_SzkolaW_STR1_DATA_LABEL", "w", times(16)),
        labelItem("STALY_SzkolaWoj_STR1_DATA_LABEL", "woj.", times(16)),
        labelItem("STALY_Otrzymal_STR1_DATA_LABEL", "otrzymał", times(16)),
        labelItem("STALY_Promocji_STR1_DATA_LABEL", "promocj", times(16)),
        labelItem("STALY_PromDoKlasy_STR1_DATA_LABEL", "do klasy", times(16)),
        labelItem("STALY_MiejscDnia_STR1_DATA_LABEL", ", dnia", times(16)),
        labelItem("STALY_MiejscRok_STR1_DATA_LABEL", "r.", times(16)),
        labelItem("STALY_NrSwiadectwa_STR1_DATA_LABEL", "Nr", times(16)),
        labelItem("STALY_OTrzyletnim_STR1_DATA_LABEL", "o trzyletnim okresie nauczania, realizował", times(13)),
        labelItem("STALY_MEN_STR1_DATA_LABEL", "MEN-I/19/2", times(16)),
        labelItem("STALY_Miejscowosc_STR1_DATA_LABEL", "( miejscowość )", times(11)),
        labelItem("STALY_PodpisDyrektora_STR1_DATA_LABEL", "( pieczęć i podpis dyrektora )", times(11)),
        labelItem("STALY_MiejsceUrodzenia_STR1_DATA_LABEL", "miejsce urodzenia", times(11)),
        labelItem("STALY_NrPesel_STR1_DATA_LABEL", "numer PESEL", times(11)),
        labelItem("STALY_NazwaZasadniczejSzkoly_STR1_DATA_LABEL", "( nazwa szkoły przysposabiającej do pracy )",
                  times(11)),
        labelItem("STALY_NrSzkoly_STR1_DATA_LABEL", "nr", times(16)),
        labelItem("STALY_I_STR1_DATA_LABEL", "i", times(16)),
        labelItem("STALY_ZUwzglednieniem_STR1_DATA_LABEL",
                  "z uwzględnieniem treści nauczania zawartych w podstawie programowej kształcenia ogólnego",
                  times(13)),
        labelItem("STALY_ProgramPrzys_STR1_DATA_LABEL", "program przysposobienia do pracy opracowany", times(13)),

        labelItem("STALY_SkalaOcen1_STR2_DATA_LABEL", "Skala ocen:", times(11)),
        labelItem("STALY_SkalaOcen2_STR2_DATA_LABEL", "1) zachowanie, zajęcia edukacyjne: ocena opisowa;", times(11)),
        labelItem("STALY_SkalaOcen3_STR2_DATA_LABEL", "2) religia/etyka: celujący, bardzo dobry, dobry,", times(11)),
        labelItem("STALY_SkalaOcen4_STR2_DATA_LABEL", "dostateczny, dopuszczający, niedostateczny.", times(11)),
        labelItem("STALY_WynKlasyfikacji_STR2_DATA_LABEL", "WYNIKI KLASYFIKACJI ROCZNEJ", times(16)),
        labelItem("STALY_Zachowanie_STR2_DATA_LABEL", "zachowanie", times(16)),
        labelItem("STALY_Religia_STR2_DATA_LABEL", "religia/etyka", times(16)),
        labelItem("STALY_ObowiazkoweZajecia_STR2_DATA_LABEL", "Obowiązkowe zajęcia edukacyjne", times(16, true)),
        labelItem("STALY_FunkcjonowanieSpoleczne_STR2_DATA_LABEL", "funkcjonowanie osobiste i społeczne", times(16)),
        labelItem("STALY_WychowanieFizyczne_STR2_DATA_LABEL", "wychowanie fizyczne", times(16)),
        labelItem("STALY_PrzysposobienieDoPracy_STR2_DATA_LABEL", "przysposobienie do pracy", times(16)),
        labelItem("STALY_DodatkoweZajeciaEdu_STR2_DATA_LABEL", "Dodatkowe zajęcia edukacyjne", times(16, true)),
        labelItem("STALY_SzczegolneOsiagniecia_STR2_DATA_LABEL", "Szczególne osiągnięcia", times(16, true)),
        // Written in the form's own font.
        labelItem("STALY_Wychowawca_STR2_DATA_LABEL", "WYCHOWAWCA KLASY", {QStringLiteral("MS Sans Serif"), 11}),
    };
}

// The class II and completion pages 2 stand 8 pixels higher than class I's;
// the religion grade has a place of its own on each.
void raisePageTwo(QList<ItemDefinition> &items, Place religionGrade)
{
    for (ItemDefinition &item : items)
        if (item.isMemo() && item.editorPage == 2)
            item.editorRect.translate(0, -8);
    itemNamed(items, "ZMIENNA_ReligiaOcena_STR2_DATA_COMBOBOX").editorRect = religionGrade.rect();
}

// The completion certificate has no class and no promotion, and the gender
// ending follows "ukończył" instead of "uczęszczał".
void makeCompletion(QList<ItemDefinition> &items)
{
    itemNamed(items, "ZMIENNA_UczeszczalA_STR1_DATA_EDIT") =
        editItem("ZMIENNA_UkonczylA_STR1_DATA_EDIT", {256, 399, 18}, 4, Derived, 0, "a");
    removeItems(items, {QStringLiteral("ZMIENNA_Klasa_STR1_DATA_EDIT"),
                        QStringLiteral("ZMIENNA_PromocjaKlasa_STR1_DATA_EDIT"),
                        QStringLiteral("ZMIENNA_TakNieOtrzymal_STR1_DATA_EDIT"),
                        QStringLiteral("ZMIENNA_PromocjiE_STR1_DATA_EDIT"),
                        QStringLiteral("ZMIENNA_OtrzymalA_STR1_DATA_EDIT"),
                        QStringLiteral("STALY_DoKlasy_STR1_DATA_LABEL"),
                        QStringLiteral("STALY_I_STR1_DATA_LABEL"),
                        QStringLiteral("STALY_Otrzymal_STR1_DATA_LABEL"),
                        QStringLiteral("STALY_Promocji_STR1_DATA_LABEL"),
                        QStringLiteral("STALY_PromDoKlasy_STR1_DATA_LABEL")});
    itemNamed(items, "ZMIENNA_RokSzkolny1_STR1_DATA_EDIT").editorRect.moveLeft(384);
    itemNamed(items, "ZMIENNA_RokSzkolny2_STR1_DATA_EDIT").editorRect.moveLeft(456);

    itemNamed(items, "STALY_SwiadectwoSzkolne_STR1_DATA_LABEL") =
        labelItem("STALY_SwiadectwoUkonczenia_STR1_DATA_LABEL", "ŚWIADECTWO UKOŃCZENIA", times(29));
    // The second line of the title follows the first.
    insertAfter(items, "STALY_SwiadectwoUkonczenia_STR1_DATA_LABEL",
                labelItem("STALY_SzkolyPrzysposabiajacej_STR1_DATA_LABEL", "SZKOŁY PRZYSPOSABIAJĄCEJ DO PRACY",
                          times(27)));
    itemNamed(items, "STALY_Uczeszczal_STR1_DATA_LABEL") =
        labelItem("STALY_Ukonczyl_STR1_DATA_LABEL", "ukończył", times(16));
    setCaption(items, "STALY_MEN_STR1_DATA_LABEL", "MEN-I/20/2");
    setCaption(items, "STALY_WynKlasyfikacji_STR2_DATA_LABEL", "WYNIKI KLASYFIKACJI KOŃCOWEJ");
}

} // namespace

DocumentDefinition certificate(CertificateForm form)
{
    DocumentDefinition definition = familyDefinition(DocumentFamily::Certificate, QSize(716, 1053));
    definition.editorPage2Size = QSize(716, 1200);
    definition.items = classOneVariableItems() + classOneLabels();
    switch (form) {
    case CertificateForm::ClassOne:
        break;
    case CertificateForm::ClassTwo:
        raisePageTwo(definition.items, {387, 227, 209});
        break;
    case CertificateForm::Completion:
        raisePageTwo(definition.items, {388, 226, 209});
        makeCompletion(definition.items);
        break;
    }
    return definition;
}

} // namespace krevol::catalogue
