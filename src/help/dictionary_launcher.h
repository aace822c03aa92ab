#pragma once

#include <string>

#include "context/startup_state.h"
#include "platform/process_launcher.h"

namespace quillan {

// The companion dictionary's program file: "slownik_be" (or "slownik_be.exe") in the
// installation directory, else beside the course program; empty when neither exists.
std::string DictionaryProgram(const StartupState& state);

// The title of the dictionary's window, by which the course finds it and under which the
// dictionary shows it: line 8 of "prof_r.txt", or "Słownik" when that line is empty.
std::string DictionaryWindowTitle(const StartupState& state);

// Starts the dictionary unless it runs already, then brings its window to the front. Nothing
// is reported when the dictionary is missing or shows no window yet (it then comes up by
// itself once started).
void OpenDictionary(const StartupState& state, ProcessLauncher& launcher);

}  // namespace quillan
