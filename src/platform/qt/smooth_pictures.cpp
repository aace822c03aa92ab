#include "platform/qt/smooth_pictures.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>

namespace quillan {
namespace {

class SmoothPictureStyle : public QProxyStyle {
public:
    void drawItemPixmap(QPainter* painter, const QRect& rect, int alignment, const QPixmap& pixmap) const override {
        const bool smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        QProxyStyle::drawItemPixmap(painter, rect, alignment, pixmap);
        painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    }
};

}  // namespace

void SmoothPictures(QPainter& painter) { painter.setRenderHint(QPainter::SmoothPixmapTransform); }

void SmoothLabelPictures() {
    // The application takes the style over and deletes it at its end.
    QApplication::setStyle(new SmoothPictureStyle);
}

}  // namespace quillan
