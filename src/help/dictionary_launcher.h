#pragma once

#include <string>

#include "context/startup_state.h"
#include "platform/process_launcher.h"

namespace quillan {

// The companion dictionary's program file: "slownik_be" (or "slownik_be.exe") in the
// installation directory, else beside the course program; empty when neither exists.
std::string DictionaryProgram(const StartupState& state);

// Starts the dictionary unless it runs already, then brings its window to the front. Nothing
// is reported when the dictionary is missing or shows no window yet (it then comes up by
// itself once started).
void OpenDictionary(const StartupState& state, ProcessLauncher& launcher);

}  // namespace quillan
