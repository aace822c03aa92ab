#pragma once

#include "tour.h"

namespace quillan {
class TextExerciseFrame;
}

namespace quillan::tour {

// Works the text exercises whose learner drags or pairs words (the drag-and-drop table, the
// ordering list, exercise H, the gap text) through their window; false when `frame` is none of
// them. The window is pictured as it opened (`name` + "_open") before anything is moved.
bool WorkDraggedText(Tour& tour, TextExerciseFrame& frame, const std::string& name);

}  // namespace quillan::tour
