#pragma once
// Internal to the catalogue: the builders of the document definitions, one per
// family of forms, and the small helpers their item tables are written with.
// The rest of the program reads the finished definitions through
// documents/DocumentDefinition.h.
#include "documents/DocumentDefinition.h"

namespace krevol::catalogue {

// ---- Builders. Each fills the items and what its family fixes (family,
// editor picture sizes, page code, samples); documentCatalogue() adds the
// catalogue row (index, captions, tag, calibration, pages, printing).

DocumentDefinition studentSection();

enum class CertificateForm { ClassOne, ClassTwo, Completion };
DocumentDefinition certificate(CertificateForm form);

enum class FirstPageForm { GradeSheet, SpecialGradeSheet }; // MEN-I/41/2, MEN-I/41b/2
DocumentDefinition sheetFirstPage(FirstPageForm form);

enum class ResultsPageForm { GradeSheetPage2, SpecialPage2, SpecialPage3, SpecialPage4 };
DocumentDefinition sheetResultsPage(ResultsPageForm form);

DocumentDefinition sheetPracticalPage();

// ---- Helpers for the builders and their item tables.

// An empty definition of the family, over an editor picture of that size.
DocumentDefinition familyDefinition(DocumentFamily family, QSize editorPageSize);

// Every one-line field of the editors is 21 pixels high.
inline constexpr int kLineHeight = 21;

struct Place
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = kLineHeight;

    QRect rect() const { return QRect(left, top, width, height); }
};

// The editor page follows the page infix of the name: "_STR2" items sit on
// page 2, all others on page 1.
ItemDefinition editItem(const char *name, Place place, int tab, ItemSource source, int maxLength,
                        const char *sample);
ItemDefinition comboItem(const char *name, Place place, int tab, int maxLength, const char *sample,
                         const QStringList &suggestions);
// A memo whose sample is `lineCount` lines made from `sampleFormat`, numbered
// from `firstNumber`; the line limit may keep fewer of them.
ItemDefinition memoItem(const char *name, Place place, int tab, int lineLimit,
                        const char *sampleFormat, int firstNumber, int lineCount);
ItemDefinition labelItem(const char *name, const char *caption, const LabelFont &font);

// The item of that exact name; a name missing from a table is a fault in the
// tables themselves, so it stops the program.
ItemDefinition &itemNamed(QList<ItemDefinition> &items, const char *name);
void removeItems(QList<ItemDefinition> &items, const QStringList &names);
void insertAfter(QList<ItemDefinition> &items, const char *name, const ItemDefinition &item);
void setCaption(QList<ItemDefinition> &items, const char *name, const char *caption);

// Numbers the variable items that have no tab order yet, from `firstTab`, in
// reading order: top to bottom, and left to right within a row, where items
// whose tops differ by at most 3 pixels make one row.
void numberTabsInReadingOrder(QList<ItemDefinition> &items, int firstTab);

// The religion or ethics grades the combo boxes suggest, in their order.
QStringList religionGrades();

} // namespace krevol::catalogue
