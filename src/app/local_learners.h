#pragma once

#include <string_view>

#include "session/app_context.h"
#include "app/learners.h"

namespace quillan {

// The local learners of the installation and signing one of them in: what the local user
// window and the new learner window do, without the windows.
class LocalLearners {
public:
    // Reads "usr.t" of the installation's learners' data (LearnerDataDir); a number that is no number throws ConversionError.
    explicit LocalLearners(AppContext& ctx);

    const LearnerList& List() const { return learners_; }

    // Signs in the learner at 1-based `position` (OpenLearnerFiles): ResultsDirectory becomes
    // his directory, his results are loaded (or his exercise table built from the course and
    // saved at once), then his repetitions and settings, which bring the tables of his interface
    // language. His name becomes the login name. False when his results could not be read (he
    // has been told). A course-data error in building his table throws; the learner signed in
    // before stays signed in then and nothing of the new one is written. A settings file that
    // cannot be read is reported and left untouched, and he signs in with the default settings.
    bool SignIn(int position);

    // Creates a learner from a typed name: the next number, the trimmed name, "usr.t" rewritten
    // with the whole list. The interface language becomes `languageNumber` (English whatever
    // was chosen when the installation has "be.ini"), its tables are loaded, and it is kept as
    // the language of settings files made from now on. Gives the 1-based position of the new
    // learner, or 0 when a learner of that name exists in any letter case (nothing changes).
    int Create(std::string_view typedName, int languageNumber);

private:
    AppContext& ctx_;
    LearnerList learners_;
};

// Confirms the settings window: `chosen` become the learner's settings and are written to his
// file; a changed interface language takes effect at once (UseInterfaceLanguage). True when
// the language changed, so that the windows load its pictures. Throws, with the settings and
// the language in force as they were, when the language cannot be read or the file written.
bool ConfirmSettings(AppContext& ctx, const Settings& chosen);

}  // namespace quillan
