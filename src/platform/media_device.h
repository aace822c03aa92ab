#pragma once

#include <functional>
#include <string>

namespace quillan {

// A media player of the platform: one file at a time (WAV, MPG, AVI), with length and
// position in milliseconds. Paths are the files' real paths (NativePath).
class MediaDevice {
public:
    enum class Mode { NotReady, Stopped, Playing, Paused };

    virtual ~MediaDevice() = default;

    // Opens a file (closing the one open). False when it does not exist.
    virtual bool Open(const std::string& nativePath) = 0;
    virtual void Close() = 0;
    // Plays from the current position; from the start when the last playback ran to the end.
    virtual void Play() = 0;
    virtual void Pause() = 0;
    virtual void Stop() = 0;
    virtual void Seek(int milliseconds) = 0;
    // Length of the open file; 0 when none is open or it cannot be read.
    virtual int LengthMs() = 0;
    virtual int PositionMs() = 0;
    virtual Mode GetMode() const = 0;
    // Returns when the playback has ended, was stopped or failed; windows go on painting
    // meanwhile, but the learner's input does not reach them. Returns at once when nothing plays.
    virtual void WaitUntilStopped() = 0;
    // Told each time a playback runs to its end (not when stopped, closed or failed).
    virtual void SetEndedHandler(std::function<void()> handler) = 0;
};

}  // namespace quillan
