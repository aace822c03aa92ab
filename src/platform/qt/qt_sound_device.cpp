#include "platform/qt/qt_sound_device.h"

#include <sndfile.h>

#include <algorithm>

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>

#include "platform/qt/input_guard.h"

namespace quillan {
namespace {

// The output's buffer: what a sound has ready beyond what is heard. Short, so that a stopped
// sound falls silent at once and a new one is heard at once; long enough for the window
// painting between two feeds.
constexpr int kBufferMs = 40;
constexpr int kFeedEveryMs = 5;
// An output left without a sound this long is corked, so that the sound server may let the
// sound card rest.
constexpr int kCorkAfterMs = 1000;
constexpr int kStallLimitMs = 5000;
// How long a sound's last frames may stand unplayed before silence is put behind them.
constexpr int kStandingMs = 50;
constexpr size_t kOutputsKept = 3;
constexpr sf_count_t kChunkFrames = 2048;

QAudioFormat FormatOf(int sampleRate, int channels) {
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

std::unique_ptr<QAudioSink> MakeOutput(const QAudioFormat& format) {
    auto output = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    output->setBufferSize(format.bytesForDuration(kBufferMs * 1000));
    return output;
}

// The file opened for reading when this device plays it (a WAV file of one or two channels),
// else null.
SNDFILE* OpenPlayable(const std::string& nativePath, SF_INFO& info) {
    info = SF_INFO{};
    SNDFILE* file = sf_open(nativePath.c_str(), SFM_READ, &info);
    if (!file) return nullptr;
    const int type = info.format & SF_FORMAT_TYPEMASK;
    const bool wav = type == SF_FORMAT_WAV || type == SF_FORMAT_WAVEX;
    if (wav && info.channels >= 1 && info.channels <= 2 && info.samplerate > 0 && info.frames > 0) return file;
    sf_close(file);
    return nullptr;
}

}  // namespace

QtSoundDevice::QtSoundDevice(QObject* parent) : QObject(parent) {
    feeder_.setTimerType(Qt::PreciseTimer);
    feeder_.setInterval(kFeedEveryMs);
    connect(&feeder_, &QTimer::timeout, this, &QtSoundDevice::Feed);
    idle_.setSingleShot(true);
    idle_.setInterval(kCorkAfterMs);
    connect(&idle_, &QTimer::timeout, this, [this] {
        if (!running_ && !outputs_.empty()) Cork(*outputs_.front());
    });
}

QtSoundDevice::~QtSoundDevice() {
    ++generation_;
    Close();
    outputs_.clear();
    keeper_.reset();
}

bool QtSoundDevice::CanPlay(const std::string& nativePath) {
    SF_INFO info;
    SNDFILE* file = OpenPlayable(nativePath, info);
    if (file) sf_close(file);
    return file != nullptr;
}

bool QtSoundDevice::Open(const std::string& nativePath) {
    Close();
    SF_INFO info;
    SNDFILE* file = OpenPlayable(nativePath, info);
    if (!file) return false;
    file_ = file;
    format_ = FormatOf(info.samplerate, info.channels);
    frames_ = info.frames;
    position_ = 0;
    SetMode(Mode::Stopped);
    return true;
}

void QtSoundDevice::Close() {
    ++generation_;
    EndRun();
    if (file_) sf_close(file_);
    file_ = nullptr;
    frames_ = 0;
    position_ = 0;
    SetMode(Mode::NotReady);
}

void QtSoundDevice::Play() {
    if (mode_ == Mode::NotReady || mode_ == Mode::Playing) return;
    if (mode_ == Mode::Paused && running_) {
        output_->sink->resume();
        output_->corked = false;
        SetMode(Mode::Playing);
        feeder_.start();
        return;
    }
    if (position_ >= frames_) position_ = 0;  // played to its end: from the start
    SetMode(Mode::Playing);
    StartRun();
}

void QtSoundDevice::Pause() {
    if (mode_ != Mode::Playing || !running_) return;
    feeder_.stop();
    Cork(*output_);
    SetMode(Mode::Paused);
}

void QtSoundDevice::Stop() {
    if (mode_ == Mode::NotReady) return;
    EndRun();
    position_ = 0;
    SetMode(Mode::Stopped);
}

void QtSoundDevice::Seek(int milliseconds) {
    if (mode_ == Mode::NotReady) return;
    const qint64 frame = std::clamp<qint64>(format_.framesForDuration(qint64(milliseconds) * 1000), 0, frames_);
    const bool playing = mode_ == Mode::Playing;
    EndRun();
    position_ = frame;
    if (playing) StartRun();
}

int QtSoundDevice::LengthMs() { return file_ ? static_cast<int>(format_.durationForFrames(frames_) / 1000) : 0; }

int QtSoundDevice::PositionMs() {
    if (!file_) return 0;
    const qint64 frame = running_ ? runStart_ + PlayedFrames() : position_;
    return static_cast<int>(format_.durationForFrames(frame) / 1000);
}

MediaDevice::Mode QtSoundDevice::GetMode() const { return mode_; }

void QtSoundDevice::WaitUntilStopped() {
    if (mode_ != Mode::Playing) return;
    InputGuard guard;
    QEventLoop loop;
    connect(this, &QtSoundDevice::ModeChanged, &loop, [this, &loop] {
        if (mode_ != Mode::Playing) loop.quit();
    });
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    // A sound that stands still for long (the sound server takes nothing) ends the wait.
    QTimer watch;
    int lastPosition = -1;
    int standing = 0;
    connect(&watch, &QTimer::timeout, &loop, [&] {
        if (mode_ != Mode::Playing) return;
        if (PositionMs() != lastPosition) {
            lastPosition = PositionMs();
            standing = 0;
        } else if ((standing += watch.interval()) >= kStallLimitMs) {
            Stop();
        }
    });
    watch.start(500);
    loop.exec();
}

void QtSoundDevice::SetEndedHandler(std::function<void()> handler) { ended_ = std::move(handler); }

void QtSoundDevice::Prepare() {
    if (keeper_) return;
    // Any format does; the stream is never written to.
    keeper_ = MakeOutput(FormatOf(22050, 1));
    if (keeper_->start()) {
        keeper_->suspend();
    } else {
        keeper_->stop();
    }
}

QtSoundDevice::Output* QtSoundDevice::Use(const QAudioFormat& format) {
    auto same = std::find_if(outputs_.begin(), outputs_.end(), [&](const auto& o) { return o->sink->format() == format; });
    if (same != outputs_.end() && (*same)->sink->state() == QAudio::StoppedState) {  // it failed
        outputs_.erase(same);
        same = outputs_.end();
    }
    if (same == outputs_.end()) {
        auto output = std::make_unique<Output>();
        output->sink = MakeOutput(format);
        output->stream = output->sink->start();
        if (!output->stream) return nullptr;
        outputs_.insert(outputs_.begin(), std::move(output));
        if (outputs_.size() > kOutputsKept) outputs_.pop_back();
    } else {
        std::rotate(outputs_.begin(), same, same + 1);
    }
    for (size_t i = 1; i < outputs_.size(); ++i) Cork(*outputs_[i]);
    Output& output = *outputs_.front();
    if (output.corked) {
        output.sink->resume();
        output.corked = false;
    }
    return &output;
}

void QtSoundDevice::Cork(Output& output) {
    if (output.corked) return;
    const QAudio::State state = output.sink->state();
    if (state != QAudio::ActiveState && state != QAudio::IdleState) return;
    output.sink->suspend();
    output.corked = true;
}

void QtSoundDevice::StartRun() {
    ++generation_;  // an end still to be told belongs to a sound this one replaces
    Prepare();
    idle_.stop();
    output_ = Use(format_);
    if (!output_ || output_->sink->state() == QAudio::StoppedState) {  // no sound output: nothing plays
        output_ = nullptr;
        SetMode(Mode::Stopped);
        return;
    }
    sf_seek(file_, position_, SEEK_SET);
    running_ = true;
    runStart_ = position_;
    fed_ = 0;
    fileDone_ = false;
    lastPlayed_ = -1;
    runBaseBytes_ = output_->bytes;
    Feed();
    if (running_) feeder_.start();
}

// Leaves the run: nothing more is written; what the output holds is played out (a paused
// output keeps it for the next sound).
void QtSoundDevice::EndRun() {
    feeder_.stop();
    if (!running_) return;
    position_ = runStart_ + PlayedFrames();
    running_ = false;
    idle_.start();
}

qint64 QtSoundDevice::PlayedFrames() const {
    if (!running_ || !output_) return 0;
    // The output counts whole microseconds, rounded down: the nearest frame is the one played.
    const qint64 us = output_->sink->processedUSecs() - format_.durationForBytes(runBaseBytes_);
    const qint64 frames = (std::max<qint64>(0, us) * format_.sampleRate() + 500000) / 1000000;
    return std::clamp<qint64>(frames, 0, fed_);
}

qint64 QtSoundDevice::Write(const short* samples, qint64 frames) {
    const int frameBytes = format_.bytesPerFrame();
    const qint64 written = output_->stream->write(reinterpret_cast<const char*>(samples), frames * frameBytes);
    const qint64 writtenFrames = std::max<qint64>(0, written) / frameBytes;
    output_->bytes += writtenFrames * frameBytes;
    return writtenFrames;
}

void QtSoundDevice::Feed() {
    if (!running_ || mode_ != Mode::Playing) return;
    if (output_->sink->state() == QAudio::StoppedState) {  // the output failed (the sound server went)
        feeder_.stop();
        running_ = false;
        outputs_.erase(outputs_.begin());
        output_ = nullptr;
        position_ = 0;
        SetMode(Mode::Stopped);
        return;
    }
    const int channels = format_.channelCount();
    qint64 room = output_->sink->bytesFree() / format_.bytesPerFrame();
    while (room > 0 && !fileDone_) {
        buffer_.resize(static_cast<size_t>(std::min<qint64>(room, kChunkFrames) * channels));
        const sf_count_t read = sf_readf_short(file_, buffer_.data(), static_cast<sf_count_t>(buffer_.size()) / channels);
        if (read <= 0) {
            fileDone_ = true;
            break;
        }
        const qint64 written = Write(buffer_.data(), read);
        fed_ += written;
        room -= written;
        if (written < read) {  // the rest goes with the next feed
            sf_seek(file_, runStart_ + fed_, SEEK_SET);
            break;
        }
        if (runStart_ + fed_ >= frames_) fileDone_ = true;
    }
    if (!fileDone_) return;
    const qint64 played = PlayedFrames();
    if (played >= fed_) {
        Finish();
        return;
    }
    // The sound server starts a stream only once its buffer is full: a sound shorter than the
    // buffer is followed by silence up to it, and the last frames of a sound that stand unplayed
    // (the stream ran dry while the window was busy and what is left does not fill the buffer
    // again) get a buffer of silence behind them.
    if (played != lastPlayed_) {
        lastPlayed_ = played;
        standing_.start();
    }
    const qint64 bufferFrames = format_.framesForBytes(output_->sink->bufferSize());
    qint64 silence = bufferFrames - format_.framesForBytes(output_->bytes - runBaseBytes_);
    if (standing_.elapsed() >= kStandingMs) {
        silence = bufferFrames;
        standing_.start();
    }
    silence = std::min(room, silence);
    if (silence > 0) {
        buffer_.assign(static_cast<size_t>(silence * channels), 0);
        Write(buffer_.data(), silence);
    }
}

void QtSoundDevice::Finish() {
    feeder_.stop();
    running_ = false;
    position_ = frames_;
    SetMode(Mode::Stopped);
    idle_.start();
    // Told once the device has settled, and only if no other sound came meanwhile.
    const unsigned generation = generation_;
    QTimer::singleShot(0, this, [this, generation] {
        if (generation == generation_ && ended_) ended_();
    });
}

void QtSoundDevice::SetMode(Mode mode) {
    if (mode_ == mode) return;
    mode_ = mode;
    emit ModeChanged();
}

}  // namespace quillan
