#pragma once

#include <ostream>
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

// Messages that go nowhere, for programs that have no one to tell (questions answer No).
class SilentMessages : public Messages {
public:
    void Show(const std::string&) override {}
    void Warn(const std::string&) override {}
    bool Ask(const std::string&) override { return false; }
    void Error(const std::string&) override {}
};

// Messages written to a stream (a command-line tool's standard error) as UTF-8 lines, each
// after a prefix such as "quillan-course: "; questions are answered No.
class StreamMessages : public Messages {
public:
    StreamMessages(std::ostream& out, std::string prefix) : out_(out), prefix_(std::move(prefix)) {}
    void Show(const std::string& text) override { Print(text); }
    void Warn(const std::string& text) override { Print(text); }
    bool Ask(const std::string& text) override {
        Print(text);
        return false;
    }
    void Error(const std::string& text) override { Print(text); }

private:
    void Print(const std::string& text);
    std::ostream& out_;
    std::string prefix_;
};

}  // namespace quillan
