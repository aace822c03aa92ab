#include "audio/recorder.h"

#include <exception>

#include "context/window_context.h"
#include "audio/wav_file.h"
#include "platform/cp1250.h"
#include "platform/files.h"

namespace quillan {

SharedRecorder::SharedRecorder(AudioCapture& capture, WindowContext context) : capture_(capture), context_(context) {}

std::string SharedRecorder::TakePath() const { return context_.startup.ProgramDir + "tmp1.Wav"; }

bool SharedRecorder::StartCapture() {
    std::string problem;
    if (capture_.Start(problem)) {
        failureTold_ = false;
        return true;
    }
    if (!failureTold_ && context_.services.messages) context_.services.messages->Show(problem);
    failureTold_ = true;
    return false;
}

bool SharedRecorder::StopAndSave(const std::string& path, std::string& problem) {
    if (context_.services.soundPlayer) context_.services.soundPlayer->Close();
    if (!capture_.IsCapturing()) return false;  // the start failed and was told
    const CapturedSound sound = capture_.Stop();
    try {
        WriteFileAtomically(path, WavFileBytes(sound.samples, sound.sampleRate > 0 ? sound.sampleRate : 22050));
        return true;
    } catch (const std::exception& error) {
        problem = Utf8ToCp1250("Nie można zapisać nagrania: ") + error.what();
        return false;
    }
}

void SharedRecorder::StartRecording() {
    recording_ = true;
    StartCapture();
}

bool SharedRecorder::StopRecording(const std::string& basePath) {
    if (!recording_) return false;
    recording_ = false;
    std::string problem;
    return StopAndSave(basePath + ".Wav", problem);
}

void SharedRecorder::StartTake() {
    if (takeRecording_) return;
    // A take that could not start is not running: its microphone and time limit do not show.
    takeRecording_ = StartCapture();
}

bool SharedRecorder::StopTake() {
    if (!takeRecording_) return false;
    takeRecording_ = false;
    std::string problem;
    const bool saved = StopAndSave(TakePath(), problem);
    if (!saved && !problem.empty() && context_.services.messages) context_.services.messages->Show(problem);
    return saved;
}

}  // namespace quillan
