// The student's personal data (form TFDaneUcznia): the first section of every
// student block and the source of the documents' derived items. Its names
// have neither a prefix nor a page infix. The dialog lays its fields out by
// itself, so no positions are given; each field's caption is the text of the
// label the dialog shows beside it.
#include "CatalogueParts.h"

namespace krevol::catalogue {

namespace {

constexpr Place kNoPlace{0, 0, 0, 0}; // a null rectangle

ItemDefinition field(ItemDefinition item, const char *caption)
{
    item.caption = QString::fromUtf8(caption);
    return item;
}

QStringList birthYears()
{
    QStringList years;
    for (int year = 1990; year <= 2000; ++year)
        years << QString::number(year);
    return years;
}

} // namespace

DocumentDefinition studentSection()
{
    using enum ItemSource;
    // The dialog has no picture behind its fields.
    DocumentDefinition definition = familyDefinition(DocumentFamily::StudentData, QSize());
    definition.index = -1;
    definition.formName = QStringLiteral("TFDaneUcznia");
    definition.formCaption = QStringLiteral("Dane ucznia");
    definition.sectionTag = QStringLiteral("DANE UCZNIA SZKOLY ZAWODOWEJ PRZYS.");
    definition.inTree = false;
    definition.hasSamples = false;

    ItemDefinition gender = comboItem("Plec_DATA_COMBOBOX", kNoPlace, 2, 0, "",
                                      {QStringLiteral("kobieta"), QStringLiteral("mężczyzna")});
    gender.pickOnly = true;
    // Town and voivodeship suggestions are read from the working folder's lists.
    definition.items = {
        field(editItem("Imie_DATA_EDIT", kNoPlace, 1, User, 48, ""), "imię"),
        field(editItem("UrodzonyDnia_DATA_EDIT", kNoPlace, 3, User, 46, ""), "urodzony dnia"),
        field(gender, "płeć"),
        field(comboItem("UrodzonyRok_DATA_COMBOBOX", kNoPlace, 4, 0, "", birthYears()), "urodzony w roku"),
        field(comboItem("UrodzonyMiasto_DATA_COMBOBOX", kNoPlace, 5, 0, "", {}), "urodzony w (miasto)"),
        field(comboItem("UrodzonyWoj_DATA_COMBOBOX", kNoPlace, 6, 0, "", {}), "urodzony (województwo)"),
        field(editItem("NrDziennika_DATA_EDIT", kNoPlace, 7, User, 48, ""), "nr ucznia na świadectwie"),
        field(editItem("Nazwisko_DATA_EDIT", kNoPlace, 0, User, 48, ""), "nazwisko"),
        field(editItem("NrPesel_DATA_EDIT", kNoPlace, 8, User, 11, ""), "numer PESEL"),
    };
    return definition;
}

} // namespace krevol::catalogue
