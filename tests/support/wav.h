#pragma once

#include <string>

namespace quillan::test {

// The bytes of a WAV file (16-bit PCM, 22050 Hz mono unless told) holding a 440 Hz tone of
// `milliseconds`.
std::string WavBytes(int milliseconds, int rate = 22050, int channels = 1);

}  // namespace quillan::test
