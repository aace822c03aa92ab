#include "audio/shared_player.h"

#include "audio/media_paths.h"
#include "platform/paths.h"

namespace quillan {

SharedPlayer::SharedPlayer(MediaDevice& device, Messages& messages, const StartupState& state)
    : device_(device), messages_(messages), state_(state) {
    device_.SetEndedHandler([this] {
        if (ended_) ended_();
    });
}

SharedPlayer::~SharedPlayer() { device_.SetEndedHandler(nullptr); }

void SharedPlayer::OpenFile(const std::string& path) {
    device_.Close();
    fileName_ = path;
    device_.Open(NativePath(path));
}

void SharedPlayer::SwitchTimer(bool running) {
    if (timer_) timer_(running);
}

void SharedPlayer::PlaySound(const std::string& path, bool wait) {
    if (!FileExists(path)) {
        messages_.Show("Brak pliku: " + path + ".");
        return;
    }
    if (fileName_ != path) OpenFile(path);
    wait_ = wait;
    device_.Play();
    SwitchTimer(true);
    if (wait) device_.WaitUntilStopped();
}

void SharedPlayer::PlayLine(const std::string& audioName) {
    const std::string path = DialogueLinePath(state_, audioName);
    if (!FileExists(path)) {
        messages_.Show("Nie odnaleziono pliku: " + path);
        return;
    }
    OpenFile(path);
    wait_ = false;
    device_.Play();
}

void SharedPlayer::PauseSound() {
    if (device_.GetMode() == MediaDevice::Mode::Playing) device_.Pause();
    SwitchTimer(false);
}

void SharedPlayer::StopSound() {
    const MediaDevice::Mode mode = device_.GetMode();
    const bool sounding = mode == MediaDevice::Mode::Playing || mode == MediaDevice::Mode::Paused;
    if (!fileName_.empty()) {
        Close();
    } else if (sounding) {
        device_.Stop();
        device_.Seek(0);
    }
    if (sounding) SwitchTimer(false);
    for (const std::function<void()>& stop : otherPlayers_) stop();
}

int SharedPlayer::OpenAndMeasure(const std::string& path) {
    if (!FileExists(path)) return 0;
    OpenFile(path);
    return device_.LengthMs();
}

void SharedPlayer::Close() {
    device_.Close();
    fileName_.clear();
}

bool SharedPlayer::IsPlaying() const { return device_.GetMode() == MediaDevice::Mode::Playing; }

void SharedPlayer::SetPlaybackEndedHandler(std::function<void()> handler) { ended_ = std::move(handler); }

void SharedPlayer::SetExerciseTimer(std::function<void(bool running)> timer) { timer_ = std::move(timer); }

}  // namespace quillan
