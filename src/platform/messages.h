#pragma once

#include <string>

namespace quillan {

// Modal messages to the learner. Texts are Windows-1250, as everywhere in the program.
class Messages {
public:
    virtual ~Messages() = default;
    // A message with an OK button.
    virtual void Show(const std::string& text) = 0;
    // A warning with an OK button.
    virtual void Warn(const std::string& text) = 0;
    // A question answered Yes (true) or No.
    virtual bool Ask(const std::string& text) = 0;
    // An error that stopped an operation, shown as the program's error dialog.
    virtual void Error(const std::string& text) = 0;
};

}  // namespace quillan
