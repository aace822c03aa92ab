#pragma once

#include "platform/clock.h"

namespace quillan {

// The local time of the system, for programs without a window system (the command-line
// tools); Wait simply sleeps.
class SystemClock : public Clock {
public:
    DayNumber Now() override;
    void Wait(unsigned milliseconds) override;
};

// A clock fixed at one moment, for repeatable runs of the tools.
class FixedClock : public Clock {
public:
    explicit FixedClock(DayNumber at) : at_(at) {}
    DayNumber Now() override { return at_; }
    void Wait(unsigned milliseconds) override { at_ += milliseconds / 86400000.0; }

private:
    DayNumber at_;
};

}  // namespace quillan
