#include "course/load_course.h"

namespace quillan {

void LoadLanguageResources(const StartupState& state, Course& course) {
    (void)state;
    course.interfaceTexts.clear();
}

void LoadCourseData(const StartupState& state, Course& course) {
    LoadLanguageResources(state, course);
}

}  // namespace quillan
