#pragma once
// Copies a certificate's yearly results into one column of a grade-sheet
// results page.
namespace krevol {

class DocumentModel;

// The catalogue index of the results page a page code names (2, 4, 5 or 6);
// -1 for any other code.
int sheetIndexForPageCode(int pageCode);

// Overwrites six items of the chosen column of `sheet` with whole texts of the
// certificate's second page. Page codes serve: 2 and 6 columns 1 and 2, 4 and 5
// column 1 only; any other combination copies nothing.
void vFunPrzepiszDoArkusza(const DocumentModel &certificate, DocumentModel &sheet, int pageCode, int column);

} // namespace krevol
