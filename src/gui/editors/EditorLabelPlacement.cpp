#include "EditorLabelPlacement.h"

#include "documents/DocumentDefinition.h"

namespace krevol {

QRect editorLabelRect(const DocumentDefinition &, const ItemDefinition &)
{
    // The places come with the layout of the printed forms; until then the
    // labels stay hidden.
    return QRect();
}

} // namespace krevol
