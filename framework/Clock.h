#pragma once
// Where "now" comes from. The application owns the system's clock and hands
// it to every window that shows or stores today; a test hands in its own.
#include "framework/DateTime.h"

namespace fw {

class Clock {
public:
    // The current local date and time.
    virtual COleDateTime Now() const = 0;
    // The current date and time in UTC (time stamps written to files).
    virtual COleDateTime UtcNow() const = 0;

protected:
    ~Clock() = default;
};

// The system's local time.
class SystemClock final : public Clock {
public:
    COleDateTime Now() const override { return COleDateTime::GetCurrentTime(); }
    COleDateTime UtcNow() const override
    {
        SYSTEMTIME utc{};
        ::GetSystemTime(&utc);
        return COleDateTime(utc);
    }
};

} // namespace fw
