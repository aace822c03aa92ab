#pragma once

#include <QImage>
#include <QVideoSink>
#include <QWidget>
#include <memory>

namespace quillan {

// The surface a video plays on: it takes the player's pictures and paints each, fitted into
// the panel, on black. The picture sink is made when a video first asks for it: making one
// starts the media backend, which the start-up does not wait for.
class VideoPanel : public QWidget {
    Q_OBJECT
public:
    explicit VideoPanel(QWidget* parent = nullptr);
    QVideoSink* Sink();
    // Forgets the last picture (the video was closed).
    void Clear();
    bool HasPicture() const { return !frame_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::unique_ptr<QVideoSink> sink_;
    QImage frame_;
};

}  // namespace quillan
