#include "LinkedScrollAreas.h"

#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <algorithm>

namespace krevol {

LinkedScrollAreas::LinkedScrollAreas(QTabWidget *tabs, const QList<QScrollArea *> &areas, QObject *parent)
    : QObject(parent)
    , m_tabs(tabs)
    , m_areas(areas)
    , m_positions(areas.size())
{
    for (qsizetype i = 0; i < m_areas.size(); ++i) {
        QScrollArea *area = m_areas[i];
        addWheelSource(area->viewport());
        for (QScrollBar *bar : {area->verticalScrollBar(), area->horizontalScrollBar()})
            connect(bar, &QScrollBar::valueChanged, this, [this, i, area, bar](int value) {
                if (area->isVisible())
                    (bar->orientation() == Qt::Vertical ? m_positions[i].ry() : m_positions[i].rx()) = value;
            });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        if (auto *area = qobject_cast<QScrollArea *>(m_tabs->widget(tab)))
            applyPosition(area);
    });
}

void LinkedScrollAreas::addWheelSource(QWidget *widget)
{
    widget->installEventFilter(this);
    m_wheelSources << widget;
}

void LinkedScrollAreas::scrollBy(int wheelDelta)
{
    for (qsizetype i = 0; i < m_areas.size(); ++i)
        setPosition(int(i), Qt::Vertical, m_positions[i].y() - wheelDelta);
}

void LinkedScrollAreas::setPosition(int index, Qt::Orientation orientation, int value)
{
    QScrollArea *area = m_areas[index];
    QScrollBar *bar = orientation == Qt::Vertical ? area->verticalScrollBar() : area->horizontalScrollBar();
    if (area->isVisible()) {
        bar->setValue(value);
        value = bar->value(); // held within the page
    }
    (orientation == Qt::Vertical ? m_positions[index].ry() : m_positions[index].rx()) = std::max(0, value);
}

void LinkedScrollAreas::applyPosition(QScrollArea *area)
{
    const qsizetype index = m_areas.indexOf(area);
    if (index < 0)
        return;
    area->verticalScrollBar()->setValue(m_positions[index].y());
    area->horizontalScrollBar()->setValue(m_positions[index].x());
}

bool LinkedScrollAreas::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && m_wheelSources.contains(watched)) {
        scrollBy(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace krevol
