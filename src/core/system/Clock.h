#pragma once
#include <QDateTime>

namespace krevol {

// The time source of log stamps and the template's school years; tests set it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime nowUtc() const = 0;
};

class SystemClock : public Clock
{
public:
    QDateTime nowUtc() const override { return QDateTime::currentDateTimeUtc(); }
};

class FixedClock : public Clock
{
public:
    explicit FixedClock(QDateTime utc) : m_now(std::move(utc)) {}
    QDateTime nowUtc() const override { return m_now; }
    void set(QDateTime utc) { m_now = std::move(utc); }

private:
    QDateTime m_now;
};

} // namespace krevol
