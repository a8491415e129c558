#pragma once
// The default layout of the three certificates, as calibration lines: every
// item of each form placed where the form's editor shows it, the editor's
// 716-pixel-wide page scaled to the 885-unit page, with the group marker of
// each line's group after its last field.
#include <QStringList>

namespace krevol::tools {

// The editor page is this wide; the page surface is 885 units wide.
inline constexpr double kEditorToPage = 885.0 / 716.0;

// The default calibration lines of certificate `catalogueIndex` (0, 1 or 2), in drawing order.
QStringList certificateCalibrationLines(int catalogueIndex);

} // namespace krevol::tools
