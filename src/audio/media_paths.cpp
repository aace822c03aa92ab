#include "audio/media_paths.h"

#include <cstdio>

#include "platform/paths.h"

namespace quillan {

std::string SentenceAudioPath(const StartupState& state, int n) {
    if (n <= 0) return {};
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05d", n);
    const std::string d = digits;
    return state.MediaDir + "bsgram\\D_" + d.substr(0, 2) + "\\dd_" + d.substr(0, 3) + "\\" + d + ".wav";
}

std::string LearnerRecordingPath(const StartupState& state, const std::string& name) {
    if (state.ResultsDirectory.empty()) return {};
    return state.ResultsDirectory + name;
}

std::string DialogueLinePath(const StartupState& state, const std::string& audioName) {
    if (audioName.rfind("save_", 0) == 0) return LearnerRecordingPath(state, audioName);
    return state.MediaDir + "Dialogi\\" + audioName + ".wav";
}

std::string TextMediaPath(const StartupState& state, MediaType type, const std::string& number) {
    switch (type) {
    case MediaType::Video: return state.ProgramDir + "Teksty_mpg_r\\" + number + ".mpg";
    case MediaType::Audio: return state.MediaDir + "Teksty_wav\\" + number + ".wav";
    case MediaType::Html: return state.ProgramDir + "Teksty_htm_r\\" + number + ".htm";
    }
    return {};
}

MediaType TextMediaKind(const StartupState& state, const std::string& number) {
    if (FileExists(TextMediaPath(state, MediaType::Video, number))) return MediaType::Video;
    if (FileExists(TextMediaPath(state, MediaType::Html, number))) return MediaType::Html;
    return MediaType::Audio;
}

}  // namespace quillan
