#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <memory>
#include <string>
#include <vector>

class QPainter;
class QRect;

namespace quillan {

// One picture strip of the list: a button's pictures side by side, cut into equal frames.
struct TMyBitmap {
    int FrameWidth = 0;
    int FrameCount = 1;
    int Height = 0;
    std::string Path;    // the file, read when the strip is first drawn
    mutable QPixmap Keyed;  // the strip with its transparent colour made see-through, once read
    int Top = 0;
    int Left = 0;
};

// The shared list of button-picture strips, numbered from 0 in the order they were added.
class TMyImageList : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Takes a strip from its file (Windows path), cut into frameCount frames, stores its
    // position and appends it; returns its index. Only the picture's size is read now: the
    // pixels are read when a frame is first drawn, so that a window shows before every strip
    // of the program has been decoded. Throws FileError "Nie moge otworzyc pliku : "
    // + quoted path when the file cannot be loaded, and std::runtime_error "Dlugosc obrazka nie
    // dzieli sie przez podana liczbe klatek" when the width is not a multiple of frameCount.
    int AddStrip(const std::string& path, int frameCount, int left, int top);
    // Appends a stand-in for a strip that could not be loaded, so that the strips after it keep
    // their indexes: frameCount frames of 33 × 33, a grey box with a cross, plain to see and to
    // click. Returns its index.
    int AddPlaceholder(int frameCount);
    void Clear();
    int Count() const { return static_cast<int>(strips_.size()); }

    // Draws frame `frame` of strip `index` into `clip` (the part of the canvas to repaint):
    // the source is the same rectangle moved right by frame × FrameWidth, kept within the
    // frame; pixels of the strip's transparent colour (its bottom-left pixel) are left out.
    // Frames beyond the strip draw its last frame; an index beyond the list draws nothing.
    void DrawFrame(QPainter& canvas, int index, int frame, const QRect& clip) const;

    // The strip's values; 33 for an index beyond the list.
    int FrameWidth(int index) const;
    int FrameHeight(int index) const;
    int StripLeft(int index) const;
    int StripTop(int index) const;
    void SetStripPosition(int index, int left, int top);

    // One frame of a strip as a picture of its own, transparent colour left out; null for an
    // index beyond the list.
    QPixmap FramePixmap(int index, int frame) const;

signals:
    // The strips were replaced or added; buttons size and paint themselves again.
    void Changed();

private:
    const TMyBitmap* Strip(int index) const;
    // The strip's see-through pixels, read from its file the first time they are needed.
    const QPixmap& Keyed(const TMyBitmap& strip) const;

    std::vector<std::unique_ptr<TMyBitmap>> strips_;
};

}  // namespace quillan
