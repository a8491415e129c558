#pragma once
// The main window's preview as the renderers see it: selecting a tab page and
// scrolling the pages, for the calibration editor's highlight of an item.
#include "render/PreviewViewport.h"

class QTabWidget;

namespace krevol {

class LinkedScrollAreas;

class PreviewPanel : public PreviewViewport
{
public:
    PreviewPanel(QTabWidget *tabs, LinkedScrollAreas *scrolling) : m_tabs(tabs), m_scrolling(scrolling) {}

    void showPage(int tab) override;
    void setSecondPageVisible(bool visible) override;
    void setVerticalScroll(int value, bool bothBoxes) override;
    void setHorizontalScroll(int value) override;

private:
    QTabWidget *m_tabs;
    LinkedScrollAreas *m_scrolling;
};

} // namespace krevol
