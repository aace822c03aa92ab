#pragma once

#include <functional>
#include <string>
#include <vector>

#include "context/startup_state.h"
#include "platform/media_device.h"
#include "platform/messages.h"
#include "platform/sound_player.h"

namespace quillan {

// The program's shared sound player: the rules of playing feedback sounds, sentence audio and
// dialogue lines, over the platform's media device.
class SharedPlayer : public SoundPlayer {
public:
    SharedPlayer(MediaDevice& device, Messages& messages, const StartupState& state);
    ~SharedPlayer() override;

    void PlaySound(const std::string& path, bool wait) override;
    void PlayLine(const std::string& audioName) override;
    void PauseSound() override;
    void StopSound() override;
    int OpenAndMeasure(const std::string& path) override;
    void Close() override;
    bool IsPlaying() const override;
    void SetPlaybackEndedHandler(std::function<void()> handler) override;
    void SetExerciseTimer(std::function<void(bool running)> timer) override;

    // The file open in the player (the Windows path it was given), or empty.
    const std::string& FileName() const { return fileName_; }
    // Whether the last play asked to wait for the end.
    bool WaitSwitch() const { return wait_; }

    // Another player of the program (the media window's): StopSound silences it too.
    void AddOtherPlayer(std::function<void()> stop) { otherPlayers_.push_back(std::move(stop)); }

private:
    void OpenFile(const std::string& path);
    void SwitchTimer(bool running);

    MediaDevice& device_;
    Messages& messages_;
    const StartupState& state_;
    std::string fileName_;
    bool wait_ = false;
    std::function<void()> ended_;
    std::function<void(bool)> timer_;
    std::vector<std::function<void()>> otherPlayers_;
};

}  // namespace quillan
