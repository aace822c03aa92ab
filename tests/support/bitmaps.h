#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace quillan::test {

class TempDir;

// The bytes of a 24-bit BMP picture whose pixel (x, y), y from the top, has the colour
// pixel(x, y) as 0xRRGGBB.
std::string BmpBytes(int width, int height, const std::function<uint32_t(int x, int y)>& pixel);

// Every picture of the shared button-picture list, for both interface languages, as small
// two-frame strips (two 24 × 20 frames: blue, then orange, on a magenta transparent colour),
// and the two flag pictures.
void WriteButtonStrips(const TempDir& dir);

}  // namespace quillan::test
