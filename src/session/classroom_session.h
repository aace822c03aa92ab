#pragma once

#include <string>
#include <string_view>

#include "session/app_context.h"

namespace quillan {

// Classroom work as the program does it through the link of the context's services. Every
// message goes to the learner through the context's messages.

// The results directory of classroom work, shared by whoever logs in on this computer: in the
// learners' data directory, which is the installation unless the installation is read-only.
std::string ClassroomResultsDirectory(const StartupState& state);

// Logs the learner in with the name and password he typed (both trimmed): the login request;
// his results downloaded into the classroom directory, or, for a learner the server has no
// results of yet, his exercise table built and uploaded; the user record and the teacher's
// lessons, whose open exercises get their records; then his settings from the classroom
// directory. Only when all of it worked is he signed in, in classroom work: the context's
// learner, ResultsDirectory and ClassroomMode become his. False (he has been told why) leaves
// the learner signed in before as he was. A course-data error while building a table throws.
bool ClassroomSignIn(AppContext& ctx, std::string_view typedUser, std::string_view typedPassword);

// Sends an updated record to the server; a refusal or a failure is told, the local record
// stays as it is.
void SendRecordedResult(AppContext& ctx, const CW_Info& record);

// The password window's checks, in order, then the change on the server; the learner is told
// the outcome. False when a check refused it and nothing was sent.
bool ChangeClassroomPassword(AppContext& ctx, std::string_view user, std::string_view password,
                             std::string_view newPassword, std::string_view repeated);

}  // namespace quillan
