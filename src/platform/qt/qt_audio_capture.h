#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <memory>

#include "platform/audio_capture.h"

class QAudioSource;
class QIODevice;

namespace quillan {

// Capture from the default sound input with Qt Multimedia: 16-bit mono PCM at a rate the
// device takes (22050 Hz when it can), or the device's own format turned into 16-bit mono.
// A capture gives no more sound than the time it ran: a sound server may hand out a virtual
// source's sound in blocks of seconds ahead of time, which would make a click a long take.
class QtAudioCapture : public QObject, public AudioCapture {
    Q_OBJECT
public:
    explicit QtAudioCapture(QObject* parent = nullptr);
    ~QtAudioCapture() override;

    bool Start(std::string& problem) override;
    CapturedSound Stop() override;
    bool IsCapturing() const override { return source_ != nullptr; }

private:
    void Drain();

    std::unique_ptr<QAudioSource> source_;
    QIODevice* input_ = nullptr;
    QAudioFormat format_;
    QByteArray buffer_;
    QElapsedTimer running_;
};

// What the learner is told when recording cannot start because no sound input was found.
std::string NoSoundInputMessage();

}  // namespace quillan
