#pragma once
// Where a constant text of a document form lies over the picture of its page
// in the editor, in editor pixels. The pictures are drawn from the default
// calibration, so the labels take their places from the same file.
#include <QRect>
#include <optional>

class QFont;

namespace krevol {

struct DocumentDefinition;
struct ItemDefinition;

struct LabelPlacement
{
    QRect rect;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
};

// Nothing for a label the default calibration does not place; such a label
// stays hidden (so do the editor's own dotted signature lines, which the
// picture of the page already shows).
std::optional<LabelPlacement> editorLabelPlacement(const DocumentDefinition &definition, const ItemDefinition &label,
                                                   const QFont &font);

} // namespace krevol
