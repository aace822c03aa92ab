#pragma once

#include <string>

#include "text/numbered_texts.h"

namespace quillan {

// The name shown for an exercise kind (the Kind byte of a results record): a fixed Polish name,
// an interface text, or "CW numer" + the code for an unknown kind. Kinds 13 and 14 name the
// course language by CourseVariant (1, 2, 3) and give an empty text for any other variant.
std::string ExerciseKindName(int code, int courseVariant, const InterfaceTexts& texts);

}  // namespace quillan
