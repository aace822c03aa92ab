#pragma once

#include <string>
#include <vector>

#include "context/startup_state.h"

namespace quillan {

// The files of the shared button-picture list, in list order (a button's BitmapNormal is its
// index here): ProgramDir + "but_r\..." or, for the pictures that carry words of the
// interface language, ProgramDir + LangDir + "but_r\...".
std::vector<std::string> ButtonPicturePaths(const StartupState& state);

// Indexes of pictures the windows refer to by name.
namespace pictures {
inline constexpr int Ok = 0, Cancel = 1, Play = 2, Stop = 3, ArrowUp = 4, ArrowDown = 5, Pause = 6,
                     Speaker = 7, OkBig = 8, Dictionary = 11, Repeat = 12, Print = 13, Back = 14,
                     ListUp = 15, ListDown = 16, SmallSpeaker = 28, BookmarkA = 18, BookmarkB = 19,
                     BookmarkC = 20, BookmarkD = 21, Collapse = 23, Expand = 24, ExerciseBack = 27,
                     Contents = 30, ClosePanel = 43, Help = 44, MediaVideo = 50, DeleteRepetitions = 51,
                     MediaHtml = 58, DeleteRepetition = 60, PrintSmall = 61;
}

}  // namespace quillan
