#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillan {

// The bytes of a WAV file of 16-bit mono PCM samples at `sampleRate`.
std::string WavFileBytes(const std::vector<int16_t>& samples, int sampleRate);

// The length of a sound file (WAV and the other formats libsndfile reads) in milliseconds,
// rounded down; 0 when the file is missing or not a sound file. A Windows path.
int SoundFileLengthMs(const std::string& windowsPath);

}  // namespace quillan
