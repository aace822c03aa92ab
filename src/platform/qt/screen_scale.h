#pragma once

namespace quillan {

// The course's windows are 1024 x 768. On a screen with room for them at least 1.25 times as
// large in both directions, every window is drawn larger: Qt scales the windows, their text
// (drawn at the larger size), their pictures and the mouse positions, once QT_SCALE_FACTOR is
// set before the application object is made.

// The factor for a screen of width x height pixels: the largest multiple of 0.25 by which
// 1024 x 768 fits both directions, when that is at least 1.25; otherwise 1 (no scaling).
double ScreenScaleFactor(int width, int height);

// Called first in main, before the application object exists. Unless QUILLAN_SCALE is "off"
// (or QT_SCALE_FACTOR is set already, which is then kept), measures the primary screen with a
// short-lived QGuiApplication and sets QT_SCALE_FACTOR so that the windows are drawn at the
// factor of its pixels (on a desktop that scales by itself, the part that is left to do, which
// may be below 1). Gives the factor the program's windows will be drawn at.
double ScaleWindowsToScreen(int argc, char** argv);

}  // namespace quillan
