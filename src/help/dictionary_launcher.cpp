#include "help/dictionary_launcher.h"

#include "platform/cp1250.h"
#include "platform/paths.h"

namespace quillan {

namespace {
const char* const kDictionaryName = "slownik_be";
}

std::string DictionaryProgram(const StartupState& state) {
    for (const std::string& dir : {state.ProgramDir, state.ExecutableDir}) {
        if (dir.empty()) continue;
        for (const char* ext : {"", ".exe"}) {
            const std::string path = dir + kDictionaryName + ext;
            if (FileExists(path)) return path;
        }
    }
    return {};
}

std::string DictionaryWindowTitle(const StartupState& state) {
    return state.DictionaryTitle.empty() ? Utf8ToCp1250("Słownik") : state.DictionaryTitle;
}

void OpenDictionary(const StartupState& state, ProcessLauncher& launcher) {
    if (!launcher.IsRunning(kDictionaryName)) {
        const std::string program = DictionaryProgram(state);
        // The dictionary reads the same installation as the course.
        if (!program.empty()) launcher.Start(program, {state.ProgramDir});
    }
    launcher.Raise(DictionaryWindowTitle(state));
}

}  // namespace quillan
