#pragma once

#include <QImage>
#include <QVideoSink>
#include <QWidget>

namespace quillan {

// The surface a video plays on: it takes the player's pictures and paints each, fitted into
// the panel, on black.
class VideoPanel : public QWidget {
    Q_OBJECT
public:
    explicit VideoPanel(QWidget* parent = nullptr);
    QVideoSink* Sink() { return &sink_; }
    // Forgets the last picture (the video was closed).
    void Clear();
    bool HasPicture() const { return !frame_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QVideoSink sink_;
    QImage frame_;
};

}  // namespace quillan
