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
    strip->FrameWidth = kBeyondList;
    strip->Height = kBeyondList;
    strip->Keyed = QPixmap::fromImage(PlaceholderStrip(strip->FrameCount));
    strips_.push_back(std::move(strip));
    emit Changed();
    return Count() - 1;
}

int TMyImageList::AddStrip(const std::string& path, int frameCount, int left, int top) {
    auto strip = std::make_unique<TMyBitmap>();
    const QSize size = PictureSize(path);
    if (size.isEmpty()) throw FileError("Nie moge otworzyc pliku : \"" + path + "\"");
    if (frameCount < 1 || size.width() % frameCount > 0)
        throw std::runtime_error("Dlugosc obrazka nie dzieli sie przez podana liczbe klatek");
    strip->FrameCount = frameCount;
    strip->FrameWidth = size.width() / frameCount;
    strip->Height = size.height();
    strip->Path = path;
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

const QPixmap& TMyImageList::Keyed(const TMyBitmap& strip) const {
    if (strip.Keyed.isNull()) {
        const QImage picture = LoadImage(strip.Path);
        // A file whose header read well but whose pixels do not: the frames show as the
        // stand-in of a missing picture, at the size the buttons already took.
        strip.Keyed = picture.size() == QSize(strip.FrameWidth * strip.FrameCount, strip.Height)
                           ? KeyedStrip(picture)
                           : QPixmap::fromImage(PlaceholderStrip(strip.FrameCount))
                                 .scaled(strip.FrameWidth * strip.FrameCount, strip.Height);
    }
    return strip.Keyed;
}

void TMyImageList::DrawFrame(QPainter& canvas, int index, int frame, const QRect& clip) const {
    const TMyBitmap* strip = Strip(index);
    if (!strip || clip.isEmpty()) return;
    frame = std::clamp(frame, 0, strip->FrameCount - 1);
    const QRect target = clip & QRect(0, 0, strip->FrameWidth, strip->Height);
    if (target.isEmpty()) return;
    SmoothPictures(canvas);
    canvas.drawPixmap(target, Keyed(*strip), target.translated(frame * strip->FrameWidth, 0));
}

QPixmap TMyImageList::FramePixmap(int index, int frame) const {
    const TMyBitmap* strip = Strip(index);
    if (!strip) return {};
    frame = std::clamp(frame, 0, strip->FrameCount - 1);
    return Keyed(*strip).copy(frame * strip->FrameWidth, 0, strip->FrameWidth, strip->Height);
}

int TMyImageList::FrameWidth(int index) const {
    const TMyBitmap* strip = Strip(index);
    return strip ? strip->FrameWidth : kBeyondList;
}

int TMyImageList::FrameHeight(int index) const {
    const TMyBitmap* strip = Strip(index);
    return strip ? strip->Height : kBeyondList;
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
