#pragma once
// Pictures of the certificate pages drawn from calibration lines: the page
// pictures the renderer makes of the constant texts and dotted lines,
// stretched into the editor's and the preview's backgrounds.
#include <QImage>
#include <QStringList>

namespace krevol::tools {

// Page `page` (0 or 1) of certificate `catalogueIndex` with nothing filled
// in, rendered from `lines`, stretched into an editor picture of `size`
// (the 885-unit page across its width).
QImage editorBackground(int catalogueIndex, const QStringList &lines, int page, QSize size);
// The same at the preview's placement, on a sheet within a grey margin.
QImage previewBackground(int catalogueIndex, const QStringList &lines, int page);
// The seal place: a dashed circle on white.
QImage sealPlacePicture();
// Greys only, 8 bits a pixel: small to store and quick to load.
QImage toGreyPalette(const QImage &image);

} // namespace krevol::tools
