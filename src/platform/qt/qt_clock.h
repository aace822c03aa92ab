#pragma once

#include "platform/clock.h"

namespace quillan {

class QtClock : public Clock {
public:
    DayNumber Now() override;
    void Wait(unsigned milliseconds) override;
};

}  // namespace quillan
