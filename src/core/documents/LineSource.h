#pragma once
#include <QString>

namespace krevol {

// Where a section reader takes its lines from. A source may end before the
// file does: the store's source ends at the edge of the student block, so a
// damaged block never lends its lines to the next student.
class LineSource
{
public:
    virtual ~LineSource() = default;
    virtual bool nextLine(QString &line) = 0; // false when there are no more lines
};

} // namespace krevol
