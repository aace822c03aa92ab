#include "app/main_menu.h"

#include "progress/repetitions.h"

namespace quillan {

bool RepetitionsButtonShown(const AppContext& ctx) {
    if (ctx.startup.ClassroomMode == 1) return false;
    return AnyRepetitionDue(ctx.learner.repetitions, ctx.learner.results, ctx.services.clock->Now());
}

std::string MainHelpPage(const StartupState& state) { return state.ProgramDir + "Htm_r\\h_index.html"; }
std::string AuthorsPage(const StartupState& state) { return state.ProgramDir + "Htm_r\\h_autorzy.html"; }
std::string OpeningSound(const StartupState& state) { return state.ProgramDir + "wav_r\\r_open.wav"; }

}  // namespace quillan
