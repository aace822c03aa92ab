#pragma once

#include <string>

namespace quillan::test {

// The bytes of a WAV file (16-bit mono PCM, 22050 Hz) holding a 440 Hz tone of `milliseconds`.
std::string WavBytes(int milliseconds);

}  // namespace quillan::test
