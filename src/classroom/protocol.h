#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "progress/results_store.h"

namespace quillan::classroom {

// The classroom protocol: every request opens its own TCP connection, sends one request line
// (and for an upload the results file after it), reads one reply and closes. A request line is
// a four-character command ending in ":", then fields each followed by "#", then CR LF. Fields
// are Windows-1250 bytes as typed, without escaping.

inline constexpr std::uint16_t kClassroomPort = 9099;

inline constexpr std::string_view kLoginCommand = "LOG:";
inline constexpr std::string_view kUploadResultsCommand = "PCW:";
inline constexpr std::string_view kDownloadResultsCommand = "GCW:";
inline constexpr std::string_view kUserRecordCommand = "GUI:";
inline constexpr std::string_view kLessonsCommand = "GIL:";
inline constexpr std::string_view kRecordResultCommand = "RCW:";
inline constexpr std::string_view kChangePasswordCommand = "CHP:";

// The longest line either side reads, a request line or a reply line (without its line end),
// and the largest results file either side takes: a whole results table. More is a faulty
// peer, and is not read on.
inline constexpr size_t kMaxLineBytes = 64 * 1024;
inline constexpr size_t kMaxResultsFileBytes = kMaxResults * kCwInfoSize;

// The reply line that means success for RCW: and CHP:.
inline constexpr std::string_view kTrueReply = "TRUE";
inline constexpr std::string_view kFalseReply = "FALSE";

// What identifies a learner in most requests: name and password as typed (trimmed) and the
// results file name, which names the course ("qlr2_55").
struct Identity {
    std::string user;
    std::string password;
    std::string file;
};

// ---- Requests, as the program sends them ----

// A whole request line: command, each field followed by "#", CR LF.
std::string RequestLine(std::string_view command, const std::vector<std::string>& fields);

std::string LoginRequest(const Identity& who);
// The results file follows this line raw, with no length before it; then the client closes.
std::string UploadResultsRequest(const Identity& who);
std::string DownloadResultsRequest(const Identity& who);
std::string UserRecordRequest(const Identity& who);
std::string LessonsRequest(const Identity& who);
// The identification fields, then the record's 17 fields (CwInfoRecordText).
std::string RecordResultRequest(const Identity& who, const CW_Info& record);
std::string ChangePasswordRequest(std::string_view user, std::string_view oldPassword, std::string_view newPassword);

// A "#" would end the field early and a line end the request, so a name or password holding
// either cannot be sent. Returns the message to show (Windows-1250), or empty when every given
// text can travel. Check before anything is sent.
std::string CredentialsProblem(std::string_view user, std::string_view password,
                               std::string_view newPassword = {});

// ---- Replies, as the program reads them ----

// A LOG: reply line, the login's outcome and the teacher's settings for the learner.
enum class LoginOutcome {
    WrongCredentials,  // field 1 "0"
    NoAccess,          // field 1 "2"
    LoggedIn,          // anything else
};

struct LoginReply {
    LoginOutcome outcome = LoginOutcome::WrongCredentials;
    bool serverHasResults = false;  // field 2 other than "0": download, otherwise upload
    int field3 = 0;                 // kept, not used
    int field4 = 0;                 // kept, not used
    int typingAllowed = 1;          // field 5: 0 locks the typing exercises of the text packages
    int field6 = 0;                 // kept, not used
};

// A reply that does not have the form the program expects; the text (Windows-1250) says what
// was wrong and can be shown in place of the socket layer's error text.
class ReplyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a LOG: reply line (without its line end). Fields are the text before each "#"; a
// missing "#" gives an empty field. Throws ReplyError when field 3, 4, 5 or 6 is not a decimal
// integer; the outcome is taken only when they all are.
LoginReply ParseLoginReply(std::string_view line);

// Takes one reply line off the front of the bytes received so far: the bytes up to LF, a CR
// before it dropped. Nothing (and the buffer untouched) until a LF has arrived.
std::optional<std::string> TakeReplyLine(std::string& received);

bool IsTrueReply(std::string_view line);

// The 4-byte integers of the lessons reply: most significant byte first.
std::string BigEndianInt(std::int32_t value);
std::int32_t ReadBigEndianInt(const char* bytes);

// ---- The server's side of the same formats ----

// A request line taken apart. `fields` are the texts before each "#"; nothing may follow the
// last "#".
struct RequestParts {
    std::string command;
    std::vector<std::string> fields;
};

// The request line without its line end (a CR before the LF already dropped). Nothing when it
// is no request line: a command that is not four characters ending in ":", or text after the
// last "#".
std::optional<RequestParts> ParseRequestLine(std::string_view line);

// The record of an RCW: request from its 17 fields (the fields after the identification). The
// title may hold "#": the id is the first field, the last fifteen are counted from the end and
// what lies between is the title. The id and the title travel as one piece cut to 255
// characters; a sender that cuts the piece's closing "#" off with it runs the title into Kind,
// and such a record is read as well: what follows the piece's 255 characters is Kind. LastDone
// is the sent date with the sent time of day, read in the long time formats other programs may
// send too (one or two digits a part, AM or PM after it); a time that cannot be read leaves the
// date alone (midnight), so that the result is kept. Nothing when a number is not a decimal integer within its field's range or the date is not
// one; strings longer than their field are cut as the record stores them.
std::optional<CW_Info> ParseRecordFields(const std::vector<std::string>& recordFields);

// The LOG: reply line, line end included.
std::string LoginReplyLine(const LoginReply& reply);

// A reply line with its line end.
std::string ReplyLine(std::string_view text);

}  // namespace quillan::classroom
