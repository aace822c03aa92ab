#pragma once

#include <array>
#include <string>

namespace quillan {

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const Box&) const = default;
};

// The four bookmark times of a text's sound, in milliseconds; -1 is no bookmark. A text has
// bookmarks when the second one is set; each button shows when its own time is set.
struct Bookmarks {
    std::array<int, 4> times{-1, -1, -1, -1};
    bool Any() const { return times[1] != -1; }
    bool Shown(int k) const { return Any() && times[static_cast<size_t>(k)] != -1; }
};

// The media type a path asks for: one containing ".avi" plays as video (1), one containing
// ".wav" as sound (2), whatever type was given; otherwise the given type.
int MediaTypeOf(int type, const std::string& path);

// The size of a picture a control shows (an image button is as large as its picture).
struct PictureSize {
    int width = 0, height = 0;
};

// The pictures of the media window's buttons, as large as the installation draws them.
struct MediaPictures {
    PictureSize play{24, 24}, pause{24, 24}, stop{24, 24};
    PictureSize mark{22, 22};   // each of the four bookmarks
    PictureSize close{20, 18};  // btn_zamknij
};

// Where the controls of the media window go for a video (type 1) or a sound (type 2), each
// button as large as its picture.
struct MediaLayout {
    Box window;
    Box title;        // Label1, the strip that drags the window
    Box close;        // btn_zamknij
    bool titleShown = false;
    Box video;        // Panel1
    bool videoShown = false;
    Box strip;        // Image1, the picture under the controls
    Box play, pause, stop;
    Box bar, knob;    // shape1, sHAPE2
    std::array<Box, 4> marks;
};
// The sound strip is 33 high, its buttons at top 4 side by side, the bar after them, the
// bookmarks at 190 + 24 k. The video player has its title strip on top with the close button
// at its right end (the strip as high as the close button needs, the window as much taller),
// the video under it, and under the video the bar, then the buttons on a row of their own.
MediaLayout LayOutMedia(int type, bool bookmarks, const MediaPictures& pictures = {});

// The knob's offset from the bar's left at a playback position:
// position / length × (bar width − knob width), rounded to the nearest integer.
int KnobOffset(int positionMs, int lengthMs, int barWidth, int knobWidth);

// The time a click at x pixels into the bar seeks to: x × (length div (bar width − knob width)).
int SeekTime(int x, int lengthMs, int barWidth, int knobWidth);

// The window's top-left corner: the main window's corner moved by the text's offsets (50 and
// 10 when an offset is -1).
struct Place {
    int left = 0, top = 0;
    bool operator==(const Place&) const = default;
};
Place MediaWindowPlace(int mainLeft, int mainTop, int offsetLeft, int offsetTop);

}  // namespace quillan
