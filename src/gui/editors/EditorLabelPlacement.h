#pragma once
// Where a constant text of a document form lies over the picture of its page
// in the editor, in editor pixels.
#include <QRect>

namespace krevol {

struct DocumentDefinition;
struct ItemDefinition;

// A null rectangle leaves the label hidden: the picture of the page already
// shows the printed text.
QRect editorLabelRect(const DocumentDefinition &definition, const ItemDefinition &label);

} // namespace krevol
