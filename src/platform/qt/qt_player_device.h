#pragma once

#include <memory>

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>

#include "platform/media_device.h"

namespace quillan {

// The media device on Qt Multimedia, for video and the files the sound device does not play: a
// QMediaPlayer with the default sound output and, when given one, a video output. Opening a file
// here costs the media backend about 140 ms before it is heard (GStreamer's pipeline prerolling
// and the sound server's stream starting), which is why WAV sounds go to the sound device. It
// makes no file ready in advance: a second player holding the next file loaded played it behind
// time on the GStreamer backend, so each file is opened when it is asked for.
// The player itself is made when first needed (or by Prepare()): making the first one starts
// the media backend, which takes a good part of a second that the start-up should not wait for.
class QtPlayerDevice : public QObject, public MediaDevice {
    Q_OBJECT
public:
    explicit QtPlayerDevice(QObject* parent = nullptr);
    ~QtPlayerDevice() override;

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

    // The length as far as the player knows it now (0 while the file is still loading).
    int KnownLengthMs() const { return player_ ? static_cast<int>(player_->duration()) : 0; }

    // Makes the player now, so that the first sound does not wait for the media backend.
    void Prepare() { Player(); }

    // Where pictures of a video go (a QVideoSink or a QVideoWidget); null for none.
    void SetVideoOutput(QObject* output);

private:
    QMediaPlayer& Player();

    std::unique_ptr<QAudioOutput> audio_;
    std::unique_ptr<QMediaPlayer> player_;
    std::function<void()> ended_;
    // Counts the files opened, so that the end of one file is not reported once another is.
    unsigned generation_ = 0;
};

}  // namespace quillan
