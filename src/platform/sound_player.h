#pragma once

#include <functional>
#include <string>

namespace quillan {

// The program's one shared sound player, as the exercise windows use it. Paths are Windows
// paths (ProgramDir + "Wav_r\ok.wav"); texts are Windows-1250.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;

    // Plays a sound file. A missing file shows "Brak pliku: " + path + "." and nothing plays.
    // The file already open plays again from where the player stands; another file is opened
    // first. With `wait` the call returns when the playback has ended; windows go on painting
    // meanwhile, and no click or key reaches them.
    virtual void PlaySound(const std::string& path, bool wait) = 0;

    // Plays a dialogue line: names beginning with "save_" (the learner's own recordings) lie in
    // ProgramDir as they are; others are MediaDir + "Dialogi\" + name + ".wav". A missing file
    // shows "Nie odnaleziono pliku: " + path.
    virtual void PlayLine(const std::string& audioName) = 0;

    // Pauses a playing sound (PlaySound of the same file goes on from there).
    virtual void PauseSound() = 0;

    // Stops the sound and closes the file.
    virtual void StopSound() = 0;

    // Opens a file without playing it and gives its length in milliseconds; 0 when it cannot
    // be opened. A following PlaySound of the same file does not open it again.
    virtual int OpenAndMeasure(const std::string& path) = 0;

    // Closes the open file, so that it is free to be replaced (before a recording).
    virtual void Close() = 0;

    // True while a sound plays (not paused).
    virtual bool IsPlaying() const = 0;

    // The one listener told when a playback has run to its end; not when it was stopped,
    // replaced by another file or failed. An empty function removes it.
    virtual void SetPlaybackEndedHandler(std::function<void()> handler) = 0;

    // The current exercise window's timer: switched on when a sound starts, off when it is
    // paused or stopped. An empty function clears it.
    virtual void SetExerciseTimer(std::function<void(bool running)> timer) = 0;
};

}  // namespace quillan
