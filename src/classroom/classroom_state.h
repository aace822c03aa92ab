#pragma once

#include <string>

#include "classroom/protocol.h"

namespace quillan::classroom {

// What a classroom login leaves for the rest of the run: who is logged in (sent with every
// request) and what the server said about him.
struct ClassroomLearner {
    Identity identity;       // name and password as typed, trimmed; the results file name
    LoginReply login;        // the teacher's settings (fields 3 to 6 of the login reply)
    std::string userRecord;  // the user record; empty when it did not come

    bool TypingLocked() const { return login.typingAllowed == 0; }
};

}  // namespace quillan::classroom
