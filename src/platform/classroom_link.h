#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quillan {

// How the reply to a classroom request is read.
enum class ReplyForm {
    None,    // nothing: the request is sent and the connection closed
    Line,    // bytes up to LF, a CR before it dropped
    Block,   // exactly `blockSize` bytes
    Stream,  // everything until the server closes (or `complete` says it is all there)
};

struct LinkRequest {
    std::string host;
    std::string bytes;  // the request line, and for an upload the file after it
    ReplyForm form = ReplyForm::Line;
    size_t blockSize = 0;
    // Stream only: true once the bytes received so far are the whole reply, so that a server
    // keeping the connection open is not waited for.
    std::function<bool(std::string_view received)> complete;
    // Line and stream: the most bytes the reply may hold (a line's bytes before its LF). A reply
    // that grows beyond it ends the request as failed at once, so that a faulty service cannot
    // make the program's memory grow while it waits. A block holds `blockSize`; nothing is kept
    // of what comes after an upload.
    size_t maxBytes = 64 * 1024;
};

struct LinkReply {
    bool ok = false;
    std::string error;  // why not, worded by the network layer (Windows-1250)
    std::string bytes;  // the reply; for a stream, what arrived before the failure too
};

// The connection to the classroom server: one request at a time, each on a connection of its
// own. The program's link keeps the windows painting while it waits and lets no input reach
// them; a reply is awaited only so long.
class ClassroomLink {
public:
    virtual ~ClassroomLink() = default;
    virtual LinkReply Exchange(const LinkRequest& request) = 0;
};

}  // namespace quillan
