#pragma once

#include <string>

#include "platform/audio_capture.h"
#include "platform/recorder.h"
#include "context/window_context.h"

namespace quillan {


// The recorder over the platform's sound input. What was captured is saved as 16-bit mono
// WAV and replaces the file atomically; the shared player is closed before, so that it does
// not hold the file.
//
// Failures: when no capture can start (no input device, a device in use) the learner is told
// once, and again only after a capture has worked in between; nothing is saved for that
// recording and nothing waits. A take that cannot be saved is told; a sentence or dialogue
// recording that cannot be saved (its directory is missing) leaves nothing and says nothing.
class SharedRecorder : public Recorder {
public:
    SharedRecorder(AudioCapture& capture, WindowContext context);

    void StartRecording() override;
    bool StopRecording(const std::string& basePath) override;
    void StartTake() override;
    bool StopTake() override;
    bool TakeRecording() const override { return takeRecording_; }

    // ProgramDir + "tmp1.Wav".
    std::string TakePath() const;

private:
    bool StartCapture();
    // Ends the capture and saves it; false when nothing was saved (`problem` says why).
    bool StopAndSave(const std::string& path, std::string& problem);

    AudioCapture& capture_;
    WindowContext context_;
    bool recording_ = false;
    bool takeRecording_ = false;
    bool failureTold_ = false;
};

}  // namespace quillan
