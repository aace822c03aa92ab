#pragma once

// What the course's full-screen windows (1024 x 768, no frame) set up alike: their size, title
// and focus, and their place on the screen.

#include <string>

class QWidget;

namespace quillan {

// Names the window, fixes it at 1024 x 768 under the program's title and lets it take the keys.
void SetUpCourseWindow(QWidget& window, const char* name, const std::string& title);

// Moves the window to the middle of the primary screen.
void CentreOnScreen(QWidget& window);

// Centres the window, shows it in front of the others and gives it the keys.
void ShowCentred(QWidget& window);

}  // namespace quillan
