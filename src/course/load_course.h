#pragma once

#include "app/startup_state.h"
#include "course/course.h"

namespace quillan {

// The tables that depend on the interface language (LangDir); run again when it changes.
void LoadLanguageResources(const StartupState& state, Course& course);

// Every course data file, in the program's start-up order.
void LoadCourseData(const StartupState& state, Course& course);

}  // namespace quillan
