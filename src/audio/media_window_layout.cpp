#include "audio/media_window_layout.h"

#include <cmath>

#include "text/text_utils.h"

namespace quillan {

int MediaTypeOf(int type, const std::string& path) {
    const std::string lower = LowerAscii(path);
    if (lower.find(".avi") != std::string::npos) return 1;
    if (lower.find(".wav") != std::string::npos) return 2;
    return type;
}

MediaLayout LayOutMedia(int type, bool bookmarks) {
    MediaLayout l;
    if (type == 1) {
        // A small player: the title strip, the picture, then the controls on their strip.
        l.window = {0, 0, 336, 344};
        l.titleShown = true;
        l.videoShown = true;
        l.video = {1, 20, 334, 251};
        l.strip = {0, 272, 336, 72};
        l.bar = {12, 282, 312, 8};
        l.knob = {12, 278, 10, 16};
        l.play = {12, 304, 24, 24};
        l.pause = {40, 304, 24, 24};
        l.stop = {68, 304, 24, 24};
        for (int k = 0; k < 4; ++k) l.marks[static_cast<size_t>(k)] = {190 + 24 * k, 304, 22, 24};
    } else {
        // The sound strip: 33 high, wider when the text has bookmarks.
        const int width = bookmarks ? 290 : 200;
        l.window = {0, 0, width, 33};
        l.strip = {0, 0, width, 33};
        l.play = {4, 4, 24, 24};
        l.pause = {30, 4, 24, 24};
        l.stop = {56, 4, 24, 24};
        l.bar = {88, 13, 94, 8};
        l.knob = {88, 9, 8, 16};
        for (int k = 0; k < 4; ++k) l.marks[static_cast<size_t>(k)] = {190 + 24 * k, 4, 22, 24};
    }
    l.title = {0, 0, l.window.width - 23, 20};
    l.close = {l.window.width - 22, 1, 20, 18};
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
