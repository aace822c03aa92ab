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
    UseInterfaceLanguage(ctx_, ctx_.startup.EnglishOnly ? 1 : languageNumber);
    ctx_.newLearnerLanguage = ctx_.startup.LangIndex;
    return position;
}

void UseInterfaceLanguage(AppContext& ctx, int langIndex) {
    SetLanguage(ctx.startup, langIndex);
    LoadLanguageResources(ctx.startup, ctx.course);
}

bool ConfirmSettings(AppContext& ctx, const Settings& chosen) {
    const bool languageChanged = chosen.LangIndex != ctx.startup.LangIndex;
    // The settings in force change only once they are saved.
    const Settings before = ctx.learner.settings;
    ctx.learner.settings = chosen;
    try {
        SaveSettings(ctx);
    } catch (...) {
        ctx.learner.settings = before;
        throw;
    }
    if (languageChanged) UseInterfaceLanguage(ctx, chosen.LangIndex);
    return languageChanged;
}

}  // namespace quillan
