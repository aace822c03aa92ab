#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "classroom/protocol.h"
#include "classroom/server/classroom_store.h"

namespace quillan::classroom {

// The longest request line the server reads (without its line end) and the largest upload:
// a whole results table.
inline constexpr size_t kMaxRequestLine = kMaxLineBytes;
inline constexpr size_t kMaxUploadBytes = kMaxResultsFileBytes;

// A request as the server serves it.
struct Request {
    std::string command;
    Identity who;             // for CHP: file empty
    std::string newPassword;  // CHP
    CW_Info record;           // RCW
    std::string upload;       // PCW: the bytes after the line
};

// What the server sends back before it closes; no bytes: it closes without a reply. `note`
// tells the log what went wrong or was refused (UTF-8), empty when all went well.
struct Reply {
    std::string bytes;
    std::string note;
};

// A request line read: the request, or the reply that refuses it.
struct ReadLine {
    std::optional<Request> request;
    Reply refusal;
};
ReadLine ReadRequestLine(std::string_view line);

// The reply to a request whose password is wrong or whose learner does not exist: LOG: says
// "0", RCW: and CHP: say "FALSE", the others get nothing.
Reply WrongCredentialsReply(const Request& request);
// The reply to a learner who may not use the program (CHP: is still served).
Reply NoAccessReply(const Request& request);
// The reply when the store failed.
Reply StoreFailureReply(const Request& request, std::string_view error);

// Serves a request whose password was verified, for the learner's own data only (not CHP:,
// whose new password is hashed first; see PasswordChangedReply).
Reply Serve(ClassroomStore& store, const Request& request, const Account& account, DayNumber now);
Reply PasswordChangedReply(bool changed);

}  // namespace quillan::classroom
