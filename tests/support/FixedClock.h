#pragma once
// The clock a test hands to the windows: it shows the time it was set to,
// which is also its UTC time.
#include "framework/Clock.h"

namespace testing_support {

class FixedClock final : public fw::Clock {
public:
    explicit FixedClock(const COleDateTime& time) : now(time) {}
    COleDateTime Now() const override { return now; }
    COleDateTime UtcNow() const override { return now; }

    COleDateTime now;
};

} // namespace testing_support
