#pragma once
// The preview images of the main window's "Strona 1" and "Strona 2": the page
// pictures painted over a picture of the form, the page's unit (0, 0) at
// pixel (74, 74).
#include <QRect>
#include <QSize>
#include <QString>

namespace krevol {

class Session;

// (74, 74)-(957, 1388) for a portrait page, (74, 74)-(1388, 957) for a landscape one.
QRect previewRectangle(bool portrait);
// The size a preview image is made when it has none: the page rectangle with
// the same margin around it.
QSize blankPreviewSize(bool portrait);

// Loads the picture at `path` of the working folder into preview image
// `page` (0 or 1) when the file exists and reads as a picture; otherwise the
// image keeps what it showed, without a message.
void loadPreviewBackground(Session &session, int page, const QString &relativePath);

// Completes both page pictures and paints page 1 onto preview image 1 and
// page 2 onto preview image 2 (portraitFlag 1: portrait, 0: landscape). An
// image that holds nothing yet is made white first.
void vFunPokazPodglad(Session &session, int portraitFlag);

} // namespace krevol
