#pragma once

namespace krevol {

// The forms and calibration files name Windows fonts; map them to the
// metric-compatible free fonts so text keeps its width.
void installFontSubstitutions();

} // namespace krevol
