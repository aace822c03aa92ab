#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QString>
#include <array>

#include "platform/media_device.h"

namespace quillan {

// The media device on Qt Multimedia: a QMediaPlayer with the default sound output and, when
// given one, a video output. A second player stands by with a preloaded file: opening that file
// takes the second player, whose file is loaded already, so that it starts at once.
class QtMediaDevice : public QObject, public MediaDevice {
    Q_OBJECT
public:
    explicit QtMediaDevice(QObject* parent = nullptr);
    ~QtMediaDevice() override;

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
    void Preload(const std::string& nativePath) override;

    // The length as far as the player knows it now (0 while the file is still loading).
    int KnownLengthMs() const { return static_cast<int>(Current().duration()); }

    // Where pictures of a video go (a QVideoSink or a QVideoWidget); null for none.
    void SetVideoOutput(QObject* output);

private:
    QMediaPlayer& Current() { return *players_[current_]; }
    const QMediaPlayer& Current() const { return *players_[current_]; }
    QMediaPlayer& Spare() { return *players_[1 - current_]; }

    std::array<QAudioOutput, 2> audio_;
    std::array<QMediaPlayer*, 2> players_{};
    size_t current_ = 0;
    QString preloaded_;  // the file the spare player holds
    QObject* videoOutput_ = nullptr;
    std::function<void()> ended_;
    // Counts the files opened, so that the end of one file is not reported once another is.
    unsigned generation_ = 0;
};

}  // namespace quillan
