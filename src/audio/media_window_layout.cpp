#include "audio/media_window_layout.h"

#include <algorithm>
#include <cmath>

#include "text/text_utils.h"

namespace quillan {

int MediaTypeOf(int type, const std::string& path) {
    const std::string lower = LowerAscii(path);
    if (lower.find(".avi") != std::string::npos) return 1;
    if (lower.find(".wav") != std::string::npos) return 2;
    return type;
}

namespace {

constexpr int kTitleHeight = 20;  // the title strip, when the close button is no higher than 18
constexpr int kButtonGap = 2;     // between two buttons side by side
constexpr int kBarGap = 6;        // between the last button and a bar on its row

Box Sized(int left, int top, PictureSize size) { return {left, top, size.width, size.height}; }

bool SameRow(const Box& a, const Box& b) { return a.top < b.top + b.height && b.top < a.top + a.height; }

}  // namespace

MediaLayout LayOutMedia(int type, bool bookmarks, const MediaPictures& pictures) {
    MediaLayout l;
    int buttonsLeft = 0, buttonsTop = 0, marksTop = 0;
    const int titleHeight = std::max(kTitleHeight, pictures.close.height + 2);
    if (type == 1) {
        // A small player: the title strip, the picture, then the controls on their strip. A
        // close button higher than the title strip planned for makes the window as much taller.
        const int taller = titleHeight - kTitleHeight;
        l.window = {0, 0, 336, 344 + taller};
        l.titleShown = true;
        l.videoShown = true;
        l.video = {1, titleHeight, 334, 251};
        l.strip = {0, 272 + taller, 336, 72};
        l.bar = {12, 282 + taller, 312, 8};
        l.knob = {12, 278 + taller, 10, 16};
        buttonsLeft = 12;
        buttonsTop = marksTop = 304 + taller;
    } else {
        // The sound strip: 33 high, wider when the text has bookmarks.
        const int width = bookmarks ? 290 : 200;
        l.window = {0, 0, width, 33};
        l.strip = {0, 0, width, 33};
        l.bar = {88, 13, 94, 8};
        l.knob = {88, 9, 8, 16};
        buttonsLeft = 4;
        buttonsTop = marksTop = 4;
    }
    l.play = Sized(buttonsLeft, buttonsTop, pictures.play);
    l.pause = Sized(l.play.left + l.play.width + kButtonGap, buttonsTop, pictures.pause);
    l.stop = Sized(l.pause.left + l.pause.width + kButtonGap, buttonsTop, pictures.stop);
    // Buttons wider than planned push the bar on their row to the right; its end stays.
    const int afterButtons = l.stop.left + l.stop.width + kBarGap;
    if (SameRow(l.stop, l.bar) && afterButtons > l.bar.left) {
        l.bar.width -= afterButtons - l.bar.left;
        l.bar.left = afterButtons;
        l.knob.left = afterButtons;
    }
    for (int k = 0; k < 4; ++k) l.marks[static_cast<size_t>(k)] = Sized(190 + 24 * k, marksTop, pictures.mark);
    // The close button at the title strip's right end, inside the window; the title up to it.
    l.close = Sized(l.window.width - pictures.close.width - 2, 1, pictures.close);
    l.title = {0, 0, l.close.left - 1, titleHeight};
    return l;
}

int KnobOffset(int positionMs, int lengthMs, int barWidth, int knobWidth) {
    if (lengthMs <= 0) return 0;
    const double offset = static_cast<double>(positionMs) / lengthMs * (barWidth - knobWidth);
    return static_cast<int>(std::nearbyint(offset));
}

int SeekTime(int x, int lengthMs, int barWidth, int knobWidth) {
    const int span = barWidth - knobWidth;
    if (span <= 0) return 0;
    return x * (lengthMs / span);
}

Place MediaWindowPlace(int mainLeft, int mainTop, int offsetLeft, int offsetTop) {
    return {mainLeft + (offsetLeft == -1 ? 50 : offsetLeft), mainTop + (offsetTop == -1 ? 10 : offsetTop)};
}

}  // namespace quillan
