#pragma once

#include <string>
#include <string_view>

namespace quillan::classroom {

// What the learner is told when a classroom request fails or answers (Windows-1250; "\n" is a
// line break). `errorText` is the failure as the socket layer words it, or a ReplyError's text.

std::string LoginConnectionErrorMessage(std::string_view errorText);
std::string WrongCredentialsMessage();
std::string NoAccessMessage();
std::string NoLocalResultsMessage();  // nothing to upload
std::string UploadErrorMessage(std::string_view errorText);
std::string DownloadErrorMessage();
std::string UserRecordErrorMessage();
std::string LessonsErrorMessage();
std::string RecordNotAcceptedMessage();  // RCW: answered other than "TRUE"
std::string RecordErrorMessage(std::string_view errorText);
std::string PasswordChangedMessage();
std::string PasswordNotChangedMessage();  // CHP: answered other than "TRUE"
std::string PasswordChangeErrorMessage();

// The login and password windows.
std::string NoUserNameMessage();
std::string NoPasswordMessage();
std::string NoNewPasswordMessage();
std::string NoRepeatedPasswordMessage();
std::string PasswordsDifferMessage();
// No assignment, no whole-course work and no local work: nothing to log in for.
std::string NoLessonsMessage();
std::string ForgottenLoginMessage();

}  // namespace quillan::classroom
