#pragma once

#include <QObject>

#include "platform/media_device.h"
#include "platform/qt/qt_player_device.h"
#include "platform/qt/qt_sound_device.h"

namespace quillan {

// The program's media device: WAV sounds go to the sound device (libsndfile and one sound
// output kept open, so that a dialogue's next line is heard within a few milliseconds of the
// end of the one before), everything else, video and what libsndfile cannot read, to the
// QMediaPlayer device. Opening a file decides which of the two plays it; closing closes both.
class QtMediaDevice : public QObject, public MediaDevice {
    Q_OBJECT
public:
    explicit QtMediaDevice(QObject* parent = nullptr);

    bool Open(const std::string& nativePath) override;
    void Close() override;
    void Play() override;
    void Pause() override;
    void Stop() override;
    void Seek(int milliseconds) override;
    int LengthMs() override;
    int PositionMs() override;
    Mode GetMode() const override;
    void WaitUntilStopped() override;
    void SetEndedHandler(std::function<void()> handler) override;

    // The length as far as the device knows it now (0 while a media file is still loading).
    int KnownLengthMs();

    // Connects to the sound server now, so that the first sound of the run plays at once. The
    // media backend (a good part of a second to start) is left until a file needs it.
    void Prepare() { sound_.Prepare(); }

    // Where pictures of a video go (a QVideoSink or a QVideoWidget); null for none. While one
    // is set, every file goes to the media player.
    void SetVideoOutput(QObject* output);

private:
    QtSoundDevice sound_;
    QtPlayerDevice player_;
    MediaDevice* active_ = &sound_;
    QObject* videoOutput_ = nullptr;
};

}  // namespace quillan
