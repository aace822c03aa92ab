#include "controls/image_list.h"

#include <QPainter>
#include <algorithm>
#include <stdexcept>

#include "controls/pictures.h"
#include "platform/errors.h"
#include "platform/qt/smooth_pictures.h"

namespace quillan {
namespace {

constexpr int kBeyondList = 33;

// The strip with every pixel of the colour of its bottom-left pixel made transparent.
QPixmap KeyedStrip(const QImage& picture) {
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1) | 0xff000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xff000000u) == key) line[x] = 0;
    }
    return QPixmap::fromImage(image);
}

// The stand-in of a strip that could not be loaded: each frame a grey box with a cross, the
// highlighted frames a shade darker.
QImage PlaceholderStrip(int frameCount) {
    QImage image(kBeyondList * frameCount, kBeyondList, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int frame = 0; frame < frameCount; ++frame) {
        const QRectF box(frame * kBeyondList + 2.5, 2.5, kBeyondList - 5, kBeyondList - 5);
        painter.setPen(QPen(QColor(0x70, 0x78, 0x80), 1.5));
        painter.setBrush(frame == 0 ? QColor(0xe4, 0xe8, 0xec) : QColor(0xc8, 0xd0, 0xd8));
        painter.drawRoundedRect(box, 4, 4);
        painter.setPen(QPen(QColor(0xb0, 0x30, 0x30), 2.5, Qt::SolidLine, Qt::RoundCap));
        const QRectF cross = box.adjusted(8, 8, -8, -8);
        painter.drawLine(cross.topLeft(), cross.bottomRight());
        painter.drawLine(cross.topRight(), cross.bottomLeft());
    }
    return image;
}

}  // namespace

int TMyImageList::AddPlaceholder(int frameCount) {
    auto strip = std::make_unique<TMyBitmap>();
    strip->FrameCount = std::max(1, frameCount);
    strip->Picture = PlaceholderStrip(strip->FrameCount);
    strip->FrameWidth = kBeyondList;
    strip->Keyed = QPixmap::fromImage(strip->Picture);
    strips_.push_back(std::move(strip));
    emit Changed();
    return Count() - 1;
}

int TMyImageList::AddStrip(const std::string& path, int frameCount, int left, int top) {
    auto strip = std::make_unique<TMyBitmap>();
    strip->Picture = LoadImage(path);
    if (strip->Picture.isNull()) throw FileError("Nie moge otworzyc pliku : \"" + path + "\"");
    if (frameCount < 1 || strip->Picture.width() % frameCount > 0)
        throw std::runtime_error("Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    strip->FrameCount = frameCount;
    strip->FrameWidth = strip->Picture.width() / frameCount;
    strip->Keyed = KeyedStrip(strip->Picture);
    strip->Left = left;
    strip->Top = top;
    strips_.push_back(std::move(strip));
    emit Changed();
    return Count() - 1;
}

void TMyImageList::Clear() {
    strips_.clear();
    emit Changed();
}

const TMyBitmap* TMyImageList::Strip(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return strips_[static_cast<size_t>(index)].get();
}

void TMyImageList::DrawFrame(QPainter& canvas, int index, int frame, const QRect& clip) const {
    const TMyBitmap* strip = Strip(index);
    if (!strip || clip.isEmpty()) return;
    frame = std::clamp(frame, 0, strip->FrameCount - 1);
    const QRect target = clip & QRect(0, 0, strip->FrameWidth, strip->Picture.height());
    if (target.isEmpty()) return;
    SmoothPictures(canvas);
    canvas.drawPixmap(target, strip->Keyed, target.translated(frame * strip->FrameWidth, 0));
}

QPixmap TMyImageList::FramePixmap(int index, int frame) const {
    const TMyBitmap* strip = Strip(index);
    if (!strip) return {};
    frame = std::clamp(frame, 0, strip->FrameCount - 1);
    return strip->Keyed.copy(frame * strip->FrameWidth, 0, strip->FrameWidth, strip->Picture.height());
}

int TMyImageList::FrameWidth(int index) const {
    const TMyBitmap* strip = Strip(index);
    return strip ? strip->FrameWidth : kBeyondList;
}

int TMyImageList::FrameHeight(int index) const {
    const TMyBitmap* strip = Strip(index);
    return strip ? strip->Picture.height() : kBeyondList;
}

int TMyImageList::StripLeft(int index) const {
    const TMyBitmap* strip = Strip(index);
    return strip ? strip->Left : kBeyondList;
}

int TMyImageList::StripTop(int index) const {
    const TMyBitmap* strip = Strip(index);
    return strip ? strip->Top : kBeyondList;
}

void TMyImageList::SetStripPosition(int index, int left, int top) {
    if (index < 0 || index >= Count()) return;
    strips_[static_cast<size_t>(index)]->Left = left;
    strips_[static_cast<size_t>(index)]->Top = top;
}

}  // namespace quillan
