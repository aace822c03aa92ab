#pragma once

#include <chrono>
#include <cstdint>

#include "classroom/protocol.h"
#include "platform/classroom_link.h"

namespace quillan::classroom {

// The program's connection to the classroom server over QTcpSocket. Each request connects,
// writes, reads its reply and disconnects inside a nested event loop: the windows go on
// painting, and an input guard keeps every click and key away from them until the reply is
// there. A request that is not over within the time limit fails with its own error text, so
// that a server that answers slowly or not at all never holds the program; one whose reply
// grows beyond what the request may hold fails at once. A request asked for while another
// waits is refused (only one connection at a time).
class QtClassroomLink : public ClassroomLink {
public:
    static constexpr std::chrono::milliseconds kReplyLimit{30000};

    explicit QtClassroomLink(std::uint16_t port = kClassroomPort, std::chrono::milliseconds limit = kReplyLimit);

    LinkReply Exchange(const LinkRequest& request) override;

private:
    std::uint16_t port_;
    std::chrono::milliseconds limit_;
    bool busy_ = false;
};

}  // namespace quillan::classroom
