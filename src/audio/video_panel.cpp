#include "audio/video_panel.h"

#include <QPainter>
#include <QVideoFrame>

namespace quillan {

VideoPanel::VideoPanel(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

QVideoSink* VideoPanel::Sink() {
    if (sink_) return sink_.get();
    sink_ = std::make_unique<QVideoSink>();
    connect(sink_.get(), &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        frame_ = frame.toImage();
        update();
    });
    return sink_.get();
}

void VideoPanel::Clear() {
    frame_ = QImage();
    update();
}

void VideoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (frame_.isNull()) return;
    const QSize size = frame_.size().scaled(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame_);
}

}  // namespace quillan
