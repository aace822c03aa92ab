#pragma once

#include <string>

namespace quillan {

// The program's one sound recorder: the learner's voice from the default input, saved as a
// WAV file. Paths are Windows paths; a saved file replaces the old one whole.
class Recorder {
public:
    virtual ~Recorder() = default;

    // The recordings of the sentence and dialogue exercises: start, then stop and save as
    // basePath + ".Wav". A stop without a start does nothing. True when a new file was saved.
    virtual void StartRecording() = 0;
    virtual bool StopRecording(const std::string& basePath) = 0;

    // The take of the word list and the sentence exercise, always the file TakePath(). A
    // start while a take runs is ignored; a stop without one does nothing. True when a new
    // take was saved (otherwise the file, if any, is an older take).
    virtual void StartTake() = 0;
    virtual bool StopTake() = 0;

    // The take's file: "tmp1.Wav" in the signed-in learner's directory (empty before sign-in).
    virtual std::string TakePath() const = 0;

    // True between a take's start (one that could start) and its stop.
    virtual bool TakeRecording() const = 0;
};

}  // namespace quillan
