#pragma once

#include "platform/classroom_link.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/process_launcher.h"
#include "platform/random.h"
#include "platform/recorder.h"
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
    ClassroomLink* classroomLink = nullptr;  // the classroom server; set in classroom work
};

}  // namespace quillan
