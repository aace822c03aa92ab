#pragma once

// The controls the text-exercise windows (the frame of every text exercise, and the catalog's
// gap sentences) make and place alike on the 1024 x 768 screen.

class QWidget;

namespace quillan {

class TMyImageList;
class TPanel1;
class TTransparentButton;

// The help, dictionary and exit buttons at the foot of the right-hand panel.
struct PanelButtons {
    TTransparentButton* help;
    TTransparentButton* dictionary;
    TTransparentButton* exit;
};
PanelButtons AddPanelButtons(QWidget* window, TMyImageList& images, const char* exitName);

// The check button, "again" (hidden) in its place and the result gauge (hidden) beside them,
// at the foot of the free column right of the content.
struct CheckControls {
    TTransparentButton* check;
    TTransparentButton* again;
    TPanel1* gauge;
};
CheckControls AddCheckControls(QWidget* window, TMyImageList& images, const char* checkName);

}  // namespace quillan
