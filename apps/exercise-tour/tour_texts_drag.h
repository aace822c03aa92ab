#pragma once

#include "tour.h"

namespace quillan {
class TextExerciseFrame;
}

namespace quillan::tour {

// Works the text exercises whose learner drags or pairs words (the drag-and-drop table, the
// ordering list, exercise H, the gap text) through their window; false when `frame` is none of
// them.
bool WorkDraggedText(Tour& tour, TextExerciseFrame& frame);

}  // namespace quillan::tour
