#pragma once

#include "app/startup_state.h"
#include "course/course.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/process_launcher.h"
#include "platform/random.h"
#include "progress/exercise_context.h"
#include "platform/recorder.h"
#include "progress/learner.h"
#include "platform/sound_player.h"

namespace quillan {

// The services a model reaches the world through. The program fills them with the Qt
// implementations; tests with fakes.
struct Services {
    Messages* messages = nullptr;
    Clock* clock = nullptr;
    Random* random = nullptr;
    SoundPlayer* soundPlayer = nullptr;
    Printer* printer = nullptr;
    Recorder* recorder = nullptr;
    ProcessLauncher* processLauncher = nullptr;
};

// Everything the running program shares: the start-up state, the loaded course and the
// services. One instance in the program, passed by reference; tests make as many as they like.
struct AppContext {
    StartupState startup;
    Course course;
    Learner learner;           // the signed-in learner
    ExerciseContext exercise;  // the exercise started last
    Services services;
    int newLearnerLanguage = 0;  // the language chosen for the last learner created in this run;
                                 // a settings file made at sign-in starts with it
};

}  // namespace quillan
