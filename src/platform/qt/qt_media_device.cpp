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
    for (size_t n = 0; n < players_.size(); ++n) {
        players_[n] = new QMediaPlayer(this);
        players_[n]->setAudioOutput(&audio_[n]);
        QMediaPlayer* player = players_[n];
        connect(player, &QMediaPlayer::mediaStatusChanged, this, [this, player](QMediaPlayer::MediaStatus status) {
            if (status != QMediaPlayer::EndOfMedia || player != &Current()) return;
            // Told after the player has settled, and only if no other file came meanwhile.
            const unsigned generation = generation_;
            QTimer::singleShot(0, this, [this, generation] {
                if (generation == generation_ && ended_) ended_();
            });
        });
    }
}

QtMediaDevice::~QtMediaDevice() {
    ++generation_;
    // The players go before the sound outputs they use.
    for (QMediaPlayer* player : players_) {
        player->stop();
        delete player;
    }
}

bool QtMediaDevice::Open(const std::string& nativePath) {
    Close();
    const QString path = QString::fromStdString(nativePath);
    if (!QFileInfo(path).isFile()) return false;
    if (!preloaded_.isEmpty() && preloaded_ == path) {
        // The spare player has it loaded: it becomes the current one.
        Current().setVideoOutput(nullptr);
        current_ = 1 - current_;
        preloaded_.clear();
        if (videoOutput_) Current().setVideoOutput(videoOutput_);
        return true;
    }
    Current().setSource(QUrl::fromLocalFile(path));
    return true;
}

void QtMediaDevice::Close() {
    ++generation_;
    Current().stop();
    Current().setSource(QUrl());
}

void QtMediaDevice::Preload(const std::string& nativePath) {
    const QString path = QString::fromStdString(nativePath);
    if (path == preloaded_ || !QFileInfo(path).isFile()) return;
    Spare().stop();
    Spare().setSource(QUrl::fromLocalFile(path));
    preloaded_ = path;
}

void QtMediaDevice::Play() {
    if (Current().source().isEmpty()) return;
    Current().play();
}

void QtMediaDevice::Pause() { Current().pause(); }

void QtMediaDevice::Stop() { Current().stop(); }

void QtMediaDevice::Seek(int milliseconds) { Current().setPosition(milliseconds); }

int QtMediaDevice::LengthMs() {
    if (Current().source().isEmpty()) return 0;
    if (Current().mediaStatus() == QMediaPlayer::LoadingMedia) {
        InputGuard guard;  // the file loads as a play waits: no input meanwhile
        QEventLoop loop;
        connect(&Current(), &QMediaPlayer::mediaStatusChanged, &loop, [&loop](QMediaPlayer::MediaStatus status) {
            if (status != QMediaPlayer::LoadingMedia) loop.quit();
        });
        QTimer::singleShot(kLoadLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return static_cast<int>(Current().duration());
}

int QtMediaDevice::PositionMs() { return static_cast<int>(Current().position()); }

MediaDevice::Mode QtMediaDevice::GetMode() const {
    if (Current().source().isEmpty()) return Mode::NotReady;
    switch (Current().playbackState()) {
    case QMediaPlayer::PlayingState: return Mode::Playing;
    case QMediaPlayer::PausedState: return Mode::Paused;
    default: return Mode::Stopped;
    }
}

void QtMediaDevice::WaitUntilStopped() {
    if (Current().playbackState() == QMediaPlayer::StoppedState) return;
    InputGuard guard;
    QEventLoop loop;
    connect(&Current(), &QMediaPlayer::playbackStateChanged, &loop, [&loop](QMediaPlayer::PlaybackState state) {
        if (state == QMediaPlayer::StoppedState) loop.quit();
    });
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    // A playback that stands still for long (no sound output takes it) ends the wait.
    QTimer watch;
    qint64 lastPosition = -1;
    int standing = 0;
    connect(&watch, &QTimer::timeout, &loop, [&] {
        if (Current().playbackState() != QMediaPlayer::PlayingState || Current().position() != lastPosition) {
            lastPosition = Current().position();
            standing = 0;
        } else if ((standing += watch.interval()) >= kStallLimitMs) {
            Current().stop();
            loop.quit();
        }
    });
    watch.start(500);
    loop.exec();
}

void QtMediaDevice::SetEndedHandler(std::function<void()> handler) { ended_ = std::move(handler); }

void QtMediaDevice::SetVideoOutput(QObject* output) {
    videoOutput_ = output;
    Current().setVideoOutput(output);
}

}  // namespace quillan
