// The catalogue of document types: what the main window, the data file, the
// printing and the calibration editor know of each document besides its items.
// Everything is built once, on first use, and never changes afterwards.
#include "CatalogueParts.h"

namespace krevol {

using namespace catalogue;

namespace {

struct CatalogueRow
{
    const char *mainCaption;
    const char *formName;
    const char *formCaption;
    const char *sectionTag;
    int calibrationTypeIndex; // also names the calibration file
    int pageCount;
    bool inTree;
    int printRenderMode;
    bool portrait;
    DocumentDefinition (*build)();
};

// In catalogue order, index 0 to 9: the order of the sections in a student block.
const CatalogueRow kCatalogue[] = {
    {"MEN-I/19/2 świadectwo kl. 1", "TFKlasa1",
     "Świadectwo ukończenia klasy I szkoły zawodowej przysposabiającej", "KLASA I SZKOLY ZAWODOWEJ PRZYS.", 0, 2,
     true, 1, true, [] { return certificate(CertificateForm::ClassOne); }},
    {"MEN-I/19/2 świadectwo kl. 2", "TFKlasa2",
     "Świadectwo ukończenia klasy II szkoły zawodowej przysposabiającej", "KLASA II SZKOLY ZAWODOWEJ PRZYS.", 1, 2,
     true, 1, true, [] { return certificate(CertificateForm::ClassTwo); }},
    {"MEN-I/20/2 świadectwo ukończenia", "TFKoniec", "Świadectwo ukończenia szkoły zawodowej przysposabiającej",
     "UKONCZENIE SZKOLY ZAWODOWEJ PRZYS.", 2, 2, true, 1, true,
     [] { return certificate(CertificateForm::Completion); }},
    // The two MEN-I/41/2 pages are stored and calibrated but not offered in the tree.
    {"MEN-I/41/2 arkusz ocen str. 1", "TFArkuszStr1", "Arkusz ocen", "ARKUSZ OCEN STR 1 ZAWODOWEJ PRZYS.", 3, 1,
     false, 1, true, [] { return sheetFirstPage(FirstPageForm::GradeSheet); }},
    {"MEN-I/41/2 arkusz ocen str. 2", "TFArkuszStr2", "Arkusz - wkładka str 2", "ARKUSZ OCEN STR 2 ZAWODOWEJ PRZYS.",
     5, 1, false, 1, true, [] { return sheetResultsPage(ResultsPageForm::GradeSheetPage2); }},
    {"MEN-I/41b/2 arkusz ocen str. 1", "TFArkuszStr1b", "MEN-I/41b/2 arkusz ocen str. 1",
     "ARKUSZ OCEN STR 1b ZAWODOWEJ PRZYS. MEN-I/41b/2", 4, 1, true, 1, true,
     [] { return sheetFirstPage(FirstPageForm::SpecialGradeSheet); }},
    {"MEN-I/41b/2 arkusz ocen str. 2", "TFArkuszStr2b", "MEN-I/41b/2 arkusz ocen str. 2",
     "ARKUSZ OCEN STR 2b ZAWODOWEJ PRZYS. MEN-I/41b/2", 6, 1, true, 1, true,
     [] { return sheetResultsPage(ResultsPageForm::SpecialPage2); }},
    {"MEN-I/41b/2 arkusz ocen str. 3", "TFArkuszStr3b", "MEN-I/41b/2 arkusz ocen str. 3",
     "ARKUSZ OCEN STR 3b ZAWODOWEJ PRZYS. MEN-I/41b/2", 6, 1, true, 1, true,
     [] { return sheetResultsPage(ResultsPageForm::SpecialPage3); }},
    {"MEN-I/41b/2 arkusz ocen str. 4", "TFArkuszStr4b", "MEN-I/41b/2 arkusz ocen str. 4",
     "ARKUSZ OCEN STR 4b ZAWODOWEJ PRZYS. MEN-I/41b/2", 7, 1, true, 1, true,
     [] { return sheetResultsPage(ResultsPageForm::SpecialPage4); }},
    // Landscape, and printed from the preview rendering.
    {"MEN-I/41b/2 arkusz ocen str. 5", "TFArkuszStr5b", "MEN-I/41b/2 arkusz ocen str. 5",
     "ARKUSZ OCEN STR 5b ZAWODOWEJ PRZYS. MEN-I/41b/2", 8, 1, true, 0, false, [] { return sheetPracticalPage(); }},
};

QList<DocumentDefinition> buildCatalogue()
{
    QList<DocumentDefinition> definitions;
    for (const CatalogueRow &row : kCatalogue) {
        DocumentDefinition definition = row.build();
        definition.index = int(definitions.size());
        definition.mainCaption = QString::fromUtf8(row.mainCaption);
        definition.formName = QString::fromUtf8(row.formName);
        definition.formCaption = QString::fromUtf8(row.formCaption);
        definition.sectionTag = QString::fromUtf8(row.sectionTag);
        definition.calibrationTypeIndex = row.calibrationTypeIndex;
        definition.calibrationFile = calibrationTypes().at(row.calibrationTypeIndex).fileName;
        definition.pageCount = row.pageCount;
        definition.inTree = row.inTree;
        definition.printRenderMode = row.printRenderMode;
        definition.portrait = row.portrait;
        definitions << definition;
    }
    return definitions;
}

} // namespace

const QList<DocumentDefinition> &documentCatalogue()
{
    static const QList<DocumentDefinition> definitions = buildCatalogue();
    return definitions;
}

const DocumentDefinition &studentDefinition()
{
    static const DocumentDefinition definition = studentSection();
    return definition;
}

const QList<CalibrationType> &calibrationTypes()
{
    static const QList<CalibrationType> types = {
        {0, QStringLiteral("Świadectwo dla klasy I"), QStringLiteral("kalibracja_kolbernia_przys_klasaI.set")},
        {1, QStringLiteral("Świadectwo dla klasy II"), QStringLiteral("kalibracja_kolbernia_przys_klasaII.set")},
        {2, QStringLiteral("Świadectwo ukończenia"), QStringLiteral("kalibracja_kolbernia_przys_koniec.set")},
        {3, QStringLiteral("Arkusz ocen str. 1"), QStringLiteral("kalibracja_kolbernia_przys_arkusz_str1.set")},
        {4, QStringLiteral("Arkusz ocen str. 1 MEN-I/41b/2"),
         QStringLiteral("kalibracja_kolbernia_przys_arkusz_str1b.set")},
        {5, QStringLiteral("Arkusz ocen str. 2"), QStringLiteral("kalibracja_kolbernia_przys_arkusz_str2.set")},
        {6, QStringLiteral("Arkusz ocen str. 2, 3 MEN-I/41b/2"),
         QStringLiteral("kalibracja_kolbernia_przys_arkusz_str2b-3b.set")},
        {7, QStringLiteral("Arkusz ocen str. 4 MEN-I/41b/2"),
         QStringLiteral("kalibracja_kolbernia_przys_arkusz_str4b.set")},
        {8, QStringLiteral("Arkusz ocen str. 5 MEN-I/41b/2"),
         QStringLiteral("kalibracja_kolbernia_przys_arkusz_str5b.set")},
    };
    return types;
}

} // namespace krevol
