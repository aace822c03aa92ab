#include "app/local_learners.h"

#include "course/load_course.h"
#include "platform/errors.h"
#include "session/learner_session.h"

namespace quillan {

LocalLearners::LocalLearners(AppContext& ctx) : ctx_(ctx), learners_(LoadLearners(ctx.startup.LearnerDataDir)) {}

bool LocalLearners::SignIn(int position) {
    const LearnerEntry& learner = learners_.at(static_cast<size_t>(position - 1));
    if (!OpenLearnerFiles(ctx_, LearnerDirectory(ctx_.startup.LearnerDataDir, learner), ctx_.newLearnerLanguage))
        return false;
    ctx_.learner.loginName = learner.Name;
    return true;
}

int LocalLearners::Create(std::string_view typedName, int languageNumber) {
    LearnerList grown = learners_;
    const int position = AddLearner(grown, typedName);
    if (position == 0) return 0;
    SaveLearners(ctx_.startup.LearnerDataDir, grown);
    learners_ = std::move(grown);
    try {
        UseInterfaceLanguage(ctx_, ctx_.startup.EnglishOnly ? 1 : languageNumber);
    } catch (const std::exception& error) {
        // The chosen language cannot be read: told, and the learner keeps the one in force.
        ctx_.services.messages->Error(error.what());
    }
    ctx_.newLearnerLanguage = ctx_.startup.LangIndex;
    return position;
}

bool ConfirmSettings(AppContext& ctx, const Settings& chosen) {
    const int languageBefore = ctx.startup.LangIndex;
    const bool languageChanged = chosen.LangIndex != languageBefore;
    // The language first: one that cannot be read stops here, before anything is saved.
    if (languageChanged) UseInterfaceLanguage(ctx, chosen.LangIndex);
    // The settings in force change only once they are saved.
    const Settings before = ctx.learner.settings;
    ctx.learner.settings = chosen;
    try {
        SaveSettings(ctx);
    } catch (...) {
        ctx.learner.settings = before;
        if (languageChanged) UseInterfaceLanguage(ctx, languageBefore);
        throw;
    }
    return languageChanged;
}

}  // namespace quillan
