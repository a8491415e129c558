#pragma once
// The pictures the renderers read from the working folder.
#include <QString>

namespace krevol::render_files {

inline const QString kSealPicture = QStringLiteral("grafika/m_p.bmp");
// The emblem is a vector picture; this platform has no metafile reader, so it is SVG.
inline const QString kEmblemPicture = QStringLiteral("grafika/orzel.svg");
// The preview backgrounds of the two certificate pages, shared by the three certificates.
inline const QString kCertificatePreviewPage1 = QStringLiteral("grafika/sw_str1_prw.bmp");
inline const QString kCertificatePreviewPage2 = QStringLiteral("grafika/sw_str2_prw.bmp");

} // namespace krevol::render_files
