#include "platform/qt/qt_media_device.h"

#include <QFileInfo>
#include <QString>

namespace quillan {

QtMediaDevice::QtMediaDevice(QObject* parent) : QObject(parent) {}

bool QtMediaDevice::Open(const std::string& nativePath) {
    Close();
    if (!QFileInfo(QString::fromStdString(nativePath)).isFile()) return false;
    // A sound the sound device takes is opened once, by it; the rest goes to the player.
    if (!videoOutput_ && sound_.Open(nativePath)) {
        active_ = &sound_;
        return true;
    }
    active_ = &player_;
    return player_.Open(nativePath);
}

void QtMediaDevice::Close() {
    sound_.Close();
    player_.Close();
}

void QtMediaDevice::Play() { active_->Play(); }
void QtMediaDevice::Pause() { active_->Pause(); }
void QtMediaDevice::Stop() { active_->Stop(); }
void QtMediaDevice::Seek(int milliseconds) { active_->Seek(milliseconds); }
int QtMediaDevice::LengthMs() { return active_->LengthMs(); }
int QtMediaDevice::PositionMs() { return active_->PositionMs(); }
MediaDevice::Mode QtMediaDevice::GetMode() const { return active_->GetMode(); }
void QtMediaDevice::WaitUntilStopped() { active_->WaitUntilStopped(); }

void QtMediaDevice::SetEndedHandler(std::function<void()> handler) {
    sound_.SetEndedHandler(handler);
    player_.SetEndedHandler(std::move(handler));
}

int QtMediaDevice::KnownLengthMs() { return active_ == &player_ ? player_.KnownLengthMs() : sound_.LengthMs(); }

void QtMediaDevice::SetVideoOutput(QObject* output) {
    videoOutput_ = output;
    player_.SetVideoOutput(output);
}

}  // namespace quillan
