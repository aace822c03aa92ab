#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include "platform/media_device.h"

struct sf_private_tag;

namespace quillan {

// The media device for WAV sounds: the file is read with libsndfile as it plays and written to
// a sound output (a QAudioSink with a short buffer) of its format that stays open for the run,
// so a sound starts as soon as it is asked for, with nothing to load first. The end is told when
// the output has played the sound's last frame. A stopped sound falls silent once the output has
// played what it holds (the buffer, some tens of milliseconds); a paused one is corked at once.
// Outputs are kept for a few formats (feedback sounds and recordings may differ), corked while
// not in use. A new output's first sound is told late (up to seconds on a sound server that
// rests in long blocks), so a silent corked stream is opened early (Prepare) and kept: while
// one stream is connected the server keeps the short buffering of the streams.
class QtSoundDevice : public QObject, public MediaDevice {
    Q_OBJECT
public:
    explicit QtSoundDevice(QObject* parent = nullptr);
    ~QtSoundDevice() override;

    // Whether this device plays the file: a WAV file libsndfile reads, of one or two channels.
    static bool CanPlay(const std::string& nativePath);

    // False, with nothing opened, for a file CanPlay does not take.
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

    // Connects to the sound server now (the silent stream), so that the first sound of the run
    // finds it ready.
    void Prepare();

signals:
    void ModeChanged();

private:
    void StartRun();
    void EndRun();
    void Feed();
    void Finish();
    void SetMode(Mode mode);
    // Writes to the stream; the frames it took.
    qint64 Write(const short* samples, qint64 frames);
    qint64 PlayedFrames() const;
    // The output of the open file's format, made or uncorked as needed; null when none opens.
    struct Output;
    Output* Use(const QAudioFormat& format);
    void Cork(Output& output);

    sf_private_tag* file_ = nullptr;
    QAudioFormat format_;
    qint64 frames_ = 0;
    Mode mode_ = Mode::NotReady;
    // The frame a stopped or paused sound would go on from.
    qint64 position_ = 0;

    // The run: one play from `runStart_` on, until it ends, is stopped or sought away from.
    bool running_ = false;
    qint64 runStart_ = 0;
    qint64 fed_ = 0;         // frames of the file written in this run
    bool fileDone_ = false;  // the file's last frame is written
    qint64 runBaseBytes_ = 0;  // written to the stream before this run
    qint64 lastPlayed_ = -1;   // the frames played at the last feed, and since when
    QElapsedTimer standing_;

    struct Output {
        std::unique_ptr<QAudioSink> sink;
        QIODevice* stream = nullptr;
        qint64 bytes = 0;  // written to the stream since it was started
        bool corked = false;
    };
    std::vector<std::unique_ptr<Output>> outputs_;  // the one in use first
    Output* output_ = nullptr;                      // the one the run writes to
    std::unique_ptr<QAudioSink> keeper_;

    QTimer feeder_;
    QTimer idle_;
    std::vector<short> buffer_;
    std::function<void()> ended_;
    unsigned generation_ = 0;
};

}  // namespace quillan
