#pragma once

#include <functional>
#include <utility>

#include "platform/random.h"

namespace quillan {

// Two different positions among 0..count-1, each drawn uniformly; the second is drawn again
// while it equals the first. A generator that keeps giving the same position gets the next
// position after a bounded number of draws, so the draw always ends. `count` must be 2 or more.
std::pair<int, int> DrawTwoDifferent(Random& random, int count);

// `swaps` exchanges of two different positions among 0..count-1, each drawn as above and
// handed to `swap`. A list of fewer than two positions is left as it is.
void SwapShuffle(Random& random, int count, int swaps, const std::function<void(int, int)>& swap);

}  // namespace quillan
