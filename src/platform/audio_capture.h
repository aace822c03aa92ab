#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillan {

// Sound taken from the input: 16-bit mono samples and their rate.
struct CapturedSound {
    std::vector<int16_t> samples;
    int sampleRate = 0;
};

// The platform's sound input: one capture at a time from the default input device.
class AudioCapture {
public:
    virtual ~AudioCapture() = default;

    // Starts capturing into a new, empty buffer (a capture already running is dropped). False
    // when nothing could be started; `problem` then tells the learner why (Windows-1250).
    virtual bool Start(std::string& problem) = 0;

    // Ends the capture and gives what was taken; empty when none ran.
    virtual CapturedSound Stop() = 0;

    virtual bool IsCapturing() const = 0;
};

}  // namespace quillan
