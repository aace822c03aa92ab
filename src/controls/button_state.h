#pragma once

namespace quillan {

// Which state changes an image button makes by itself, and whether it places itself at its
// strip's stored position.
struct ButtonStyle {
    bool highlighted = true;  // tbs_Highlighted: state 1 while the mouse is over it
    bool pressed = false;     // tbs_Pressed: state 2 while the left button is held on it
    bool defPos = false;      // tbs_DefPos: moves itself to the strip's stored position
};

// The state of an image button (`Stan`: 0 normal, 1 highlighted, 2 pressed) and which frame of
// its strip it shows.
class ButtonState {
public:
    int Stan = 0;
    ButtonStyle Style;
    bool HideNormal = false;

    void MouseEnter(bool enabled) {
        if (enabled && Style.highlighted) Stan = 1;
    }
    void MouseLeave() {
        if (Style.highlighted) Stan = 0;
    }
    void LeftDown() {
        if (Style.pressed) Stan = 2;
    }
    void LeftUp() {
        if (Style.pressed) Stan = 0;
    }

    // The frame to draw, or -1 for nothing. A pressed button without highlighting shows frame
    // 1; with highlighting it asks for frame 2, which the picture list gives as the strip's
    // last frame when the strip has only two.
    int Frame() const {
        if (HideNormal && Stan == 0) return -1;
        if (Stan <= 0) return 0;
        if (Stan >= 2 && !Style.highlighted) return 1;
        return Stan;
    }
};

}  // namespace quillan
