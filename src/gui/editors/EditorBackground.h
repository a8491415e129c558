#pragma once
// The picture of a page of the official form that a document editor shows
// behind its entry fields.
#include <QPixmap>

namespace krevol {

struct DocumentDefinition;

// Page 1 or 2, at the definition's editor size for that page: the picture
// from the working folder's "grafika" folder, or a plain sheet of paper when
// there is none.
QPixmap editorBackground(const DocumentDefinition &definition, int page);

} // namespace krevol
