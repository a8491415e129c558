#include "EditorLabelPlacement.h"

#include "documents/DocumentDefinition.h"

namespace krevol {

QRect editorLabelRect(const DocumentDefinition &, const ItemDefinition &label)
{
    // A label given a place keeps it. The constant texts have none yet: their
    // places come with the layout of the printed forms; until then they stay hidden.
    return label.editorRect;
}

} // namespace krevol
