#pragma once

#include <string>

#include "context/startup_state.h"

namespace quillan {

// The recording of sentence n: n written with at least five digits as d gives
// MediaDir + "bsgram\D_" + d[1..2] + "\dd_" + d[1..3] + "\" + d + ".wav"
// (123 gives "bsgram\D_00\dd_001\00123.wav"). Empty for n of 0 or less.
std::string SentenceAudioPath(const StartupState& state, int n);

// The recording of a dialogue line: a name beginning with "save_" (the learner's own
// recording) lies in ProgramDir as it is; any other is MediaDir + "Dialogi\" + name + ".wav".
std::string DialogueLinePath(const StartupState& state, const std::string& audioName);

// What the media of a course text is.
enum class MediaType { Video = 1, Audio = 2, Html = 3 };

// The media file of text `number`: ProgramDir + "Teksty_mpg_r\" + number + ".mpg" (video),
// MediaDir + "Teksty_wav\" + number + ".wav" (sound) or ProgramDir + "Teksty_htm_r\" +
// number + ".htm" (HTML page).
std::string TextMediaPath(const StartupState& state, MediaType type, const std::string& number);

// The media a text has: video when its ".mpg" exists, otherwise the HTML page when its ".htm"
// exists, otherwise sound.
MediaType TextMediaKind(const StartupState& state, const std::string& number);

}  // namespace quillan
