#include "exercises/texts/shuffle.h"

namespace quillan {

namespace {

constexpr int kDrawLimit = 1000;

}  // namespace

std::pair<int, int> DrawTwoDifferent(Random& random, int count) {
    const int first = random.Below(count);
    int second = random.Below(count);
    for (int draws = 1; second == first && draws < kDrawLimit; ++draws) second = random.Below(count);
    if (second == first) second = (first + 1) % count;
    return {first, second};
}

void SwapShuffle(Random& random, int count, int swaps, const std::function<void(int, int)>& swap) {
    if (count < 2) return;
    for (int i = 0; i < swaps; ++i) {
        const auto [a, b] = DrawTwoDifferent(random, count);
        swap(a, b);
    }
}

}  // namespace quillan
