#pragma once

#include "platform/day_date.h"

namespace quillan {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time as a day number.
    virtual DayNumber Now() = 0;
    // Waits the given milliseconds while the window system goes on handling events, so clicks
    // and timers of other windows run during the wait.
    virtual void Wait(unsigned milliseconds) = 0;
};

}  // namespace quillan
