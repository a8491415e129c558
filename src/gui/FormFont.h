#pragma once
#include "system/Fonts.h"

#include <QFont>

namespace krevol {

// The font of the document forms: MS Sans Serif, 11 pixels high (mapped to
// its metric twin). The memos wrap their lines in it, so the mapping is made
// sure of before the font is used.
inline QFont formFont()
{
    installFontSubstitutions();
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    return font;
}

} // namespace krevol
