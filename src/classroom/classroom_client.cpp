#include "classroom/classroom_client.h"

#include <optional>

#include "classroom/classroom_messages.h"
#include "platform/cp1250.h"
#include "progress/results_store.h"
#include "text/text_utils.h"

namespace quillan::classroom {

LinkReply ClassroomClient::Exchange(std::string bytes, ReplyForm form, size_t blockSize) {
    LinkRequest request;
    request.host = host_;
    request.bytes = std::move(bytes);
    request.form = form;
    request.blockSize = blockSize;
    // The most a reply may hold: a line, the block asked for, a whole results table, or the
    // lessons and assignments the program holds (that reply ends where its counts say).
    request.maxBytes = form == ReplyForm::Block ? blockSize : kMaxLineBytes;
    if (form == ReplyForm::Stream) {
        const bool lessons = request.bytes.starts_with(kLessonsCommand);
        request.maxBytes = lessons ? kMaxLessonsReplyBytes : kMaxResultsFileBytes;
        if (lessons) request.complete = LessonsReplyComplete;
    }
    return link_.Exchange(request);
}

ClassroomClient::Login ClassroomClient::LogIn(const Identity& who) {
    Login login;
    if (std::string problem = CredentialsProblem(who.user, who.password); !problem.empty()) {
        login.message = std::move(problem);
        return login;
    }
    const LinkReply reply = Exchange(LoginRequest(who), ReplyForm::Line);
    if (!reply.ok) {
        login.message = LoginConnectionErrorMessage(reply.error);
        return login;
    }
    // A refusal needs none of the other fields.
    const std::string result = NthHashField(reply.bytes, 1);
    if (result == "0" || result == "2") {
        login.reply.outcome = result == "0" ? LoginOutcome::WrongCredentials : LoginOutcome::NoAccess;
        login.message = result == "0" ? WrongCredentialsMessage() : NoAccessMessage();
        return login;
    }
    try {
        login.reply = ParseLoginReply(reply.bytes);
    } catch (const ReplyError& error) {
        login.message = error.what() + Utf8ToCp1250(".\nSkontaktuj się z administratorem.");
        return login;
    }
    login.loggedIn = true;
    return login;
}

std::string ClassroomClient::Upload(const Identity& who, std::string_view resultsFile) {
    const LinkReply reply = Exchange(UploadResultsRequest(who) + std::string(resultsFile), ReplyForm::None);
    return reply.ok ? std::string() : UploadErrorMessage(reply.error);
}

ClassroomClient::Download ClassroomClient::DownloadResults(const Identity& who) {
    const LinkReply reply = Exchange(DownloadResultsRequest(who), ReplyForm::Stream);
    // Asked for only when the server has his results: nothing, or a piece of a record, is a
    // download cut short, which must not take the place of his table.
    if (!reply.ok || reply.bytes.empty() || reply.bytes.size() % kCwInfoSize != 0)
        return {false, {}, DownloadErrorMessage()};
    return {true, reply.bytes, {}};
}

ClassroomClient::UserRecord ClassroomClient::GetUserRecord(const Identity& who) {
    const LinkReply reply = Exchange(UserRecordRequest(who), ReplyForm::Block, kUserRecordSize);
    if (!reply.ok) return {{}, UserRecordErrorMessage()};
    return {reply.bytes, {}};
}

ClassroomClient::Lessons ClassroomClient::GetLessons(const Identity& who) {
    const LinkReply reply = Exchange(LessonsRequest(who), ReplyForm::Stream);
    Lessons lessons;
    lessons.reply = ParseLessonsReply(reply.bytes);
    if (!reply.ok) lessons.message = LessonsErrorMessage();
    return lessons;
}

ClassroomClient::Recorded ClassroomClient::RecordResult(const Identity& who, const CW_Info& record) {
    const LinkReply reply = Exchange(RecordResultRequest(who, record), ReplyForm::Line);
    if (!reply.ok) return {false, RecordErrorMessage(reply.error)};
    return {true, IsTrueReply(reply.bytes) ? std::string() : RecordNotAcceptedMessage()};
}

std::string ClassroomClient::ChangePassword(std::string_view user, std::string_view oldPassword,
                                            std::string_view newPassword) {
    if (std::string problem = CredentialsProblem(user, oldPassword, newPassword); !problem.empty()) return problem;
    const LinkReply reply = Exchange(ChangePasswordRequest(user, oldPassword, newPassword), ReplyForm::Line);
    if (!reply.ok) return PasswordChangeErrorMessage();
    return IsTrueReply(reply.bytes) ? PasswordChangedMessage() : PasswordNotChangedMessage();
}

bool LessonsReplyComplete(std::string_view bytes) {
    auto countAt = [&bytes](size_t offset) -> std::optional<size_t> {
        if (bytes.size() < offset + 4) return std::nullopt;
        const std::int32_t n = ReadBigEndianInt(bytes.data() + offset);
        return n < 0 ? 0 : static_cast<size_t>(n);
    };
    const auto lessons = countAt(0);
    if (!lessons) return false;
    const size_t assignmentsAt = 4 + *lessons * kLessonRecordSize;
    const auto assignments = countAt(assignmentsAt);
    return assignments && bytes.size() >= assignmentsAt + 4 + *assignments * kAssignmentRecordSize;
}

}  // namespace quillan::classroom
