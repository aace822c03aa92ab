#include "context/startup_state.h"

namespace quillan {

void SetLanguage(StartupState& state, int langIndex) {
    state.LangIndex = langIndex;
    state.LangDir = "Lang_r\\" + std::to_string(langIndex) + "\\";
}

}  // namespace quillan
