#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/random.h"

namespace quillan::test {

// Records every message; answers questions from a queue (No when it is empty).
class FakeMessages : public Messages {
public:
    void Show(const std::string& text) override { shown.push_back(text); }
    void Warn(const std::string& text) override { warnings.push_back(text); }
    bool Ask(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void Error(const std::string& text) override { errors.push_back(text); }

    std::vector<std::string> shown, warnings, questions, errors;
    std::deque<bool> answers;
};

// A clock that stands still until told; Wait moves it on by the waited time.
class FakeClock : public Clock {
public:
    explicit FakeClock(DayNumber start = 45000.5) : now(start) {}
    DayNumber Now() override { return now; }
    void Wait(unsigned milliseconds) override {
        waited.push_back(milliseconds);
        now += milliseconds / 86400000.0;
    }

    DayNumber now;
    std::vector<unsigned> waited;
};

// Draws from a queue of values (each taken modulo the range); 0 when the queue is empty.
class FakeRandom : public Random {
public:
    int Below(int range) override {
        if (range < 1) return 0;
        if (values.empty()) return 0;
        const int v = values.front();
        values.pop_front();
        return ((v % range) + range) % range;
    }

    std::deque<int> values;
};

}  // namespace quillan::test
