#include "PreviewPanel.h"

#include "LinkedScrollAreas.h"

#include <QTabWidget>

namespace krevol {

void PreviewPanel::showPage(int tab)
{
    m_tabs->setCurrentIndex(tab);
}

void PreviewPanel::setSecondPageVisible(bool visible)
{
    m_tabs->setTabVisible(1, visible);
}

void PreviewPanel::setVerticalScroll(int value, bool bothBoxes)
{
    m_scrolling->setPosition(0, Qt::Vertical, value);
    if (bothBoxes)
        m_scrolling->setPosition(1, Qt::Vertical, value);
}

void PreviewPanel::setHorizontalScroll(int value)
{
    for (int box : {0, 1})
        m_scrolling->setPosition(box, Qt::Horizontal, value);
}

} // namespace krevol
