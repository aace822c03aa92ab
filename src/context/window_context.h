#pragma once

#include "context/services.h"
#include "context/startup_state.h"
#include "text/numbered_texts.h"

namespace quillan {

// What the windows shared by every exercise read of the running program: the start-up state,
// the services and the interface texts of the current language. A view: the program's context
// owns all three and outlives every window.
struct WindowContext {
    StartupState& startup;
    Services& services;
    const InterfaceTexts& interfaceTexts;
};

}  // namespace quillan
