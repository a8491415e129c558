#pragma once
// The pages of a tab widget, each a scroll area, that scroll together: the
// mouse wheel over any page (or over a widget handed in) moves every page by
// the same amount. A page on a hidden tab cannot scroll, so each page keeps
// the position it should have and takes it when its tab is shown; where the
// user scrolls a page by hand is where it stays.
#include <QList>
#include <QObject>
#include <QPoint>

class QScrollArea;
class QTabWidget;

namespace krevol {

class LinkedScrollAreas : public QObject
{
    Q_OBJECT
public:
    // `areas` are pages of `tabs`.
    LinkedScrollAreas(QTabWidget *tabs, const QList<QScrollArea *> &areas, QObject *parent);

    // The wheel delta (120 a notch, positive away from the user) is taken
    // from every page's vertical position.
    void scrollBy(int wheelDelta);
    // The wheel over this widget scrolls the pages instead of the widget.
    void addWheelSource(QWidget *widget);
    // Puts one page at a position (it takes it when its tab is next shown).
    void setPosition(int area, Qt::Orientation orientation, int value);
    QPoint position(int area) const { return m_positions.at(area); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applyPosition(QScrollArea *area);

    QTabWidget *m_tabs;
    QList<QScrollArea *> m_areas;
    QList<QPoint> m_positions;
    QList<QObject *> m_wheelSources;
};

} // namespace krevol
