#pragma once

#include <string>

#include "session/app_context.h"

namespace quillan {

// What the main menu decides and opens, apart from its window.

// The repetitions button shows in local work only, and only while some repetition of an
// exercise in the learner's table is due.
bool RepetitionsButtonShown(const AppContext& ctx);

// The pages and the address the menu opens.
std::string MainHelpPage(const StartupState& state);     // ProgramDir + "Htm_r\h_index.html"
std::string AuthorsPage(const StartupState& state);      // ProgramDir + "Htm_r\h_autorzy.html"
std::string OpeningSound(const StartupState& state);     // ProgramDir + "wav_r\r_open.wav"
inline constexpr const char* kPublisherAddress = "https://www.quillan.example/";

}  // namespace quillan
