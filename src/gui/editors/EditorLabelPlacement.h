#pragma once
// Where a constant text of a document form lies over the picture of its page
// in the editor, in editor pixels.
#include <QRect>

namespace krevol {

struct DocumentDefinition;
struct ItemDefinition;

// A null rectangle leaves the label hidden (the picture of the page shows the
// printed text). The editor's own dotted signature lines come here too.
QRect editorLabelRect(const DocumentDefinition &definition, const ItemDefinition &label);

} // namespace krevol
