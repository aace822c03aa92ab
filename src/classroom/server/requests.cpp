#include "classroom/server/requests.h"

#include "platform/cp1250.h"
#include "text/text_utils.h"

namespace quillan::classroom {
namespace {

constexpr size_t kIdentityFields = 3;
// A record's 17 fields, or 16 when the sender cut the title's closing "#" off (ParseRecordFields).
constexpr size_t kLeastRecordFields = 16;
// The results file name names the course; longer ones are no course of this program.
constexpr size_t kMaxFileName = 100;

Reply Refuse(std::string_view command, std::string note) {
    Request request;
    request.command = std::string(command);
    Reply reply = WrongCredentialsReply(request);
    reply.note = std::move(note);
    return reply;
}

Reply Note(std::string bytes, std::string note) { return {std::move(bytes), std::move(note)}; }

}  // namespace

ReadLine ReadRequestLine(std::string_view line) {
    const std::optional<RequestParts> parts = ParseRequestLine(line);
    if (!parts) return {std::nullopt, Refuse("", "no request line")};
    const std::string& c = parts->command;
    const std::vector<std::string>& f = parts->fields;
    const bool known = c == kLoginCommand || c == kUploadResultsCommand || c == kDownloadResultsCommand ||
                       c == kUserRecordCommand || c == kLessonsCommand || c == kRecordResultCommand ||
                       c == kChangePasswordCommand;
    if (!known) return {std::nullopt, Refuse(c, "unknown command " + Cp1250ToUtf8(c))};
    const bool recordRequest = c == kRecordResultCommand;
    if (recordRequest ? f.size() < kIdentityFields + kLeastRecordFields : f.size() != kIdentityFields)
        return {std::nullopt, Refuse(c, Cp1250ToUtf8(c) + " with " + std::to_string(f.size()) + " fields")};
    if (f[0].empty()) return {std::nullopt, Refuse(c, Cp1250ToUtf8(c) + " without a user name")};

    Request request;
    request.command = c;
    request.who.user = f[0];
    request.who.password = f[1];
    if (c == kChangePasswordCommand) {
        request.newPassword = f[2];
        if (request.newPassword.empty()) return {std::nullopt, Refuse(c, "CHP: with an empty new password")};
        // The login window trims what is typed: such a password could never be given again.
        if (Trim(request.newPassword) != request.newPassword)
            return {std::nullopt, Refuse(c, "CHP: with a new password beginning or ending with a space")};
        return {std::move(request), {}};
    }
    request.who.file = f[2];
    if (request.who.file.empty() || request.who.file.size() > kMaxFileName)
        return {std::nullopt, Refuse(c, Cp1250ToUtf8(c) + " with no results file name of a course")};
    if (recordRequest) {
        const std::optional<CW_Info> record =
            ParseRecordFields(std::vector<std::string>(f.begin() + kIdentityFields, f.end()));
        if (!record) return {std::nullopt, Refuse(c, "RCW: with a record that cannot be read")};
        request.record = *record;
    }
    return {std::move(request), {}};
}

Reply WrongCredentialsReply(const Request& request) {
    if (request.command == kLoginCommand) {
        LoginReply reply;
        reply.typingAllowed = 0;
        return {LoginReplyLine(reply), {}};
    }
    if (request.command == kRecordResultCommand || request.command == kChangePasswordCommand)
        return {ReplyLine(kFalseReply), {}};
    return {};
}

Reply NoAccessReply(const Request& request) {
    if (request.command == kLoginCommand) {
        LoginReply reply;
        reply.outcome = LoginOutcome::NoAccess;
        reply.typingAllowed = 0;
        return {LoginReplyLine(reply), "no access"};
    }
    Reply reply = WrongCredentialsReply(request);
    reply.note = "no access";
    return reply;
}

Reply StoreFailureReply(const Request& request, std::string_view error) {
    Reply reply = WrongCredentialsReply(request);
    // A login that the store could not check is no wrong password: the program is told of a
    // broken connection (no reply) instead.
    if (request.command == kLoginCommand) reply.bytes.clear();
    reply.note = "store: " + std::string(error);
    return reply;
}

Reply Serve(ClassroomStore& store, const Request& request, const Account& account, DayNumber now) {
    const std::string& c = request.command;
    if (c == kLoginCommand) {
        LoginReply reply;
        reply.outcome = LoginOutcome::LoggedIn;
        reply.serverHasResults = account.hasResults;
        reply.typingAllowed = account.flags.typing ? 1 : 0;
        return {LoginReplyLine(reply), {}};
    }
    if (c == kUploadResultsCommand) {
        const size_t size = request.upload.size();
        if (size == 0 || size % kCwInfoSize != 0 || size > kMaxUploadBytes)
            return Note({}, "upload of " + std::to_string(size) + " bytes is no whole results file; nothing stored");
        if (!store.StoreFirstResults(account.id, request.who.file, request.upload))
            return Note({}, "upload refused: the learner's results are stored already");
        return {};
    }
    if (c == kDownloadResultsCommand) {
        std::optional<std::string> results = store.LoadResults(account.id, request.who.file);
        if (!results) return Note({}, "download: no results stored");
        return {std::move(*results), {}};
    }
    if (c == kUserRecordCommand) return {EncodeUserRecord(account.name, account.flags.wholeCourse), {}};
    if (c == kLessonsCommand) {
        std::vector<TeacherLesson> lessons;
        std::vector<Assignment> assignments;
        store.OpenLessons(account.id, now, lessons, assignments);
        return {LessonsReplyBytes(lessons, assignments), {}};
    }
    if (c == kRecordResultCommand) {
        switch (store.RecordResult(account.id, request.who.file, request.record)) {
        case RecordOutcome::Updated:
        case RecordOutcome::Appended:
            return {ReplyLine(kTrueReply), {}};
        case RecordOutcome::NoResults:
            return Note(ReplyLine(kFalseReply), "result refused: no results file stored for the learner");
        case RecordOutcome::TableFull:
            return Note(ReplyLine(kFalseReply), "result refused: the learner's table is full");
        }
    }
    return Note({}, "not served here: " + Cp1250ToUtf8(c));
}

Reply PasswordChangedReply(bool changed) {
    if (changed) return {ReplyLine(kTrueReply), "password changed"};
    return {ReplyLine(kFalseReply), "password not changed: it was changed meanwhile"};
}

}  // namespace quillan::classroom
