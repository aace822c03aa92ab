#pragma once

// What the fuzz programs of this folder share: a rule check that ends the run like a crash (so
// libFuzzer keeps the input), and the choice of the reader a program runs by its name.

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace quillan::fuzz {

inline void Require(bool condition) {
    if (!condition) __builtin_trap();
}

struct Target {
    const char* name;
    void (*run)(std::string_view data);
};

// The function of the target named QUILLAN_FUZZ_TARGET.
template <size_t N>
auto Selected(const Target (&targets)[N]) {
    for (const Target& target : targets)
        if (std::strcmp(target.name, QUILLAN_FUZZ_TARGET) == 0) return target.run;
    std::abort();
}

}  // namespace quillan::fuzz
