#include "platform/qt/qt_media_device.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>
#include <QUrl>

#include "platform/qt/input_guard.h"

namespace quillan {
namespace {

// How long a playing file may stand at one position before the wait gives it up as stuck
// (a sound system that takes no data).
constexpr int kStallLimitMs = 5000;
constexpr int kLoadLimitMs = 5000;

}  // namespace

QtMediaDevice::QtMediaDevice(QObject* parent) : QObject(parent) {
    player_.setAudioOutput(&audio_);
    connect(&player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status != QMediaPlayer::EndOfMedia) return;
        // Told after the player has settled, and only if no other file came meanwhile.
        const unsigned generation = generation_;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == generation_ && ended_) ended_();
        });
    });
}

QtMediaDevice::~QtMediaDevice() {
    ++generation_;
    player_.stop();
}

bool QtMediaDevice::Open(const std::string& nativePath) {
    Close();
    const QString path = QString::fromStdString(nativePath);
    if (!QFileInfo(path).isFile()) return false;
    player_.setSource(QUrl::fromLocalFile(path));
    return true;
}

void QtMediaDevice::Close() {
    ++generation_;
    player_.stop();
    player_.setSource(QUrl());
}

void QtMediaDevice::Play() {
    if (player_.source().isEmpty()) return;
    player_.play();
}

void QtMediaDevice::Pause() { player_.pause(); }

void QtMediaDevice::Stop() { player_.stop(); }

void QtMediaDevice::Seek(int milliseconds) { player_.setPosition(milliseconds); }

int QtMediaDevice::LengthMs() {
    if (player_.source().isEmpty()) return 0;
    if (player_.mediaStatus() == QMediaPlayer::LoadingMedia) {
        InputGuard guard;  // the file loads as a play waits: no input meanwhile
        QEventLoop loop;
        connect(&player_, &QMediaPlayer::mediaStatusChanged, &loop, [&loop](QMediaPlayer::MediaStatus status) {
            if (status != QMediaPlayer::LoadingMedia) loop.quit();
        });
        QTimer::singleShot(kLoadLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return static_cast<int>(player_.duration());
}

int QtMediaDevice::PositionMs() { return static_cast<int>(player_.position()); }

MediaDevice::Mode QtMediaDevice::GetMode() const {
    if (player_.source().isEmpty()) return Mode::NotReady;
    switch (player_.playbackState()) {
    case QMediaPlayer::PlayingState: return Mode::Playing;
    case QMediaPlayer::PausedState: return Mode::Paused;
    default: return Mode::Stopped;
    }
}

void QtMediaDevice::WaitUntilStopped() {
    if (player_.playbackState() == QMediaPlayer::StoppedState) return;
    InputGuard guard;
    QEventLoop loop;
    connect(&player_, &QMediaPlayer::playbackStateChanged, &loop, [&loop](QMediaPlayer::PlaybackState state) {
        if (state == QMediaPlayer::StoppedState) loop.quit();
    });
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    // A playback that stands still for long (no sound output takes it) ends the wait.
    QTimer watch;
    qint64 lastPosition = -1;
    int standing = 0;
    connect(&watch, &QTimer::timeout, &loop, [&] {
        if (player_.playbackState() != QMediaPlayer::PlayingState || player_.position() != lastPosition) {
            lastPosition = player_.position();
            standing = 0;
        } else if ((standing += watch.interval()) >= kStallLimitMs) {
            player_.stop();
            loop.quit();
        }
    });
    watch.start(500);
    loop.exec();
}

void QtMediaDevice::SetEndedHandler(std::function<void()> handler) { ended_ = std::move(handler); }

void QtMediaDevice::SetVideoOutput(QObject* output) { player_.setVideoOutput(output); }

}  // namespace quillan
