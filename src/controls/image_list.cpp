#include "controls/image_list.h"

#include <QPainter>
#include <stdexcept>

#include "controls/pictures.h"
#include "platform/errors.h"

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

}  // namespace

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
