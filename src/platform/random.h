#pragma once

#include <random>

namespace quillan {

class Random {
public:
    virtual ~Random() = default;
    // A uniform draw from 0 to range - 1; 0 when range is below 1.
    virtual int Below(int range) = 0;
};

// The program's generator, seeded from the system at start.
class SystemRandom : public Random {
public:
    SystemRandom() : engine_(std::random_device{}()) {}
    int Below(int range) override {
        if (range < 1) return 0;
        return std::uniform_int_distribution<int>(0, range - 1)(engine_);
    }

private:
    std::mt19937 engine_;
};

}  // namespace quillan
