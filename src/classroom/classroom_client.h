#pragma once

#include <string>
#include <string_view>

#include "classroom/classroom_records.h"
#include "classroom/protocol.h"
#include "platform/classroom_link.h"

namespace quillan::classroom {

// The classroom requests as the program makes them, over a link to the server named in
// "dd.t". Each gives what the program goes on with and, when something went wrong, the message
// for the learner (Windows-1250; empty when all went well).
class ClassroomClient {
public:
    ClassroomClient(ClassroomLink& link, std::string host) : link_(link), host_(std::move(host)) {}

    struct Login {
        bool loggedIn = false;
        LoginReply reply;
        std::string message;
    };
    // LOG: a name or password the wire cannot carry is refused before anything is sent.
    Login LogIn(const Identity& who);

    // PCW: the results file follows the request line.
    std::string Upload(const Identity& who, std::string_view resultsFile);

    struct Download {
        bool ok = false;
        std::string bytes;
        std::string message;
    };
    // GCW: the learner's results file as the server keeps it; an empty reply or one that is not
    // whole records fails.
    Download DownloadResults(const Identity& who);

    struct UserRecord {
        std::string bytes;  // empty when it did not come
        std::string message;
    };
    // GUI:
    UserRecord GetUserRecord(const Identity& who);

    struct Lessons {
        LessonsReply reply;  // what was received, also when the request failed
        std::string message;
    };
    // GIL:
    Lessons GetLessons(const Identity& who);

    struct Recorded {
        bool reached = false;  // the server answered (it may have refused the record)
        std::string message;   // empty when the server took the record
    };
    // RCW: the updated record.
    Recorded RecordResult(const Identity& who, const CW_Info& record);

    // CHP: always a message: changed, refused or failed.
    std::string ChangePassword(std::string_view user, std::string_view oldPassword, std::string_view newPassword);

private:
    LinkReply Exchange(std::string bytes, ReplyForm form, size_t blockSize = 0);

    ClassroomLink& link_;
    std::string host_;
};

// True once `bytes` hold the whole reply to GIL: (both counts and every record they announce).
bool LessonsReplyComplete(std::string_view bytes);

}  // namespace quillan::classroom
