#pragma once
// The main window's preview as the renderers see it: two tab pages, each a
// scroll box holding one preview image. The desktop program implements it
// with its tab widget and scroll areas; the session points to it (or to
// nothing, for the command-line tool and most tests).
namespace krevol {

class PreviewViewport
{
public:
    virtual ~PreviewViewport() = default;
    // Selects tab page 0 ("Strona 1") or 1 ("Strona 2").
    virtual void showPage(int tab) = 0;
    // Shows or hides the second tab page (certificates have two pages).
    virtual void setSecondPageVisible(bool visible) = 0;
    // The vertical scroll position of both scroll boxes, or of the first one only.
    virtual void setVerticalScroll(int value, bool bothBoxes) = 0;
    // The horizontal scroll position of both scroll boxes.
    virtual void setHorizontalScroll(int value) = 0;
};

} // namespace krevol
