#include "support/wav.h"

#include <cmath>
#include <cstdint>

namespace quillan::test {
namespace {

void Put(std::string& out, uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xff);
}

}  // namespace

std::string WavBytes(int milliseconds, int sampleRate, int channelCount) {
    const auto rate = static_cast<uint32_t>(sampleRate);
    const auto channels = static_cast<uint32_t>(channelCount);
    const uint32_t samples = static_cast<uint32_t>(static_cast<uint64_t>(rate) * static_cast<uint32_t>(milliseconds) / 1000);
    const uint32_t dataSize = samples * 2 * channels;
    std::string out = "RIFF";
    Put(out, 36 + dataSize, 4);
    out += "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, 1, 2);         // PCM
    Put(out, channels, 2);
    Put(out, rate, 4);
    Put(out, rate * 2 * channels, 4);  // bytes per second
    Put(out, 2 * channels, 2);         // block align
    Put(out, 16, 2);        // bits per sample
    out += "data";
    Put(out, dataSize, 4);
    for (uint32_t i = 0; i < samples; ++i) {
        const double v = std::sin(2 * 3.14159265358979 * 440 * i / rate) * 8000;
        for (uint32_t c = 0; c < channels; ++c) Put(out, static_cast<uint32_t>(static_cast<int16_t>(v)) & 0xffff, 2);
    }
    return out;
}

}  // namespace quillan::test
