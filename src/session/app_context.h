#pragma once

#include "classroom/classroom_state.h"
#include "context/services.h"
#include "context/startup_state.h"
#include "context/window_context.h"
#include "course/course.h"
#include "progress/exercise_context.h"
#include "progress/learner.h"

namespace quillan {

// Everything the running program shares: the start-up state, the loaded course, the signed-in
// learner and the services. One instance in the program, passed by reference; tests make as
// many as they like.
struct AppContext {
    StartupState startup;
    Course course;
    Learner learner;           // the signed-in learner
    ExerciseContext exercise;  // the exercise started last
    Services services;
    classroom::ClassroomLearner classroom;  // the classroom login, in classroom work
    int newLearnerLanguage = 0;  // the language chosen for the last learner created in this run;
                                 // a settings file made at sign-in starts with it

    // The part the shared windows read; an AppContext is handed to them as it is.
    WindowContext Window() { return {startup, services, course.interfaceTexts}; }
    operator WindowContext() { return Window(); }  // NOLINT: a view of this context
};

}  // namespace quillan
