#pragma once

#include "platform/day_date.h"

namespace quillan {

class Clock {
public:
    virtual ~Clock() = default;
    // The local date and time as a day number.
    virtual DayNumber Now() = 0;
    // Waits the given milliseconds while the window system goes on painting and timers run; the
    // learner's clicks and keys do not reach the windows meanwhile.
    virtual void Wait(unsigned milliseconds) = 0;
};

}  // namespace quillan
