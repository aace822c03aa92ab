#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/button_state.h"
#include "controls/gauge.h"

namespace quillan {
namespace {

// Mouse events in order: E enter, e enter while disabled, L leave, D left down, U left up.
int FrameAfter(ButtonStyle style, bool hideNormal, const std::string& events) {
    ButtonState state;
    state.Style = style;
    state.HideNormal = hideNormal;
    for (char event : events) {
        switch (event) {
        case 'E': state.MouseEnter(true); break;
        case 'e': state.MouseEnter(false); break;
        case 'L': state.MouseLeave(); break;
        case 'D': state.LeftDown(); break;
        case 'U': state.LeftUp(); break;
        }
    }
    return state.Frame();
}

TEST(ButtonState, FrameFollowsTheMouse) {
    const ButtonStyle highlighted{true, false, false};
    const ButtonStyle pressedOnly{false, true, false};
    const ButtonStyle both{true, true, false};
    struct Case {
        ButtonStyle style;
        bool hideNormal;
        std::string events;
        int frame;
    };
    const std::vector<Case> cases = {
        {highlighted, false, "", 0},
        {highlighted, false, "E", 1},
        {highlighted, false, "EL", 0},
        {highlighted, false, "ED", 1},      // pressing does not change a highlighting button
        {highlighted, false, "e", 0},       // disabled: no highlight
        {highlighted, false, "eL", 0},
        {highlighted, true, "", -1},        // hidden until the mouse comes
        {highlighted, true, "E", 1},
        {highlighted, true, "EL", -1},
        {pressedOnly, false, "E", 0},
        {pressedOnly, false, "ED", 1},      // pressed shows frame 1
        {pressedOnly, false, "EDU", 0},
        {both, false, "ED", 2},             // asks for frame 2; the list draws the strip's last
        {both, false, "EDU", 0},            // stays 0 after the click until the mouse comes again
        {both, false, "EDULE", 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FrameAfter(c.style, c.hideNormal, c.events), c.frame) << "events '" << c.events << "'";
}

TEST(ButtonState, StanSetByAWindow) {
    ButtonState state;
    state.Style = {false, false, false};
    state.Stan = 2;
    EXPECT_EQ(state.Frame(), 1);
    state.Stan = 1;
    EXPECT_EQ(state.Frame(), 1);
}

TEST(Gauge, PictureIndexRoundsHalvesToEven) {
    const std::vector<std::pair<int, int>> cases = {
        {100, 12}, {50, 6}, {4, 0}, {12, 2}, {0, 0}, {20, 2}, {28, 4}, {5, 1}, {96, 12}, {99, 12}, {-3, 0}, {250, 12}};
    for (const auto& [percent, index] : cases) EXPECT_EQ(GaugePictureIndex(percent), index) << percent << "%";
}

}  // namespace
}  // namespace quillan
