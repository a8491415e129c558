#pragma once
// The renderer of the three two-page certificates: walks the document's
// calibration file and draws each record's item onto page 1 or page 2.
namespace krevol {

class Session;

inline constexpr int kRenderPreview = 0; // paint the pages onto the preview images
inline constexpr int kRenderPrint = 1;   // leave the completed pages for printing

// Draws certificate `catalogueIndex` (0, 1 or 2) of the session's current
// contents. Emblem and seal are drawn only while session.printing is set.
// False after the report that the calibration file cannot be read.
bool vFunRysujSwiadectwo(Session &session, int catalogueIndex, int renderMode);

} // namespace krevol
