#include "platform/qt/qt_player_device.h"

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

QtPlayerDevice::QtPlayerDevice(QObject* parent) : QObject(parent) {}

QtPlayerDevice::~QtPlayerDevice() {
    ++generation_;
    if (player_) player_->stop();
}

QMediaPlayer& QtPlayerDevice::Player() {
    if (player_) return *player_;
    audio_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(audio_.get());
    connect(player_.get(), &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status != QMediaPlayer::EndOfMedia) return;
        // Told after the player has settled, and only if no other file came meanwhile.
        const unsigned generation = generation_;
        QTimer::singleShot(0, this, [this, generation] {
            if (generation == generation_ && ended_) ended_();
        });
    });
    return *player_;
}

bool QtPlayerDevice::Open(const std::string& nativePath) {
    Close();
    const QString path = QString::fromStdString(nativePath);
    if (!QFileInfo(path).isFile()) return false;
    Player().setSource(QUrl::fromLocalFile(path));
    return true;
}

void QtPlayerDevice::Close() {
    ++generation_;
    if (!player_) return;
    player_->stop();
    player_->setSource(QUrl());
}

void QtPlayerDevice::Play() {
    if (!player_ || player_->source().isEmpty()) return;
    // A file played to its end starts over from its beginning; said outright, since the
    // GStreamer backend does not always rewind by itself when the machine is busy.
    if (player_->mediaStatus() == QMediaPlayer::EndOfMedia) player_->setPosition(0);
    player_->play();
}

void QtPlayerDevice::Pause() {
    if (player_) player_->pause();
}

void QtPlayerDevice::Stop() {
    if (player_) player_->stop();
}

void QtPlayerDevice::Seek(int milliseconds) {
    if (player_) player_->setPosition(milliseconds);
}

int QtPlayerDevice::LengthMs() {
    if (!player_ || player_->source().isEmpty()) return 0;
    if (player_->mediaStatus() == QMediaPlayer::LoadingMedia) {
        InputGuard guard;  // the file loads as a play waits: no input meanwhile
        QEventLoop loop;
        connect(player_.get(), &QMediaPlayer::mediaStatusChanged, &loop, [&loop](QMediaPlayer::MediaStatus status) {
            if (status != QMediaPlayer::LoadingMedia) loop.quit();
        });
        QTimer::singleShot(kLoadLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return static_cast<int>(player_->duration());
}

int QtPlayerDevice::PositionMs() { return player_ ? static_cast<int>(player_->position()) : 0; }

MediaDevice::Mode QtPlayerDevice::GetMode() const {
    if (!player_ || player_->source().isEmpty()) return Mode::NotReady;
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState: return Mode::Playing;
    case QMediaPlayer::PausedState: return Mode::Paused;
    default: return Mode::Stopped;
    }
}

void QtPlayerDevice::WaitUntilStopped() {
    if (!player_ || player_->playbackState() == QMediaPlayer::StoppedState) return;
    QMediaPlayer& player = *player_;
    InputGuard guard;
    QEventLoop loop;
    connect(&player, &QMediaPlayer::playbackStateChanged, &loop, [&loop](QMediaPlayer::PlaybackState state) {
        if (state == QMediaPlayer::StoppedState) loop.quit();
    });
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    // A playback that stands still for long (no sound output takes it) ends the wait.
    QTimer watch;
    qint64 lastPosition = -1;
    int standing = 0;
    connect(&watch, &QTimer::timeout, &loop, [&] {
        if (player.playbackState() != QMediaPlayer::PlayingState || player.position() != lastPosition) {
            lastPosition = player.position();
            standing = 0;
        } else if ((standing += watch.interval()) >= kStallLimitMs) {
            player.stop();
            loop.quit();
        }
    });
    watch.start(500);
    loop.exec();
}

void QtPlayerDevice::SetEndedHandler(std::function<void()> handler) { ended_ = std::move(handler); }

void QtPlayerDevice::SetVideoOutput(QObject* output) {
    if (output || player_) Player().setVideoOutput(output);
}

}  // namespace quillan
