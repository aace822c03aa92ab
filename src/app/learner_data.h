#pragma once

#include <string>
#include <string_view>

#include "context/startup_state.h"
#include "platform/messages.h"

namespace quillan {

// Where the learners' data of an installation lies ("usr.t", one directory per learner with
// his results, repetitions, settings, takes and printouts). This is the only place that
// decides it; everything that reads or writes learners' files starts from LearnerDataDir.

// A short name of an installation that stays the same from run to run and differs between
// installations: the last component of its absolute path (letters, digits, ".", "-" and "_"
// only, at most 24 of them; "course" when none is left) + "-" + eight hexadecimal digits of
// a hash of the whole path ("/usr/share/quillan/course/" -> "course-" + 8 digits).
std::string InstallationId(std::string_view programDir);

// The learners' data of the installation in `programDir` kept in the user's data directory:
// dataHome + "quillan\" + InstallationId(programDir) + "\".
std::string UserLearnerDataDir(std::string_view dataHome, std::string_view programDir);

// Sets LearnerDataDir: ProgramDir when the user may write there (as an installation of one
// school machine has it), otherwise UserLearnerDataDir of the user's data home, created when
// missing. When that directory cannot be had, the learner is told and false is returned:
// the program must stop, and nothing has been written. QUILLAN_LEARNER_DATA=home (set by the
// package's launcher for the course it installs) takes the data home whatever the permissions.
bool ChooseLearnerDataDir(StartupState& state, Messages& messages);
// The same with what the choice depends on given: whether the user may write to ProgramDir,
// and his data home (UserDataHome(); empty when he has none).
bool ChooseLearnerDataDir(StartupState& state, bool installationWritable, const std::string& dataHome,
                          Messages& messages);

// The message for a learners' data directory that cannot be had, with what went wrong.
std::string NoLearnerDataDirMessage(std::string_view detail);

}  // namespace quillan
