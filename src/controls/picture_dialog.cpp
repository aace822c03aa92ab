#include "controls/picture_dialog.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "context/window_context.h"
#include "controls/pictures.h"
#include "platform/qt/qt_text.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {
namespace {

constexpr int kBottomEdge = 6;  // rows of a background picture that make its bottom frame

}  // namespace

PictureDialog::PictureDialog(WindowContext context, QSize size, std::string backgroundName, QWidget* parent,
                             Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint), context_(context), backgroundName_(std::move(backgroundName)) {
    setFixedSize(size);
    setWindowTitle(ToQt(context_.startup.AppTitle));
}

void PictureDialog::showEvent(QShowEvent* event) {
    const StartupState& s = context_.startup;
    const std::string folder = backgroundFolder_.empty() ? s.LangDir + "gfx_r\\" : backgroundFolder_;
    background_ = LoadPicture(s.ProgramDir + folder + backgroundName_);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

void PictureDialog::hideEvent(QHideEvent* event) {
    background_ = QPixmap();
    QDialog::hideEvent(event);
}

void PictureDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    SmoothPictures(painter);
    if (background_.isNull()) {
        // Without its picture the window still reads: a light face with a frame.
        painter.fillRect(rect(), QColor(0xf2, 0xf5, 0xf9));
        painter.setPen(QColor(0x2a, 0x4a, 0x6e));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    painter.drawPixmap(0, 0, background_);
    // A window grown taller than its picture (a long message): the picture's bottom edge goes
    // to the window's bottom and the row above that edge fills the gap.
    const int gap = height() - background_.height();
    if (gap > 0 && background_.height() > kBottomEdge) {
        const int edge = background_.height() - kBottomEdge;
        painter.drawPixmap(QRect(0, edge, background_.width(), gap), background_, QRect(0, edge - 1, background_.width(), 1));
        painter.drawPixmap(QPoint(0, height() - kBottomEdge), background_, QRect(0, edge, background_.width(), kBottomEdge));
    }
}

}  // namespace quillan
